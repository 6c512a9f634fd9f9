// Container skin: a child window of a skinned window that holds skinned
// controls of its own (a group box, a tab control, or any window the
// application registers). The container is listed in the containers of the
// window record that owns it, its controls are skinned into that record's
// lists, and it paints itself over the skinned background: a two-line
// rounded frame and, for a group box, its caption. Its procedure answers
// for the controls inside it as the frame procedure does for the controls
// placed directly on the window.
//
// A container carries Hw_hProc, Hw_lbID (its index in containers), Hw_FuID
// (the owning window record) and Mb_zpf.
#pragma once

#include <windows.h>

#include <optional>

// The look of a container. A member not given takes its default; one given
// as 0 is 0.
struct ContainerSkinOptions {
  std::optional<bool> drawFrame;   // true
  std::optional<int> fillColour;   // 0: no fill
  std::optional<int> fillAlpha;    // 255; only its low byte counts
  std::optional<bool> drawBorder;  // false
};

// The application's entry. Does nothing when container has no skinned window
// above it or is registered there already.
void InstallContainerSkin(HWND container,
                          const ContainerSkinOptions& options = ContainerSkinOptions());

// The registration proper: a container record in the owning window record,
// the per-class control skins on the container's children, subclassing and
// the properties. Group boxes and tab controls always draw their frame.
void RegisterContainer(HWND container, bool drawFrame, int fillColour, int fillAlpha,
                       bool drawBorder);

// Restores the container's saved procedure, deletes its record and
// renumbers Hw_lbID of the containers after it. The brushes and bitmaps
// that the container handed to its children on WM_CTLCOLOR* are deleted
// too: nothing else would release them once the container is unregistered.
// Invalid indices do nothing.
void RemoveContainer(int windowIndex, int containerIndex);

// The subclass procedure of every registered container.
LRESULT CALLBACK ContainerSkinProc(HWND container, UINT message, WPARAM wParam, LPARAM lParam);

// Composes and paints the container completely: background, frame (and
// caption), then into the composite and onto the screen; then clears its
// redraw and backgroundStale. When no background can be composed (no
// skinned window above it any more) nothing is drawn and both stay set.
void PaintContainer(int windowIndex, int containerIndex);

// The group-box look over dc (the container's client size): two rounded
// outlines whose box starts 5 pixels below the top edge, and the caption
// with the background restored behind it.
void PaintGroupBox(int windowIndex, int containerIndex, HDC dc);

// Refills rectangle r of dc (container client coordinates) with what lies
// behind it: the skinned window's frame picture, then the container's own
// fill when it has one (for a group box only from 4 pixels below r's top).
void RestoreCaptionBackground(HWND container, HDC dc, const RECT& r);

// The tab-control look over dc: the page outlines, every tab, and the gap
// where the selected tab joins the page.
void PaintTabControl(HWND tab, HDC dc);

// Side of a tab control's tabs.
enum TabSide { kTabsTop = 0, kTabsLeft = 1, kTabsRight = 2, kTabsBottom = 3 };
TabSide TabSideOfStyle(DWORD style);

// One tab of a tab control: a rounded shape filled with a gradient from
// white on its outer side to the accent colour towards the page (stronger
// and reaching into the page edge when selected), and its text centred.
void PaintTab(HWND tab, HDC dc, int index, bool selected, TabSide side);

// Moves the windows of the container's parts list for a client size of
// width x height.
void LayoutContainerParts(int windowIndex, int containerIndex, int width, int height);

// Where a group box's caption of width captionWidth starts in a client area
// of width clientWidth: centred for BS_CENTER, 10 from the left for BS_LEFT
// only, otherwise 10 from the right.
int GroupCaptionLeft(DWORD style, int clientWidth, int captionWidth);
