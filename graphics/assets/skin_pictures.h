// The skin's pictures, carried inside the program as complete PNG and JPEG
// files. The files live beside this header and are turned into byte arrays
// when the program is built; nothing here decodes them (the skins do that
// with GDI+ when they paint).
//
// Title-bar faces (white glyph on a fading white gloss, one state each):
// HelpButtonFace, MenuButtonFace, MinimiseButtonFace, MaximiseButtonFace and
// RestoreButtonFace are 26 x 18, CloseButtonFace is 38 x 18. TickMark is the
// 13 x 12 green check mark on pure white, fully transparent background pixels
// (the accent tint skips pure white). ArrowUp/ArrowDown are 7 x 4 and
// ArrowLeft/ArrowRight 4 x 7, black triangles on transparent white. All of
// these are 8-bit RGBA PNG files. MainBackground is the 256 x 440 baseline
// JPEG behind the main window.
//
// Portable: no windows.h here.
#pragma once

#include <cstddef>
#include <vector>

// A read-only view of one embedded file; the bytes live as long as the program.
struct PictureBytes {
  const unsigned char* data;
  size_t size;
};

PictureBytes HelpButtonFace();
PictureBytes MenuButtonFace();
PictureBytes MinimiseButtonFace();
PictureBytes MaximiseButtonFace();
PictureBytes RestoreButtonFace();
PictureBytes CloseButtonFace();
PictureBytes TickMark();
PictureBytes ArrowUp();
PictureBytes ArrowDown();
PictureBytes ArrowLeft();
PictureBytes ArrowRight();
PictureBytes MainBackground();

// An owned copy of a picture's bytes, for records that keep their own buffer
// (title-bar button faces, the window's background picture).
std::vector<unsigned char> CopyPictureBytes(PictureBytes picture);

// The whole catalogue in a fixed order, for tools and tests that walk every
// picture.
struct PictureEntry {
  const char* name;
  PictureBytes (*bytes)();
};
const std::vector<PictureEntry>& AllSkinPictures();
