// The skin module's start-up.
#include "skin/frame/skin_start.h"

#include "graphics/gdiplus/gdiplus_lifetime.h"
#include "skin/state/skin_state.h"

void StartSkin(int programIconId) {
  InitGraphicsModule(programIconId);
  ApplySkinStartupValues();
  AddSkinExitStep(ShutdownGraphicsModule);
}
