#include "app/list_fill.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "app/counter_clock.h"
#include "app/edit_text.h"
#include "app/prefix_filter.h"
#include "skin/state/gdi_owners.h"

namespace {

// Bytes of the full list looked at per slice at most: with few kept lines a
// slice ends here, after a few milliseconds.
constexpr std::size_t kFillScanBytes = std::size_t(2) << 20;

struct ListFill {
  HWND box = nullptr;
  std::shared_ptr<const Text> fullList;
  Text prefix;
  std::size_t next = 0;  // byte offset of the first line not yet filtered
  UINT_PTR timer = 0;
  int visibleLines = 1;  // whole lines the box shows at a time
  // Where the caret was left after the last slice; a caret elsewhere means
  // the user has moved it or selected text since.
  DWORD caretAfterSlice = static_cast<DWORD>(-1);
  std::function<void()> done;
  double* filterMs = nullptr;
};

// The fills running now, one per box.
std::vector<ListFill> g_fills;

ListFill* FindFill(HWND box) {
  for (ListFill& fill : g_fills) {
    if (fill.box == box) return &fill;
  }
  return nullptr;
}

ListFill* FindFillByTimer(UINT_PTR timer) {
  for (ListFill& fill : g_fills) {
    if (fill.timer == timer) return &fill;
  }
  return nullptr;
}

// Ends the fill's record; the done routine, if wanted, runs after the
// record is gone, so it may start another fill.
std::function<void()> RemoveFill(HWND box) {
  std::function<void()> done;
  for (auto it = g_fills.begin(); it != g_fills.end(); ++it) {
    if (it->box != box) continue;
    KillTimer(nullptr, it->timer);
    done = std::move(it->done);
    g_fills.erase(it);
    break;
  }
  return done;
}

// Whole lines the box shows at a time.
int VisibleLines(HWND box) {
  RECT client = {};
  GetClientRect(box, &client);
  // The box's font in a screen-compatible DC measures as the box draws.
  TEXTMETRICA metrics = {};
  const auto font = reinterpret_cast<HGDIOBJ>(SendMessageA(box, WM_GETFONT, 0, 0));
  CompatibleDc dc;
  if (dc && font) dc.Select(font);
  if (dc) GetTextMetricsA(dc.get(), &metrics);
  return metrics.tmHeight > 0 ? (client.bottom - client.top) / metrics.tmHeight + 1 : 1;
}

DWORD SelectionEnd(HWND box, DWORD* start = nullptr) {
  DWORD first = 0, last = 0;
  SendMessageA(box, EM_GETSEL, reinterpret_cast<WPARAM>(&first), reinterpret_cast<LPARAM>(&last));
  if (start) *start = first;
  return last;
}

// Appends one slice as the append operation does. With keepView the box
// is scrolled back to the line it showed at the top, and a slice that
// lands below the lines shown costs no painting: what the box shows has
// not changed, so what the append invalidated is validated again. That
// holds only when the end of the text was out of sight, nothing else was
// waiting to be painted, the caret was where the last slice left it (no
// selection of the user's had to be taken down) and the scroll there and
// back went a whole box height or none (so no pixels were moved). Without
// keepView the box ends scrolled to the caret and repaints whole.
void AppendSlice(ListFill& fill, const Text& slice, bool keepView) {
  HWND box = fill.box;
  const auto firstShown = static_cast<int>(SendMessageA(box, EM_GETFIRSTVISIBLELINE, 0, 0));
  const auto lines = static_cast<int>(SendMessageA(box, EM_GETLINECOUNT, 0, 0));
  const bool endInSight = lines <= firstShown + fill.visibleLines;
  const bool paintWaiting = GetUpdateRect(box, nullptr, FALSE) != FALSE;
  DWORD selectionStart = 0;
  const DWORD selectionEnd = SelectionEnd(box, &selectionStart);
  const bool caretAsLeft = selectionStart == selectionEnd && selectionEnd == fill.caretAfterSlice;

  if (caretAsLeft) {
    // The caret is still at the end, where the append operation would put
    // it and scroll to; both cost a pass over the box's lines, which at a
    // million lines is as much as laying out the slice.
    SendMessageA(box, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(slice.c_str()));
  } else {
    AppendEditText(box, slice);
  }
  fill.caretAfterSlice = SelectionEnd(box);
  bool viewUnchanged = false;
  if (keepView) {
    const auto scrolledTo = static_cast<int>(SendMessageA(box, EM_GETFIRSTVISIBLELINE, 0, 0));
    const int distance = scrolledTo - firstShown;
    if (distance != 0) SendMessageA(box, EM_LINESCROLL, 0, -distance);
    const bool back = SendMessageA(box, EM_GETFIRSTVISIBLELINE, 0, 0) == firstShown;
    viewUnchanged = back && (distance == 0 || distance >= fill.visibleLines);
  }
  if (viewUnchanged && !endInSight && !paintWaiting && caretAsLeft) {
    ValidateRect(box, nullptr);
  } else {
    InvalidateRect(box, nullptr, TRUE);
  }
}

void CALLBACK OnFillTimer(HWND, UINT, UINT_PTR timer, DWORD) {
  ListFill* fill = FindFillByTimer(timer);
  if (!fill) {
    KillTimer(nullptr, timer);
    return;
  }
  if (!IsWindow(fill->box)) {
    RemoveFill(fill->box);
    return;
  }
  Text slice;
  const double filterStart = CounterMs();
  const FilterPiece piece = FilterByPrefixPiece(*fill->fullList, fill->prefix, fill->next,
                                                kFillSliceLines, kFillScanBytes, slice);
  if (fill->filterMs) *fill->filterMs += CounterMs() - filterStart;
  fill->next = piece.next;
  HWND box = fill->box;
  if (!piece.done) {
    if (!slice.empty()) AppendSlice(*fill, slice, true);
    return;
  }
  // The last slice leaves the caret at the end, scrolled into view, as one
  // append of the whole list would; so does the end of a fill whose last
  // kept lines came with an earlier slice.
  if (!slice.empty()) {
    AppendSlice(*fill, slice, false);
  } else {
    SendMessageA(box, EM_SCROLLCARET, 0, 0);
    InvalidateRect(box, nullptr, TRUE);
  }
  std::function<void()> done = RemoveFill(box);
  if (done) done();
}

}  // namespace

bool StartListFill(HWND box, std::shared_ptr<const Text> fullList, const Text& prefix,
                   std::function<void()> done, double* filterMs) {
  CancelListFill(box);
  ListFill fill;
  fill.box = box;
  fill.fullList = fullList ? std::move(fullList) : std::make_shared<const Text>();
  fill.prefix = prefix;
  fill.done = std::move(done);
  fill.filterMs = filterMs;
  fill.visibleLines = VisibleLines(box);
  fill.timer = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, OnFillTimer);
  if (fill.timer == 0) return false;
  g_fills.push_back(std::move(fill));
  return true;
}

void CancelListFill(HWND box) { RemoveFill(box); }

bool ListFillRunning(HWND box) { return FindFill(box) != nullptr; }
