// GDI+ start and shutdown, and the graphics module's start-up (GDI+, the
// class icon, the shadow window class). The skin's start-up (StartSkin,
// skin/frame/skin_start.h) runs it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

// Token of the GDI+ session started by InitGraphicsModule (0 = none).
extern std::uintptr_t GdiPlusToken;
// Icon of the program (the icon resource given to InitGraphicsModule, else
// "DEFAULT_ICON"); class icon of the shadow window class and the frame
// caption icon.
extern HICON ClassIcon;

// Starts GDI+ (version 1 when not given). Returns the token, 0 on failure;
// the token is also kept as the saved token.
std::uintptr_t StartGdiPlus(std::optional<unsigned> version = std::nullopt);

// Shuts down the GDI+ session of token; with tokenGiven false, the saved
// token is used (and cleared). Each session is shut down at most once:
// a token that is 0, unknown or already shut down is ignored, so the main
// window's WM_QUIT path and the program's exit path may both call it.
void ShutdownGdiPlus(std::uintptr_t token, bool tokenGiven);

// Sessions started by StartGdiPlus and not yet shut down.
int LiveGdiPlusSessions();

// Graphics module start-up, run once before the main window is made:
// starts GDI+ into GdiPlusToken, loads ClassIcon from the program's icon
// resource programIconId (else its icon group "DEFAULT_ICON") and registers
// the shadow window class.
void InitGraphicsModule(int programIconId);

// Shuts down the GDI+ session of InitGraphicsModule unless that already
// happened. The skin's exit routine runs it after the skin records are
// released.
void ShutdownGraphicsModule();
