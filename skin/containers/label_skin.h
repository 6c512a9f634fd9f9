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

// Registers and subclasses label. Parameters not given take their default:
// fontFace "宋体", fontSize 12 (GDI+ world units), fontStyle 0, textColour 0
// (black), no glow (a given glowColour turns it on), alignment 0 (near),
// lineAlignment 1 (centre), wrap 0 (one line). Returns 0 and does nothing
// when label has no skinned window above it, else 1. A label is installed
// once (a second install would make the skin procedure its own saved one).
int InstallLabelSkin(HWND label, const std::optional<Text>& fontFace = std::nullopt,
                     std::optional<int> fontSize = std::nullopt,
                     std::optional<int> fontStyle = std::nullopt,
                     std::optional<int> textColour = std::nullopt,
                     std::optional<int> glowColour = std::nullopt,
                     std::optional<int> alignment = std::nullopt,
                     std::optional<int> lineAlignment = std::nullopt,
                     std::optional<int> wrap = std::nullopt);

// The subclass procedure of skinned labels.
LRESULT CALLBACK LabelSkinProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam);

// Composes and paints label with text, or with its window text when none is
// given: on screen and into the composite.
void PaintLabel(HWND label, const std::optional<Text>& text = std::nullopt);

// Whether an erase of window should force a full repaint: the owning
// record's sizing flag while it is being moved, else its active flag; 0
// when the record index (Kj_FuID with useToolbarProperties, else Hw_FuID)
// is not valid.
int RedrawOnErase(HWND window, bool useToolbarProperties);
