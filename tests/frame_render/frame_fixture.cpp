// Skinned test frame built as the installer builds one.
#include "tests/frame_render/frame_fixture.h"

#include "graphics/assets/skin_pictures.h"
#include "graphics/gdiplus/gdiplus_lifetime.h"
#include "graphics/paint/image_colour.h"
#include "graphics/tooltip/tooltip.h"
#include "skin/frame/frame_proc.h"
#include "skin/frame/frame_render.h"
#include "skin/frame/title_buttons.h"

namespace {

constexpr char kFrameClass[] = "PxFrameRenderTest";

void RegisterFrameClass(WNDPROC proc) {
  WNDCLASSEXA existing{};  // a failed look-up may leave data here
  if (GetClassInfoExA(GetModuleHandleA(nullptr), kFrameClass, &existing)) return;
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof(wc);
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.lpszClassName = kFrameClass;
  RegisterClassExA(&wc);
}

// Appends a title button; answers its width.
int AddButton(WindowRecord& rec, int kind, int width, PictureBytes face, const char* name,
              std::optional<PictureBytes> restore = std::nullopt) {
  TitleButton& b = *rec.titleButtons[AppendRecord(rec.titleButtons) - 1];
  b.kind = static_cast<TitleButtonKind>(kind);
  b.width = width;
  b.height = 18;
  b.image = CopyPictureBytes(face);
  if (restore) b.restoreImage = CopyPictureBytes(*restore);
  b.name = name;
  return width;
}

}  // namespace

void ResetFrameSkinState() {
  ResetControlSkinState();
  FrameEdge = 3;
  TitleButtonAction = RunTitleButtonAction;
  HotTitleButton = 0;
  if (ClassIcon == nullptr) ClassIcon = LoadIconA(nullptr, IDI_APPLICATION);
  // Keeps the system's own mouse messages out of the frames.
  SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 2, GetSystemMetrics(SM_CYSCREEN) - 2);
  PumpMessages();
}

LPARAM PointParam(int x, int y) {
  return MAKELPARAM(static_cast<WORD>(static_cast<short>(x)), static_cast<WORD>(static_cast<short>(y)));
}

FrameWindow::FrameWindow(const FrameOptions& o) {
  RegisterFrameClass(Proc);
  DWORD style = WS_POPUP | WS_CLIPSIBLINGS;
  if (o.minimizeBox) style |= WS_MINIMIZEBOX;
  if (o.maximizeBox) style |= WS_MAXIMIZEBOX;
  window_ = CreateWindowExA(0, kFrameClass, "岚舟软件-dadavadavu", style, 40, 40, 326, 393,
                            nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));

  auto rec = NewWindowRecord();
  rec->hwnd = window_;
  rec->titleHeight = 50;
  rec->titleBarLive = true;
  rec->showHelpButton = o.help ? 1 : 0;
  rec->drawCaption = true;
  rec->titleGloss = o.titleGloss ? 1 : 0;
  rec->backgroundImage = CopyPictureBytes(MainBackground());
  rec->backgroundAverage =
      static_cast<int>(AverageImageColour(rec->backgroundImage, 2000, 0, 0));
  rec->backgroundMode = kBackgroundStretched;
  rec->captionColour = 0xFFFFFF;
  rec->captionGlowColour = 0x808080;
  rec->captionFont = "宋体";
  rec->captionSize = 12;
  rec->captionBold = true;
  rec->hasMinimizeBox = o.minimizeBox ? 1 : 0;
  rec->hasMaximizeBox = o.maximizeBox ? 1 : 0;
  rec->showCloseButton = o.close ? 1 : 0;
  int sum = 0;
  if (o.help) sum += AddButton(*rec, 4, 26, HelpButtonFace(), "帮助");
  if (o.minimizeBox) sum += AddButton(*rec, 2, 26, MinimiseButtonFace(), "最小化");
  if (o.maximizeBox) {
    sum += AddButton(*rec, 1, 26, MaximiseButtonFace(), "最大化", RestoreButtonFace());
  }
  if (o.close) sum += AddButton(*rec, 0, 38, CloseButtonFace(), "关闭");
  RECT client{};
  GetClientRect(window_, &client);
  rec->stripWidth = sum + (ListLength(rec->titleButtons) - 1) + 3;
  rec->stripHeight = 22;
  rec->lastClientWidth = client.right;
  rec->lastClientHeight = client.bottom;
  rec->tooltip = std::make_shared<ToolTip>();

  const int i = AppendWindowRecord(std::move(rec));
  LayoutTitleButtons(i);
  WindowRecordAt(i)->needsFullRedraw = true;
  WindowRecordAt(i)->savedProc = ReplaceWindowProc(window_, FrameSkinProc);
  SetPropInt(window_, Hw_lbID, i);
  if (o.visible) {
    ShowWindow(window_, SW_SHOWNOACTIVATE);
    UpdateWindow(window_);
    PumpMessages();
  }
}

FrameWindow::~FrameWindow() {
  if (!IsWindow(window_)) return;
  KillTimer(window_, reinterpret_cast<UINT_PTR>(window_));
  SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
  // The frame procedure removes the record on WM_NCDESTROY.
  DestroyWindow(window_);
  PumpMessages();
}

int FrameWindow::index() const { return FindWindowRecord(window_); }

WindowRecord& FrameWindow::record() const { return *WindowRecordAt(index()); }

LRESULT CALLBACK FrameWindow::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<FrameWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  switch (message) {
    case WM_TIMER:
      if (wParam == reinterpret_cast<WPARAM>(window)) {
        ++self->timerMessages;
        if (const WindowRecord* record = WindowRecordAt(FindWindowRecord(window))) {
          self->timerFades.push_back({record->fadeIn, record->fadeOut});
        }
        return 0;
      }
      break;
    case WM_SYSCOMMAND:
      self->sysCommands.push_back(wParam & 0xFFF0);
      return 0;
    default:
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

PixelImage CaptureFrameDc(const FrameWindow& frame) {
  const WindowRecord& r = frame.record();
  return CaptureDc(r.frameDC.get(), 0, 0, r.lastClientWidth, r.lastClientHeight);
}

PixelImage CaptureFrameCopy(const FrameWindow& frame) {
  const WindowRecord& r = frame.record();
  return CaptureDc(r.frameCopy.get(), 0, 0, r.lastClientWidth, r.lastClientHeight);
}

int Brightness(std::uint32_t rgb) {
  return static_cast<int>(((rgb >> 16) & 0xFF) + ((rgb >> 8) & 0xFF) + (rgb & 0xFF));
}
