// The drawn combo box, read back from the screen and the composite: the
// outline in its three looks, the drop-down button's face plain and hot
// (focus leaves it plain), the drawn text of a drop-down list, and the
// child windows keyed out of the picture.
#include <windows.h>

#include "tests/control_lists/list_fixture.h"

namespace {

constexpr int kTolerance = 4;
constexpr int kGradientTolerance = 10;

class ComboLook : public ListFixture {
 protected:
  HWND MakeDropList(const char* item = "abc") {
    HWND combo = AddCombo(CBS_DROPDOWNLIST, 20, 20, 160, 200, {item});
    SendMessageA(combo, CB_SETCURSEL, 0, 0);
    Install();
    return combo;
  }
  void Paint(HWND combo, bool hot, std::optional<bool> focus = std::nullopt) {
    PaintComboBox(host->RecordIndex(), ComboIndex(combo), hot, focus);
  }
  std::uint32_t Behind(HWND combo, int x, int y) { return CaptureFrameBehind(*host, combo).At(x, y); }
  void ExpectPixel(HWND combo, int x, int y, std::uint32_t expected, int tolerance, const char* what) {
    const PixelImage screen = CaptureWindowArea(combo);
    const PixelImage composite = CaptureCompositeOf(*host, combo);
    EXPECT_TRUE(NearRgb(screen.At(x, y), expected, tolerance))
        << what << " on screen at " << x << "," << y << ": " << RgbText(screen.At(x, y))
        << " expected " << RgbText(expected);
    EXPECT_TRUE(NearRgb(composite.At(x, y), expected, tolerance))
        << what << " in the composite at " << x << "," << y << ": "
        << RgbText(composite.At(x, y)) << " expected " << RgbText(expected);
  }
  RECT ButtonOf(HWND combo) {
    COMBOBOXINFO info = {};
    info.cbSize = sizeof(info);
    EXPECT_TRUE(SendMessageA(combo, CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(&info)));
    return info.rcButton;
  }
  SIZE SizeOf(HWND window) {
    RECT r = {};
    GetWindowRect(window, &r);
    return {r.right - r.left, r.bottom - r.top};
  }
};

std::uint32_t Lerp(std::uint32_t a, std::uint32_t b, double t) {
  std::uint32_t out = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const double ca = (a >> shift) & 0xFF, cb = (b >> shift) & 0xFF;
    out |= static_cast<std::uint32_t>(ca + (cb - ca) * t + 0.5) << shift;
  }
  return out;
}

TEST_F(ComboLook, OutlineIsBlackPlainAndAccentWhenHotOrFocused) {
  HWND combo = MakeDropList();
  const SIZE size = SizeOf(combo);
  const int y = size.cy / 2;
  Paint(combo, false, false);
  ExpectPixel(combo, 0, y, Blend(Behind(combo, 0, y), kBlackRgb, 80), kTolerance, "plain, left");
  ExpectPixel(combo, size.cx / 2, size.cy - 1,
              Blend(Behind(combo, size.cx / 2, size.cy - 1), kBlackRgb, 80), kTolerance,
              "plain, bottom");
  Paint(combo, false, true);
  ExpectPixel(combo, 0, y, Blend(Behind(combo, 0, y), kAccentRgb, 200), kTolerance, "focus");
  Paint(combo, true, false);
  ExpectPixel(combo, size.cx / 2, 0, Blend(Behind(combo, size.cx / 2, 0), kAccentRgb, 200),
              kTolerance, "hot, top");
  // Focus not given comes from the record.
  ComboOf(combo).hasFocus = 1;
  Paint(combo, false);
  ExpectPixel(combo, 0, y, Blend(Behind(combo, 0, y), kAccentRgb, 200), kTolerance, "record focus");
  // Indices that name no combo box paint nothing.
  PaintComboBox(host->RecordIndex(), 7, true);
  PaintComboBox(99, 1, true);
}

