// Decisions and arithmetic of the combo box and list-type skins: which
// list-type class a window is, how its skin answers erasing and painting,
// which outline its frame gets, and where the parts of a combo box are drawn.
//
// Pure arithmetic over style values: no window is touched.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <string>

#include "geometry/boxes.h"
#include "skin/state/skin_codes.h"

// The colour key of the skin's colour-keyed copies (COLORREF magenta).
inline constexpr std::uint32_t kColourKey = 0xFF00FF;

enum class ListKind {
  Other,
  ListBox,         // "ListBox"
  ComboList,       // "ComboLBox", the list of a simple combo box
  ListView,        // "SysListView32"
  TreeView,        // "SysTreeView32"
  IpAddress,       // "SysIPAddress32"
  DateTimePicker,  // "SysDateTimePick32"
};

// The kind of a window class name (compared without regard to case).
ListKind ListKindOfClass(const std::string& className);
// The window class of a kind ("" for Other).
const char* ListKindClass(ListKind kind);

// Order in which the installer registers the list-type classes.
inline constexpr ListKind kListInstallOrder[] = {ListKind::ListBox,   ListKind::ComboList,
                                                 ListKind::ListView,  ListKind::TreeView,
                                                 ListKind::IpAddress, ListKind::DateTimePicker};

// List boxes, list views and tree views get drawn scroll bars.
bool KindHasDrawnBars(ListKind kind);

// A list box with LBS_OWNERDRAWFIXED or LBS_OWNERDRAWVARIABLE.
bool IsOwnerDrawListStyle(ListKind kind, std::uint32_t style);

// The installer leaves the list of a combo box alone when it is owner-drawn
// fixed, and a list view that is owner-drawn: with the list-box owner-draw
// bit (0x10) or its own LVS_OWNERDRAWFIXED.
bool SkipsListRegistration(ListKind kind, std::uint32_t style);

// How the skin answers WM_ERASEBKGND while the backdrop is set.
enum class EraseAnswer {
  PassOn,            // the control erases as it always does
  Transparent,       // SetBkMode(TRANSPARENT), return 1: nothing erased
  TransparentColour  // SetBkMode(TRANSPARENT), return the old text colour
};
EraseAnswer EraseAnswerFor(ListKind kind, bool ownerDrawnListBox, bool backdropSet);

// How the client area is painted on a WM_PAINT that composes afresh.
enum class ClientPaint {
  PassOn,        // the control paints itself as usual
  KeyedTree,     // tree view: painted over the key colour, keyed onto the background
  OverBackground // list box, list view, date-time picker: painted over the background
};
ClientPaint ClientPaintFor(ListKind kind, bool backdropSet);

// The next paint composes the client area afresh, whatever the stale flag
// says, when the control has no drawn vertical bar or the mouse rests over it.
bool MustCompose(bool stale, bool hasVerticalBar, bool hoverSeen);

// The outline of a list-type control's frame.
struct ListOutline {
  bool accent = false;  // accent colour, else black
  int alpha = 0;
  float width = 0;
  RectF rect;
};
ListOutline ListFrameOutline(int width, int height, bool hot, bool focus, bool wideHotFrame);

// The outline of a combo box: accent 200 when hot or focused, else black 80.
struct ComboOutline {
  bool accent = false;
  int alpha = 0;
};
ComboOutline ComboBoxOutline(bool hot, bool focus);

// The drop-down button of a combo box, from its button rectangle
// (rcButton as x, y, width, height) and the arrow picture's size.
struct ComboButtonLook {
  RectF outline;  // rounded rectangle, corner 4
  int outlineCorner = 4;
  RectF face;     // rounded rectangle, corner 1
  int faceCorner = 1;
  float gradientX = 0, gradientTop = 0, gradientBottom = 0;
  float arrowX = 0, arrowY = 0;  // top-left of the arrow picture, fractions kept
};
ComboButtonLook ComboButtonGeometry(int x, int y, int width, int height, int arrowWidth,
                                    int arrowHeight);

// The face gradient of the drop-down button: colours as COLORREF with alpha.
struct GradientStop {
  bool accent = false;  // accent colour, else white
  int alpha = 0;
};
struct ComboFaceGradient {
  GradientStop from, to;
};
// Only the hover look changes the face; focus does not.
ComboFaceGradient ComboButtonFace(bool hot);

// Where a drop-down list combo box's text is laid out: x 2, centred for a
// 12-pixel font, the button's width kept free.
RectF ComboTextLayout(int width, int height);

// A child's rectangle keyed out of the combo picture; the list of a simple
// combo box keeps 2 pixels of its edge under the combo's own drawing.
RECT KeyedChildBox(RECT child, bool isComboList);
