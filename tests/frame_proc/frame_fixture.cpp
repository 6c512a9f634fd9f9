// Test windows for the frame skin.
#include "tests/frame_proc/frame_fixture.h"

#include "graphics/assets/skin_pictures.h"
#include "skin/frame/frame_install.h"
#include "tests/control_host/control_host.h"

namespace {

constexpr char kFrameClass[] = "PxFrameTest";

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

}  // namespace

WNDPROC TestFrame::procAtNcDestroy = nullptr;

FrameSkinOptions TitleHeightOptions(int height, std::optional<bool> resizable) {
  FrameSkinOptions options;
  options.titleHeight = height;
  options.resizable = resizable;
  return options;
}

void ResetFrameSkinState() {
  ResetControlSkinState();
  // Keeps the system's own mouse messages out of the tests' windows.
  SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 2, GetSystemMetrics(SM_CYSCREEN) - 2);
  PumpMessages();
}

TestFrame::TestFrame(DWORD style, int width, int height, int x, int y) {
  RegisterFrameClass(Proc);
  window_ = CreateWindowExA(0, kFrameClass, "岚舟软件-dadavadavu", WS_POPUP | style, x, y, width,
                            height, nullptr, nullptr, GetModuleHandleA(nullptr), this);
}

TestFrame::~TestFrame() {
  if (window_ != nullptr && IsWindow(window_)) {
    refuseClose = false;
    DestroyWindow(window_);
  }
}

int TestFrame::Index() const { return GetPropInt(window_, Hw_lbID); }

WindowRecord& TestFrame::Record() const { return *WindowRecordAt(Index()); }

HWND TestFrame::AddControl(const char* cls, const char* text, DWORD style, int x, int y,
                           int width, int height) {
  return CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height,
                         window_, nullptr, GetModuleHandleA(nullptr), nullptr);
}

void TestFrame::InstallLikeProgram() {
  FrameSkinOptions options;
  options.titleHeight = 50;
  options.resizable = false;
  options.titleGloss = true;
  options.backgroundImage = CopyPictureBytes(MainBackground());
  options.backgroundMode = kBackgroundStretched;
  InstallFrameSkin(window_, options);
  SetControlSkinOptions(1, 0);
  CaptionStyle caption;
  caption.colour = 0;
  caption.glowColour = 0xFFFFFF;
  caption.glow = true;
  SetCaptionStyle(window_, caption);
  SetCloseEffect(window_, kCloseEffectPulse);
}

int TestFrame::Count(UINT message) const {
  int n = 0;
  for (const SeenMessage& m : seen_) n += m.message == message ? 1 : 0;
  return n;
}

std::optional<SeenMessage> TestFrame::Last(UINT message) const {
  for (auto it = seen_.rbegin(); it != seen_.rend(); ++it) {
    if (it->message == message) return *it;
  }
  return std::nullopt;
}

LRESULT CALLBACK TestFrame::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    SetWindowLongA(window, GWL_USERDATA, reinterpret_cast<LONG>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<TestFrame*>(GetWindowLongA(window, GWL_USERDATA));
  if (self == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  self->seen_.push_back(SeenMessage{message, wParam, lParam});
  const WPARAM command = wParam & 0xFFF0;
  if (message == WM_NCDESTROY) {
    procAtNcDestroy = reinterpret_cast<WNDPROC>(GetWindowLongA(window, GWL_WNDPROC));
    self->window_ = nullptr;
    SetWindowLongA(window, GWL_USERDATA, 0);
  } else if ((self->refuseLoops && (message == WM_NCLBUTTONDOWN ||
                                    (message == WM_SYSCOMMAND &&
                                     (command == SC_MOVE || command == SC_SIZE)))) ||
             (self->refuseClose && message == WM_CLOSE)) {
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

LPARAM ClientPoint(int x, int y) {
  return MAKELPARAM(static_cast<WORD>(static_cast<short>(x)),
                    static_cast<WORD>(static_cast<short>(y)));
}

POINT ButtonCentre(const WindowRecord& record, int button) {
  const TitleButton& b = *RecordAt(record.titleButtons, button);
  return POINT{static_cast<int>(b.rect.x + b.rect.width / 2),
               static_cast<int>(b.rect.y + b.rect.height / 2)};
}
