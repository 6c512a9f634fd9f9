// Toolbar skin: a "ToolbarWindow32" lying on a skinned window or on a
// container shows the skinned background, and each of its buttons is drawn
// by the skin from the toolbar's own data (rectangles, states, texts and
// the icons of its image list), the hot button highlighted. A full paint
// composes the background, draws the buttons and stores the image in the
// window's composite; every other paint copies it back from there.
//
// The same procedure carries a colour-key path for a few other classes
// registered with InstallToolbarSkin: the control paints itself into a
// memory DC and only its pixels that differ from a key colour are laid over
// the skinned background.
//
// A toolbar carries Kj_FuID (owning window record), Kj_lbID (index in the
// record's toolbar list), Kj_hProc (saved procedure), Kj_wtjb (its image
// list) and may carry Kj_Ztys (text colour). Its record is not removed when
// it is destroyed; it goes with the window record.
#pragma once

#include <windows.h>

#include <optional>

// Skins every direct child of parent of class "ToolbarWindow32" (storing
// its image list in Kj_wtjb first). windowIndex is not used: the toolbar
// installer finds the record itself. Toolbars already skinned are left
// alone.
void InstallToolbarSkins(int windowIndex, HWND parent);

// The look of a skinned toolbar (or colour-keyed control). A member not
// given takes its default; one given as 0 is 0.
struct ToolbarSkinOptions {
  std::optional<int> backgroundColour;  // GetSysColor(COLOR_BTNFACE)
  // The container registration of a toolbar that has children: no fill.
  std::optional<int> fillColour;
  std::optional<int> fillAlpha;
  std::optional<bool> whitePanel;  // a white panel under a colour-keyed control
};

// Registers window in the toolbar list of its owning window record and
// subclasses it with ToolbarSkinProc. Returns the toolbar index, or 0 when
// nothing skinned lies above window. A window skinned already keeps its
// record (its index is returned).
int InstallToolbarSkin(HWND window, const ToolbarSkinOptions& options = ToolbarSkinOptions());

// The subclass procedure of skinned toolbars (and colour-keyed controls).
LRESULT CALLBACK ToolbarSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Full paint of a toolbar: background, every button, into the composite and
// onto the screen; clears the record's redraw flag. False when nothing
// skinned lies behind the toolbar (nothing is drawn).
bool PaintToolbar(HWND toolbar);

// Draws button index (from 0) of toolbar onto dc, in the toolbar's client
// coordinates; hidden buttons are skipped.
void PaintToolbarButton(HWND toolbar, int index, HDC dc, bool hot);

// How a button's face is drawn, from its state.
struct ToolbarFaceLook {
  bool drawn = false;   // false: the background shows through (flat, idle)
  int topAlpha = 0;     // white at the top of the face
  int bottomAlpha = 0;  // white (or the accent colour when pressed) at the bottom
  bool accentBottom = false;
  int outlineAlpha = 0;  // outline: black, or the accent colour when hot or pressed
  bool accentOutline = false;
};
ToolbarFaceLook ToolbarButtonLook(bool flat, bool hot, bool pressed, bool enabled);

// Classes painted through the colour-key path.
bool IsColourKeyedClass(HWND window);
