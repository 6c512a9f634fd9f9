#include "app/list_fill.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "app/counter_clock.h"
#include "app/edit_text.h"
#include "app/fill_pace.h"
#include "app/prefix_filter.h"
#include "win32/handle_owners.h"

// How the slices follow one another. Each slice runs from a message of its
// own. When it ends and nothing else waits for the window thread, the next
// one is posted to the box at once: the message loop hands it straight
// back, so the slices run back to back at the edit box's own pace, and a
// message sent from another thread is answered between two slices (the
// loop takes sent messages first). Posted messages already queued go first
// too, the new one joining them at the end. Input, paints and timers rank
// below posted messages, though, and a posted slice would overtake them; so
// when any of these waits, the next slice comes from a thread timer instead,
// which the loop takes last, after everything else that waits. Each slice
// is sized by the time the last one took (fill_pace.h), so none holds the
// thread long. An idle loop inside one message would have to dispatch the
// waiting messages itself, running their handlers (a click that starts a
// newer retrieval among them) nested under the fill; here every handler
// runs from the message loop as it would without a fill.

namespace {

// Bytes of the full list looked at per slice at most: with few kept lines a
// slice ends here, after a few milliseconds.
constexpr std::size_t kFillScanBytes = std::size_t(2) << 20;

// A slice, its filtering and the box taking its lines, should take about
// this long: well within the 100 ms in which the window should answer.
constexpr SlicePace kSlicePace{60.0, 50, 16 * kFillSliceLines};

// Posted to the box for the next slice of its fill; wParam is the fill's
// serial, so that a step posted for an older fill does nothing.
constexpr UINT kFillStepMessage = WM_APP + 2;
constexpr UINT_PTR kFillStepSubclassId = 4;

// What waits for the window thread and ranks below posted messages.
constexpr UINT kWorkRankedBelowPosts = QS_INPUT | QS_PAINT | QS_TIMER | QS_HOTKEY;

struct ListFill {
  HWND box = nullptr;
  std::shared_ptr<const Text> fullList;
  Text prefix;
  std::size_t next = 0;  // byte offset of the first line not yet filtered
  unsigned serial = 0;
  bool stepsPosted = false;  // the box takes kFillStepMessage
  UINT_PTR timer = 0;        // armed while the next slice waits behind other work
  int sliceLines = kFillSliceLines;  // kept lines the next slice asks for
  int visibleLines = 1;  // whole lines the box shows at a time
  // Where the caret was left after the last slice; a caret elsewhere means
  // the user has moved it or selected text since.
  DWORD caretAfterSlice = static_cast<DWORD>(-1);
  std::function<void()> done;
  double* filterMs = nullptr;
};

// The fills running now, one per box.
std::vector<ListFill> g_fills;
unsigned g_lastSerial = 0;

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

// The fill of box that has serial, or null: it has ended or been replaced.
ListFill* FindFill(HWND box, unsigned serial) {
  ListFill* fill = FindFill(box);
  return fill && fill->serial == serial ? fill : nullptr;
}

// Ends the fill's record; the done routine, if wanted, runs after the
// record is gone, so it may start another fill.
std::function<void()> RemoveFill(HWND box) {
  std::function<void()> done;
  for (auto it = g_fills.begin(); it != g_fills.end(); ++it) {
    if (it->box != box) continue;
    if (it->timer != 0) KillTimer(nullptr, it->timer);
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

void CALLBACK OnFillTimer(HWND, UINT, UINT_PTR timer, DWORD);

// Arranges the fill's next slice, behind whatever waits for the thread
// (see the top of this file). False when neither a posted message nor a
// timer could be had.
bool ScheduleSlice(ListFill& fill) {
  const bool othersWait = HIWORD(GetQueueStatus(kWorkRankedBelowPosts)) != 0;
  if (fill.stepsPosted && !othersWait &&
      PostMessageA(fill.box, kFillStepMessage, fill.serial, 0)) {
    return true;
  }
  fill.timer = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, OnFillTimer);
  if (fill.timer != 0) return true;
  return fill.stepsPosted && PostMessageA(fill.box, kFillStepMessage, fill.serial, 0);
}

void RunSlice(HWND box, unsigned serial) {
  ListFill* fill = FindFill(box, serial);
  if (!fill) return;
  if (!IsWindow(box)) {
    RemoveFill(box);
    return;
  }
  const double start = CounterMs();
  const int asked = fill->sliceLines;
  Text slice;
  const FilterPiece piece = FilterByPrefixPiece(*fill->fullList, fill->prefix, fill->next, asked,
                                                kFillScanBytes, slice);
  if (fill->filterMs) *fill->filterMs += CounterMs() - start;
  fill->next = piece.next;
  if (!piece.done) {
    if (!slice.empty()) AppendSlice(*fill, slice, true);
    // The box's notifications ran handlers meanwhile; the fill is looked
    // up again in case one of them ended it.
    fill = FindFill(box, serial);
    if (!fill) return;
    fill->sliceLines = NextSliceLines(kSlicePace, asked, piece.keptLines, CounterMs() - start);
    if (ScheduleSlice(*fill)) return;
    // Nothing to go on with: the fill ends here, the box keeps what it has.
    std::function<void()> done = RemoveFill(box);
    if (done) done();
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
  if (!FindFill(box, serial)) return;
  std::function<void()> done = RemoveFill(box);
  if (done) done();
}

void CALLBACK OnFillTimer(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  ListFill* fill = FindFillByTimer(timer);
  if (!fill) return;
  fill->timer = 0;
  RunSlice(fill->box, fill->serial);
}

void OnFillStep(HWND box, WPARAM serial) {
  const ListFill* fill = FindFill(box, static_cast<unsigned>(serial));
  // A timer armed since means the step was posted before other work came.
  if (fill && fill->timer == 0) RunSlice(box, fill->serial);
}

void OnFillBoxDestroyed(HWND box);

LRESULT CALLBACK FillStepProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                              DWORD_PTR) {
  switch (message) {
    case kFillStepMessage:
      OnFillStep(box, wParam);
      return 0;
    case WM_NCDESTROY:
      OnFillBoxDestroyed(box);
      return DefSubclassProc(box, message, wParam, lParam);
    default:
      return DefSubclassProc(box, message, wParam, lParam);
  }
}

void OnFillBoxDestroyed(HWND box) {
  RemoveFill(box);
  RemoveWindowSubclass(box, FillStepProc, kFillStepSubclassId);
}

// Lets the box take the posted steps of its fills; it keeps the subclass
// for its life.
bool TakeFillSteps(HWND box) {
  DWORD_PTR data = 0;
  if (GetWindowSubclass(box, FillStepProc, kFillStepSubclassId, &data)) return true;
  return SetWindowSubclass(box, FillStepProc, kFillStepSubclassId, 0) != FALSE;
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
  fill.serial = ++g_lastSerial;
  fill.stepsPosted = TakeFillSteps(box);
  g_fills.push_back(std::move(fill));
  if (ScheduleSlice(g_fills.back())) return true;
  RemoveFill(box);
  return false;
}

void CancelListFill(HWND box) { RemoveFill(box); }

bool ListFillRunning(HWND box) { return FindFill(box) != nullptr; }
