// Background owner lookups and the tab page area.
#include "graphics/paint/background_owner.h"

#include <commctrl.h>

#include "skin/state/skin_state.h"

BackgroundOwner FindBackgroundOwner(HWND window) {
  const int own = FindWindowRecord(window);
  if (own >= 1) return BackgroundOwner{BackgroundOwnerKind::Top, own, 0};

  for (HWND a = GetParent(window); a != nullptr; a = GetParent(a)) {
    for (int r = 1; r <= ListLength(WindowRecords); ++r) {
      if (WindowRecords[r - 1]->hwnd == a) return BackgroundOwner{BackgroundOwnerKind::Top, r, 0};
      const int c = FindContainerRecord(r, a);
      if (c >= 1) return BackgroundOwner{BackgroundOwnerKind::Container, r, c};
    }
  }
  return BackgroundOwner{};
}

int FindFramedAncestorContainer(int recordIndex, HWND window, HWND stopWindow) {
  const WindowRecord* record = WindowRecordAt(recordIndex);
  if (record == nullptr) return 0;
  for (HWND a = GetParent(window); a != nullptr; a = GetParent(a)) {
    if (stopWindow != nullptr && a == stopWindow) return 0;
    const int c = FindContainerRecord(recordIndex, a);
    if (c >= 1 && record->containers[c - 1]->drawFrame) return c;
  }
  return 0;
}

RECT TabPageRect(HWND tab) {
  RECT client = {};
  GetClientRect(tab, &client);
  const int rows = static_cast<int>(SendMessageA(tab, TCM_GETROWCOUNT, 0, 0));
  RECT item = {};
  SendMessageA(tab, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
  const LONG style = GetWindowLongA(tab, GWL_STYLE);
  const int itemWidth = item.right - item.left;
  const int itemHeight = item.bottom - item.top;

  const bool bottom = (style & TCS_BOTTOM) != 0;
  const bool vertical = (style & TCS_VERTICAL) != 0;
  if ((style & TCS_RIGHT) != 0 && vertical) return RECT{0, 0, client.right - rows * itemWidth - 1, client.bottom};
  if (bottom) return RECT{0, 0, client.right, client.bottom - rows * itemHeight - 1};
  if (vertical) return RECT{rows * itemWidth + 1, 0, client.right, client.bottom};
  return RECT{0, rows * itemHeight + 1, client.right, client.bottom};
}
