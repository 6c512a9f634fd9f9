#include "graphics/gdiplus/image.h"

#include <utility>

#include "graphics/gdiplus/flat_api.h"
#include "graphics/gdiplus/image_making.h"
#include "graphics/gdiplus/wide_text.h"

namespace {

// An EncoderParameters block for GDI+; the values stay in the caller's list.
class EncoderParameterBlock {
 public:
  explicit EncoderParameterBlock(const EncoderParameterList& list) {
    std::size_t n = list.empty() ? 1 : list.size();
    std::size_t bytes = sizeof(Gdiplus::EncoderParameters) + (n - 1) * sizeof(Gdiplus::EncoderParameter);
    block_.assign((bytes + 7) / 8, 0);
    auto* params = Get();
    params->Count = static_cast<UINT>(list.size());
    for (std::size_t i = 0; i < list.size(); ++i) {
      Gdiplus::EncoderParameter& p = params->Parameter[i];
      TextToGuid(list[i].guid, &p.Guid);
      p.NumberOfValues = static_cast<ULONG>(list[i].count);
      p.Type = static_cast<ULONG>(list[i].valueType);
      p.Value = const_cast<unsigned char*>(list[i].value.data());
    }
  }
  Gdiplus::EncoderParameters* Get() { return reinterpret_cast<Gdiplus::EncoderParameters*>(block_.data()); }

 private:
  std::vector<std::uint64_t> block_;
};

// The CLSID of the encoder for format (the picture's own when not given);
// false when no encoder has it.
bool EncoderFor(const GdiPlusObject& image, const std::optional<Text>& format, CLSID& clsid) {
  Text formatText;
  if (format) {
    formatText = *format;
  } else {
    GUID raw = {};
    if (!CallOn(image, flat::GdipGetImageRawFormat, &raw)) return false;
    formatText = GuidToText(&raw);
  }
  Text clsidText = FindEncoderClsid(formatText);
  if (clsidText.empty()) return false;
  return TextToGuid(clsidText, &clsid);
}

}  // namespace

// ---- Image ---------------------------------------------------------------

Image::Image(Image&& other) noexcept : GdiPlusObject(std::move(other)), stream_(std::move(other.stream_)) {}

Image& Image::operator=(Image&& other) noexcept {
  if (this != &other) {
    Dispose();
    TakeHandle(other);
    stream_ = std::move(other.stream_);
  }
  return *this;
}

bool Image::Dispose() {
  if (IsEmpty()) return false;
  const bool ok = CallOn(*this, flat::GdipDisposeImage);
  SetHandle(nullptr);
  // The native image goes first: it may still read from its stream.
  stream_.Release();
  return ok;
}

// The status must be taken before the call that reads the new handle, as
// a separate statement: argument evaluation order is unspecified.
bool Image::Adopt(GdipStatus status, void* image, MemoryStream&& backing) {
  if (!RecordStatus(status)) {
    // GDI+ writes no handle on failure; keep nothing it may have left.
    return false;
  }
  SetHandle(image);
  stream_ = std::move(backing);
  return true;
}

bool Image::LoadFromFile(const Text& path, bool useIcm) {
  return LoadFromFileW(ToWideText(path).c_str(), useIcm);
}

bool Image::LoadFromFileW(const wchar_t* path, bool useIcm) {
  return ImageMaking::FromFile(*this, path, useIcm, flat::GdipLoadImageFromFile, flat::GdipLoadImageFromFileICM);
}

bool Image::LoadFromBytes(const Bytes& bytes, bool useIcm) {
  return ImageMaking::FromBytes(*this, bytes, useIcm, flat::GdipLoadImageFromStream,
                                flat::GdipLoadImageFromStreamICM);
}

// The copy decodes eagerly and keeps no reference to this one's stream.
bool Image::Clone(Image& target) const { return ImageMaking::CopyInto(*this, target, flat::GdipCloneImage); }

bool Image::SaveToFile(const Text& path, std::optional<Text> format,
                       const std::optional<EncoderParameterList>& parameters) const {
  if (RecordIfEmpty(*this)) return false;
  CLSID clsid;
  if (!EncoderFor(*this, format, clsid)) return RecordStatus(UnknownImageFormat);
  WideText wide = ToWideText(path);
  if (parameters) {
    EncoderParameterBlock block(*parameters);
    return CallOn(*this, flat::GdipSaveImageToFile, wide.c_str(), &clsid, block.Get());
  }
  return CallOn(*this, flat::GdipSaveImageToFile, wide.c_str(), &clsid, nullptr);
}

Bytes Image::SaveToBytes(std::optional<Text> format, const std::optional<EncoderParameterList>& parameters) const {
  if (RecordIfEmpty(*this)) return Bytes();
  CLSID clsid;
  if (!EncoderFor(*this, format, clsid)) return Bytes();
  MemoryStream out;
  IStream* stream = out.Create(Bytes(), 0);
  if (!stream) return Bytes();
  bool saved = false;
  if (parameters) {
    EncoderParameterBlock block(*parameters);
    saved = CallOn(*this, flat::GdipSaveImageToStream, stream, &clsid, block.Get());
  } else {
    saved = CallOn(*this, flat::GdipSaveImageToStream, stream, &clsid, nullptr);
  }
  if (!saved) return Bytes();
  // The memory block may be larger than what was written: keep the
  // stream's own length only.
  Bytes bytes = out.ReadAll();
  STATSTG stat = {};
  if (SUCCEEDED(stream->Stat(&stat, STATFLAG_NONAME)) && stat.cbSize.QuadPart < bytes.size())
    bytes.resize(static_cast<std::size_t>(stat.cbSize.QuadPart));
  return bytes;
}

Text Image::GetRawFormat() const {
  if (RecordIfEmpty(*this)) return Text();
  GUID raw = {};
  if (!CallOn(*this, flat::GdipGetImageRawFormat, &raw)) return Text();
  return GuidToText(&raw);
}

RectF Image::GetBounds() const {
  Gdiplus::RectF r(0, 0, 0, 0);
  Gdiplus::Unit unit = Gdiplus::UnitPixel;
  if (RecordIfEmpty(*this)) return RectF{};
  if (!CallOn(*this, flat::GdipGetImageBounds, &r, &unit)) return RectF{};
  return FromGp(r);
}

int Image::GetType() const {
  Gdiplus::ImageType type = Gdiplus::ImageTypeUnknown;
  if (RecordIfEmpty(*this)) return 0;
  CallOn(*this, flat::GdipGetImageType, &type);
  return type;
}

unsigned Image::Width() const { return ReadValue<unsigned>(*this, flat::GdipGetImageWidth); }

unsigned Image::Height() const { return ReadValue<unsigned>(*this, flat::GdipGetImageHeight); }

float Image::GetHorizontalResolution() const { return ReadValue<float>(*this, flat::GdipGetImageHorizontalResolution); }

float Image::GetVerticalResolution() const { return ReadValue<float>(*this, flat::GdipGetImageVerticalResolution); }

unsigned Image::GetFlags() const { return ReadValue<unsigned>(*this, flat::GdipGetImageFlags); }

int Image::GetPixelFormat() const { return ReadValue<int>(*this, flat::GdipGetImagePixelFormat); }

bool Image::RotateFlip(int rotateFlipType) {
  return CallOn(*this, flat::GdipImageRotateFlip, static_cast<Gdiplus::RotateFlipType>(rotateFlipType));
}
