// Flat form of the request record handed between the runner and its worker.
#include "web/request_slots.h"

#include <cstdint>

namespace {

const unsigned char kTag[4] = {'R', 'Q', 'S', '1'};
constexpr std::size_t kLengthBytes = 4;

void PutLength(Bytes& out, std::uint32_t n) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<unsigned char>(n >> shift));
}

std::uint32_t GetLength(const unsigned char* p) {
  return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
         std::uint32_t(p[3]) << 24;
}

bool ValidIndex(int index) { return index >= 0 && index < kRequestSlotCount; }

}  // namespace

Text SlotText(const RequestSlots& slots, int index) {
  return ValidIndex(index) ? BytesToText(slots.slot[index]) : Text();
}

void SetSlotText(RequestSlots& slots, int index, const Text& text) {
  if (ValidIndex(index)) slots.slot[index] = TextToBytes(text);
}

Bytes EncodeRequestSlots(const RequestSlots& slots) {
  std::size_t total = sizeof kTag;
  for (const Bytes& b : slots.slot) {
    if (b.size() > UINT32_MAX) return Bytes();
    total += kLengthBytes + b.size();
  }
  Bytes out;
  out.reserve(total);
  out.insert(out.end(), kTag, kTag + sizeof kTag);
  for (const Bytes& b : slots.slot) {
    PutLength(out, static_cast<std::uint32_t>(b.size()));
    out.insert(out.end(), b.begin(), b.end());
  }
  return out;
}

bool DecodeRequestSlots(const unsigned char* data, std::size_t size, RequestSlots& out) {
  if (data == nullptr || size < sizeof kTag) return false;
  for (std::size_t i = 0; i < sizeof kTag; ++i) {
    if (data[i] != kTag[i]) return false;
  }
  RequestSlots read;
  std::size_t at = sizeof kTag;
  for (Bytes& b : read.slot) {
    if (size - at < kLengthBytes) return false;
    const std::uint32_t n = GetLength(data + at);
    at += kLengthBytes;
    if (size - at < n) return false;  // compared without forming data + at + n
    b.assign(data + at, data + at + n);
    at += n;
  }
  if (at != size) return false;
  out = std::move(read);
  return true;
}

bool DecodeRequestSlots(const Bytes& data, RequestSlots& out) {
  return DecodeRequestSlots(data.data(), data.size(), out);
}
