// The drawn edit box: outline pixels in each look, the transparent client
// background, and the release of the WM_CTLCOLOR* objects.
#include "skin/controls/edit/ctl_colour_brushes.h"
#include "tests/control_edit/edit_fixture.h"

namespace {

constexpr std::uint32_t kAccentRgb = 0x22CADD;  // AccentColour 0xDDCA22 as 0x00RRGGBB
constexpr std::uint32_t kBlackRgb = 0x000000;
constexpr std::uint32_t kWhiteRgb = 0xFFFFFF;

class EditFrame : public EditFixture {
 protected:
  // The frame pixel at (x, y) of box, on screen and in the composite.
  void ExpectFramePixel(HWND box, int x, int y, std::uint32_t expected, const char* what) {
    const PixelImage screen = CaptureWindowArea(box);
    const PixelImage composite = CaptureComposite(*host, box);
    EXPECT_TRUE(NearRgb(screen.At(x, y), expected, 4))
        << what << " on screen: " << RgbText(screen.At(x, y)) << " expected " << RgbText(expected);
    EXPECT_TRUE(NearRgb(composite.At(x, y), expected, 4))
        << what << " in the composite: " << RgbText(composite.At(x, y));
  }
  std::uint32_t Behind(HWND box, int x, int y) { return CaptureBackground(*host, box).At(x, y); }
  std::uint32_t Over(HWND box, int x, int y, std::uint32_t rgb, int alpha) {
    return Blend(Behind(box, x, y), rgb, alpha);
  }
};

TEST_F(EditFrame, FlatBorderShowsBlackOrAccentAndIgnoresHot) {
  // WS_BORDER given after creation, so the box has a flat non-client border.
  HWND box = AddEdit(kSingleLineStyle, 0, 20, 20, 150, 24, "");
  SetWindowLongA(box, GWL_STYLE, GetWindowLongA(box, GWL_STYLE) | WS_BORDER);
  SetWindowPos(box, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  Install();
  ASSERT_EQ(EditBorderKind(box), 1);
  PaintEditFrame(box, false, false);
  ExpectFramePixel(box, 0, 12, Over(box, 0, 12, kBlackRgb, 80), "plain, left");
  ExpectFramePixel(box, 149, 12, Over(box, 149, 12, kBlackRgb, 80), "plain, right");
  PaintEditFrame(box, true, false);
  ExpectFramePixel(box, 75, 23, Over(box, 75, 23, kAccentRgb, 180), "focus, bottom");
  PaintEditFrame(box, false, true);
  ExpectFramePixel(box, 0, 12, Over(box, 0, 12, kBlackRgb, 80), "hot: no double line");
}

TEST_F(EditFrame, ClientEdgeUnderTheMouseShowsTheDoubleAccentLine) {
  HWND box = AddEdit(kSingleLineStyle, WS_EX_CLIENTEDGE, 20, 20, 150, 26, "");
  Install();
  PaintEditFrame(box, false, true);
  ExpectFramePixel(box, 0, 13, Blend(Over(box, 0, 13, kWhiteRgb, 60), kAccentRgb, 90), "outer hot");
  ExpectFramePixel(box, 1, 13, Over(box, 1, 13, kAccentRgb, 180), "inner hot");
  ExpectFramePixel(box, 148, 13, Over(box, 148, 13, kAccentRgb, 180), "inner hot, right");
  PaintEditFrame(box, true, false);
  ExpectFramePixel(box, 0, 13, Over(box, 0, 13, kAccentRgb, 180), "focus");
  ExpectFramePixel(box, 1, 13, Behind(box, 1, 13), "background inside the outline");
}

TEST_F(EditFrame, FocusHoverAndNonClientPaintsKeepTheDrawnOutline) {
  HWND box = AddEdit(kSingleLineStyle, WS_EX_CLIENTEDGE, 20, 20, 150, 26, "abc");
  HWND other = AddEdit(kSingleLineStyle, WS_EX_CLIENTEDGE, 20, 80, 150, 26, "");
  Install();
  const std::uint32_t plain = Over(box, 0, 13, kBlackRgb, 80);
  RedrawWindow(box, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  PumpMessages();
  ExpectFramePixel(box, 0, 13, plain, "after WM_NCPAINT");
  ExpectFramePixel(box, 1, 13, Behind(box, 1, 13), "no standard edge after WM_NCPAINT");

  SetForegroundWindow(host->get());
  SetFocus(box);
  RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  ExpectFramePixel(box, 0, 13, Over(box, 0, 13, kAccentRgb, 180), "focused");
  SetFocus(other);
  UpdateWindow(box);
  ExpectFramePixel(box, 0, 13, plain, "after losing the focus");

  const std::uint32_t hot = Over(box, 1, 13, kAccentRgb, 180);
  SendMessageA(box, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(host->Record().hotControlIndex, GetPropInt(box, Hw_lbID));
  ExpectFramePixel(box, 1, 13, hot, "hot");
  SendMessageA(box, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(host->Record().hotControlIndex, 0);
  SendMessageA(box, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  ExpectFramePixel(box, 1, 13, hot, "hot again after leaving");
  PumpMessages();
}

TEST_F(EditFrame, ClientAreaShowsThePictureBehindAndTextWithoutBackground) {
  HWND box = AddEdit(kMultiLineStyle, WS_EX_CLIENTEDGE, 33, 27, 200, 120, "");
  Install();
  RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
  PumpMessages();
  const RECT c = EditClientBox(box);
  const PixelImage behind = CaptureBackground(*host, box);
  auto changed = [&](const PixelImage& shot, int& whiteish) {
    int n = 0;
    whiteish = 0;
    for (int y = c.top; y < c.bottom; ++y) {
      for (int x = c.left; x < c.right; ++x) {
        if (NearRgb(shot.At(x, y), behind.At(x, y), 4)) continue;
        ++n;
        whiteish += NearRgb(shot.At(x, y), kWhiteRgb, 30) ? 1 : 0;
      }
    }
    return n;
  };
  int whiteish = 0;
  EXPECT_EQ(changed(CaptureWindowArea(box), whiteish), 0);

  SetWindowTextA(box, "WWWW");
  RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  PumpMessages();
  EXPECT_GT(changed(CaptureWindowArea(box), whiteish), 20) << "no text";
  EXPECT_EQ(whiteish, 0) << "the text has an opaque background";

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

TEST_F(EditFrame, NoBackgroundBrushWithoutASkinBehindTheBox) {
  // A box whose window is not skinned: nothing to make a brush of. The old
  // objects go, nothing new is kept, and the message is to be passed on.
  HWND plain = CreateWindowExA(0, "EDIT", "x", WS_POPUP, 0, 0, 80, 20, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(plain, nullptr);
  HBITMAP oldBitmap = CreateBitmap(4, 4, 1, 32, nullptr);
  HBRUSH oldBrush = CreatePatternBrush(oldBitmap);
  SetPropHandle(plain, Kj_dxjb, oldBrush);
  SetPropHandle(plain, Kj_wtjb, oldBitmap);
  HDC dc = GetDC(plain);
  LRESULT result = 12345;
  EXPECT_FALSE(AnswerBackgroundBrush(dc, plain, result));
  ReleaseDC(plain, dc);
  EXPECT_EQ(result, 12345);
  EXPECT_EQ(GetObjectType(oldBrush), 0u);
  EXPECT_EQ(GetObjectType(oldBitmap), 0u);
  EXPECT_EQ(GetPropHandle<HGDIOBJ>(plain, Kj_dxjb), nullptr);
  EXPECT_EQ(GetPropHandle<HGDIOBJ>(plain, Kj_wtjb), nullptr);
  DestroyWindow(plain);
}

}  // namespace
