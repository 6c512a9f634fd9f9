// The frame of the container and label skin tests: a host window with a
// known frame picture (tests/control_host), controls made on it, and pixel
// helpers for what the skins draw over that picture.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "skin/containers/container_skin.h"
#include "skin/containers/label_skin.h"
#include "tests/control_host/control_host.h"

// Pixels that differ from a reference image, and where.
struct InkBox {
  int count = 0;
  int left = 0, top = 0, right = -1, bottom = -1;  // inclusive; right < left when empty
};

class ContainerSkinTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A host at screen (x, y) whose record says the application is active.
  void MakeHost(int width = 360, int height = 260, int x = 40, int y = 40);
  HWND GroupBox(const char* text, DWORD style, int x, int y, int width, int height,
                HWND parent = nullptr);
  // An automatic radio button; first starts a group.
  HWND Radio(const char* text, HWND parent, int x, int y, int width, int height, bool first = false,
             int id = 0);
  HWND Label(const char* text, int x, int y, int width, int height, HWND parent = nullptr);
  // Invalidates and paints the host and all its children now.
  void Settle();

  int Index() const { return host->RecordIndex(); }
  WindowRecord& Record() const { return host->Record(); }
  ContainerRecord* ContainerOf(HWND container) const;
  LabelRecord* LabelOf(HWND label) const;

  std::unique_ptr<HostWindow> host;
};

// The control's client area on screen.
PixelImage Screen(HWND control);
// The host's frame picture behind control's client area.
PixelImage BehindClient(const HostWindow& host, HWND control);
// The control's client area in the host's composite.
PixelImage CompositeOf(const HostWindow& host, HWND control);

// Pixels darker than the reference by at least by in the sum of their
// channels (text drawn over the picture).
InkBox InkPixels(const PixelImage& image, const PixelImage& reference, int by, int top = 0,
                 int bottom = 1 << 20);
// Pixels lighter than the reference by at least by in every channel.
int LighterPixels(const PixelImage& image, const PixelImage& reference, int by);

// r as "(left, top, right, bottom)".
std::string RectText(const RECT& r);

// A GDI font that lives as long as the object.
class TestFont {
 public:
  TestFont(int height, const char* face);
  ~TestFont();
  TestFont(const TestFont&) = delete;
  TestFont& operator=(const TestFont&) = delete;
  HFONT get() const { return font_; }

 private:
  HFONT font_ = nullptr;
};
