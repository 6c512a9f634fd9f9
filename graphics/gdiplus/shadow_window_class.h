// The window class "duvaZedado" of a frame's drop-shadow window.
#pragma once

#include <windows.h>

inline constexpr char kShadowWindowClass[] = "duvaZedado";

// Draws a shadow window's picture; supplied by the frame skin.
using ShadowRenderRoutine = void (*)(HWND shadow);
// Sets the routine ShadowWindowProc runs on WM_SIZE (nullptr = none).
void SetShadowRenderRoutine(ShadowRenderRoutine routine);

// Registers "duvaZedado" with ShadowWindowProc and ClassIcon. True when
// the class is registered (also when it already was).
bool RegisterShadowWindowClass();

// WM_SIZE redraws the shadow; a left-button press on the shadow moves the
// owning frame when its window record allows it; everything then goes to
// DefWindowProcA.
LRESULT CALLBACK ShadowWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
