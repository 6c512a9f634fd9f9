// Resource numbers of the program, shared by the resource script and the
// code that loads the resources. Plain #defines: the resource compiler
// reads this file too.
#pragma once

// The program's icon (the window class icon, the skin's class icon).
#define IDI_PROGRAM_ICON 129
