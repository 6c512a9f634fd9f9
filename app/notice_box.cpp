#include "app/notice_box.h"

#include <windows.h>

const char* const kNoticeTitle = "岚舟提示";

void ShowNotice(const Text& message) {
  MessageBoxA(nullptr, message.c_str(), kNoticeTitle, MB_OK | MB_ICONINFORMATION | MB_TASKMODAL);
}
