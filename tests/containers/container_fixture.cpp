// The frame of the container and label skin tests.
#include "container_fixture.h"

#include <algorithm>

#include "graphics/paint/memory_dc_table.h"
#include "graphics/paint/window_geometry.h"

namespace {

int Channel(std::uint32_t rgb, int shift) { return static_cast<int>((rgb >> shift) & 0xFF); }

void Include(InkBox& box, int x, int y) {
  if (box.count == 0) {
    box.left = box.right = x;
    box.top = box.bottom = y;
  } else {
    box.left = std::min(box.left, x);
    box.right = std::max(box.right, x);
    box.top = std::min(box.top, y);
    box.bottom = std::max(box.bottom, y);
  }
  ++box.count;
}

}  // namespace

void ContainerSkinTest::SetUp() { ResetControlSkinState(); }

void ContainerSkinTest::TearDown() {
  host.reset();
  EXPECT_EQ(MemoryDcCount(), 0) << "a composed DC was not released";
  ResetControlSkinState();
}

void ContainerSkinTest::MakeHost(int width, int height, int x, int y) {
  host = std::make_unique<HostWindow>(x, y, width, height);
  Record().active = 1;
}

HWND ContainerSkinTest::GroupBox(const char* text, DWORD style, int x, int y, int width,
                                 int height, HWND parent) {
  return host->AddControl("BUTTON", text, BS_GROUPBOX | style, x, y, width, height, 0, parent);
}

HWND ContainerSkinTest::Radio(const char* text, HWND parent, int x, int y, int width, int height,
                              bool first, int id) {
  const DWORD style = BS_AUTORADIOBUTTON | WS_TABSTOP | (first ? WS_GROUP : 0);
  return host->AddControl("BUTTON", text, style, x, y, width, height, id, parent);
}

HWND ContainerSkinTest::Label(const char* text, int x, int y, int width, int height, HWND parent) {
  return host->AddControl("STATIC", text, SS_LEFT, x, y, width, height, 0, parent);
}

void ContainerSkinTest::Settle() {
  PumpMessages();
  RedrawWindow(host->get(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  PumpMessages();
}

ContainerRecord* ContainerSkinTest::ContainerOf(HWND container) const {
  return RecordAt(Record().containers, FindContainerRecord(Index(), container));
}

LabelRecord* ContainerSkinTest::LabelOf(HWND label) const {
  for (auto& record : Record().labels) {
    if (record->hwnd == label) return record.get();
  }
  return nullptr;
}

PixelImage Screen(HWND control) { return CaptureClient(control); }

PixelImage BehindClient(const HostWindow& host, HWND control) {
  const RECT r = ClientBoxInSkinnedWindow(control);
  return CaptureDc(host.Record().frameDC.get(), r.left, r.top, r.right - r.left, r.bottom - r.top);
}

PixelImage CompositeOf(const HostWindow& host, HWND control) {
  const RECT r = ClientBoxInSkinnedWindow(control);
  return CaptureDc(host.Record().frameCopy.get(), r.left, r.top, r.right - r.left,
                   r.bottom - r.top);
}

InkBox InkPixels(const PixelImage& image, const PixelImage& reference, int by, int top,
                 int bottom) {
  InkBox box;
  if (image.width != reference.width || image.height != reference.height) return box;
  auto sum = [](std::uint32_t p) { return Channel(p, 16) + Channel(p, 8) + Channel(p, 0); };
  for (int y = std::max(top, 0); y <= std::min(bottom, image.height - 1); ++y) {
    for (int x = 0; x < image.width; ++x) {
      if (sum(reference.At(x, y)) - sum(image.At(x, y)) >= by) Include(box, x, y);
    }
  }
  return box;
}

int LighterPixels(const PixelImage& image, const PixelImage& reference, int by) {
  if (image.width != reference.width || image.height != reference.height) return 0;
  int n = 0;
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      const std::uint32_t p = image.At(x, y);
      const std::uint32_t q = reference.At(x, y);
      bool lighter = true;
      for (int shift : {16, 8, 0}) {
        const int room = 255 - Channel(q, shift);
        lighter = lighter && Channel(p, shift) >= Channel(q, shift) + std::min(by, room);
      }
      // A channel already at 255 cannot get lighter; demand it of the others.
      n += lighter && p != q ? 1 : 0;
    }
  }
  return n;
}

TestFont::TestFont(int height, const char* face)
    : font_(CreateFontA(-height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET,
                        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                        DEFAULT_PITCH, face)) {}

TestFont::~TestFont() {
  if (font_ != nullptr) DeleteObject(font_);
}

std::string RectText(const RECT& r) {
  return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " +
         std::to_string(r.right) + ", " + std::to_string(r.bottom) + ")";
}
