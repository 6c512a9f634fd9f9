#include "app/window_created.h"

#include "app/caption_cipher.h"
#include "app/main_window.h"
#include "graphics/assets/skin_pictures.h"
#include "graphics/gdiplus/gdiplus_lifetime.h"
#include "skin/containers/container_skin.h"
#include "skin/containers/label_skin.h"
#include "skin/frame/frame_install.h"
#include "skin/state/skin_state.h"

void CheckMainCaption(HWND mainWindow) {
  const Text expected = ExpectedMainCaption();
  char shown[256] = {};
  GetWindowTextA(mainWindow, shown, sizeof(shown));
  if (CompareText(shown, expected) != 0) SetWindowTextA(mainWindow, expected.c_str());
}

// Creates the skin's record tables, registers the skin's exit routine (it
// releases the remaining tables and ends GDI+ when the process ends) and
// starts the graphics module (GDI+, the class icon, the skin's start-up
// values, the shadow window class "duvaZedado").
void StartSkinModule() {
  InitSkinTables();
  RegisterSkinExitRoutine();
  InitGraphicsModule();
}

// The main window's look, in this order: the frame skin (50-pixel title
// band, not resizable, title gloss, the embedded 256 x 440 background
// picture stretched), which also skins the child controls; the control-skin
// options (skin children, no white overlay); the caption in black with a
// white halo; the pulse close effect; the two group boxes as containers
// (their radio buttons are skinned through them); the four labels in
// 14-pixel black text with a white halo, near alignment, wrapping; last the
// caption check.
void WindowCreated(HWND mainWindow) {
  InstallFrameSkin(mainWindow, /*titleHeight=*/50, std::nullopt, /*resizable=*/0, std::nullopt,
                   std::nullopt, std::nullopt, /*titleGloss=*/1, std::nullopt, std::nullopt,
                   /*backgroundImage=*/CopyPictureBytes(MainBackground()),
                   /*backgroundMode=*/3);
  SetControlSkinOptions(/*skinChildren=*/1, /*overlayAlpha=*/0);
  SetCaptionStyle(mainWindow, std::nullopt, std::nullopt, /*colour=*/0,
                  /*glowColour=*/0xFFFFFF, std::nullopt, /*glow=*/1);
  SetCloseEffect(mainWindow, 2);

  for (ControlId group : {kGroup1, kGroup2}) InstallContainerSkin(MainControl(mainWindow, group));
  for (ControlId label : {kLabel3, kLabel4, kLabel5, kLabel6}) {
    InstallLabelSkin(MainControl(mainWindow, label), std::nullopt, /*fontSize=*/14, std::nullopt,
                     /*textColour=*/0, /*glowColour=*/0xFFFFFF, /*alignment=*/0,
                     /*lineAlignment=*/0, /*wrap=*/1);
  }

  CheckMainCaption(mainWindow);
}
