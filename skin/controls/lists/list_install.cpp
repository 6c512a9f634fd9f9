// Registration of the list-type controls, and the small lookups the list
// and combo skins share.
#include <windows.h>

#include <commctrl.h>

#include "graphics/paint/background_owner.h"
#include "skin/controls/lists/list_combo_rules.h"
#include "skin/controls/lists/list_records.h"
#include "skin/controls/lists/list_skin.h"
#include "skin/controls/scroll_bars/scroll_bar_windows.h"
#include "skin/state/skin_state.h"

namespace {

const char kComboBoxClass[] = "ComboBox";

// What the control needs before it is subclassed: with the backdrop set, a
// list view draws its item text without a background, and a tree view
// paints its background in the key colour that its painter keys out.
void PrepareBackground(ListKind kind, HWND control) {
  if (ControlBackdropSet != 1) return;
  if (kind == ListKind::ListView) {
    SendMessageA(control, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(CLR_NONE));
  } else if (kind == ListKind::TreeView) {
    SendMessageA(control, TVM_SETBKCOLOR, 0, static_cast<LPARAM>(kColourKey));
  }
}

void RegisterListControl(int windowIndex, ListKind kind, HWND control) {
  // A second subclassing would make the skin procedure its own saved one.
  if (FindListRecord(windowIndex, control) != 0 || IsSubclassedWith(control, &ListSkinProc)) return;
  const std::uint32_t style = StyleOf(control);
  if (SkipsListRegistration(kind, style)) return;
  PrepareBackground(kind, control);
  RegisterSubclassedControl(windowIndex, &WindowRecord::lists, control, &ListSkinProc,
                            [&](ListRecord& entry) {
                              if (KindHasDrawnBars(kind)) {
                                const bool visible = (style & WS_VISIBLE) != 0;
                                entry.verticalBar = CreateScrollBarWindow(
                                    control, ScrollBarOrientation::Vertical,
                                    visible && (style & WS_VSCROLL) != 0);
                                entry.horizontalBar = CreateScrollBarWindow(
                                    control, ScrollBarOrientation::Horizontal,
                                    visible && (style & WS_HSCROLL) != 0);
                              }
                              entry.stale = true;
                            });
}

void RegisterKind(int windowIndex, HWND parent, ListKind kind) {
  const char* cls = ListKindClass(kind);
  if (kind == ListKind::ComboList) {
    // Only a list that is a child window of its combo box (simple style).
    InstallOnChildren(parent, kComboBoxClass, [windowIndex, kind, cls](HWND combo) {
      if (HWND list = FindWindowExA(combo, nullptr, cls, nullptr)) {
        RegisterListControl(windowIndex, kind, list);
      }
    });
    return;
  }
  InstallOnChildren(parent, cls,
                    [windowIndex, kind](HWND child) { RegisterListControl(windowIndex, kind, child); });
}

}  // namespace

ListRecord* ListRecordOf(HWND control) { return RegisteredRecordOf(control, &WindowRecord::lists); }

ListKind ListKindOf(HWND control) { return ListKindOfClass(ClassNameOf(control)); }

int FindListRecord(int windowIndex, HWND window) {
  return FindControlRecord(windowIndex, &WindowRecord::lists, window);
}

void InstallListSkins(int windowIndex, HWND parent) {
  if (SkinChildControls == 0 || WindowRecordAt(windowIndex) == nullptr) return;
  for (ListKind kind : kListInstallOrder) RegisterKind(windowIndex, parent, kind);
}

bool IsOwnerDrawListBox(HWND control) {
  return IsOwnerDrawListStyle(ListKindOf(control), StyleOf(control));
}

RECT WindowRectInParent(HWND window) {
  if (FindWindowRecord(window) >= 1) return RECT{0, 0, 0, 0};
  RECT parent = {};
  GetWindowRect(GetParent(window), &parent);
  RECT r = {};
  GetWindowRect(window, &r);
  OffsetRect(&r, -parent.left, -parent.top);
  return r;
}
