// The full render of a frame into its back buffer, the caches taken along
// the way, the window region, presentation and the children's invalidation.
#include "skin/frame/frame_render.h"

#include "graphics/paint/child_invalidation.h"
#include "graphics/paint/clipping.h"
#include "graphics/paint/dib_section.h"
#include "graphics/paint/memory_dc_table.h"
#include "skin/frame/title_buttons.h"
#include "skin/state/skin_state.h"

namespace {

constexpr int kRegionCorner = 5;

// A new memory DC with a fresh DIB of width x height selected into it. The
// DC keeps its stock bitmap when the DIB cannot be made.
struct CacheDc {
  HDC dc = nullptr;
  HBITMAP bitmap = nullptr;
  HBITMAP previous = nullptr;
};

CacheDc MakeCacheDc(int width, int height) {
  CacheDc cache;
  cache.dc = CreateCompatibleDC(nullptr);
  if (cache.dc == nullptr) return cache;
  cache.bitmap = CreateDib32(width, height);
  if (cache.bitmap != nullptr) {
    cache.previous = static_cast<HBITMAP>(SelectObject(cache.dc, cache.bitmap));
  }
  return cache;
}

// Selects a new back buffer into frameDC. The bitmap the DC was made with is
// remembered in Ck_Ycjdx; a previous back buffer is deleted. With no new
// bitmap the DC keeps what it has.
void NewBackBuffer(WindowRecord& rec, bool freshDc, int width, int height) {
  HBITMAP buffer = CreateDib32(width, height);
  if (buffer == nullptr) return;
  // frameDC's owner deletes the bitmap selected last; the one it displaces
  // is the DC's stock bitmap the first time and the old back buffer after.
  GdiObjectOwner previous(SelectObject(rec.frameDC.get(), buffer));
  if (freshDc) SetPropHandle(rec.hwnd, Ck_Ycjdx, previous.release());
  SetPropHandle(rec.hwnd, Ck_wtjbdx, buffer);
}

void TakeTitleCache(WindowRecord& rec, int width) {
  rec.titleCacheDC.reset();
  const CacheDc cache = MakeCacheDc(width, rec.titleHeight);
  rec.titleCacheOldBitmap = cache.previous;
  rec.titleCacheBitmap = cache.bitmap;
  rec.titleCacheDC.reset(cache.dc);
  if (cache.dc != nullptr) {
    BitBlt(cache.dc, 0, 0, width, rec.titleHeight, rec.frameDC.get(), 0, 0, SRCCOPY);
  }
}

void TakeStatusCache(WindowRecord& rec) {
  rec.statusCacheDC.reset();
  const int w = rec.statusHeight > 0 ? rec.statusRect.width : 0;
  const int h = rec.statusHeight > 0 ? rec.statusRect.height : 0;
  const CacheDc cache = MakeCacheDc(w, h);
  rec.statusCacheOldBitmap = cache.previous;
  rec.statusCacheBitmap = cache.bitmap;
  rec.statusCacheDC.reset(cache.dc);
  if (cache.dc != nullptr && w > 0 && h > 0) {
    BitBlt(cache.dc, 0, 0, w, h, rec.frameDC.get(), rec.statusRect.x, rec.statusRect.y, SRCCOPY);
  }
}

// Copies frameDC to dc (the window's DC when not given) with the visible
// children kept out; a given DC gets its clip back afterwards.
void PresentFrame(const WindowRecord& rec, HDC dc, bool dcGiven, int width, int height) {
  if (dcGiven && dc != nullptr) {
    const int saved = SaveDC(dc);
    BitBlt(GetDcWithoutChildren(rec.hwnd, dc, true), 0, 0, width, height, rec.frameDC.get(), 0, 0,
           SRCCOPY);
    if (saved != 0) RestoreDC(dc, saved);
    return;
  }
  const WindowDc target = WindowDc::Adopt(rec.hwnd, GetDcWithoutChildren(rec.hwnd, nullptr, false));
  if (target) BitBlt(target.get(), 0, 0, width, height, rec.frameDC.get(), 0, 0, SRCCOPY);
}

template <class T>
void InvalidateOnFrame(const RecordList<T>& list, HWND frame, BOOL erase, bool withChildren) {
  for (const auto& r : list) {
    const HWND control = RecordWindow(*r);
    if (control == nullptr || GetParent(control) != frame) continue;
    InvalidateRect(control, nullptr, erase);
    if (withChildren) InvalidateVisibleChildren(control);
  }
}

}  // namespace

