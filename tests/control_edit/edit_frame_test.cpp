// The drawn edit box: outline pixels in each look, the transparent frame
// and client background, the WM_CTLCOLOR* bitmap and its release.
#include <algorithm>

#include "skin/controls/keyed_present.h"
#include "tests/control_edit/edit_fixture.h"

namespace {

constexpr std::uint32_t kAccentRgb = 0x22CADD;  // AccentColour 0xDDCA22 as 0x00RRGGBB
constexpr std::uint32_t kBlackRgb = 0x000000;
constexpr std::uint32_t kWhiteRgb = 0xFFFFFF;
constexpr int kTolerance = 4;

class EditFrame : public EditFixture {
 protected:
  // Checks the frame pixel at (x, y) of box on screen and in the composite.
  void ExpectFramePixel(HWND box, int x, int y, std::uint32_t expected, const char* what) {
    const PixelImage screen = CaptureWindowArea(box);
    const PixelImage composite = CaptureCompositeOf(host->get(), box);
    EXPECT_TRUE(NearRgb(screen.At(x, y), expected, kTolerance))
        << what << " on screen at " << x << "," << y << ": " << RgbText(screen.At(x, y))
        << " expected " << RgbText(expected);
    EXPECT_TRUE(NearRgb(composite.At(x, y), expected, kTolerance))
        << what << " in the composite at " << x << "," << y << ": " << RgbText(composite.At(x, y))
        << " expected " << RgbText(expected);
  }
  std::uint32_t Behind(HWND box, int x, int y) { return CaptureFrameBehind(host->get(), box).At(x, y); }
};

TEST_F(EditFrame, FlatBorderShowsBlackOrAccentAndIgnoresHot) {
  // An edit box made with WS_BORDER draws that border itself inside its
  // client area; a flat non-client border is given afterwards.
  HWND box = AddEdit(kSingleLineStyle, 0, 20, 20, 150, 24, "");
  SetWindowLongA(box, GWL_STYLE, GetWindowLongA(box, GWL_STYLE) | WS_BORDER);
  SetWindowPos(box, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  Install();
  ASSERT_EQ(EditBorderKind(box), 1);
  const int y = 12;
  PaintEditFrame(box, false, false);
  ExpectFramePixel(box, 0, y, Blend(Behind(box, 0, y), kBlackRgb, 80), "plain outline, left");
  ExpectFramePixel(box, 149, y, Blend(Behind(box, 149, y), kBlackRgb, 80), "plain outline, right");
  ExpectFramePixel(box, 75, 0, Blend(Behind(box, 75, 0), kBlackRgb, 80), "plain outline, top");
  PaintEditFrame(box, true, false);
  ExpectFramePixel(box, 0, y, Blend(Behind(box, 0, y), kAccentRgb, 180), "focus outline");
  ExpectFramePixel(box, 75, 23, Blend(Behind(box, 75, 23), kAccentRgb, 180), "focus outline, bottom");
  PaintEditFrame(box, false, true);  // hot: no double line on a flat border
  ExpectFramePixel(box, 0, y, Blend(Behind(box, 0, y), kBlackRgb, 80), "hot flat outline");
}

TEST_F(EditFrame, ClientEdgeUnderTheMouseShowsTheDoubleAccentLine) {
  HWND box = AddEdit(kSingleLineStyle, WS_EX_CLIENTEDGE, 20, 20, 150, 26, "");
  Install();
  const int y = 13;
  PaintEditFrame(box, false, true);
  const std::uint32_t outer = Blend(Blend(Behind(box, 0, y), kWhiteRgb, 60), kAccentRgb, 90);
  ExpectFramePixel(box, 0, y, outer, "outer hot line");
  ExpectFramePixel(box, 1, y, Blend(Behind(box, 1, y), kAccentRgb, 180), "inner hot line");
  ExpectFramePixel(box, 148, y, Blend(Behind(box, 148, y), kAccentRgb, 180), "inner hot line, right");
  PaintEditFrame(box, true, false);
  ExpectFramePixel(box, 0, y, Blend(Behind(box, 0, y), kAccentRgb, 180), "focus outline");
  ExpectFramePixel(box, 1, y, Behind(box, 1, y), "background inside the outline");
}

TEST_F(EditFrame, BoxWithoutBorderGetsNoOutline) {
  HWND box = AddEdit(kMultiLineStyle, 0, 20, 20, 200, 120, NumberedLines(30).c_str());
  Install();
  PaintEditFrame(box, true, true);
  // The ring here is the place of the standard bars; nothing is outlined.
  const PixelImage composite = CaptureCompositeOf(host->get(), box);
  const PixelImage behind = CaptureFrameBehind(host->get(), box);
  EXPECT_TRUE(NearRgb(composite.At(0, 0), behind.At(0, 0), kTolerance));
  EXPECT_TRUE(NearRgb(composite.At(199, 60), behind.At(199, 60), kTolerance));
}

TEST_F(EditFrame, WithoutBackdropTheRingIsOpaqueWhite) {
  HWND box = AddEdit(kSingleLineStyle, WS_EX_CLIENTEDGE, 20, 20, 150, 26, "");
  Install();
  ControlBackdropSet = 0;
  PaintEditFrame(box, false, false);
  ExpectFramePixel(box, 1, 13, kWhiteRgb, "cleared ring");
  ExpectFramePixel(box, 0, 13, Blend(kWhiteRgb, kBlackRgb, 80), "outline over white");
}

TEST_F(EditFrame, FocusAndHoverMessagesRepaintTheOutline) {
  HWND box = AddEdit(kSingleLineStyle, WS_EX_CLIENTEDGE, 20, 20, 150, 26, "abc");
  HWND other = AddEdit(kSingleLineStyle, WS_EX_CLIENTEDGE, 20, 80, 150, 26, "");
  Install();
  const int y = 13;
  const std::uint32_t plain = Blend(Behind(box, 0, y), kBlackRgb, 80);
  const std::uint32_t focus = Blend(Behind(box, 0, y), kAccentRgb, 180);

  SetForegroundWindow(host->get());
  SetFocus(box);
  EXPECT_EQ(RecordOf(box).hasFocus, 1);
  RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  ExpectFramePixel(box, 0, y, focus, "focused");

  SetFocus(other);  // the box invalidates itself; its next paint draws it plain
  EXPECT_EQ(RecordOf(box).hasFocus, 0);
  UpdateWindow(box);
  ExpectFramePixel(box, 0, y, plain, "after losing the focus");

  SendMessageA(box, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  WindowRecord& record = host->Record();
  EXPECT_EQ(record.hotControlIndex, GetPropInt(box, Hw_lbID));
  EXPECT_EQ(record.hotControlClass, kHotClassEdit);
  EXPECT_EQ(record.hotControlParent, host->get());
  EXPECT_EQ(record.controlUnderMouse, GetPropInt(box, Hw_lbID));
  ExpectFramePixel(box, 1, y, Blend(Behind(box, 1, y), kAccentRgb, 180), "hot");

  // Moving within the same box paints nothing again.
  PaintEditFrame(box, false, false);
  SendMessageA(box, WM_MOUSEMOVE, 0, MAKELPARAM(6, 5));
  ExpectFramePixel(box, 0, y, plain, "no repaint while still hot");

  SendMessageA(box, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(record.hotControlIndex, 0);
  ExpectFramePixel(box, 1, y, Behind(box, 1, y), "left");
  // Entering again paints hot again.
  SendMessageA(box, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  ExpectFramePixel(box, 1, y, Blend(Behind(box, 1, y), kAccentRgb, 180), "hot again");
  PumpMessages();
}

TEST_F(EditFrame, SystemNonClientPaintLeavesTheDrawnFrame) {
  HWND box = AddEdit(kSingleLineStyle, WS_EX_CLIENTEDGE, 20, 20, 150, 26, "");
  Install();
  RedrawWindow(box, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  PumpMessages();
  const int y = 13;
  ExpectFramePixel(box, 0, y, Blend(Behind(box, 0, y), kBlackRgb, 80), "outline after WM_NCPAINT");
  ExpectFramePixel(box, 1, y, Behind(box, 1, y), "no standard edge after WM_NCPAINT");
}

TEST_F(EditFrame, BackgroundBitmapHoldsThePictureBehindTheClientArea) {
  HWND box = AddEdit(kMultiLineStyle, WS_EX_CLIENTEDGE, 33, 27, 200, 120, "");
  Install();
  RECT client = {};
  GetClientRect(box, &client);
  const RECT c = EditClientBox(box);
  EXPECT_EQ(c.right - c.left, client.right);
  EXPECT_EQ(c.bottom - c.top, client.bottom);

  HBITMAP bitmap = EditBackgroundBitmap(box);
  ASSERT_NE(bitmap, nullptr);
  BITMAP info = {};
  ASSERT_EQ(GetObjectA(bitmap, sizeof(info), &info), static_cast<int>(sizeof(info)));
  EXPECT_EQ(info.bmWidth, client.right);
  EXPECT_EQ(info.bmHeight, client.bottom);
  EXPECT_GE(info.bmBitsPixel, 24);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, bitmap);
  const PixelImage image = CaptureDc(dc, 0, 0, client.right, client.bottom);
  SelectObject(dc, previous);
  DeleteDC(dc);
  DeleteObject(bitmap);
  const PixelImage behind = CaptureFrameBehind(host->get(), box);
  for (const POINT p : {POINT{0, 0}, POINT{client.right - 1, client.bottom - 1}, POINT{57, 33}}) {
    EXPECT_TRUE(NearRgb(image.At(p.x, p.y), behind.At(p.x + c.left, p.y + c.top), 0))
        << p.x << "," << p.y << ": " << RgbText(image.At(p.x, p.y));
  }
  // A white overlay at the module's alpha tints it.
  ControlOverlayAlpha = 128;
  bitmap = EditBackgroundBitmap(box);
  dc = CreateCompatibleDC(nullptr);
  previous = SelectObject(dc, bitmap);
  const PixelImage tinted = CaptureDc(dc, 0, 0, client.right, client.bottom);
  SelectObject(dc, previous);
  DeleteDC(dc);
  DeleteObject(bitmap);
  EXPECT_TRUE(NearRgb(tinted.At(57, 33), Blend(behind.At(57 + c.left, 33 + c.top), kWhiteRgb, 128), 3));
}

TEST_F(EditFrame, ClientAreaShowsTheBackgroundWithBlackText) {
  HWND box = AddEdit(kSingleLineStyle, WS_EX_CLIENTEDGE, 20, 20, 200, 30, "");
  Install();
  RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
  PumpMessages();
  const RECT c = EditClientBox(box);
  const PixelImage screen = CaptureWindowArea(box);
  const PixelImage behind = CaptureFrameBehind(host->get(), box);
  int different = 0;
  for (int y = c.top; y < c.bottom; ++y) {
    for (int x = c.left; x < c.right; ++x) {
      if (!NearRgb(screen.At(x, y), behind.At(x, y), kTolerance)) ++different;
    }
  }
  EXPECT_EQ(different, 0);

  SetWindowTextA(box, "WWWW");
  RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  PumpMessages();
  const PixelImage text = CaptureWindowArea(box);
  SavePng(text, "edit_text.png");
  // The text is black (Kj_Ztys 0) and drawn without an opaque background:
  // its darkest pixels are black, none of the changed pixels is the white
  // of a text background, and they all lie where the four letters are.
  int changed = 0, whiteish = 0, rightmost = 0;
  std::uint32_t darkest = 0xFFFFFF;
  for (int y = c.top; y < c.bottom; ++y) {
    for (int x = c.left; x < c.right; ++x) {
      if (NearRgb(text.At(x, y), behind.At(x, y), kTolerance)) continue;
      ++changed;
      rightmost = std::max(rightmost, x);
      if (NearRgb(text.At(x, y), kWhiteRgb, 30)) ++whiteish;
      const std::uint32_t p = text.At(x, y);
      const std::uint32_t level = std::max({p & 0xFF, (p >> 8) & 0xFF, (p >> 16) & 0xFF});
      const std::uint32_t best =
          std::max({darkest & 0xFF, (darkest >> 8) & 0xFF, (darkest >> 16) & 0xFF});
      if (level < best) darkest = p;
    }
  }
  EXPECT_GT(changed, 20);
  EXPECT_TRUE(NearRgb(darkest, kBlackRgb, 40)) << RgbText(darkest);
  EXPECT_EQ(whiteish, 0);
  EXPECT_LT(rightmost, c.left + 80);
}

TEST_F(EditFrame, KeyedPresentLeavesTheCompositeUnderMagenta) {
  HWND box = AddEdit(kSingleLineStyle, WS_EX_CLIENTEDGE, 20, 20, 100, 20, "");
  Install();
  host->ResetComposite();
  const PixelImage before = CaptureCompositeOf(host->get(), box);
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(host->Record().frameDC.get(), 100, 20);
  HGDIOBJ previous = SelectObject(dc, bitmap);
  HBRUSH magenta = CreateSolidBrush(kCompositeColourKey);
  HBRUSH blue = CreateSolidBrush(RGB(0, 0, 0xFF));
  const RECT left = {0, 0, 50, 20}, right = {50, 0, 100, 20};
  FillRect(dc, &left, magenta);
  FillRect(dc, &right, blue);
  EXPECT_TRUE(PresentKeyedToComposite(box, dc));
  const PixelImage after = CaptureCompositeOf(host->get(), box);
  EXPECT_EQ(after.At(10, 10), before.At(10, 10));
  EXPECT_EQ(after.At(49, 19), before.At(49, 19));
  EXPECT_EQ(after.At(50, 0), 0x0000FFu);
  EXPECT_EQ(after.At(99, 19), 0x0000FFu);
  SelectObject(dc, previous);
  DeleteObject(bitmap);
  DeleteDC(dc);
  DeleteObject(magenta);
  DeleteObject(blue);
  // A window without a record index presents nothing.
  HWND stranger = AddEdit(kSingleLineStyle, 0, 200, 20, 100, 20, "");
  EXPECT_FALSE(PresentKeyedToComposite(stranger, nullptr));
}

TEST_F(EditFrame, DestroyDeletesTheCtlColorBrushAndBitmap) {
  HWND box = AddEdit(kSingleLineStyle, WS_EX_CLIENTEDGE, 20, 20, 200, 30, "text");
  Install();
  RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  PumpMessages();
  HGDIOBJ brush = reinterpret_cast<HGDIOBJ>(static_cast<INT_PTR>(GetPropInt(box, Kj_dxjb)));
  HGDIOBJ bitmap = reinterpret_cast<HGDIOBJ>(static_cast<INT_PTR>(GetPropInt(box, Kj_wtjb)));
  ASSERT_EQ(GetObjectType(brush), static_cast<DWORD>(OBJ_BRUSH));
  ASSERT_EQ(GetObjectType(bitmap), static_cast<DWORD>(OBJ_BITMAP));
  DestroyWindow(box);
  EXPECT_EQ(GetObjectType(brush), 0u);
  EXPECT_EQ(GetObjectType(bitmap), 0u);
}

}  // namespace
