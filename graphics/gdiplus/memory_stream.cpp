#include "graphics/gdiplus/memory_stream.h"

#include <cstring>
#include <utility>

MemoryStream::MemoryStream(MemoryStream&& other) noexcept
    : memory_(std::exchange(other.memory_, nullptr)),
      stream_(std::exchange(other.stream_, nullptr)),
      ownsMemory_(std::exchange(other.ownsMemory_, false)) {}

MemoryStream& MemoryStream::operator=(MemoryStream&& other) noexcept {
  if (this != &other) {
    Release();
    memory_ = std::exchange(other.memory_, nullptr);
    stream_ = std::exchange(other.stream_, nullptr);
    ownsMemory_ = std::exchange(other.ownsMemory_, false);
  }
  return *this;
}

IStream* MemoryStream::Create(const Bytes& bytes, std::optional<std::size_t> size) {
  Release();
  std::size_t n = size.value_or(bytes.size());
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, n);
  if (!memory) return nullptr;
  IStream* stream = nullptr;
  // The stream does not free the memory on its last release: Release does.
  if (FAILED(CreateStreamOnHGlobal(memory, FALSE, &stream)) || !stream) {
    GlobalFree(memory);
    return nullptr;
  }
  std::size_t copy = n < bytes.size() ? n : bytes.size();
  if (copy > 0) {
    if (void* data = GlobalLock(memory)) {
      std::memcpy(data, bytes.data(), copy);
      GlobalUnlock(memory);
    }
  }
  memory_ = memory;
  stream_ = stream;
  ownsMemory_ = true;
  return stream_;
}

void MemoryStream::Release() {
  if (!stream_) return;
  stream_->Release();
  if (ownsMemory_ && memory_) GlobalFree(memory_);
  stream_ = nullptr;
  memory_ = nullptr;
  ownsMemory_ = false;
}

std::size_t MemoryStream::Size() const { return memory_ ? GlobalSize(memory_) : 0; }

bool MemoryStream::Attach(IStream* stream) {
  Release();
  if (!stream) return false;
  HGLOBAL memory = nullptr;
  GetHGlobalFromStream(stream, &memory);
  stream_ = stream;
  memory_ = memory;
  // Whoever made the stream decided whether it frees its memory; an
  // attached stream's memory is never freed here as well.
  ownsMemory_ = false;
  return memory != nullptr;
}

Bytes MemoryStream::ReadAll() const {
  Bytes bytes;
  if (!memory_) return bytes;
  std::size_t n = GlobalSize(memory_);
  if (n == 0) return bytes;
  if (const void* data = GlobalLock(memory_)) {
    bytes.assign(static_cast<const unsigned char*>(data), static_cast<const unsigned char*>(data) + n);
    GlobalUnlock(memory_);
  }
  return bytes;
}
