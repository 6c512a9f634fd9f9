// The skin module's start-up.
#pragma once

// Runs once before the first skinned window is made, after the skin's
// tables and exit routine exist (InitSkinTables, RegisterSkinExitRoutine):
// the graphics module (GDI+, the class icon from the program's icon
// resource programIconId, the shadow window class), the start-up values of
// the skin's module values, and the end of GDI+ in the skin's exit routine,
// which runs it after the records are released (the main window's WM_QUIT
// handling may have ended GDI+ before).
void StartSkin(int programIconId);