void ShowFrameArea(const WindowRecord& rec, int x, int y, int w, int h) {
  const WindowDc screen = WindowDc::Client(rec.hwnd);
  if (screen) BitBlt(screen.get(), x, y, w, h, rec.frameDC.get(), x, y, SRCCOPY);
}

void RenderFrame(int index, HDC dc, bool present) {
  WindowRecord* rec = WindowRecordAt(index);
  if (rec == nullptr) return;
  const HWND window = rec->hwnd;
  RECT client{};
  GetClientRect(window, &client);
  const int width = client.right;
  const int height = client.bottom;

  if (rec->titleBarLive && present) SetFrameRegion(window);

  bool freshDc = false;
  if (!rec->frameDC) {
    rec->frameDC.reset(CreateCompatibleDC(nullptr));
    freshDc = true;
  }
  if (!rec->frameDC) return;
  NewBackBuffer(*rec, freshDc, width, height);

  {
    Graphics graphics;
    graphics.CreateFromHDC(rec->frameDC.get());
    PaintBackground(graphics, index);
    if (rec->titleBarLive) {
      PaintFrameBorder(index, graphics);
      graphics.Flush(true);
      TakeTitleCache(*rec, width);
    }
    graphics.Flush(true);
    TakeStatusCache(*rec);
    if (rec->titleBarLive) {
      if (rec->drawCaption) PaintCaption(index, &graphics, true);
      for (int i = 1; i <= ListLength(rec->titleButtons); ++i) {
        PaintTitleButton(index, i, &graphics, true, false, 0);
      }
    }
    if (rec->statusHeight > 0) {
      for (int i = 1; i <= ListLength(rec->statusItemRects); ++i) {
        PaintStatusItem(index, &graphics, true, i);
      }
    }
  }

  rec->frameCopy.reset(CreateRememberedMemoryDc(width, height));
  if (rec->frameCopy) {
    BitBlt(rec->frameCopy.get(), 0, 0, width, height, rec->frameDC.get(), 0, 0, SRCCOPY);
  }

  if (present) PresentFrame(*rec, dc, dc != nullptr, width, height);
  rec->needsFullRedraw = false;
  rec->lastClientWidth = width;
  rec->lastClientHeight = height;
  if (present) InvalidateFrameChildren(index);
}

void SetFrameRegion(HWND window) {
  SetWindowRgn(window, nullptr, TRUE);
  SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER);
  RECT client{};
  GetClientRect(window, &client);
  RegionOwner region(
      CreateRoundRectRgn(0, 0, client.right + 1, client.bottom + 1, kRegionCorner, kRegionCorner));
  if (!region) return;
  // The system owns the region once it is set; a refused one stays ours.
  if (SetWindowRgn(window, region.get(), TRUE) != 0) region.release();
}

void RestoreFromTitleCache(int index, const RECT& rect) {
  const WindowRecord* rec = WindowRecordAt(index);
  if (rec == nullptr || !rec->frameDC || !rec->titleCacheDC) return;
  BitBlt(rec->frameDC.get(), rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
         rec->titleCacheDC.get(), rect.left, rect.top, SRCCOPY);
}

void InvalidateFrameChildren(int index) {
  const WindowRecord* rec = WindowRecordAt(index);
  if (rec == nullptr) return;
  const HWND frame = rec->hwnd;
  InvalidateOnFrame(rec->lists, frame, TRUE, true);
  InvalidateOnFrame(rec->combos, frame, TRUE, false);
  InvalidateOnFrame(rec->edits, frame, TRUE, false);
  InvalidateOnFrame(rec->buttons, frame, FALSE, false);
  InvalidateOnFrame(rec->trackbars, frame, FALSE, false);
  InvalidateOnFrame(rec->progressBars, frame, FALSE, false);
  InvalidateOnFrame(rec->upDowns, frame, FALSE, false);
}

void BlitFrame(int index, HDC dc, bool dcGiven) {
  const WindowRecord* rec = WindowRecordAt(index);
  if (rec == nullptr || !rec->frameDC) return;
  RECT r{};
  GetWindowRect(rec->hwnd, &r);
  PresentFrame(*rec, dc, dcGiven, r.right - r.left, r.bottom - r.top);
}
