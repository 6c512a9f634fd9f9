// Scratch ARGB bitmaps.
//
// The picture is made through the flat API and handed to the wrapper,
// which owns and disposes it from then on: Bitmap::CreateFromScan0 reads the
// new handle before GDI+ has written it (argument evaluation order) and is
// left empty.
#include "graphics/paint/argb_bitmap.h"

#include <windows.h>

extern "C" int WINAPI GdipCreateBitmapFromScan0(int width, int height, int stride, int format,
                                                 unsigned char* scan0, void** bitmap);

bool CreateArgbBitmap(Bitmap& bitmap, int width, int height) {
  bitmap.Dispose();
  void* native = nullptr;
  const int status = GdipCreateBitmapFromScan0(width, height, 0, PixelFormat32bppARGB, nullptr, &native);
  RecordStatus(status);
  if (status != Ok || native == nullptr) return false;
  bitmap.SetHandle(native);
  return true;
}
