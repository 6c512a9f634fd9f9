// Label skin: a static text control on a skinned window shows the window's
// skinned background (the control itself stays transparent) with its text
// drawn over it by GDI+ in a chosen font, colour and alignment, optionally
// ringed by a soft glow. A full paint composes the background, draws the
// text and stores the result in the window's composite; every other paint
// copies the label's area back from the composite.
//
// A label's record lives in the label list of the owning window record and
// goes with it. The label carries Hw_hProc, Hw_FuID (window record) and
// Hw_lbID (index in the label list).
#pragma once

#include <windows.h>

#include <optional>

#include "app/text_ops.h"

// Defaults of the optional parameters.
Text DefaultLabelFontFace();  // "宋体"
inline constexpr int kDefaultLabelFontSize = 12;
inline constexpr int kDefaultLabelLineAlignment = 1;  // centred

// The look of a skinned label. A member not given takes its default; one
// given as 0 is 0.
struct LabelSkinOptions {
  std::optional<Text> fontFace;       // "宋体"
  std::optional<int> fontSize;        // 12 (GDI+ world units)
  std::optional<int> fontStyle;       // 0
  std::optional<int> textColour;      // 0 (black)
  std::optional<int> glowColour;      // no glow; a given colour turns it on
  std::optional<int> alignment;       // StringAlignmentNear
  std::optional<int> lineAlignment;   // StringAlignmentCenter
  std::optional<bool> wrap;           // one line
};

// Registers and subclasses label. Returns 0 and does nothing when label has
// no skinned window above it, else 1. A label is installed once (a second
// install would make the skin procedure its own saved one).
int InstallLabelSkin(HWND label, const LabelSkinOptions& options = LabelSkinOptions());

// The subclass procedure of skinned labels.
LRESULT CALLBACK LabelSkinProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam);

// Composes and paints label with text, or with its window text when none is
// given: on screen and into the composite.
void PaintLabel(HWND label, const std::optional<Text>& text = std::nullopt);

// Whether an erase of window should force a full repaint: the owning
// record's sizing flag while it is being moved, else its active flag; false
// when the record index (Kj_FuID with useToolbarProperties, else Hw_FuID)
// is not valid.
bool RedrawOnErase(HWND window, bool useToolbarProperties);
