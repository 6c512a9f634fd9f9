// Arithmetic of the edit box skin: the border kind that decides the
// outline, and where the client area lies inside the box's window
// rectangle.
//
// Pure arithmetic over style values: no window is touched.
#pragma once

#include <windows.h>

#include <cstdint>

inline constexpr std::uint32_t kStyleBorder = WS_BORDER;
inline constexpr std::uint32_t kStyleVScroll = WS_VSCROLL;
inline constexpr std::uint32_t kStyleHScroll = WS_HSCROLL;
inline constexpr std::uint32_t kExStyleDlgModalFrame = WS_EX_DLGMODALFRAME;
inline constexpr std::uint32_t kExStyleWindowEdge = WS_EX_WINDOWEDGE;
inline constexpr std::uint32_t kExStyleClientEdge = WS_EX_CLIENTEDGE;

// Thickness the edit skin assumes for every standard scroll bar.
inline constexpr int kStandardScrollBarThickness = 17;

// 0 no border, 1 WS_BORDER, 2 a 3D edge (window edge, client edge or
// dialog frame); WS_BORDER wins.
inline constexpr int kBorderNone = 0;
inline constexpr int kBorderFlat = 1;
inline constexpr int kBorderEdge = 2;
int BorderKind(std::uint32_t style, std::uint32_t exStyle);

struct EditBox {
  int left = 0, top = 0, right = 0, bottom = 0;
};

// The client area (clientWidth x clientHeight) inside a window of
// windowWidth x windowHeight, with equal borders on opposite sides and a
// 17-pixel bar for each of WS_VSCROLL and WS_HSCROLL in style. Offsets are
// floored.
EditBox EditClientBoxFor(int windowWidth, int windowHeight, int clientWidth, int clientHeight,
                         std::uint32_t style);
