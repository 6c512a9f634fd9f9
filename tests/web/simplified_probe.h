// Whether this system maps traditional Chinese characters to simplified ones
// (Wine's LCMapString does not), asked of the system itself, so that tests
// can expect the mapped text where there is one.
#pragma once

#include <windows.h>

inline bool SystemMapsToSimplified() {
  const WCHAR traditional[] = {0x9AD4};  // 體
  WCHAR mapped[2] = {};
  const LCID prc = MAKELCID(MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED), SORT_DEFAULT);
  return LCMapStringW(prc, LCMAP_SIMPLIFIED_CHINESE, traditional, 1, mapped, 2) == 1 &&
         mapped[0] == 0x4F53;  // 体
}
