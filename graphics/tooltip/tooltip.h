// ToolTip: owns one standard tooltip control ("ToolTips_class32") that shows
// names for areas of an owner window that have no windows of their own (the
// drawn title-bar buttons). Each tool is a rectangle of the owner; the tools
// subclass the owner (TTF_SUBCLASS), so nothing relays mouse messages.
//
// The control is created without parent or owner window, so the system does
// not destroy it with the owner: the object destroys it when it is destroyed
// (or re-created), which ties its life to the skin record that holds it.
// Every call on an object without a control does nothing and reports 0/false.
// Texts are GBK and only need to live for the duration of a call.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstddef>
#include <string>

class ToolTip {
 public:
  ToolTip() = default;
  ~ToolTip();
  ToolTip(const ToolTip&) = delete;
  ToolTip& operator=(const ToolTip&) = delete;
  ToolTip(ToolTip&& other) noexcept;
  ToolTip& operator=(ToolTip&& other) noexcept;

  // Creates the control (TTS_ALWAYSTIP, plus TTS_BALLOON when balloon) for
  // owner and lets long texts wrap at 600 pixels. Returns the control, 0 when
  // creation fails. A control created earlier by this object is destroyed.
  HWND Create(HWND owner, bool balloon = false);

  // Adds tool id over rect; without rectGiven the tool covers the owner's
  // whole client area. True when the control accepted the tool.
  bool AddTool(RECT rect, bool rectGiven, const std::string& text, UINT_PTR id);
  // As AddTool with the text asked from the owner when the tip shows
  // (TTN_GETDISPINFOA / LPSTR_TEXTCALLBACKA).
  bool AddCallbackTool(RECT rect, UINT_PTR id);

  void SetBackColour(COLORREF colour);
  void SetTextColour(COLORREF colour);
  void SetMaxWidth(int width);

  void DeleteTool(UINT_PTR id);
  int GetToolCount() const;
  void SetToolRect(UINT_PTR id, RECT rect);
  void SetToolText(UINT_PTR id, const std::string& text);

  HWND GetHandle() const { return tooltip_; }
  HWND GetOwner() const { return owner_; }

 private:
  void DestroyControl();
  // Sends msg with a fresh tool description of id; the control may write
  // into it.
  LRESULT SendToolMessage(UINT msg, WPARAM wParam, TOOLINFOA& info) const;
  TOOLINFOA ToolInfo(UINT_PTR id, const RECT& rect, LPSTR text) const;

  HWND tooltip_ = nullptr;
  HWND owner_ = nullptr;
};

// Size of the tool description handed to the control: the original 40-byte
// layout (TTTOOLINFOA_V1_SIZE, which is not a constant expression), accepted
// by every comctl32 version.
constexpr UINT kToolInfoSize = offsetof(TOOLINFOA, lParam);
static_assert(kToolInfoSize == 40, "tool descriptions are 40 bytes");
