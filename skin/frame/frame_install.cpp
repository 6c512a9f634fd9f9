// Installing the drawn frame on a top-level window.
#include "skin/frame/frame_install.h"

#include <memory>
#include <utility>

#include "graphics/assets/skin_pictures.h"
#include "graphics/paint/image_colour.h"
#include "graphics/tooltip/tooltip.h"
#include "skin/containers/child_control_answers.h"
#include "skin/frame/frame_geometry.h"
#include "skin/frame/frame_proc.h"
#include "skin/frame/title_buttons.h"

namespace {

constexpr int kMinTrackWidth = 200;
constexpr int kMinTrackHeight = 150;
constexpr int kCaptionColour = 0xFFFFFF;
constexpr int kCaptionGlowColour = 0x808080;
constexpr int kCaptionSize = 12;
constexpr int kStatusTextColour = 0xFFFFFF;
constexpr int kStatusTextSize = 12;
constexpr int kAverageSamples = 2000;

void AppendTitleButton(WindowRecord& record, TitleButtonKind kind, int width, PictureBytes image,
                       const char* name) {
  const int i = AppendRecord(record.titleButtons);
  TitleButton& button = *RecordAt(record.titleButtons, i);
  button.kind = kind;
  button.width = width;
  button.height = kTitleButtonHeight;
  button.image = CopyPictureBytes(image);
  button.name = name;
}

// The buttons in their fixed order, each only when its condition holds,
// then the strip that holds them.
void CreateTitleButtons(WindowRecord& record, int clientWidth) {
  if (record.showHelpButton)
    AppendTitleButton(record, kHelpButtonKind, kTitleButtonWidth, HelpButtonFace(), "帮助");
  if (record.showMenuButton)
    AppendTitleButton(record, kMenuButtonKind, kTitleButtonWidth, MenuButtonFace(), "主菜单");
  if (record.hasMinimizeBox)
    AppendTitleButton(record, kMinimiseButtonKind, kTitleButtonWidth, MinimiseButtonFace(), "最小化");
  if (record.hasMaximizeBox) {
    AppendTitleButton(record, kMaximiseButtonKind, kTitleButtonWidth, MaximiseButtonFace(), "最大化");
    record.titleButtons.back()->restoreImage = CopyPictureBytes(RestoreButtonFace());
  }
  if (record.showCloseButton)
    AppendTitleButton(record, kCloseButtonKind, kCloseButtonWidth, CloseButtonFace(), "关闭");

  std::vector<int> widths;
  for (const auto& button : record.titleButtons) widths.push_back(button->width);
  const RectI strip = InstallStripPlacement(widths, clientWidth, FrameEdge);
  record.stripX = strip.x;
  record.stripY = strip.y;
  record.stripWidth = strip.width;
  record.stripHeight = strip.height;
}

// The average colour of the picture, and the picture itself, with its
// inner edge faded for the two corner modes.
void TakeBackgroundPicture(WindowRecord& record, const Bytes& bytes) {
  record.backgroundAverage =
      static_cast<int>(AverageImageColour(bytes, kAverageSamples, 0, 0));
  const auto average = static_cast<std::uint32_t>(record.backgroundAverage);
  if (record.backgroundMode == kBackgroundTopLeft) {
    record.backgroundImage = FadeImageEdges(bytes, average, false);
  } else if (record.backgroundMode == kBackgroundTopRight) {
    record.backgroundImage = FadeImageEdges(bytes, average, true);
  } else {
    record.backgroundImage = bytes;
  }
}

// One tool per title-bar button; the layout moves them onto the buttons.
void AddButtonTools(WindowRecord& record) {
  for (int i = 1; i <= ListLength(record.titleButtons); ++i) {
    const TitleButton& button = *RecordAt(record.titleButtons, i);
    const RECT rect{static_cast<int>(button.rect.x), static_cast<int>(button.rect.y),
                    static_cast<int>(button.rect.x + button.width),
                    static_cast<int>(button.rect.y + button.height)};
    record.tooltip->AddTool(rect, true, button.name, static_cast<UINT_PTR>(i));
  }
}

}  // namespace

