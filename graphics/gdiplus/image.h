// Decoded pictures: Image (loaded from a file or from a byte buffer) and
// Bitmap (an Image that can also be made from pixels, icons and GDI
// bitmaps, and read and written pixel by pixel).
//
// A picture loaded from bytes keeps its own copy of the bytes in a member
// MemoryStream for as long as the native image lives; the caller's buffer
// may go right after the load. Dispose releases the native image first and
// its backing memory after it.
#pragma once

#include <windows.h>

#include <optional>
#include <vector>

#include "app/text_ops.h"
#include "graphics/gdiplus/gdiplus_object.h"
#include "graphics/gdiplus/memory_stream.h"

// One encoder parameter for SaveToBytes/SaveToFile: its GUID as text, the
// GDI+ value type and the raw value bytes (count values of that type).
struct EncoderParameterSpec {
  Text guid;
  int count = 1;
  int valueType = EncoderParameterValueTypeLong;
  Bytes value;
};
using EncoderParameterList = std::vector<EncoderParameterSpec>;

// The 32-bit JPEG quality parameter (0-100) for SaveToBytes.
EncoderParameterList JpegQualityParameters(int quality);

class Image : public GdiPlusObject {
 public:
  Image() = default;
  ~Image() override { Dispose(); }
  Image(Image&& other) noexcept;
  Image& operator=(Image&& other) noexcept;

  // Releases the native image (then its backing memory). False when empty.
  bool Dispose();

  bool LoadFromFile(const Text& path, bool useIcm = false);
  bool LoadFromFileW(const wchar_t* path, bool useIcm = false);
  // Decodes a complete picture file held in bytes.
  bool LoadFromBytes(const Bytes& bytes, bool useIcm = false);

  // Common image operations.
  // A copy of the whole picture into target (target's own picture is
  // disposed first).
  bool Clone(Image& target) const;
  // Encodes into a file; format is a format GUID text (ImageFormatPNG ...),
  // the picture's own format when not given.
  bool SaveToFile(const Text& path, std::optional<Text> format = std::nullopt,
                  const std::optional<EncoderParameterList>& parameters = std::nullopt) const;
  // Encodes into bytes; empty when no encoder has the format or GDI+ fails.
  Bytes SaveToBytes(std::optional<Text> format = std::nullopt,
                    const std::optional<EncoderParameterList>& parameters = std::nullopt) const;
  // The picture's raw format GUID as text; empty on failure.
  Text GetRawFormat() const;
  RectF GetBounds() const;
  int GetType() const;
  unsigned Width() const;
  unsigned Height() const;
  float GetHorizontalResolution() const;
  float GetVerticalResolution() const;
  unsigned GetFlags() const;
  int GetPixelFormat() const;
  bool RotateFlip(int rotateFlipType);

 protected:
  // The picture sources make pictures through it (image_making.h).
  friend struct ImageMaking;
  // Replaces the native image and its backing stream after a create/load;
  // used by Image and Bitmap alike.
  bool Adopt(GdipStatus status, void* image, MemoryStream&& backing);
  MemoryStream stream_;
};

// Pixel block from Bitmap::LockBits: scan0 points at the first row, stride
// bytes apart (negative for bottom-up data).
struct LockedPixels {
  unsigned width = 0, height = 0;
  int stride = 0;
  int pixelFormat = 0;
  void* scan0 = nullptr;
  void* reserved = nullptr;
};

class Bitmap : public Image {
 public:
  Bitmap() = default;
  Bitmap(Bitmap&& other) noexcept = default;
  Bitmap& operator=(Bitmap&& other) noexcept = default;

  bool CreateFromFile(const Text& path, bool useIcm = false);
  bool CreateFromFileW(const wchar_t* path, bool useIcm = false);
  bool CreateFromBytes(const Bytes& bytes, bool useIcm = false);

  // A bitmap over the caller's pixel buffer (which must outlive it).
  bool CreateFromBuffer(int width, int height, int stride, int pixelFormat, void* pixels);
  // A new bitmap whose pixel memory GDI+ owns (transparent black).
  bool CreateFromScan0(int width, int height, int pixelFormat = PixelFormat32bppARGB);
  bool CreateFromGdiDib(const BITMAPINFO* info, void* bits);
  bool CreateFromHBITMAP(HBITMAP bitmap, HPALETTE palette = nullptr);
  bool CreateFromHICON(HICON icon);
  // A GDI bitmap of the picture over background; the caller deletes it.
  HBITMAP GetHBITMAP(Argb background) const;
  // An icon of the picture; the caller destroys it.
  HICON GetHICON() const;
  // A copy of a part of the picture into target.
  bool CloneArea(float x, float y, float width, float height, int pixelFormat, Bitmap& target) const;
  bool CloneAreaI(int x, int y, int width, int height, int pixelFormat, Bitmap& target) const;
  bool LockBits(const RectI& rect, int lockMode, int pixelFormat, LockedPixels& locked);
  bool UnlockBits(LockedPixels& locked);
  // ARGB at (x, y); 0 when outside or on failure.
  Argb GetPixel(int x, int y) const;
  bool SetPixel(int x, int y, Argb colour);
  bool SetResolution(float dpiX, float dpiY);

  // The picture rotated by angle degrees about its centre into a new
  // 32-bpp ARGB bitmap (size: given, else RotatedSize truncated), optionally
  // cleared to background and drawn with the given interpolation mode. On
  // success this object holds the new bitmap; on failure it is unchanged.
  bool RotatedCopy(float angle, std::optional<Argb> background = std::nullopt,
                   std::optional<int> interpolation = std::nullopt,
                   std::optional<SizeF> size = std::nullopt);
  // Width and height of the box around a width x height picture rotated by
  // angle degrees (corner distances, hence (width - 1, height - 1) at 0).
  static SizeF RotatedSize(float width, float height, float angle);
};

// Encoders installed in GDI+, in the order GDI+ lists them.
struct ImageEncoderInfo {
  Text clsid;        // GuidToText of the codec CLSID
  Text formatId;     // GuidToText of the file format GUID
  Text codecName, dllName, formatDescription, filenameExtension, mimeType;
  unsigned flags = 0, version = 0;
};
std::vector<ImageEncoderInfo> ListImageEncoders();
// CLSID text of the first encoder whose format GUID text equals formatText
// byte for byte; empty when none does.
Text FindEncoderClsid(const Text& formatText);
