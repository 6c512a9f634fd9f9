#include "graphics/gdiplus/wide_text.h"

#include <windows.h>
#include <objbase.h>

#include <cstring>

WideText ToWideText(const Text& text) {
  // The text's bytes up to its first NUL, as the C string it stands for.
  const char* source = text.c_str();
  int n = MultiByteToWideChar(CP_ACP, 0, source, -1, nullptr, 0);
  if (n <= 1) return WideText();
  WideText wide(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, source, -1, &wide[0], n);
  wide.resize(static_cast<size_t>(n - 1));  // the terminator stays behind c_str()
  return wide;
}

Text FromWideText(const wchar_t* wide) {
  if (!wide) return Text();
  int n = WideCharToMultiByte(CP_ACP, 0, wide, -1, nullptr, 0, nullptr, nullptr);
  if (n <= 1) return Text();
  Text text(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide, -1, &text[0], n, nullptr, nullptr);
  text.resize(static_cast<size_t>(n - 1));
  return text;
}

Text GuidToText(const void* guid16) {
  GUID guid;
  std::memcpy(&guid, guid16, sizeof guid);
  wchar_t wide[40] = {};
  if (StringFromGUID2(guid, wide, 40) == 0) return Text();
  return FromWideText(wide);
}

bool TextToGuid(const Text& text, void* guid16) {
  GUID guid = {};
  WideText wide = ToWideText(text);
  bool ok = SUCCEEDED(CLSIDFromString(const_cast<wchar_t*>(wide.c_str()), &guid));
  if (!ok) guid = GUID{};
  std::memcpy(guid16, &guid, sizeof guid);
  return ok;
}
