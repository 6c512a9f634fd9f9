// Settings an application changes on an installed frame: the caption style
// and the close effect.
#include "skin/frame/frame_install.h"
#include "skin/frame/frame_render.h"

bool SetCaptionStyle(HWND window, const std::optional<Text>& font, std::optional<int> size,
                     std::optional<int> colour, std::optional<int> glowColour,
                     std::optional<int> bold, std::optional<int> glow) {
  const int index = GetPropInt(window, Hw_lbID);
  WindowRecord* record = WindowRecordAt(index);
  if (record == nullptr) return false;
  if (font) record->captionFont = *font;
  if (size) record->captionSize = *size;
  if (colour) record->captionColour = *colour;
  if (glowColour) record->captionGlowColour = *glowColour;
  if (bold) record->captionBold = *bold;
  if (glow) record->captionGlow = *glow;
  // A frame that draws no caption gets none drawn here either.
  if (record->drawCaption != 0 && record->titleBarLive != 0) {
    PaintCaption(index, nullptr, false, WindowTextOf(window));
  }
  return true;
}

bool SetCloseEffect(HWND window, int effect) {
  WindowRecord* record = WindowRecordAt(GetPropInt(window, Hw_lbID));
  if (record == nullptr) return false;
  record->closeEffect = effect;
  return true;
}
