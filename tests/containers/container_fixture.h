// Host window with a known frame picture (tests/control_host), controls made
// on it, and pixel helpers for what the container and label skins draw.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "skin/containers/container_skin.h"
#include "skin/containers/label_skin.h"
#include "tests/control_host/control_host.h"

// Pixels that differ from a reference image, and their bounding box.
struct InkBox {
  int count = 0;
  int left = 0, top = 0, right = -1, bottom = -1;  // inclusive
};

class ContainerSkinTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A host whose record says the application is active.
  void MakeHost(int width = 360, int height = 260);
  HWND GroupBox(const char* text, DWORD style, int x, int y, int width, int height,
                HWND parent = nullptr);
  // An automatic radio button; first starts a group.
  HWND Radio(const char* text, HWND parent, int x, int y, bool first = false);
  HWND Label(const char* text, int x, int y, int width, int height, HWND parent = nullptr);
  // A plain child window of a class of the test's own, whose procedure
  // counts what reaches it and paints its client area kPanelColour.
  HWND Panel(int x, int y, int width, int height, HWND parent = nullptr);
  // Invalidates and paints the host and all its children now.
  void Settle();

  int Index() const { return host->RecordIndex(); }
  WindowRecord& Record() const { return host->Record(); }
  ContainerRecord* ContainerOf(HWND container) const;
  LabelRecord* LabelOf(HWND label) const;

  std::unique_ptr<HostWindow> host;
};

// What reached the own procedure of panel (of every panel when 0), counted
// by message number.
int PanelMessages(UINT message, HWND panel = nullptr);
void ClearPanelMessages();
inline constexpr std::uint32_t kPanelColour = 0x2040C0;  // 0x00RRGGBB

PixelImage Screen(HWND control);  // the control's client area on screen
PixelImage BehindClient(const HostWindow& host, HWND control);  // frame picture behind it
PixelImage CompositeOf(const HostWindow& host, HWND control);   // its place in the composite

// Pixels darker than the reference by at least by in the sum of their
// channels (text drawn over the picture), rows top..bottom.
InkBox InkPixels(const PixelImage& image, const PixelImage& reference, int by, int top = 0,
                 int bottom = 1 << 20);
// Pixels lighter than the reference in every channel that has room to be.
int LighterPixels(const PixelImage& image, const PixelImage& reference, int by);

WNDPROC CurrentProc(HWND window);

// The labels of the main window: 14 px, black, white glow, near/near, wrap.
LabelSkinOptions MainWindowLabelOptions();
