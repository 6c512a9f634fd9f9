// The two places where the drawn look joins the application: the start-up
// hook that runs before the main window exists, and the main window's
// created event.
#pragma once

#include <windows.h>

// Runs before the main window is created.
void StartSkinModule();

// The main window's created event: raised once, when the window and all its
// controls exist, before the window is first shown.
void WindowCreated(HWND mainWindow);

// Sets the window's caption to the expected one (stored enciphered) when it
// shows another.
void CheckMainCaption(HWND mainWindow);