void InstallFrameSkin(HWND window, const FrameSkinOptions& o) {
  if (window == nullptr || FindWindowRecord(window) >= 1) return;

  // The skin keeps the children out of its paints itself.
  const LONG style = GetWindowLongA(window, GWL_STYLE);
  SetWindowLongA(window, GWL_STYLE, style & ~static_cast<LONG>(WS_CLIPCHILDREN));
  RECT client{};
  GetClientRect(window, &client);
  if (TitleButtonAction == nullptr) TitleButtonAction = RunTitleButtonAction;
  FrameEdge = kFrameEdge;

  std::unique_ptr<WindowRecord> record = NewWindowRecord();
  WindowRecord& r = *record;
  r.hwnd = window;
  r.titleHeight = ClampTitleHeight(o.titleHeight.value_or(0));
  r.titleBarLive = o.titleBarLive.value_or(true);
  r.resizable = o.resizable.value_or(true);
  r.showHelpButton = o.showHelpButton.value_or(false);
  r.showMenuButton = o.showMenuButton.value_or(false);
  r.drawCaption = o.drawCaption.value_or(true);
  r.titleGloss = o.titleGloss.value_or(false);
  r.statusHeight = o.statusHeight.value_or(0);
  if (o.statusItems) {
    for (const StatusItem& item : *o.statusItems) {
      const int i = AppendRecord(r.statusItems);
      *RecordAt(r.statusItems, i) = item;
    }
  }
  r.backgroundMode = o.backgroundMode.value_or(DefaultBackgroundMode);
  r.fillColour = o.fillColour.value_or(-1);
  r.fillAlpha = o.fillAlpha.value_or(255);
  r.minTrackWidth = kMinTrackWidth;
  r.minTrackHeight = kMinTrackHeight;
  r.maxTrackWidth = GetSystemMetrics(SM_CXSCREEN);
  r.maxTrackHeight = GetSystemMetrics(SM_CYSCREEN);
  r.captionColour = kCaptionColour;
  r.captionGlowColour = kCaptionGlowColour;
  r.captionFont = "宋体";
  r.captionSize = kCaptionSize;
  r.captionBold = true;
  r.captionGlow = false;
  const LONG currentStyle = GetWindowLongA(window, GWL_STYLE);
  r.hasMinimizeBox = (currentStyle & WS_MINIMIZEBOX) != 0;
  r.hasMaximizeBox = (currentStyle & WS_MAXIMIZEBOX) != 0;
  r.showCloseButton = !o.hideCloseButton.value_or(false) && r.titleBarLive;

  if (o.backgroundImage && !o.backgroundImage->empty()) TakeBackgroundPicture(r, *o.backgroundImage);
  CreateTitleButtons(r, client.right);

  SetWindowLongA(window, GWL_STYLE, GetWindowLongA(window, GWL_STYLE) | WS_SYSMENU);

  const int index = AppendWindowRecord(std::move(record));
  WindowRecord& rec = *WindowRecordAt(index);
  rec.lastClientWidth = client.right;
  rec.lastClientHeight = client.bottom;

  rec.tooltip = std::make_shared<ToolTip>();
  if (o.titleBarLive.value_or(false)) rec.tooltip->Create(window);
  AddButtonTools(rec);
  LayoutTitleButtons(index);

  if (o.statusHeight.value_or(0) > 0) {
    InstallStatusBar(index, *o.statusHeight,
                     o.statusItems ? *o.statusItems : std::vector<StatusItem>(),
                     o.statusItems.has_value());
    rec.statusTextStyle.customColour = false;
    rec.statusTextStyle.colour = kStatusTextColour;
    rec.statusTextStyle.fontFace = "宋体";
    rec.statusTextStyle.fontSize = kStatusTextSize;
  }
  LayoutStatusBar(index);

  InstallChildControlSkins(index, window);

  // The installers register controls in the record's own lists; the
  // record itself stays where it is.
  rec.needsFullRedraw = true;

  rec.savedProc = ReplaceWindowProc(window, FrameSkinProc);
  SetPropInt(window, Hw_lbID, index);
}