TEST_F(ComboLook, ButtonFaceIsPlainUnlessHotAndIgnoresFocus) {
  HWND combo = MakeDropList();
  const RECT b = ButtonOf(combo);
  const int bh = b.bottom - b.top;
  ASSERT_GT(bh, 8);
  const int x = b.left + 2;  // left of the arrow, inside the face
  for (int y : {b.top + 3, b.top + bh / 2, b.bottom - 4}) {
    SCOPED_TRACE(y);
    const double t = (y + 0.5 - b.top) / (bh - 2);
    const std::uint32_t behind = Behind(combo, x, y);
    const std::uint32_t plain = Blend(behind, kAccentRgb, static_cast<int>(30 + 70 * t));
    const std::uint32_t hot =
        Blend(behind, Lerp(kWhiteRgb, kAccentRgb, t), static_cast<int>(100 + 50 * t));
    Paint(combo, false, false);
    ExpectPixel(combo, x, y, plain, kGradientTolerance, "plain face");
    Paint(combo, false, true);
    ExpectPixel(combo, x, y, plain, kGradientTolerance, "focused face");
    Paint(combo, true, false);
    ExpectPixel(combo, x, y, hot, kGradientTolerance, "hot face");
  }
  // The button outline: black 80 plain, accent 200 hot, on its left edge.
  const int y = b.top + bh / 2;
  Paint(combo, false, false);
  ExpectPixel(combo, b.left, y, Blend(Behind(combo, b.left, y), kBlackRgb, 80), kTolerance,
              "button outline");
  Paint(combo, true, false);
  ExpectPixel(combo, b.left, y, Blend(Behind(combo, b.left, y), kAccentRgb, 200), kTolerance,
              "hot button outline");
}

TEST_F(ComboLook, ButtonShowsTheDownArrowInItsMiddle) {
  HWND combo = MakeDropList();
  const RECT b = ButtonOf(combo);
  Paint(combo, false, false);
  const PixelImage screen = CaptureWindowArea(combo);
  // The arrow is a black triangle 7 wide: its top row is dark across the middle.
  const int cx = b.left + (b.right - b.left) / 2;
  const int top = b.top + (b.bottom - b.top - 4) / 2;
  int dark = 0;
  for (int y = top - 1; y <= top + 1; ++y) {
    for (int x = cx - 3; x <= cx + 3; ++x) {
      if (NearRgb(screen.At(x, y), kBlackRgb, 40)) ++dark;
    }
  }
  EXPECT_GE(dark, 5);
}

// Pixels of image in box that differ from reference by more than tolerance.
int CountChanged(const PixelImage& image, const PixelImage& reference, const RECT& box, int tolerance) {
  int n = 0;
  for (int y = box.top; y < box.bottom; ++y) {
    for (int x = box.left; x < box.right; ++x) {
      if (!NearRgb(image.At(x, y), reference.At(x, y), tolerance)) ++n;
    }
  }
  return n;
}

TEST_F(ComboLook, DropDownListDrawsItsTextLeftAndCentred) {
  HWND combo = MakeDropList("MMMMMM");
  HWND empty = AddCombo(CBS_DROPDOWNLIST, 20, 80, 160, 200, {"x"});
  Install();
  const SIZE size = SizeOf(combo);
  const int top = (size.cy - 12) / 2;
  const RECT textBox = {2, top, size.cx - 17, top + 12};
  Paint(combo, false, false);
  Paint(empty, false, false);
  const PixelImage drawn = CaptureCompositeOf(*host, combo);
  EXPECT_GT(CountChanged(drawn, CaptureFrameBehind(*host, combo), textBox, 60), 30);
  EXPECT_EQ(CountChanged(CaptureCompositeOf(*host, empty), CaptureFrameBehind(*host, empty),
                         {2, 1, size.cx - 20, size.cy - 1}, 60),
            0);
  // Nothing of the text lies left of x 2 or right of the free space.
  EXPECT_EQ(CountChanged(drawn, CaptureFrameBehind(*host, combo), {1, 1, 2, size.cy - 1}, 60), 0);
}

