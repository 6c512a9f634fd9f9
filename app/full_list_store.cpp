#include "app/full_list_store.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>

#include "app/clipboard_text.h"
#include "app/edit_text.h"
#include "app/list_store_text.h"

namespace {

constexpr UINT_PTR kFullListStoreId = 3;

// The box's text and what an edit box keeps with it.
struct FullListStore {
  std::shared_ptr<const Text> text = std::make_shared<const Text>();
  // The selection in characters, as set (start may lie after end).
  std::size_t selectionStart = 0;
  std::size_t selectionEnd = 0;
  bool modified = false;
};

LRESULT CALLBACK FullListStoreProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam,
                                   UINT_PTR, DWORD_PTR data);

FullListStore* StoreOf(HWND box) {
  DWORD_PTR data = 0;
  if (!GetWindowSubclass(box, FullListStoreProc, kFullListStoreId, &data)) return nullptr;
  return reinterpret_cast<FullListStore*>(data);
}

void Replace(FullListStore& store, Text&& text) {
  store.text = std::make_shared<const Text>(std::move(text));
  store.selectionStart = store.selectionEnd = 0;
  store.modified = false;
}

std::size_t CharLength(const FullListStore& store) {
  return CharCountBefore(*store.text, store.text->size());
}

// The selection as byte offsets, first before last.
struct ByteRange {
  std::size_t begin;
  std::size_t end;
};

ByteRange SelectedBytes(const FullListStore& store) {
  const std::size_t first = std::min(store.selectionStart, store.selectionEnd);
  const std::size_t last = std::max(store.selectionStart, store.selectionEnd);
  const std::size_t begin = ByteOffsetOfChar(*store.text, first);
  return ByteRange{begin, begin + ByteOffsetOfChar(store.text->substr(begin), last - first)};
}

// Puts replacement in place of the selection; the caret follows it.
void ReplaceSelection(FullListStore& store, const Text& replacement) {
  const ByteRange range = SelectedBytes(store);
  Text text = *store.text;
  text.replace(range.begin, range.end - range.begin, replacement);
  const std::size_t caret = CharCountBefore(text, range.begin + replacement.size());
  store.text = std::make_shared<const Text>(std::move(text));
  store.selectionStart = store.selectionEnd = caret;
  store.modified = true;
}

