// What the trackbar, progress bar, up-down and header skins share.
#include "skin/controls/bar_skin_support.h"

namespace bar_skin {

LRESULT KeepBackground(HDC dc) {
  SetBkMode(dc, TRANSPARENT);
  return 1;
}

}  // namespace bar_skin
