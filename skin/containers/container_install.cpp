// Registering and removing containers.
#include <windows.h>

#include <commctrl.h>

#include "skin/containers/child_control_answers.h"
#include "skin/containers/container_skin.h"
#include "skin/controls/font/control_font.h"
#include "skin/state/skin_state.h"

namespace {

// The style bit that BS_GROUPBOX has and the other button types of a
// container do not.
constexpr DWORD kGroupBoxBit = 0x4;

bool IsGroupBox(HWND window) {
  const DWORD style = static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE));
  return IsWindowClass(window, WC_BUTTONA) && (style & kGroupBoxBit) != 0;
}

bool IsTabControl(HWND window) { return IsWindowClass(window, WC_TABCONTROLA); }

// The nearest ancestor of window (window itself not included) marked with
// Wxk_Zpf = 1, or 0.
HWND MarkedAncestor(HWND window) {
  for (HWND a = GetParent(window); a != nullptr; a = GetParent(a)) {
    if (GetPropInt(a, Wxk_Zpf) == 1) return a;
  }
  return nullptr;
}

}  // namespace

void InstallContainerSkin(HWND container, const ContainerSkinOptions& options) {
  if (FindContainerRecord(FindOwningWindowRecord(container), container) >= 1) return;
  RegisterContainer(container, options.drawFrame.value_or(true), options.fillColour.value_or(0),
                    options.fillAlpha ? (*options.fillAlpha & 0xFF) : 255,
                    options.drawBorder.value_or(false));
}

void RegisterContainer(HWND container, bool drawFrame, int fillColour, int fillAlpha,
                       bool drawBorder) {
  const int w = FindOwningWindowRecord(container);
  WindowRecord* owner = WindowRecordAt(w);
  if (owner == nullptr || FindContainerRecord(w, container) >= 1) return;

  const int index = TakeControlRecord(owner->containers);
  {
    ContainerRecord& record = *RecordAt(owner->containers, index);
    record.parts = NewContainerParts();
    record.hwnd = container;
    record.fillColour = fillColour;
    record.fillAlpha = fillAlpha & 0xFF;
    record.drawBorder = drawBorder;
    record.drawFrame = drawFrame;
    RECT client{};
    GetClientRect(container, &client);
    record.width = client.right;
    record.height = client.bottom;
    const bool tab = IsTabControl(container);
    if (tab || IsGroupBox(container)) {
      record.drawFrame = true;
      record.frameStyle = tab ? kFrameStyleTabControl : kFrameStyleGroupBox;
      ControlFont font = ReadControlFont(container);
      record.fontFace = font.face;
      record.fontSize = font.size;
      record.fontStyle = font.style;
    }
  }

  InstallChildControlSkins(w, container);

  // The installers only touch the control lists, but take the record afresh.
  ContainerRecord* record = RecordAt(WindowRecordAt(w)->containers, index);
  record->redraw = true;
  record->savedProc = ReplaceWindowProc(container, &ContainerSkinProc);
  SetPropInt(container, Hw_lbID, index);
  SetPropInt(container, Hw_FuID, w);
  SetPropHandle(container, Mb_zpf, MarkedAncestor(container));
}

void RemoveContainer(int windowIndex, int containerIndex) {
  WindowRecord* owner = WindowRecordAt(windowIndex);
  if (owner == nullptr) return;
  ContainerRecord* record = RecordAt(owner->containers, containerIndex);
  if (record == nullptr) return;
  HWND container = record->hwnd;
  if (container != nullptr) {
    RestoreWindowProc(container);
    DeleteChildCtlColorObjects(container);
  }
  owner->containers.erase(owner->containers.begin() + (containerIndex - 1));
  for (int n = 1; n <= ListLength(owner->containers); ++n) {
    SetPropInt(RecordAt(owner->containers, n)->hwnd, Hw_lbID, n);
  }
}
