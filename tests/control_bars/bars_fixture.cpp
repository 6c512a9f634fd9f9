#include "bars_fixture.h"

#include <algorithm>
#include <cmath>

void BarSkinTest::SetUp() {
  INITCOMMONCONTROLSEX init{
      sizeof(init), ICC_BAR_CLASSES | ICC_UPDOWN_CLASS | ICC_LISTVIEW_CLASSES | ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&init);
  ResetControlSkinState();
}

void BarSkinTest::TearDown() {
  host.reset();
  PumpMessages();
  ResetControlSkinState();
}

void BarSkinTest::MakeHost(int width, int height, bool keepPicture, COLORREF fill) {
  host = std::make_unique<HostWindow>(60, 60, width, height);
  host->hook = [this](HWND, UINT message, WPARAM, LPARAM lParam, LRESULT*) {
    if (message == WM_NOTIFY) notifyCodes.push_back(reinterpret_cast<const NMHDR*>(lParam)->code);
    if (message == WM_HSCROLL) ++hscrolls;
    return false;
  };
  if (!keepPicture) {
    HBRUSH brush = CreateSolidBrush(fill);
    RECT all{0, 0, width, height};
    FillRect(host->Record().frameDC.get(), &all, brush);
    DeleteObject(brush);
    host->ResetComposite();
    InvalidateRect(host->get(), nullptr, FALSE);
  }
  PumpMessages();
}

HWND BarSkinTest::Add(const char* cls, DWORD style, int x, int y, int width, int height, int id,
                      const char* text) {
  return host->AddControl(cls, text, style, x, y, width, height, id, nullptr);
}

void BarSkinTest::Install() {
  InstallTrackbarSkins(Index(), host->get());
  InstallProgressSkins(Index(), host->get());
  InstallUpDownSkins(Index(), host->get());
  InstallHeaderSkins(Index(), host->get());
  RedrawWindow(host->get(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  PumpMessages();
}

PixelImage Screen(HWND control) {
  RECT r{};
  GetWindowRect(control, &r);
  HDC dc = GetWindowDC(control);
  PixelImage image = CaptureDc(dc, 0, 0, r.right - r.left, r.bottom - r.top);
  ReleaseDC(control, dc);
  return image;
}

RECT BrightBox(const PixelImage& image, int floor) {
  RECT box{image.width, image.height, 0, 0};
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      const std::uint32_t c = image.At(x, y);
      if (static_cast<int>(std::min({(c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF})) >= floor) {
        box.left = std::min<LONG>(box.left, x);
        box.top = std::min<LONG>(box.top, y);
        box.right = std::max<LONG>(box.right, x + 1);
        box.bottom = std::max<LONG>(box.bottom, y + 1);
      }
    }
  }
  return box;
}

Layer Between(Layer a, Layer b, double f) {
  f = std::fmax(0.0, std::fmin(1.0, f));
  const double alpha = a.alpha + (b.alpha - a.alpha) * f;
  std::uint32_t rgb = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const double ca = ((a.rgb >> shift) & 0xFF) * a.alpha * (1 - f);
    const double cb = ((b.rgb >> shift) & 0xFF) * b.alpha * f;
    rgb |= static_cast<std::uint32_t>(std::lround(alpha > 0 ? (ca + cb) / alpha : 0)) << shift;
  }
  return Layer{rgb, static_cast<int>(std::lround(alpha))};
}

std::uint32_t Over(std::uint32_t dst, Layer layer) { return Blend(dst, layer.rgb, layer.alpha); }

HIMAGELIST RedImageList() {
  HIMAGELIST list = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 1, 1);
  const std::vector<std::uint32_t> red(16 * 16, 0xFFE61414u);
  HBITMAP bitmap = CreateBitmap(16, 16, 1, 32, red.data());
  ImageList_AddMasked(list, bitmap, RGB(255, 0, 255));
  DeleteObject(bitmap);
  return list;
}
