#include "app/clipboard_text.h"

#include <windows.h>

#include <cstring>

namespace {

// Keeps the clipboard open for its lifetime.
class OpenedClipboard {
 public:
  OpenedClipboard() : open_(OpenClipboard(nullptr) != FALSE) {}
  ~OpenedClipboard() {
    if (open_) CloseClipboard();
  }
  OpenedClipboard(const OpenedClipboard&) = delete;
  OpenedClipboard& operator=(const OpenedClipboard&) = delete;
  bool IsOpen() const { return open_; }

 private:
  bool open_;
};

// Owns a global memory block until the clipboard takes it over.
class GlobalBlock {
 public:
  explicit GlobalBlock(SIZE_T size) : block_(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size)) {}
  ~GlobalBlock() {
    if (block_) GlobalFree(block_);
  }
  GlobalBlock(const GlobalBlock&) = delete;
  GlobalBlock& operator=(const GlobalBlock&) = delete;
  HGLOBAL Get() const { return block_; }
  // After a successful hand-over the system owns the block.
  void Release() { block_ = nullptr; }

 private:
  HGLOBAL block_;
};

}  // namespace

bool PutClipboardText(const Text& text) {
  OpenedClipboard clipboard;
  if (!clipboard.IsOpen()) return false;
  if (!EmptyClipboard()) return false;

  GlobalBlock block(text.size() + 1);
  if (!block.Get()) return false;
  void* bytes = GlobalLock(block.Get());
  if (!bytes) return false;
  std::memcpy(bytes, text.c_str(), text.size() + 1);
  GlobalUnlock(block.Get());

  if (!SetClipboardData(CF_TEXT, block.Get())) return false;
  block.Release();
  return true;
}
