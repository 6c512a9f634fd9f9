// The full list (编辑框1) is held by the program, not by the edit box: a
// multi-line edit box lays out every line on every change, which a list of
// a million lines cannot afford, and nobody sees this box. Its subclass
// answers every message that reads or writes the box's text from the store
// (WM_SETTEXT, WM_GETTEXT, WM_GETTEXTLENGTH, the selection, replace, clear,
// cut, copy and paste, the line queries), byte for byte, and the edit box
// itself stays empty. Positions and lines are counted as the edit box
// counts them (app/list_store_text.h). Typed characters are dropped: the
// box lies outside the window and takes no input. There is no undo, and
// EM_GETHANDLE gives no handle.
//
// The store answers each message in the form it arrives in: put onto an
// ANSI window, ANSI (the bytes as they are); onto a Unicode window (the
// edit class of common controls 6 is one), Unicode, converted through the
// ANSI code page. The main window puts it on 编辑框1 after the skin has
// made the box an ANSI window. Everything runs on the box's thread, as
// messages from other threads are answered there.
#pragma once

#include <windows.h>

#include <memory>

#include "app/text_ops.h"

// Puts the store under box; the box's current text becomes the stored text.
// False when the box already has one or could not be subclassed.
bool InstallFullListStore(HWND box);

// The stored text; it stays valid and unchanged for its holder when the box
// is given a new text. Empty (never null) for a box without a store.
std::shared_ptr<const Text> StoredText(HWND box);

// Replaces the stored text without a copy; the caret goes to the start and
// the modified flag is cleared, as with WM_SETTEXT.
void StoreText(HWND box, Text&& text);
