#include "app/window_created.h"

#include "app/caption_cipher.h"
#include "app/main_window.h"
#include "app/resource_ids.h"
#include "graphics/assets/skin_pictures.h"
#include "graphics/gdiplus/gdiplus_values.h"
#include "skin/containers/container_skin.h"
#include "skin/containers/label_skin.h"
#include "skin/frame/frame_install.h"
#include "skin/frame/skin_start.h"
#include "skin/state/skin_state.h"

void CheckMainCaption(HWND mainWindow) {
  const Text expected = ExpectedMainCaption();
  char shown[256] = {};
  GetWindowTextA(mainWindow, shown, sizeof(shown));
  if (CompareText(shown, expected) != 0) SetWindowTextA(mainWindow, expected.c_str());
}

// Creates the skin's record tables, registers the skin's exit routine (it
// releases the remaining tables and ends GDI+ when the process ends) and
// starts the skin (GDI+, the class icon, the skin's start-up values, the
// shadow window class "duvaZedado").
void StartSkinModule() {
  InitSkinTables();
  RegisterSkinExitRoutine();
  StartSkin(IDI_PROGRAM_ICON);
}

// The main window's look, in this order: the frame skin (which also skins
// the child controls), the control-skin options, the caption style, the
// close effect, the two group boxes as containers (their radio buttons are
// skinned through them), the four labels; last the caption check.
void WindowCreated(HWND mainWindow) {
  FrameSkinOptions frame;
  frame.titleHeight = 50;
  frame.resizable = false;
  frame.titleGloss = true;
  frame.backgroundImage = CopyPictureBytes(MainBackground());  // 256 x 440
  frame.backgroundMode = kBackgroundStretched;
  InstallFrameSkin(mainWindow, frame);

  SetControlSkinOptions(/*skinChildren=*/1, /*overlayAlpha=*/0);  // no white overlay

  CaptionStyle caption;
  caption.colour = 0x000000;      // black
  caption.glowColour = 0xFFFFFF;  // in a white halo
  caption.glow = true;
  SetCaptionStyle(mainWindow, caption);
  SetCloseEffect(mainWindow, kCloseEffectPulse);

  for (ControlId group : {kGroup1, kGroup2}) InstallContainerSkin(MainControl(mainWindow, group));

  LabelSkinOptions label;
  label.fontSize = 14;
  label.textColour = 0x000000;
  label.glowColour = 0xFFFFFF;
  label.alignment = StringAlignmentNear;
  label.lineAlignment = StringAlignmentNear;
  label.wrap = true;
  for (ControlId id : {kLabel3, kLabel4, kLabel5, kLabel6}) {
    InstallLabelSkin(MainControl(mainWindow, id), label);
  }

  CheckMainCaption(mainWindow);
}
