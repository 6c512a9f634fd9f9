// The table of memory DCs handed out by the background composition (and the
// composite DC of every skinned window): it remembers the bitmap made for
// each DC and the object that bitmap displaced, so that any routine can
// release such a DC by its handle alone.
//
// Remembering a DC also announces ReleaseMemoryDc and ReleaseAllMemoryDcs
// to the owner types (win32/handle_owners.h): the composite DCs the skin's
// records own, and the skin's exit routine, release through the table.
// Window thread only.
#pragma once

#include <windows.h>

// Adds an entry for dc, or overwrites bitmap and previous of its entry.
void RememberMemoryDc(HDC dc, HBITMAP bitmap, HGDIOBJ previous);

// When dc is in the table: selects the entry's previous object back into
// dc, deletes the bitmap that comes out, deletes dc and drops the entry;
// true. False and nothing else for 0 or an unknown dc, so releasing twice
// is harmless.
bool ReleaseMemoryDc(HDC dc);

// Releases every DC still in the table (the program's exit path).
void ReleaseAllMemoryDcs();

// Number of DCs in the table.
int MemoryDcCount();
// True while dc has an entry.
bool IsRememberedMemoryDc(HDC dc);

// A memory DC with a fresh 32-bpp DIB section of width x height selected
// into it, remembered in the table; release it with ReleaseMemoryDc. When
// the DIB section cannot be made the DC keeps its stock 1 x 1 bitmap and is
// still remembered. 0 only when no DC can be made.
HDC CreateRememberedMemoryDc(int width, int height);
