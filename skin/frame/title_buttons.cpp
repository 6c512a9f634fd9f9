// Title-bar buttons: layout, hit tests, hover fade, press and actions.
#include "skin/frame/title_buttons.h"

#include <windowsx.h>

#include <vector>

#include "graphics/tooltip/tooltip.h"
#include "skin/frame/frame_geometry.h"
#include "skin/state/skin_state.h"

namespace {

constexpr UINT kFadeTimerPeriod = kFadeIntervalMs;

UINT_PTR FadeTimerId(HWND window) { return reinterpret_cast<UINT_PTR>(window); }

RectI StripOf(const WindowRecord& rec) {
  return {rec.stripX, rec.stripY, rec.stripWidth, rec.stripHeight};
}

std::vector<RectF> BoxesOf(const WindowRecord& rec) {
  std::vector<RectF> boxes;
  for (const auto& b : rec.titleButtons) {
    boxes.push_back({b->rect.x, b->rect.y, b->rect.width, b->rect.height});
  }
  return boxes;
}

FadeModel ModelOf(const WindowRecord& rec) {
  FadeModel m;
  m.hotButton = rec.hotButton;
  m.fadeIn = {rec.fadeIn.button, rec.fadeIn.step};
  m.fadeOut = {rec.fadeOut.button, rec.fadeOut.step};
  m.fadeTimerOn = rec.fadeTimerOn;
  m.mouseTracking = rec.mouseTracking;
  return m;
}

void StoreModel(WindowRecord& rec, const FadeModel& m) {
  rec.hotButton = m.hotButton;
  rec.fadeIn = {m.fadeIn.button, m.fadeIn.step};
  rec.fadeOut = {m.fadeOut.button, m.fadeOut.step};
  rec.fadeTimerOn = m.fadeTimerOn;
  rec.mouseTracking = m.mouseTracking;
}

// Applies timer changes and paints; the record's fade fields are already
// stored.
void Apply(int index, HWND window, const FadeActions& actions) {
  if (actions.startTimer) SetTimer(window, FadeTimerId(window), kFadeTimerPeriod, nullptr);
  for (const ButtonPaint& p : actions.paints) {
    PaintTitleButton(index, p.button, nullptr, false, false, p.alpha);
  }
  if (actions.killTimer) KillTimer(window, FadeTimerId(window));
}

}  // namespace

void LayoutTitleButtons(int index) {
  WindowRecord* rec = WindowRecordAt(index);
  if (rec == nullptr) return;
  if (rec->hwnd != nullptr) {
    RECT client{};
    GetClientRect(rec->hwnd, &client);
    rec->stripX = StripLeft(client.right, rec->stripWidth);
    rec->stripHeight = kStripHeight;
  }
  std::vector<int> kinds;
  for (const auto& b : rec->titleButtons) kinds.push_back(b->kind);
  const std::vector<RectF> boxes = LayoutButtonBoxes(rec->stripX, rec->stripY, kinds);
  for (size_t i = 0; i < boxes.size(); ++i) {
    TitleButton& button = *rec->titleButtons[i];
    button.rect = {boxes[i].x, boxes[i].y, boxes[i].width, boxes[i].height};
    if (rec->tooltip) {
      const RECT tool{static_cast<int>(boxes[i].x), static_cast<int>(boxes[i].y),
                      static_cast<int>(boxes[i].x + boxes[i].width),
                      static_cast<int>(boxes[i].y + kButtonHitHeight)};
      rec->tooltip->SetToolRect(i + 1, tool);
      rec->tooltip->SetToolText(i + 1, button.name);
    }
  }
}

bool PointInStrip(int index, LPARAM lParam) {
  const WindowRecord* rec = WindowRecordAt(index);
  if (rec == nullptr) return false;
  return PointInStripBox(StripOf(*rec), GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
}

int TitleButtonAt(int index, int x, int y) {
  const WindowRecord* rec = WindowRecordAt(index);
  if (rec == nullptr) return 0;
  return ButtonIndexAt(StripOf(*rec), BoxesOf(*rec), x, y);
}

FadeActions TitleButtonsMouseMove(int index, LPARAM lParam) {
  WindowRecord* rec = WindowRecordAt(index);
  if (rec == nullptr || !rec->titleBarLive) return {};
  const bool inStrip = PointInStrip(index, lParam);
  HotTitleButton = TitleButtonAt(index, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
  FadeModel model = ModelOf(*rec);
  const FadeActions actions = FadeOnMouseMove(model, inStrip, HotTitleButton);
  StoreModel(*rec, model);
  Apply(index, rec->hwnd, actions);
  return actions;
}

FadeActions TitleButtonsMouseLeave(int index) {
  WindowRecord* rec = WindowRecordAt(index);
  if (rec == nullptr) return {};
  rec->mouseTracking = false;
  if (!rec->titleBarLive) return {};
  FadeModel model = ModelOf(*rec);
  const FadeActions actions = FadeOnMouseLeave(model);
  StoreModel(*rec, model);
  Apply(index, rec->hwnd, actions);
  return actions;
}

FadeActions TitleButtonsFadeStep(int index) {
  WindowRecord* rec = WindowRecordAt(index);
  if (rec == nullptr) return {};
  FadeModel model = ModelOf(*rec);
  const FadeActions actions = FadeOnTimer(model);
  StoreModel(*rec, model);
  Apply(index, rec->hwnd, actions);
  return actions;
}

int TitleButtonsPress(int index, LPARAM lParam) {
  if (WindowRecordAt(index) == nullptr) return HotTitleButton;
  HotTitleButton = TitleButtonAt(index, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
  if (HotTitleButton >= 1) PaintTitleButton(index, HotTitleButton, nullptr, false, true, 0);
  return HotTitleButton;
}

void RunTitleButtonAction(int index, int b) {
  WindowRecord* rec = WindowRecordAt(index);
  if (rec == nullptr) return;
  TitleButton* button = RecordAt(rec->titleButtons, b);
  if (button == nullptr) return;
  const HWND window = rec->hwnd;
  switch (button->kind) {
    case kCloseButtonKind:
      SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
      break;
    case kMaximiseButtonKind:
      rec->needsFullRedraw = true;
      if (rec->maximized) {
        rec->minimized = false;
        rec->maximized = false;
        button->name = "最大化";
        SendMessageA(window, WM_SYSCOMMAND, SC_RESTORE, 0);
      } else {
        rec->maximized = true;
        rec->minimized = false;
        button->name = "还原";
        SendMessageA(window, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
      }
      break;
    case kMinimiseButtonKind:
      rec->minimized = true;
      SendMessageA(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
      break;
    // Each callback is called on a copy: one that closes the window drops
    // the record, and with it the function that is running.
    case kHelpButtonKind:
      if (rec->helpCallback) SkinCallback(rec->helpCallback)();
      break;
    case kMenuButtonKind:
      if (rec->menuCallback) SkinCallback(rec->menuCallback)();
      break;
    case kCustomButtonKind:
      if (button->callback) SkinCallback(button->callback)();
      break;
    default:
      break;
  }
}