TEST_F(ComboLook, DropDownKeysOutItsEditFieldAndDrawsNoText) {
  HWND combo = AddCombo(CBS_DROPDOWN, 20, 20, 160, 200, {"MMMMMM"});
  SendMessageA(combo, CB_SETCURSEL, 0, 0);
  Install();
  constexpr std::uint32_t kMarker = 0x123456;
  FillCompositeAt(combo, kMarker);
  Paint(combo, false, false);
  const PixelImage composite = CaptureCompositeOf(*host, combo);
  const RECT field = WindowRectInParent(FindWindowExA(combo, nullptr, "Edit", nullptr));
  ASSERT_FALSE(IsRectEmpty(&field));
  int untouched = 0, total = 0;
  for (int y = field.top; y < field.bottom; ++y) {
    for (int x = field.left; x < field.right; ++x, ++total) {
      if (composite.At(x, y) == kMarker) ++untouched;
    }
  }
  EXPECT_EQ(untouched, total);
  EXPECT_NE(composite.At(0, field.top), kMarker);  // the outline is drawn
}

TEST_F(ComboLook, SimpleComboKeysOutItsFieldAndMostOfItsList) {
  HWND combo = AddCombo(CBS_SIMPLE, 20, 20, 160, 120, {"alpha", "beta"});
  Install();
  HWND list = FindWindowExA(combo, nullptr, "ComboLBox", nullptr);
  ASSERT_NE(list, nullptr);
  constexpr std::uint32_t kMarker = 0x123456;
  FillCompositeAt(combo, kMarker);
  Paint(combo, false, false);
  const PixelImage composite = CaptureCompositeOf(*host, combo);
  const RECT r = WindowRectInParent(list);
  const int midY = (r.top + r.bottom) / 2, midX = (r.left + r.right) / 2;
  EXPECT_EQ(composite.At(r.left + 2, midY), kMarker);
  EXPECT_EQ(composite.At(r.right - 3, midY), kMarker);
  EXPECT_EQ(composite.At(midX, r.bottom - 3), kMarker);
  // The list's outer two pixels are painted by the combo box, on screen
  // (the composite keeps every visible child out).
  const PixelImage screen = CaptureWindowArea(combo);
  EXPECT_TRUE(NearRgb(screen.At(r.left + 1, midY), Behind(combo, r.left + 1, midY), kTolerance));
  EXPECT_TRUE(NearRgb(screen.At(r.right - 2, midY), Behind(combo, r.right - 2, midY), kTolerance));
  // Inside that edge the list shows its own white face.
  EXPECT_EQ(screen.At(r.left + 2, midY), kWhiteRgb);
  const RECT field = WindowRectInParent(FindWindowExA(combo, nullptr, "Edit", nullptr));
  EXPECT_EQ(composite.At(field.left, (field.top + field.bottom) / 2), kMarker);
}

TEST_F(ComboLook, SimpleComboDrawsNoTextOverItsList) {
  HWND combo = AddCombo(CBS_SIMPLE, 20, 20, 160, 120, {"alpha", "beta"});
  Install();
  SetWindowTextA(combo, "MMMMMMMMMM");
  PumpMessages();
  HWND list = FindWindowExA(combo, nullptr, "ComboLBox", nullptr);
  const RECT r = WindowRectInParent(list);
  const SIZE size = SizeOf(combo);
  // The text row of a drop-down list would lie across the middle of the list.
  const int top = (size.cy - 12) / 2;
  ASSERT_GT(top, r.top + 2);
  ASSERT_LT(top + 12, r.bottom - 2);
  const PixelImage before = CaptureWindowArea(combo);
  Paint(combo, false, false);
  const PixelImage after = CaptureWindowArea(combo);
  EXPECT_EQ(CountChanged(after, before, {r.left + 2, top, r.right - 2, top + 12}, 0), 0);
}

TEST_F(ComboLook, WithoutBackdropTheFaceIsOpaqueWhite) {
  HWND combo = MakeDropList("");
  SetControlSkinOptions(1);
  ASSERT_EQ(ControlBackdropSet, 0);
  const SIZE size = SizeOf(combo);
  Paint(combo, false, false);
  ExpectPixel(combo, size.cx / 2, 1, kWhiteRgb, kTolerance, "opaque face");
  ExpectPixel(combo, 0, size.cy / 2, Blend(kWhiteRgb, kBlackRgb, 80), kTolerance, "outline on white");
}

}  // namespace
