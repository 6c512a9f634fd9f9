// The two layers of a skinned window: a control painter presents its
// finished image into the window record's composite DC (frameCopy), and the
// screen is refreshed from that composite.
//
// The record is found through the window's property: Kj_FuID (useKjProps,
// toolbars) or Hw_FuID, and Hw_lbID when that is 0 (the record's own window).
#pragma once

#include <windows.h>

#include <functional>
#include <optional>

// Copies sourceDC (from its 0, 0) into the composite DC at window's place:
// its window rectangle (useWindowRect) or its client box, in the skinned
// window's coordinates. The window's visible children are kept out of the
// copy; the composite's clip is reset afterwards. False (nothing done) when
// the window carries no valid record index.
bool PresentToComposite(HWND window, HDC sourceDC, bool useKjProps, bool useWindowRect);

// The last step of a painter that composed window's picture into composed
// (width x height from 0, 0): PresentToComposite, then the picture onto a
// fresh DC of window that keeps its visible children out
// (GetDcWithoutChildren), released afterwards.
void PresentAndShow(HWND window, HDC composed, int width, int height, bool useKjProps = false,
                    bool useWindowRect = false);

// The whole of a painter that draws over the background of window's client
// box (client, from 0, 0): composes that background, lets draw paint on it,
// then PresentAndShow. False (nothing drawn) when there is no background to
// compose (window lies on no skinned window).
bool PaintClientOverBackground(HWND window, const RECT& client, const std::function<void(HDC)>& draw,
                               bool useKjProps = false, bool useWindowRect = false);

// Copies window's client box from the composite DC to the screen. With
// excludeOnlyUnskinned a given dc is released first and a fresh DC of window
// is used that keeps out only the unskinned children; otherwise dc (when
// given; else a fresh one) keeps out all visible children. The DC drawn on
// is released before returning, also when the window carries no valid
// record index (then nothing is drawn and false is returned).
bool RepaintFromComposite(HWND window, bool useKjProps, bool excludeOnlyUnskinned,
                          std::optional<HDC> dc = std::nullopt);

// The record index that PresentToComposite and RepaintFromComposite use.
int CompositeRecordIndex(HWND window, bool useKjProps);
