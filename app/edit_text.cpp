#include "app/edit_text.h"

#include <climits>

Text GetEditText(HWND edit) {
  // The length is an upper bound for double-byte texts; the copy tells the
  // real one.
  const int length = GetWindowTextLengthA(edit);
  if (length <= 0) return Text();
  Text text(static_cast<size_t>(length) + 1, '\0');
  const int copied = GetWindowTextA(edit, &text[0], length + 1);
  text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
  return text;
}

void SetEditText(HWND edit, const Text& text) {
  SetWindowTextA(edit, text.c_str());
}

void AppendEditText(HWND edit, const Text& text) {
  // The box puts a position past its text at the end of the text, which
  // spares measuring the text (selection positions count characters, and
  // counting them costs a pass over the whole text).
  constexpr int kPastTheEnd = INT_MAX;
  SendMessageA(edit, EM_SETSEL, kPastTheEnd, kPastTheEnd);
  SendMessageA(edit, EM_SCROLLCARET, 0, 0);
  SendMessageA(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
}
