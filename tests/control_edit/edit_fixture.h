// Shared pieces of the edit box and scroll-bar tests: a host window with a
// skinned frame record, edit boxes made on it, and pixel reads.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "skin/controls/edit/edit_skin.h"
#include "skin/controls/scroll_bars/scroll_bar_windows.h"
#include "tests/control_host/control_host.h"

// Edit styles of the main window's list boxes and input boxes.
inline constexpr DWORD kMultiLineStyle =
    ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_HSCROLL;
inline constexpr DWORD kSingleLineStyle = ES_AUTOHSCROLL;

class EditFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  HWND AddEdit(DWORD style, DWORD exStyle, int x, int y, int width, int height,
               const char* text = "", bool hidden = false);
  void Install();  // InstallEditSkins for the host's children
  EditRecord& RecordOf(HWND edit);
  HWND VerticalBar(HWND edit) { return RecordOf(edit).verticalBar; }
  HWND HorizontalBar(HWND edit) { return RecordOf(edit).horizontalBar; }
  // Paints the frame picture and the composite in one colour.
  void UseUniformBackground(std::uint32_t rgb);

  std::unique_ptr<HostWindow> host;
};

// The whole window rectangle of window as it is on screen (GetWindowDC).
PixelImage CaptureWindowArea(HWND window);

// A multi-line text of count numbered lines, each width characters wide.
std::string NumberedLines(int count, int width = 8);

// The first and last position from first to last (exclusive) along column x
// (vertical) or row x (horizontal) whose pixel differs from reference by
// more than tolerance; -1, -1 when none does.
struct RowSpan {
  int first = -1, last = -1;
};
RowSpan DifferingSpan(const PixelImage& image, bool vertical, int x, int first, int last,
                      std::uint32_t reference, int tolerance);
