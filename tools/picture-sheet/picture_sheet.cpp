// picture-sheet [output.png]: decodes every embedded skin picture with GDI+
// and writes one PNG that shows each of them enlarged pixel for pixel on a
// checkerboard (so that transparency shows), labelled with its name, size
// and decoded pixel format. For looking at the artwork; not part of the
// program.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "graphics/assets/skin_pictures.h"
#include "graphics/gdiplus/gdiplus_objects.h"

namespace {

constexpr int kMargin = 16;
constexpr int kLabelHeight = 36;  // two lines: name, then size and format
constexpr int kSmallScale = 6;    // pictures of title-bar size and smaller
constexpr int kFlowWidth = 720;   // the small pictures flow in this band
constexpr int kCheckerSquare = 6;
constexpr Argb kPaper = 0xFFFFFFFF;
constexpr Argb kCheckerLight = 0xFF6F93BA;  // title-band blues, so white
constexpr Argb kCheckerDark = 0xFF55799F;   // glyphs and black arrows show
constexpr Argb kLabelColour = 0xFF202020;
constexpr Argb kFailureColour = 0xFFD02020;

struct SheetItem {
  const char* name;
  Bitmap picture;
  bool decoded = false;
  int scale = 1;
  int x = 0, y = 0;  // cell origin (label top-left)
  int width = 0, height = 0;  // picture area, scaled
};

std::string PixelFormatName(int format) {
  switch (format) {
    case PixelFormat32bppARGB: return "32bppARGB";
    case PixelFormat24bppRGB: return "24bppRGB";
    default: {
      char text[16];
      std::snprintf(text, sizeof(text), "0x%X", static_cast<unsigned>(format));
      return text;
    }
  }
}

std::string Label(const SheetItem& item) {
  if (!item.decoded) return std::string(item.name) + "\ndecode failed";
  return std::string(item.name) + "\n" + std::to_string(item.picture.Width()) + "x" +
         std::to_string(item.picture.Height()) + "  " +
         PixelFormatName(item.picture.GetPixelFormat()) +
         (item.scale > 1 ? "  x" + std::to_string(item.scale) : "");
}

// Places the small pictures in rows across the flow band and the large ones
// in a column to its right; returns the sheet size.
SIZE LayOut(std::vector<SheetItem>& items) {
  int x = kMargin, y = kMargin, rowHeight = 0, bottom = 0;
  int columnX = kFlowWidth + kMargin, columnY = kMargin, right = kFlowWidth;
  for (SheetItem& item : items) {
    const int w = item.decoded ? static_cast<int>(item.picture.Width()) : 26;
    const int h = item.decoded ? static_cast<int>(item.picture.Height()) : 18;
    const bool large = w > 64 || h > 64;
    item.scale = large ? 1 : kSmallScale;
    item.width = w * item.scale;
    item.height = h * item.scale;
    const int cellWidth = std::max(item.width, 210) + kMargin;
    const int cellHeight = kLabelHeight + item.height + kMargin;
    if (large) {
      item.x = columnX;
      item.y = columnY;
      columnY += cellHeight;
      right = std::max(right, columnX + cellWidth);
      bottom = std::max(bottom, columnY);
      continue;
    }
    if (x + cellWidth > kFlowWidth && x > kMargin) {
      x = kMargin;
      y += rowHeight;
      rowHeight = 0;
    }
    item.x = x;
    item.y = y;
    x += cellWidth;
    rowHeight = std::max(rowHeight, cellHeight);
    bottom = std::max(bottom, y + rowHeight);
  }
  return SIZE{right + kMargin, bottom + kMargin};
}

void DrawChecker(Graphics& g, const SolidBrush& light, const SolidBrush& dark, int x, int y,
                 int w, int h) {
  g.FillRectangleI(light, x, y, w, h);
  for (int cy = 0; cy < h; cy += kCheckerSquare)
    for (int cx = (cy / kCheckerSquare) % 2 * kCheckerSquare; cx < w; cx += 2 * kCheckerSquare)
      g.FillRectangleI(dark, x + cx, y + cy, std::min(kCheckerSquare, w - cx),
                       std::min(kCheckerSquare, h - cy));
}

bool DrawSheet(std::vector<SheetItem>& items, SIZE size, const Text& path) {
  Bitmap sheet;
  if (!sheet.CreateFromScan0(size.cx, size.cy)) return false;
  Graphics g;
  if (!g.FromImage(sheet)) return false;
  g.Clear(kPaper);
  // Every source pixel becomes one sharp square.
  g.SetInterpolationMode(InterpolationModeNearestNeighbor);
  g.SetPixelOffsetMode(PixelOffsetModeHalf);
  g.SetTextRenderingHint(TextRenderingHintAntiAlias);

  SolidBrush light, dark, ink, failure;
  light.Create(kCheckerLight);
  dark.Create(kCheckerDark);
  ink.Create(kLabelColour);
  failure.Create(kFailureColour);
  Font font;
  font.Create("宋体", 13.0f);

  for (SheetItem& item : items) {
    g.DrawString(Label(item), font, ink,
                 RectF{float(item.x), float(item.y), 400.0f, float(kLabelHeight)});
    const int px = item.x, py = item.y + kLabelHeight;
    DrawChecker(g, light, dark, px, py, item.width, item.height);
    if (item.decoded) {
      g.DrawImageRect(item.picture, float(px), float(py), float(item.width), float(item.height));
    } else {
      g.FillRectangleI(failure, px, py, item.width, item.height);
    }
  }
  font.Delete();
  g.Delete();
  return sheet.SaveToFile(path, Text(ImageFormatPNG));
}

}  // namespace

int main(int argc, char** argv) {
  const Text output = argc > 1 ? argv[1] : "picture-sheet.png";
  const std::uintptr_t token = StartGdiPlus();
  if (!token) {
    std::fprintf(stderr, "picture-sheet: GDI+ did not start\n");
    return 2;
  }
  int failures = 0;
  bool written = false;
  {
    std::vector<SheetItem> items;
    for (const PictureEntry& entry : AllSkinPictures()) {
      items.push_back(SheetItem{entry.name, Bitmap()});
      SheetItem& item = items.back();
      item.decoded = item.picture.CreateFromBytes(CopyPictureBytes(entry.bytes()));
      if (!item.decoded) ++failures;
    }
    const SIZE size = LayOut(items);
    for (const SheetItem& item : items) {
      std::string line = Label(item);
      line[line.find('\n')] = ' ';
      std::printf("%s\n", line.c_str());
    }
    written = DrawSheet(items, size, output);
  }
  ShutdownGdiPlus(token, true);
  if (!written) {
    std::fprintf(stderr, "picture-sheet: could not write %s (GDI+ status %d)\n", output.c_str(),
                 static_cast<int>(LastStatus));
    return 1;
  }
  std::printf("written: %s\n", output.c_str());
  return failures ? 1 : 0;
}
