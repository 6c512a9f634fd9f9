// Bytes held in movable global memory behind a COM stream: how pictures
// reach GDI+ from byte buffers and how encoded pictures come back.
#pragma once

#include <windows.h>
#include <objidl.h>

#include <cstddef>
#include <optional>

#include "app/text_ops.h"

class MemoryStream {
 public:
  MemoryStream() = default;
  ~MemoryStream() { Release(); }
  MemoryStream(const MemoryStream&) = delete;
  MemoryStream& operator=(const MemoryStream&) = delete;
  MemoryStream(MemoryStream&& other) noexcept;
  MemoryStream& operator=(MemoryStream&& other) noexcept;

  // Releases what is held, then makes a stream over a new zero-filled block
  // of size bytes (the byte count of bytes when not given) holding the
  // first bytes of bytes. Returns the stream, nullptr on failure.
  IStream* Create(const Bytes& bytes, std::optional<std::size_t> size = std::nullopt);
  // Releases the stream once, then frees its memory. Safe when empty.
  void Release();
  // Size of the memory block in bytes (0 when none).
  std::size_t Size() const;
  IStream* GetStream() const { return stream_; }
  HGLOBAL GetMemoryHandle() const { return memory_; }
  // Releases what is held, then takes over stream (one reference) and reads
  // the memory behind it; that memory stays the stream's. True when the
  // stream has a memory block.
  bool Attach(IStream* stream);
  // A copy of the whole memory block.
  Bytes ReadAll() const;

 private:
  HGLOBAL memory_ = nullptr;
  IStream* stream_ = nullptr;
  bool ownsMemory_ = false;  // made by Create: Release frees it
};
