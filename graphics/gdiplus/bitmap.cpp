#include "graphics/gdiplus/image.h"

#include <cmath>
#include <utility>

#include "graphics/gdiplus/flat_api.h"
#include "graphics/gdiplus/graphics.h"
#include "graphics/gdiplus/image_making.h"
#include "graphics/gdiplus/wide_text.h"

bool Bitmap::CreateFromFile(const Text& path, bool useIcm) {
  return CreateFromFileW(ToWideText(path).c_str(), useIcm);
}

bool Bitmap::CreateFromFileW(const wchar_t* path, bool useIcm) {
  return ImageMaking::FromFile(*this, path, useIcm, flat::GdipCreateBitmapFromFile,
                               flat::GdipCreateBitmapFromFileICM);
}

bool Bitmap::CreateFromBytes(const Bytes& bytes, bool useIcm) {
  return ImageMaking::FromBytes(*this, bytes, useIcm, flat::GdipCreateBitmapFromStream,
                                flat::GdipCreateBitmapFromStreamICM);
}

bool Bitmap::CreateFromBuffer(int width, int height, int stride, int pixelFormat, void* pixels) {
  Dispose();
  return ImageMaking::Make(*this, MemoryStream(), flat::GdipCreateBitmapFromScan0, width, height, stride,
                           pixelFormat, static_cast<BYTE*>(pixels));
}

bool Bitmap::CreateFromScan0(int width, int height, int pixelFormat) {
  return CreateFromBuffer(width, height, 0, pixelFormat, nullptr);
}

bool Bitmap::CreateFromGdiDib(const BITMAPINFO* info, void* bits) {
  Dispose();
  return ImageMaking::Make(*this, MemoryStream(), flat::GdipCreateBitmapFromGdiDib, info, bits);
}

bool Bitmap::CreateFromHBITMAP(HBITMAP source, HPALETTE palette) {
  Dispose();
  return ImageMaking::Make(*this, MemoryStream(), flat::GdipCreateBitmapFromHBITMAP, source, palette);
}

bool Bitmap::CreateFromHICON(HICON icon) {
  Dispose();
  return ImageMaking::Make(*this, MemoryStream(), flat::GdipCreateBitmapFromHICON, icon);
}

HBITMAP Bitmap::GetHBITMAP(Argb background) const {
  HBITMAP result = nullptr;
  if (RecordIfEmpty(*this)) return nullptr;
  if (!CallOn(*this, flat::GdipCreateHBITMAPFromBitmap, &result, background)) return nullptr;
  return result;
}

HICON Bitmap::GetHICON() const { return ReadValue<HICON>(*this, flat::GdipCreateHICONFromBitmap); }

bool Bitmap::CloneArea(float x, float y, float width, float height, int pixelFormat, Bitmap& target) const {
  return ImageMaking::CopyInto(*this, target, flat::GdipCloneBitmapArea, x, y, width, height, pixelFormat);
}

bool Bitmap::CloneAreaI(int x, int y, int width, int height, int pixelFormat, Bitmap& target) const {
  return ImageMaking::CopyInto(*this, target, flat::GdipCloneBitmapAreaI, x, y, width, height, pixelFormat);
}

bool Bitmap::LockBits(const RectI& rect, int lockMode, int pixelFormat, LockedPixels& locked) {
  if (RecordIfEmpty(*this)) return false;
  Gdiplus::Rect r = ToGp(rect);
  Gdiplus::BitmapData data = {};
  if (!CallOn(*this, flat::GdipBitmapLockBits, &r, static_cast<UINT>(lockMode), pixelFormat, &data)) return false;
  locked.width = data.Width;
  locked.height = data.Height;
  locked.stride = data.Stride;
  locked.pixelFormat = static_cast<int>(data.PixelFormat);
  locked.scan0 = data.Scan0;
  locked.reserved = reinterpret_cast<void*>(data.Reserved);
  return true;
}

bool Bitmap::UnlockBits(LockedPixels& locked) {
  if (RecordIfEmpty(*this)) return false;
  Gdiplus::BitmapData data = {};
  data.Width = locked.width;
  data.Height = locked.height;
  data.Stride = locked.stride;
  data.PixelFormat = static_cast<Gdiplus::PixelFormat>(locked.pixelFormat);
  data.Scan0 = locked.scan0;
  data.Reserved = reinterpret_cast<UINT_PTR>(locked.reserved);
  const bool ok = CallOn(*this, flat::GdipBitmapUnlockBits, &data);
  if (ok) locked = LockedPixels{};
  return ok;
}

Argb Bitmap::GetPixel(int x, int y) const { return ReadValue<Argb>(*this, flat::GdipBitmapGetPixel, x, y); }

bool Bitmap::SetPixel(int x, int y, Argb colour) {
  return CallOn(*this, flat::GdipBitmapSetPixel, x, y, colour);
}

bool Bitmap::SetResolution(float dpiX, float dpiY) {
  return CallOn(*this, flat::GdipBitmapSetResolution, dpiX, dpiY);
}

SizeF Bitmap::RotatedSize(float width, float height, float angle) {
  const double radians = angle * 3.1415926535 / 180.0;
  const double c = std::cos(radians), s = std::sin(radians);
  const double hw = (width - 1.0) / 2.0, hh = (height - 1.0) / 2.0;
  // Corner (hw, hh) and its opposite, corner (hw, -hh) and its opposite.
  const double ax = hw * c - hh * s, ay = hw * s + hh * c;
  const double bx = hw * c + hh * s, by = hw * s - hh * c;
  SizeF size;
  size.width = static_cast<float>(std::fmax(std::fabs(2 * ax), std::fabs(2 * bx)));
  size.height = static_cast<float>(std::fmax(std::fabs(2 * ay), std::fabs(2 * by)));
  return size;
}

bool Bitmap::RotatedCopy(float angle, std::optional<Argb> background, std::optional<int> interpolation,
                         std::optional<SizeF> size) {
  if (RecordIfEmpty(*this)) return false;
  const float w = static_cast<float>(Width()), h = static_cast<float>(Height());
  SizeF target = size ? *size : RotatedSize(w, h, angle);
  const int tw = static_cast<int>(target.width), th = static_cast<int>(target.height);

  Bitmap rotated;
  if (!rotated.CreateFromScan0(tw, th, PixelFormat32bppARGB)) return false;
  bool ok = rotated.SetResolution(GetHorizontalResolution(), GetVerticalResolution());
  {
    Graphics g;
    ok = ok && g.FromImage(rotated);
    if (ok && background) ok = g.Clear(*background);
    if (ok && interpolation) ok = g.SetInterpolationMode(*interpolation);
    ok = ok && g.TranslateWorldTransform(tw / 2.0f, th / 2.0f) && g.RotateWorldTransform(angle) &&
         g.TranslateWorldTransform(-w / 2.0f, -h / 2.0f) && g.DrawImageRect(*this, 0, 0, w, h);
  }
  if (!ok) return false;  // rotated disposes the new bitmap
  static_cast<Image&>(*this) = std::move(static_cast<Image&>(rotated));
  return true;
}
