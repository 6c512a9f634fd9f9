#include "graphics/tooltip/tooltip.h"

#include <utility>

namespace {

constexpr int kDefaultMaxTipWidth = 600;
// The standard tooltip class under the name this program gives it (class
// names compare without case; the SDK spells it in lower case).
constexpr char kToolTipClass[] = "ToolTips_class32";

}  // namespace

ToolTip::~ToolTip() { DestroyControl(); }

ToolTip::ToolTip(ToolTip&& other) noexcept
    : tooltip_(std::exchange(other.tooltip_, nullptr)),
      owner_(std::exchange(other.owner_, nullptr)) {}

ToolTip& ToolTip::operator=(ToolTip&& other) noexcept {
  if (this != &other) {
    DestroyControl();
    tooltip_ = std::exchange(other.tooltip_, nullptr);
    owner_ = std::exchange(other.owner_, nullptr);
  }
  return *this;
}

void ToolTip::DestroyControl() {
  // The control may already be gone when the thread that made it has ended.
  if (tooltip_ && IsWindow(tooltip_)) DestroyWindow(tooltip_);
  tooltip_ = nullptr;
}

HWND ToolTip::Create(HWND owner, bool balloon) {
  DestroyControl();
  // The tooltip class exists only once comctl32 has registered it; nothing
  // else in the program is sure to have loaded that library.
  INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_BAR_CLASSES};
  InitCommonControlsEx(&classes);
  owner_ = owner;
  DWORD style = TTS_ALWAYSTIP;
  if (balloon) style |= TTS_BALLOON;
  tooltip_ = CreateWindowExA(0, kToolTipClass, "", style, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
  SetMaxWidth(kDefaultMaxTipWidth);
  return tooltip_;
}

TOOLINFOA ToolTip::ToolInfo(UINT_PTR id, const RECT& rect, LPSTR text) const {
  TOOLINFOA info = {};
  info.cbSize = kToolInfoSize;
  info.uFlags = TTF_SUBCLASS;
  info.hwnd = owner_;
  info.uId = id;
  info.rect = rect;
  info.hinst = nullptr;
  info.lpszText = text;
  return info;
}

LRESULT ToolTip::SendToolMessage(UINT msg, WPARAM wParam, TOOLINFOA& info) const {
  if (!tooltip_) return 0;
  return SendMessageA(tooltip_, msg, wParam, reinterpret_cast<LPARAM>(&info));
}

bool ToolTip::AddTool(RECT rect, bool rectGiven, const std::string& text, UINT_PTR id) {
  if (!rectGiven) GetClientRect(owner_, &rect);
  TOOLINFOA info = ToolInfo(id, rect, const_cast<LPSTR>(text.c_str()));
  return SendToolMessage(TTM_ADDTOOLA, 0, info) != 0;
}

bool ToolTip::AddCallbackTool(RECT rect, UINT_PTR id) {
  TOOLINFOA info = ToolInfo(id, rect, LPSTR_TEXTCALLBACKA);
  return SendToolMessage(TTM_ADDTOOLA, 0, info) != 0;
}

void ToolTip::SetBackColour(COLORREF colour) {
  if (tooltip_) SendMessageA(tooltip_, TTM_SETTIPBKCOLOR, colour, 0);
}

void ToolTip::SetTextColour(COLORREF colour) {
  if (tooltip_) SendMessageA(tooltip_, TTM_SETTIPTEXTCOLOR, colour, 0);
}

void ToolTip::SetMaxWidth(int width) {
  if (tooltip_) SendMessageA(tooltip_, TTM_SETMAXTIPWIDTH, 0, width);
}

void ToolTip::DeleteTool(UINT_PTR id) {
  TOOLINFOA info = ToolInfo(id, RECT{}, nullptr);
  SendToolMessage(TTM_DELTOOLA, 0, info);
}

int ToolTip::GetToolCount() const {
  if (!tooltip_) return 0;
  return static_cast<int>(SendMessageA(tooltip_, TTM_GETTOOLCOUNT, 0, 0));
}

void ToolTip::SetToolRect(UINT_PTR id, RECT rect) {
  TOOLINFOA info = ToolInfo(id, rect, nullptr);
  SendToolMessage(TTM_NEWTOOLRECTA, 0, info);
}

void ToolTip::SetToolText(UINT_PTR id, const std::string& text) {
  TOOLINFOA info = ToolInfo(id, RECT{}, const_cast<LPSTR>(text.c_str()));
  SendToolMessage(TTM_UPDATETIPTEXTA, 0, info);
}
