// The encoders GDI+ offers, and the choice of one by format GUID.
#include "graphics/gdiplus/image.h"

#include <cstring>

#include "graphics/gdiplus/flat_api.h"
#include "graphics/gdiplus/wide_text.h"

std::vector<ImageEncoderInfo> ListImageEncoders() {
  std::vector<ImageEncoderInfo> list;
  UINT count = 0, size = 0;
  if (!CallFlat(flat::GdipGetImageEncodersSize, &count, &size) || count == 0 || size == 0) return list;
  // The block holds the codec records followed by the texts they point at.
  std::vector<std::uint64_t> block((size + sizeof(std::uint64_t) - 1) / sizeof(std::uint64_t));
  auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(block.data());
  if (!CallFlat(flat::GdipGetImageEncoders, count, size, codecs)) return list;
  for (UINT i = 0; i < count; ++i) {
    const Gdiplus::ImageCodecInfo& c = codecs[i];
    ImageEncoderInfo info;
    info.clsid = GuidToText(&c.Clsid);
    info.formatId = GuidToText(&c.FormatID);
    info.codecName = FromWideText(c.CodecName);
    info.dllName = FromWideText(c.DllName);
    info.formatDescription = FromWideText(c.FormatDescription);
    info.filenameExtension = FromWideText(c.FilenameExtension);
    info.mimeType = FromWideText(c.MimeType);
    info.flags = c.Flags;
    info.version = c.Version;
    list.push_back(std::move(info));
  }
  return list;
}

Text FindEncoderClsid(const Text& formatText) {
  for (const ImageEncoderInfo& info : ListImageEncoders()) {
    if (info.formatId == formatText) return info.clsid;
  }
  return Text();
}

EncoderParameterList JpegQualityParameters(int quality) {
  EncoderParameterSpec spec;
  spec.guid = EncoderQuality;
  spec.count = 1;
  spec.valueType = EncoderParameterValueTypeLong;
  std::uint32_t value = static_cast<std::uint32_t>(quality);
  spec.value.resize(sizeof value);
  std::memcpy(spec.value.data(), &value, sizeof value);
  return EncoderParameterList{spec};
}
