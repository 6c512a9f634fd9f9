// The arrow pictures, decoded once and released at the skin's exit.
#include "skin/controls/pictures/decoded_arrows.h"

#include <array>
#include <memory>

#include "graphics/assets/skin_pictures.h"
#include "graphics/gdiplus/gdiplus_lifetime.h"
#include "skin/state/skin_state.h"

namespace {

std::array<std::unique_ptr<Image>, 4> decodedArrows;
// Whether the release is waiting in the skin's exit routine, which runs
// its steps once and then forgets them.
bool releaseQueued = false;

PictureBytes BytesOf(ArrowPicture which) {
  switch (which) {
    case ArrowPicture::Up:
      return ArrowUp();
    case ArrowPicture::Down:
      return ArrowDown();
    case ArrowPicture::Left:
      return ArrowLeft();
    case ArrowPicture::Right:
    default:
      return ArrowRight();
  }
}

void ReleaseDecodedArrows() {
  // After GDI+ has ended (the frame may end it before the exit routine
  // runs) its objects are gone with it and must not be disposed again.
  const bool gdiPlusRuns = LiveGdiPlusSessions() > 0;
  for (auto& picture : decodedArrows) {
    if (picture && !gdiPlusRuns) picture->SetHandle(nullptr);
    picture.reset();
  }
  releaseQueued = false;
}

}  // namespace

const Image* DecodedArrow(ArrowPicture which) {
  std::unique_ptr<Image>& slot = decodedArrows[static_cast<size_t>(which)];
  if (!slot) {
    auto picture = std::make_unique<Image>();
    if (!picture->LoadFromBytes(CopyPictureBytes(BytesOf(which)))) return nullptr;
    slot = std::move(picture);
    if (!releaseQueued) {
      AddSkinExitStep(&ReleaseDecodedArrows);
      releaseQueued = true;
    }
  }
  return slot.get();
}

int DecodedArrowCount() {
  int count = 0;
  for (const auto& picture : decodedArrows) count += picture ? 1 : 0;
  return count;
}
