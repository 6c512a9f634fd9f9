#include "app/list_work.h"

#include <memory>
#include <utility>
#include <vector>

#include "app/answer_excerpt.h"
#include "app/busy_cursor.h"
#include "app/counter_clock.h"
#include "app/edit_text.h"
#include "app/full_list_store.h"
#include "app/list_fill.h"
#include "app/main_window.h"
#include "app/notice_box.h"
#include "app/proxy_query.h"
#include "win32/handle_owners.h"

namespace {

// The cut list, written by the worker before it posts the message that
// tells the window thread to read it.
struct CutResult {
  Text list;
  bool marker = false;  // the page holds the list marker
  Text excerpt;         // what a page without it says, when asked for
};

struct ListWork {
  HWND window = nullptr;
  WPARAM ticket = 0;
  bool fillShownList = false;
  // The service answered: a page without the list marker is a failure (a
  // page that is no answer, e.g. of a blank query, is not).
  bool answered = false;
  unsigned long httpStatus = 0;
  std::shared_ptr<CutResult> cut;
};

// The list work running now, one per window.
std::vector<ListWork> g_work;
WPARAM g_lastTicket = 0;
ListWorkTimes g_latestTimes;

ListWork* FindWork(HWND window) {
  for (ListWork& work : g_work) {
    if (work.window == window) return &work;
  }
  return nullptr;
}

// Ends the window's record; true when there was one.
bool RemoveWork(HWND window) {
  for (auto it = g_work.begin(); it != g_work.end(); ++it) {
    if (it->window == window) {
      g_work.erase(it);
      return true;
    }
  }
  return false;
}

void CutPage(CutResult& result, Bytes& page, bool wantExcerpt) {
  Text text = BytesToText(page);
  Bytes().swap(page);  // the page's memory goes before the cut needs its own
  result.list = CutProxyList(text);
  // A list can only come from after a marker.
  result.marker = !result.list.empty() || HasListMarker(text);
  if (!result.marker && wantExcerpt) result.excerpt = AnswerExcerpt(text, Utf8ToGbk);
}

// What a cut worker owns: its result (shared with the window's record, so
// that it outlives a cancel) and the page.
struct CutJob {
  std::shared_ptr<CutResult> cut;
  Bytes page;
  bool wantExcerpt;
  HWND window;
  WPARAM ticket;
};

void CutAndTell(CutJob& job) {
  CutPage(*job.cut, job.page, job.wantExcerpt);
  PostMessageA(job.window, kListCutDoneMessage, job.ticket, 0);
}

DWORD WINAPI CutWorker(void* parameter) {
  std::unique_ptr<CutJob> job(static_cast<CutJob*>(parameter));
  CutAndTell(*job);
  return 0;
}

void FinishWork(HWND window) {
  if (RemoveWork(window)) EndBusy(window);
}

void FinishFill(HWND window) {
  g_latestTimes.filled = CounterMs();
  FinishWork(window);
}

}  // namespace

void StartListWork(HWND mainWindow, Bytes&& page, bool fillShownList, const FetchReport& report) {
  CancelListWork(mainWindow);
  g_latestTimes = ListWorkTimes();
  g_latestTimes.pageIn = CounterMs();
  ListWork work;
  work.window = mainWindow;
  work.ticket = ++g_lastTicket;
  work.fillShownList = fillShownList;
  work.answered = report.end == FetchEnd::Answered;
  work.httpStatus = report.httpStatus;
  work.cut = std::make_shared<CutResult>();
  g_work.push_back(work);
  BeginBusy(mainWindow);
  // The worker keeps its result alive however the window thread fares;
  // when the window has gone, its message is simply not delivered. Nobody
  // waits for it, so its handle goes at once.
  auto job = std::make_unique<CutJob>(
      CutJob{work.cut, std::move(page), work.answered, mainWindow, work.ticket});
  KernelHandle worker(CreateThread(nullptr, 0, CutWorker, job.get(), 0, nullptr));
  if (worker.IsValid()) {
    job.release();
  } else {
    CutAndTell(*job);  // no thread to be had: cut here
  }
}

void OnListCutDone(HWND mainWindow, WPARAM ticket) {
  ListWork* work = FindWork(mainWindow);
  if (!work || work->ticket != ticket) return;  // cancelled meanwhile
  g_latestTimes.cutTaken = CounterMs();
  if (work->answered && !work->cut->marker) {
    ExtractFailure failure;
    failure.kind = ExtractFailureKind::NoList;
    failure.httpStatus = work->httpStatus;
    failure.excerpt = std::move(work->cut->excerpt);
    const bool fillShownList = work->fillShownList;
    FinishWork(mainWindow);
    FailRetrieval(mainWindow, fillShownList, failure);
    return;
  }
  StoreText(MainControl(mainWindow, kEdit1), std::move(work->cut->list));
  work->cut.reset();
  g_latestTimes.stored = CounterMs();
  if (!work->fillShownList) {
    FinishWork(mainWindow);
    return;
  }
  HWND shown = MainControl(mainWindow, kEdit20);
  SetEditText(shown, Text());
  if (!StartListFill(shown, StoredText(MainControl(mainWindow, kEdit1)),
                     GetEditText(MainControl(mainWindow, kEdit30)),
                     [mainWindow] { FinishFill(mainWindow); }, &g_latestTimes.filterMs)) {
    FinishWork(mainWindow);
  }
}

void FailRetrieval(HWND mainWindow, bool fillShownList, const ExtractFailure& failure) {
  StoreText(MainControl(mainWindow, kEdit1), Text());
  if (fillShownList) SetEditText(MainControl(mainWindow, kEdit20), Text());
  ShowNotice(ExtractFailureMessage(failure));
}

void CancelListWork(HWND mainWindow) {
  CancelListFill(MainControl(mainWindow, kEdit20));
  FinishWork(mainWindow);
}

bool ListWorkPending(HWND mainWindow) { return FindWork(mainWindow) != nullptr; }

ListWorkTimes LatestListWorkTimes() { return g_latestTimes; }
