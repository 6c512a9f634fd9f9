#include "app/commands.h"

#include <optional>

#include "app/answer_excerpt.h"
#include "app/build_settings.h"
#include "app/busy_cursor.h"
#include "app/clipboard_text.h"
#include "app/edit_text.h"
#include "app/full_list_store.h"
#include "app/list_file.h"
#include "app/list_work.h"
#include "app/main_window.h"
#include "app/notice_box.h"
#include "app/proxy_query.h"
#include "app/system_error_text.h"
#include "web/message_pump.h"
#include "web/timed_fetch.h"

namespace {

// Counts retrievals. Waiting for the service dispatches messages, so a click
// can start a newer retrieval inside an older one; only the newest may store
// its list.
unsigned g_retrievalGeneration = 0;
// The retrieval whose fetch is waiting; a newer one gives it up at once, so
// that its request does not run on beside the newer one.
FetchAbort* g_waitingRetrieval = nullptr;

bool IsChecked(HWND radio) {
  return SendMessageA(radio, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// The query for the window's settings; empty when no carrier is checked.
Text QueryUrl(HWND mainWindow) {
  struct CarrierRadio {
    ControlId id;
    Carrier carrier;
  };
  static const CarrierRadio kRadios[] = {
      {kRadio1, Carrier::All}, {kRadio2, Carrier::Telecom}, {kRadio3, Carrier::Unicom}};
  for (const CarrierRadio& radio : kRadios) {
    if (!IsChecked(MainControl(mainWindow, radio.id))) continue;
    const Text region =
        PercentEncode(GetEditText(MainControl(mainWindow, kEdit4)), ProcessPendingMessages);
    return BuildQueryUrl(ServiceHost(), region, GetEditText(MainControl(mainWindow, kEdit2)),
                         GetEditText(MainControl(mainWindow, kEdit3)), radio.carrier);
  }
  return Text();
}

// A fetch that brought no answer, as the box tells it; none for an answer
// (whether it holds a list is the cut's to tell) or a fetch not sent.
std::optional<ExtractFailure> FetchFailure(const FetchReport& report) {
  ExtractFailure failure;
  switch (report.end) {
    case FetchEnd::TimedOut:
      failure.kind = ExtractFailureKind::TimedOut;
      failure.timeoutSeconds = report.timeoutSeconds;
      return failure;
    case FetchEnd::NoAnswer:
      failure.kind = ExtractFailureKind::NoConnection;
      failure.networkReason = SystemErrorText(report.networkError);
      return failure;
    default:
      return std::nullopt;
  }
}

// One retrieval: the fetch, then the list work (cut, store and, with
// fillShownList, the fill of the shown list), which goes on from the
// message loop after this returns. A retrieval that fails empties the
// lists and says why, here or when the cut finds no list. False when a
// newer retrieval, started while this one waited, has overtaken it: its
// page is then dropped, and it says nothing.
bool Retrieve(HWND mainWindow, bool fillShownList) {
  const unsigned generation = ++g_retrievalGeneration;
  // The newest retrieval wins: a fetch still waiting below this one gives
  // up at once, and the list work of an older one stops here.
  FetchAbort abort;
  FetchAbort* const overtaken = g_waitingRetrieval;
  if (overtaken) AbortFetch(*overtaken);
  g_waitingRetrieval = &abort;
  CancelListWork(mainWindow);
  BeginBusy(mainWindow);
  Text url = QueryUrl(mainWindow);

  FetchOptions options;
  options.method = 1;  // POST
  options.body = Bytes();
  options.timeoutSeconds = ServiceTimeoutSeconds();
  options.abort = &abort;
  FetchReport report;
  options.report = &report;
  Bytes page = TimedFetch(url, options);
  g_waitingRetrieval = overtaken;

  // Overtaken while waiting, or the window went away (or the program is
  // ending) meanwhile.
  const bool current = generation == g_retrievalGeneration && report.end != FetchEnd::GivenUp &&
                       IsWindow(mainWindow) && !QuitRequested();
  const std::optional<ExtractFailure> failure =
      current ? FetchFailure(report) : std::nullopt;
  if (current && !failure) StartListWork(mainWindow, std::move(page), fillShownList, report);
  EndBusy(mainWindow);
  if (failure) FailRetrieval(mainWindow, fillShownList, *failure);
  return current;
}

}  // namespace

bool FetchProxyList(HWND mainWindow) { return Retrieve(mainWindow, false); }

void ExtractAndFilter(HWND mainWindow) { Retrieve(mainWindow, true); }

void SaveList(HWND mainWindow) {
  const std::shared_ptr<const Text> list = StoredText(MainControl(mainWindow, kEdit1));
  // Nothing to save must not replace a good file of an earlier extract.
  if (!HoldsListLine(*list)) {
    ShowNotice("没有代理ip可保存，请先提取ip");
    return;
  }
  const FileWriteResult result =
      WriteFileReplacing(kListFileName, ListFileContent(*list, ContactLine()));
  ShowNotice(result.ok ? Text("保存代理ip成功") : "保存代理ip失败：" + result.reason);
}

void CopyList(HWND mainWindow) {
  const std::shared_ptr<const Text> list = StoredText(MainControl(mainWindow, kEdit1));
  if (!HoldsListLine(*list)) {
    ShowNotice("没有代理ip可复制，请先提取ip");
    return;
  }
  ShowNotice(PutClipboardText(*list) ? "复制代理ip成功" : "复制代理ip失败");
}
