// Settings an application changes on an installed frame: the caption style
// and the close effect.
#include "skin/frame/frame_install.h"
#include "skin/frame/frame_render.h"

bool SetCaptionStyle(HWND window, const CaptionStyle& style) {
  const int index = GetPropInt(window, Hw_lbID);
  WindowRecord* record = WindowRecordAt(index);
  if (record == nullptr) return false;
  if (style.font) record->captionFont = *style.font;
  if (style.size) record->captionSize = *style.size;
  if (style.colour) record->captionColour = *style.colour;
  if (style.glowColour) record->captionGlowColour = *style.glowColour;
  if (style.bold) record->captionBold = *style.bold;
  if (style.glow) record->captionGlow = *style.glow;
  // A frame that draws no caption gets none drawn here either.
  if (record->drawCaption && record->titleBarLive) {
    PaintCaption(index, nullptr, false, WindowTextOf(window));
  }
  return true;
}

bool SetCloseEffect(HWND window, CloseEffect effect) {
  WindowRecord* record = WindowRecordAt(GetPropInt(window, Hw_lbID));
  if (record == nullptr) return false;
  record->closeEffect = effect;
  return true;
}
