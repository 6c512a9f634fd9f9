// The status bar along the bottom of a skinned frame: its rectangle and the
// rectangles of its items. The bar is painted by the frame renderer.
#include "skin/frame/frame_geometry.h"
#include "skin/frame/frame_install.h"

namespace {

std::vector<int> ItemWidths(const WindowRecord& record) {
  std::vector<int> widths;
  widths.reserve(record.statusItems.size());
  for (const auto& item : record.statusItems) widths.push_back(item->width);
  return widths;
}

void PlaceStatusBar(WindowRecord& record) {
  RECT client{};
  GetClientRect(record.hwnd, &client);
  const RectI bar = StatusBarRect(client.right, client.bottom, FrameEdge, record.statusHeight);
  record.statusRect = RectI{bar.x, bar.y, bar.width, bar.height};
  const std::vector<RectI> rects =
      StatusItemRects(ItemWidths(record), client.right, client.bottom, FrameEdge,
                      record.statusHeight);
  record.statusItemRects.clear();
  for (const RectI& r : rects) {
    const int i = AppendRecord(record.statusItemRects);
    *RecordAt(record.statusItemRects, i) = RectI{r.x, r.y, r.width, r.height};
  }
}

}  // namespace

void InstallStatusBar(int windowIndex, int height, const std::vector<StatusItem>& items,
                      bool itemsGiven) {
  WindowRecord* record = WindowRecordAt(windowIndex);
  if (record == nullptr) return;
  record->statusHeight = height;
  if (itemsGiven) {
    record->statusItems.clear();
    for (const StatusItem& item : items) {
      const int i = AppendRecord(record->statusItems);
      *RecordAt(record->statusItems, i) = item;
    }
  }
  PlaceStatusBar(*record);
}

void LayoutStatusBar(int windowIndex) {
  WindowRecord* record = WindowRecordAt(windowIndex);
  if (record == nullptr) return;
  PlaceStatusBar(*record);
}