Text ClipboardText() {
  Text text;
  if (!OpenClipboard(nullptr)) return text;
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    if (const char* bytes = static_cast<const char*>(GlobalLock(data))) {
      text = bytes;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

// --- message handlers ---------------------------------------------------------

LRESULT OnSetText(FullListStore& store, LPARAM lParam) {
  const char* text = reinterpret_cast<const char*>(lParam);
  Replace(store, text ? Text(text) : Text());
  return TRUE;
}

// Copies the bytes [begin, end) as far as they fit (before the terminating
// zero when terminate); the count copied. Like the edit box, a buffer that
// ends inside a two-byte character gets its first byte.
LRESULT CopyOut(const Text& text, std::size_t begin, std::size_t end, char* buffer,
                std::size_t capacity, bool terminate) {
  if (!buffer || capacity == 0) return 0;
  const std::size_t room = terminate ? capacity - 1 : capacity;
  const std::size_t n = std::min(room, end - begin);
  std::memcpy(buffer, text.data() + begin, n);
  if (terminate) buffer[n] = '\0';
  return static_cast<LRESULT>(n);
}

LRESULT OnGetText(const FullListStore& store, WPARAM wParam, LPARAM lParam) {
  const Text& text = *store.text;
  return CopyOut(text, 0, text.size(), reinterpret_cast<char*>(lParam), wParam, true);
}

LRESULT OnGetSelection(const FullListStore& store, WPARAM wParam, LPARAM lParam) {
  const DWORD first = static_cast<DWORD>(std::min(store.selectionStart, store.selectionEnd));
  const DWORD last = static_cast<DWORD>(std::max(store.selectionStart, store.selectionEnd));
  if (wParam) *reinterpret_cast<DWORD*>(wParam) = first;
  if (lParam) *reinterpret_cast<DWORD*>(lParam) = last;
  return first > 0xFFFF || last > 0xFFFF ? -1 : static_cast<LRESULT>(MAKELONG(first, last));
}

LRESULT OnSetSelection(FullListStore& store, WPARAM wParam, LPARAM lParam) {
  const auto start = static_cast<UINT>(wParam);
  if (start == static_cast<UINT>(-1)) {
    store.selectionStart = store.selectionEnd;  // deselect, the caret stays
    return 0;
  }
  const std::size_t length = CharLength(store);
  store.selectionStart = std::min<std::size_t>(start, length);
  store.selectionEnd = std::min<std::size_t>(static_cast<UINT>(lParam), length);
  return 0;
}

LRESULT OnCopySelection(const FullListStore& store) {
  const ByteRange range = SelectedBytes(store);
  if (range.end > range.begin) PutClipboardText(store.text->substr(range.begin, range.end - range.begin));
  return 0;
}

LRESULT OnLineIndex(const FullListStore& store, WPARAM wParam) {
  const Text& text = *store.text;
  StoredLine line;
  if (static_cast<int>(wParam) == -1) {
    StoredLineOfByte(text, ByteOffsetOfChar(text, store.selectionEnd), line);
  } else if (!StoredLineAt(text, wParam, line)) {
    return -1;
  }
  return static_cast<LRESULT>(CharCountBefore(text, line.begin));
}

LRESULT OnLineLength(const FullListStore& store, WPARAM wParam) {
  const Text& text = *store.text;
  StoredLine line;
  const std::size_t at = static_cast<int>(wParam) == -1
                             ? ByteOffsetOfChar(text, std::min(store.selectionStart, store.selectionEnd))
                             : ByteOffsetOfChar(text, wParam);
  StoredLineOfByte(text, at, line);
  return static_cast<LRESULT>(CharCountBefore(text, line.end) - CharCountBefore(text, line.begin));
}

LRESULT OnLineFromChar(const FullListStore& store, WPARAM wParam) {
  const Text& text = *store.text;
  const std::size_t charIndex = static_cast<int>(wParam) == -1
                                    ? std::min(store.selectionStart, store.selectionEnd)
                                    : wParam;
  StoredLine line;
  return static_cast<LRESULT>(StoredLineOfByte(text, ByteOffsetOfChar(text, charIndex), line));
}

// The line's bytes into the buffer whose first WORD gives its size; no
// terminating zero, as the edit box does it.
LRESULT OnGetLine(const FullListStore& store, WPARAM wParam, LPARAM lParam) {
  char* buffer = reinterpret_cast<char*>(lParam);
  StoredLine line;
  if (!buffer || !StoredLineAt(*store.text, wParam, line)) return 0;
  WORD capacity = 0;
  std::memcpy(&capacity, buffer, sizeof(capacity));
  return CopyOut(*store.text, line.begin, line.end, buffer, capacity, false);
}

LRESULT CALLBACK FullListStoreProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam,
                                   UINT_PTR, DWORD_PTR data) {
  FullListStore& store = *reinterpret_cast<FullListStore*>(data);
  switch (message) {
    case WM_SETTEXT:
      return OnSetText(store, lParam);
    case WM_GETTEXT:
      return OnGetText(store, wParam, lParam);
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(store.text->size());
    case EM_GETSEL:
      return OnGetSelection(store, wParam, lParam);
    case EM_SETSEL:
      return OnSetSelection(store, wParam, lParam);
    case EM_REPLACESEL: {
      const char* text = reinterpret_cast<const char*>(lParam);
      ReplaceSelection(store, text ? Text(text) : Text());
      return 0;
    }
    case WM_CLEAR:
      ReplaceSelection(store, Text());
      return 0;
    case WM_COPY:
      return OnCopySelection(store);
    case WM_CUT:
      OnCopySelection(store);
      ReplaceSelection(store, Text());
      return 0;
    case WM_PASTE:
      ReplaceSelection(store, ClipboardText());
      return 0;
    case EM_GETLINECOUNT:
      return static_cast<LRESULT>(StoredLineCount(*store.text));
    case EM_LINEINDEX:
      return OnLineIndex(store, wParam);
    case EM_LINELENGTH:
      return OnLineLength(store, wParam);
    case EM_LINEFROMCHAR:
      return OnLineFromChar(store, wParam);
    case EM_GETLINE:
      return OnGetLine(store, wParam, lParam);
    case EM_GETMODIFY:
      return store.modified ? TRUE : FALSE;
    case EM_SETMODIFY:
      store.modified = wParam != 0;
      return 0;
    case EM_CANUNDO:
    case EM_UNDO:
    case WM_UNDO:
    case EM_GETHANDLE:
    case EM_SETHANDLE:
    case WM_CHAR:
    case WM_IME_CHAR:
      return 0;
    case WM_NCDESTROY:
      RemoveWindowSubclass(box, FullListStoreProc, kFullListStoreId);
      delete &store;
      return DefSubclassProc(box, message, wParam, lParam);
    default:
      return DefSubclassProc(box, message, wParam, lParam);
  }
}

}  // namespace

bool InstallFullListStore(HWND box) {
  if (!box || IsWindowUnicode(box) || StoreOf(box)) return false;
  auto* store = new FullListStore;
  Replace(*store, GetEditText(box));
  // The edit box keeps no text of its own from now on.
  SetEditText(box, Text());
  if (!SetWindowSubclass(box, FullListStoreProc, kFullListStoreId,
                         reinterpret_cast<DWORD_PTR>(store))) {
    SetEditText(box, *store->text);
    delete store;
    return false;
  }
  return true;
}

std::shared_ptr<const Text> StoredText(HWND box) {
  const FullListStore* store = StoreOf(box);
  return store ? store->text : std::make_shared<const Text>();
}

void StoreText(HWND box, Text&& text) {
  if (FullListStore* store = StoreOf(box)) Replace(*store, std::move(text));
}
