// Accessors over the byte arrays generated from the picture files.
#include "graphics/assets/skin_pictures.h"

#include "skin_pictures_data.inc"

namespace {

template <size_t N>
PictureBytes View(const unsigned char (&data)[N]) {
  return PictureBytes{data, N};
}

}  // namespace

PictureBytes HelpButtonFace() { return View(kHelpButtonFaceData); }
PictureBytes MenuButtonFace() { return View(kMenuButtonFaceData); }
PictureBytes MinimiseButtonFace() { return View(kMinimiseButtonFaceData); }
PictureBytes MaximiseButtonFace() { return View(kMaximiseButtonFaceData); }
PictureBytes RestoreButtonFace() { return View(kRestoreButtonFaceData); }
PictureBytes CloseButtonFace() { return View(kCloseButtonFaceData); }
PictureBytes TickMark() { return View(kTickMarkData); }
PictureBytes ArrowUp() { return View(kArrowUpData); }
PictureBytes ArrowDown() { return View(kArrowDownData); }
PictureBytes ArrowLeft() { return View(kArrowLeftData); }
PictureBytes ArrowRight() { return View(kArrowRightData); }
PictureBytes MainBackground() { return View(kMainBackgroundData); }

std::vector<unsigned char> CopyPictureBytes(PictureBytes picture) {
  if (!picture.data) return {};
  return std::vector<unsigned char>(picture.data, picture.data + picture.size);
}

const std::vector<PictureEntry>& AllSkinPictures() {
  static const std::vector<PictureEntry> catalogue = {
      {"HelpButtonFace", HelpButtonFace},
      {"MenuButtonFace", MenuButtonFace},
      {"MinimiseButtonFace", MinimiseButtonFace},
      {"MaximiseButtonFace", MaximiseButtonFace},
      {"RestoreButtonFace", RestoreButtonFace},
      {"CloseButtonFace", CloseButtonFace},
      {"TickMark", TickMark},
      {"ArrowUp", ArrowUp},
      {"ArrowDown", ArrowDown},
      {"ArrowLeft", ArrowLeft},
      {"ArrowRight", ArrowRight},
      {"MainBackground", MainBackground},
  };
  return catalogue;
}
