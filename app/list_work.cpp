#include "app/list_work.h"

#include <memory>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

#include "app/busy_cursor.h"
#include "app/edit_text.h"
#include "app/full_list_store.h"
#include "app/list_fill.h"
#include "app/main_window.h"
#include "app/proxy_query.h"

namespace {

// The cut list, written by the worker before it posts the message that
// tells the window thread to read it.
struct CutResult {
  Text list;
};

struct ListWork {
  HWND window = nullptr;
  WPARAM ticket = 0;
  bool fillShownList = false;
  std::shared_ptr<CutResult> cut;
};

// The list work running now, one per window.
std::vector<ListWork> g_work;
WPARAM g_lastTicket = 0;

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

void CutPage(CutResult& result, Bytes& page) {
  Text text = BytesToText(page);
  Bytes().swap(page);  // the page's memory goes before the cut needs its own
  result.list = CutProxyList(text);
}

void FinishWork(HWND window) {
  if (RemoveWork(window)) EndBusy(window);
}

}  // namespace

void StartListWork(HWND mainWindow, Bytes&& page, bool fillShownList) {
  CancelListWork(mainWindow);
  ListWork work;
  work.window = mainWindow;
  work.ticket = ++g_lastTicket;
  work.fillShownList = fillShownList;
  work.cut = std::make_shared<CutResult>();
  g_work.push_back(work);
  BeginBusy(mainWindow);
  try {
    // The worker keeps its result alive however the window thread fares;
    // when the window has gone, its message is simply not delivered.
    std::thread([cut = work.cut, page = std::move(page), mainWindow, ticket = work.ticket]() mutable {
      CutPage(*cut, page);
      PostMessageA(mainWindow, kListCutDoneMessage, ticket, 0);
    }).detach();
  } catch (const std::system_error&) {
    // No thread to be had: cut here.
    CutPage(*work.cut, page);
    PostMessageA(mainWindow, kListCutDoneMessage, work.ticket, 0);
  }
}

void OnListCutDone(HWND mainWindow, WPARAM ticket) {
  ListWork* work = FindWork(mainWindow);
  if (!work || work->ticket != ticket) return;  // cancelled meanwhile
  StoreText(MainControl(mainWindow, kEdit1), std::move(work->cut->list));
  work->cut.reset();
  if (!work->fillShownList) {
    FinishWork(mainWindow);
    return;
  }
  HWND shown = MainControl(mainWindow, kEdit20);
  SetEditText(shown, Text());
  if (!StartListFill(shown, StoredText(MainControl(mainWindow, kEdit1)),
                     GetEditText(MainControl(mainWindow, kEdit30)),
                     [mainWindow] { FinishWork(mainWindow); })) {
    FinishWork(mainWindow);
  }
}

void CancelListWork(HWND mainWindow) {
  CancelListFill(MainControl(mainWindow, kEdit20));
  FinishWork(mainWindow);
}

bool ListWorkPending(HWND mainWindow) { return FindWork(mainWindow) != nullptr; }
