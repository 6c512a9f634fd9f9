// The small window questions of the skins.
#include "win32/window_helpers.h"

#include <vector>

Text ClassNameOf(HWND window) {
  char name[256] = {};
  const int length = window != nullptr ? GetClassNameA(window, name, 255) : 0;
  return Text(name, length > 0 ? static_cast<size_t>(length) : 0);
}

bool IsWindowClass(HWND window, const char* className) {
  if (window == nullptr) return false;
  return lstrcmpiA(ClassNameOf(window).c_str(), className) == 0;
}

Text WindowTextOf(HWND window) {
  const int length = GetWindowTextLengthA(window);
  if (length <= 0) return Text();
  std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
  const int copied = GetWindowTextA(window, buffer.data(), length + 1);
  return Text(buffer.data(), copied > 0 ? static_cast<size_t>(copied) : 0);
}

DWORD StyleOf(HWND window) { return static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)); }

SIZE WindowSize(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

void TrackMouseLeave(HWND window, std::optional<DWORD> hoverTime) {
  TRACKMOUSEEVENT track{};
  track.cbSize = sizeof(track);
  track.dwFlags = hoverTime ? TME_HOVER | TME_LEAVE : TME_LEAVE;
  track.hwndTrack = window;
  track.dwHoverTime = hoverTime.value_or(0);
  TrackMouseEvent(&track);
}
