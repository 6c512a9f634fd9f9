#include "app/commands.h"

#include "app/build_settings.h"
#include "app/clipboard_text.h"
#include "app/edit_text.h"
#include "app/list_file.h"
#include "app/main_window.h"
#include "app/prefix_filter.h"
#include "app/proxy_query.h"
#include "web/message_pump.h"
#include "web/timed_fetch.h"

const char* const kConfirmTitle = "岚舟提示";

namespace {

// Counts retrievals. Waiting for the service dispatches messages, so a click
// can start a newer retrieval inside an older one; only the newest may store
// its list.
unsigned g_retrievalGeneration = 0;
// The retrieval whose fetch is waiting; a newer one gives it up at once, so
// that its request does not run on beside the newer one.
FetchAbort* g_waitingRetrieval = nullptr;

void Confirm(const Text& message) {
  MessageBoxA(nullptr, message.c_str(), kConfirmTitle, MB_OK | MB_ICONINFORMATION | MB_TASKMODAL);
}

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

}  // namespace

bool FetchProxyList(HWND mainWindow) {
  const unsigned generation = ++g_retrievalGeneration;
  FetchAbort abort;
  FetchAbort* const overtaken = g_waitingRetrieval;
  if (overtaken) AbortFetch(*overtaken);
  g_waitingRetrieval = &abort;
  Text url = QueryUrl(mainWindow);

  FetchOptions options;
  options.method = 1;  // POST
  options.body = Bytes();
  options.abort = &abort;
  const Bytes page = TimedFetch(url, options);
  g_waitingRetrieval = overtaken;

  // Overtaken while waiting, or the window went away (or the program is
  // ending) meanwhile.
  if (generation != g_retrievalGeneration || !IsWindow(mainWindow) || QuitRequested()) return false;
  SetEditText(MainControl(mainWindow, kEdit1), CutProxyList(BytesToText(page)));
  return true;
}

void ExtractAndFilter(HWND mainWindow) {
  // An overtaken retrieval leaves the newer one's list and filter result.
  if (!FetchProxyList(mainWindow)) return;
  HWND shown = MainControl(mainWindow, kEdit20);
  SetEditText(shown, Text());
  const Text kept = FilterByPrefix(GetEditText(MainControl(mainWindow, kEdit1)),
                                   GetEditText(MainControl(mainWindow, kEdit30)));
  if (!kept.empty()) AppendEditText(shown, kept);
}

void SaveList(HWND mainWindow) {
  const Text content = ListFileContent(GetEditText(MainControl(mainWindow, kEdit1)), ContactLine());
  const FileWriteResult result = WriteFileReplacing(kListFileName, content);
  Confirm(result.ok ? Text("保存代理ip成功") : "保存代理ip失败：" + result.reason);
}

void CopyList(HWND mainWindow) {
  const bool copied = PutClipboardText(GetEditText(MainControl(mainWindow, kEdit1)));
  Confirm(copied ? "复制代理ip成功" : "复制代理ip失败");
}
