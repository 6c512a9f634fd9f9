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

void BarSkinTest::MakeHost(int width, int height, int x, int y) {
  host = std::make_unique<HostWindow>(x, y, width, height);
  host->hook = [this](HWND, UINT message, WPARAM, LPARAM lParam, LRESULT*) {
    if (message == WM_NOTIFY) {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      notifyCodes.push_back(header->code);
      notifyFrom.push_back(header->hwndFrom);
    } else if (message == WM_HSCROLL) {
      ++hscrolls;
    } else if (message == WM_VSCROLL) {
      ++vscrolls;
    }
    return false;
  };
  PumpMessages();
}

HWND BarSkinTest::Add(const char* cls, DWORD style, int x, int y, int width, int height, int id,
                      HWND parent, const char* text) {
  return host->AddControl(cls, text, style, x, y, width, height, id, parent);
}

void BarSkinTest::Install(HWND parent) {
  HWND p = parent != nullptr ? parent : host->get();
  InstallTrackbarSkins(Index(), p);
  InstallProgressSkins(Index(), p);
  InstallUpDownSkins(Index(), p);
  InstallHeaderSkins(Index(), p);
  // As the frame does after its first full render: every child paints
  // again, now through its skin.
  RedrawWindow(p, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  PumpMessages();
}

void BarSkinTest::FillHostPicture(COLORREF colour) {
  HDC frame = host->Record().frameDC.get();
  HBRUSH brush = CreateSolidBrush(colour);
  RECT all{0, 0, host->width(), host->height()};
  FillRect(frame, &all, brush);
  DeleteObject(brush);
  host->ResetComposite();
  InvalidateRect(host->get(), nullptr, FALSE);
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

RECT BrightBox(const PixelImage& image, int floor, const RECT& within) {
  RECT box{within.right, within.bottom, within.left, within.top};
  for (int y = std::max<int>(0, within.top); y < std::min<int>(image.height, within.bottom); ++y) {
    for (int x = std::max<int>(0, within.left); x < std::min<int>(image.width, within.right); ++x) {
      const std::uint32_t c = image.At(x, y);
      if (static_cast<int>((c >> 16) & 0xFF) >= floor &&
          static_cast<int>((c >> 8) & 0xFF) >= floor && static_cast<int>(c & 0xFF) >= floor) {
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
    const double c = alpha > 0 ? (ca + cb) / alpha : 0;
    rgb |= static_cast<std::uint32_t>(std::lround(c)) << shift;
  }
  return Layer{rgb, static_cast<int>(std::lround(alpha))};
}

std::uint32_t Over(std::uint32_t dst, Layer layer) { return Blend(dst, layer.rgb, layer.alpha); }

// A 16 x 16 image list holding one red square.
HIMAGELIST RedImageList() {
  HIMAGELIST list = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 1, 1);
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 16, 16);
  HDC dc = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(dc, bitmap);
  HBRUSH red = CreateSolidBrush(RGB(230, 20, 20));
  RECT all{0, 0, 16, 16};
  FillRect(dc, &all, red);
  DeleteObject(red);
  SelectObject(dc, old);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  ImageList_AddMasked(list, bitmap, RGB(255, 0, 255));
  DeleteObject(bitmap);
  return list;
}
