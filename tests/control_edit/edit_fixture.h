// Shared pieces of the edit box and scroll-bar tests: a host window with a
// skinned frame record, edit boxes made on it, and pixel reads of windows
// and of the composite.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "skin/controls/edit_skin.h"
#include "skin/controls/scroll_bar_windows.h"
#include "tests/control_host/control_host.h"

// Edit styles of the main window's list boxes and input boxes.
inline constexpr DWORD kMultiLineStyle =
    ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_HSCROLL;
inline constexpr DWORD kSingleLineStyle = ES_AUTOHSCROLL;

class EditFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // An edit box on the host (or on parent), visible unless hidden is set.
  HWND AddEdit(DWORD style, DWORD exStyle, int x, int y, int width, int height,
               const char* text = "", bool hidden = false, HWND parent = nullptr);
  // InstallEditSkins for the host's children (or parent's).
  void Install(HWND parent = nullptr);
  EditRecord& RecordOf(HWND edit);
  HWND VerticalBar(HWND edit) { return RecordOf(edit).verticalBar; }
  HWND HorizontalBar(HWND edit) { return RecordOf(edit).horizontalBar; }

  // Replaces the frame picture (and the composite) with one colour, so
  // that drawn shapes can be found by comparing pixels along a line.
  void UseUniformBackground(std::uint32_t rgb);

  std::unique_ptr<HostWindow> host;
};

// The whole window rectangle of window as it is on screen (GetWindowDC).
PixelImage CaptureWindowArea(HWND window);
// window's place in the composite of its skinned window.
PixelImage CaptureCompositeOf(HWND host, HWND window);
// The frame picture behind window's place.
PixelImage CaptureFrameBehind(HWND host, HWND window);

// A multi-line text of count numbered lines, each width characters wide.
std::string NumberedLines(int count, int width = 8);

// The rows in column x, from first to last (exclusive), whose pixel differs
// from reference by more than tolerance: the first and last such row, or
// -1, -1 when none does.
struct RowSpan {
  int first = -1, last = -1;
};
RowSpan DifferingRows(const PixelImage& image, int x, int first, int last, std::uint32_t reference,
                      int tolerance);
// The same along row y, over columns.
RowSpan DifferingColumns(const PixelImage& image, int y, int first, int last,
                         std::uint32_t reference, int tolerance);

// Screen point lParam as in WM_NCMOUSEMOVE.
LPARAM PackScreenPoint(int x, int y);
