// Arithmetic of the edit box skin: the border kind that decides the
// outline, and where the client area lies inside the box's window
// rectangle.
//
// Pure arithmetic over style values: no window is touched.
#pragma once

#include <windows.h>

#include <cstdint>

// Thickness the edit skin assumes for every standard scroll bar.
inline constexpr int kStandardScrollBarThickness = 17;

// 0 no border, 1 WS_BORDER, 2 a 3D edge (window edge, client edge or
// dialog frame); WS_BORDER wins.
inline constexpr int kBorderNone = 0;
inline constexpr int kBorderFlat = 1;
inline constexpr int kBorderEdge = 2;
int BorderKind(std::uint32_t style, std::uint32_t exStyle);

// The client area (clientWidth x clientHeight) inside a window of
// windowWidth x windowHeight, with equal borders on opposite sides and a
// 17-pixel bar for each of WS_VSCROLL and WS_HSCROLL in style. Offsets are
// floored.
RECT EditClientBoxFor(int windowWidth, int windowHeight, int clientWidth, int clientHeight,
                         std::uint32_t style);
