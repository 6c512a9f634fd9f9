// Page conversions of the timed runner: UTF-8 and Big5 to GBK, traditional
// to simplified characters.
#include <windows.h>

#include <vector>

#include "web/timed_fetch.h"

namespace {

constexpr UINT kGbkCodePage = 936;
constexpr UINT kBig5CodePage = 950;
constexpr LCID kChinesePrc =
    MAKELCID(MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED), SORT_DEFAULT);

// The zero-terminated text as UTF-16, terminator included; empty on failure.
std::vector<wchar_t> ToWide(UINT codePage, const Text& text) {
  const int size = MultiByteToWideChar(codePage, 0, text.c_str(), -1, nullptr, 0);
  if (size <= 0) return {};
  std::vector<wchar_t> wide(size);
  if (MultiByteToWideChar(codePage, 0, text.c_str(), -1, wide.data(), size) != size) return {};
  return wide;
}

// The wide text in GBK, read up to its first zero byte. defaultChar null
// means the code page's own replacement.
Text WideToGbk(const std::vector<wchar_t>& wide, const char* defaultChar) {
  if (wide.empty()) return Text();
  const int size = WideCharToMultiByte(kGbkCodePage, 0, wide.data(), -1, nullptr, 0,
                                       defaultChar, nullptr);
  if (size <= 0) return Text();
  std::vector<char> bytes(size);
  if (WideCharToMultiByte(kGbkCodePage, 0, wide.data(), -1, bytes.data(), size, defaultChar,
                          nullptr) <= 0)
    return Text();
  return Text(bytes.data());
}

}  // namespace

Text Utf8ToGbk(const Text& text) {
  return WideToGbk(ToWide(CP_UTF8, text), nullptr);
}

Text Big5ToGbk(const Text& text) {
  // A zero replacement ends the text before the first character GBK lacks.
  static const char kZeroReplacement[] = "";
  return WideToGbk(ToWide(kBig5CodePage, text), kZeroReplacement);
}

Text ToSimplified(const Text& text) {
  if (text.empty()) return Text();
  Text mapped(text.size(), '\0');
  const int size = LCMapStringA(kChinesePrc, LCMAP_SIMPLIFIED_CHINESE, text.data(),
                                static_cast<int>(text.size()), &mapped[0],
                                static_cast<int>(mapped.size()));
  // A mapping the system cannot do leaves the text as it was.
  if (size <= 0) return text;
  mapped.resize(size);
  return mapped;
}
