// Background composition for the control painters: one BitBlt of the frame
// picture, then the container fills.
#include "graphics/paint/control_background.h"

#include "graphics/gdiplus/brushes.h"
#include "graphics/gdiplus/graphics.h"
#include "graphics/gdiplus/graphics_path.h"
#include "graphics/paint/background_owner.h"
#include "graphics/paint/colour_convert.h"
#include "graphics/paint/memory_dc_table.h"
#include "graphics/paint/round_shapes.h"
#include "skin/state/skin_state.h"

namespace {

// The group box's frame starts this far below the top edge.
constexpr int kGroupBoxFrameTop = 5;
constexpr int kContainerCornerSize = 5;

const char kTabControlClass[] = "SysTabControl32";

Argb FillArgb(const ContainerRecord& container) {
  return ColorrefToArgb(static_cast<ColourRef>(container.fillColour), container.fillAlpha, true);
}

RECT WindowRectOf(HWND window) {
  RECT r = {};
  GetWindowRect(window, &r);
  return r;
}

// Copies the piece of the frame picture behind rc of window into dc.
void CopyFramePiece(HDC dc, const WindowRecord& record, HWND window, const RECT& rc) {
  const RECT base = WindowRectOf(record.hwnd);
  const RECT own = WindowRectOf(window);
  const int offX = own.left - base.left;
  const int offY = own.top - base.top;
  BitBlt(dc, 0, 0, rc.right - rc.left, rc.bottom - rc.top, record.frameDC.get(), offX + rc.left,
         offY + rc.top, SRCCOPY);
}

// The rounded box of a group-box frame; rc's right and bottom serve as its
// width and height (callers pass rectangles at 0, 0).
void AddGroupBoxShape(GraphicsPath& path, const RECT& rc) {
  AddRoundRect(path, 0, static_cast<float>(kGroupBoxFrameTop), static_cast<float>(rc.right),
               static_cast<float>(rc.bottom - kGroupBoxFrameTop - 1), kContainerCornerSize);
}

// Paints the part of (0, 0, rc.right, rc.bottom) outside the rounded
// group-box shape with the colour of the container around it.
void FillOutsideGroupBox(Graphics& graphics, const GraphicsPath& box, const RECT& rc,
                         const ContainerRecord& outer) {
  SolidBrush brush;
  if (!brush.Create(FillArgb(outer))) return;
  const float w = static_cast<float>(rc.right), h = static_cast<float>(rc.bottom);
  graphics.SetClipRect(0, 0, w, h, CombineModeReplace);
  graphics.SetClipPath(box, CombineModeXor);
  graphics.FillRectangle(brush, 0, 0, w, h);
  graphics.ResetClip();
}

// A container's own fill over its background. nested: the container lies
// inside another container (no tab-control case, and a group box gets the
// area around its box in the outer container's colour).
void FillContainer(HDC dc, int recordIndex, HWND window, const ContainerRecord& container,
                   const RECT& rc, bool nested) {
  Graphics graphics;
  GraphicsPath path;
  SolidBrush brush;
  if (!graphics.CreateFromHDC(dc) || !path.Create() || !brush.Create(FillArgb(container))) return;

  if (container.frameStyle == kFrameStyleGroupBox) {
    AddGroupBoxShape(path, rc);
    if (nested) {
      const int outer = FindContainerRecord(recordIndex, GetParent(window));
      const WindowRecord* record = WindowRecordAt(recordIndex);
      if (outer >= 1 && record->containers[outer - 1]->fillColour > 0) {
        FillOutsideGroupBox(graphics, path, rc, *record->containers[outer - 1]);
      }
    }
    graphics.SetClipPath(path, CombineModeReplace);
  } else if (!nested && ClassNameOf(container.hwnd) == kTabControlClass) {
    const RECT page = TabPageRect(container.hwnd);
    AddRoundRect(path, static_cast<float>(page.left), static_cast<float>(page.top),
                 static_cast<float>(page.right - page.left), static_cast<float>(page.bottom - page.top),
                 kContainerCornerSize);
    graphics.SetClipPath(path, CombineModeReplace);
  } else {
    path.AddRectangle(0, 0, static_cast<float>(rc.right - rc.left), static_cast<float>(rc.bottom - rc.top));
  }
  graphics.FillPath(brush, path);
}

// The whole rectangle in the colour of the framed container around window.
void FillWithAncestorColour(HDC dc, const ContainerRecord& container, int w, int h) {
  Graphics graphics;
  GraphicsPath path;
  SolidBrush brush;
  if (!graphics.CreateFromHDC(dc) || !path.Create() || !brush.Create(FillArgb(container))) return;
  path.AddRectangle(0, 0, static_cast<float>(w), static_cast<float>(h));
  graphics.FillPath(brush, path);
}

}  // namespace

HDC ComposeControlBackground(HWND window, const RECT& rc) {
  const int w = rc.right - rc.left;
  const int h = rc.bottom - rc.top;
  HDC dc = CreateRememberedMemoryDc(w, h);
  if (dc == nullptr) return nullptr;

  const BackgroundOwner owner = FindBackgroundOwner(window);
  int recordIndex = owner.recordIndex;

  if (owner.kind == BackgroundOwnerKind::Top) {
    const WindowRecord& record = *WindowRecordAt(recordIndex);
    CopyFramePiece(dc, record, window, rc);
    const int c = FindContainerRecord(recordIndex, window);
    if (c >= 1 && record.containers[c - 1]->fillColour != 0) {
      FillContainer(dc, recordIndex, window, *record.containers[c - 1], rc, false);
    }
    return dc;
  }

  if (recordIndex == 0) recordIndex = FindOwningWindowRecord(window);
  const WindowRecord* record = WindowRecordAt(recordIndex);
  if (record == nullptr) {
    // Nothing skinned behind this window: the DC is of no use to anyone.
    ReleaseMemoryDc(dc);
    return nullptr;
  }
  const int c = FindContainerRecord(recordIndex, window);
  CopyFramePiece(dc, *record, window, rc);
  if (c >= 1) {
    if (record->containers[c - 1]->fillColour != 0) {
      FillContainer(dc, recordIndex, window, *record->containers[c - 1], rc, true);
    }
  } else {
    const int p = FindFramedAncestorContainer(recordIndex, window, nullptr);
    if (p >= 1 && record->containers[p - 1]->fillColour != 0) {
      FillWithAncestorColour(dc, *record->containers[p - 1], w, h);
    }
  }
  return dc;
}
