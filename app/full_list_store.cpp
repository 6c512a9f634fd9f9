#include "app/full_list_store.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <string>

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
  // Messages reach the store in their Unicode form (the subclass went onto
  // a Unicode window); texts then cross as UTF-16.
  bool wide = false;
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
  return ByteRange{ByteOffsetOfChar(*store.text, first), ByteOffsetOfChar(*store.text, last)};
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

std::wstring ToWide(const char* text, std::size_t size) {
  if (size == 0) return std::wstring();
  const int n = static_cast<int>(size);
  std::wstring wide(static_cast<std::size_t>(MultiByteToWideChar(CP_ACP, 0, text, n, nullptr, 0)), L'\0');
  if (!wide.empty()) MultiByteToWideChar(CP_ACP, 0, text, n, &wide[0], static_cast<int>(wide.size()));
  return wide;
}

Text FromWide(const wchar_t* text) {
  const int n = lstrlenW(text);
  if (n == 0) return Text();
  Text bytes(static_cast<std::size_t>(WideCharToMultiByte(CP_ACP, 0, text, n, nullptr, 0, nullptr, nullptr)), '\0');
  if (!bytes.empty()) {
    WideCharToMultiByte(CP_ACP, 0, text, n, &bytes[0], static_cast<int>(bytes.size()), nullptr, nullptr);
  }
  return bytes;
}

// The text a message brings (lParam), in the store's bytes.
Text TextOfMessage(const FullListStore& store, LPARAM lParam) {
  if (!lParam) return Text();
  return store.wide ? FromWide(reinterpret_cast<const wchar_t*>(lParam))
                    : Text(reinterpret_cast<const char*>(lParam));
}

// Copies the bytes [begin, end) of the text into a caller's buffer of
// capacity units (bytes, or UTF-16 units in the Unicode form) as far as they
// fit, before the terminating zero when terminate; the count of units
// copied. Like the edit box, a byte buffer that ends inside a two-byte
// character gets its first byte.
LRESULT CopyOut(const FullListStore& store, std::size_t begin, std::size_t end, LPARAM buffer,
                std::size_t capacity, bool terminate) {
  if (!buffer || capacity == 0) return 0;
  const std::size_t room = terminate ? capacity - 1 : capacity;
  const Text& text = *store.text;
  if (store.wide) {
    const std::wstring wide = ToWide(text.data() + begin, end - begin);
    const std::size_t n = std::min(room, wide.size());
    auto* out = reinterpret_cast<wchar_t*>(buffer);
    std::memcpy(out, wide.data(), n * sizeof(wchar_t));
    if (terminate) out[n] = L'\0';
    return static_cast<LRESULT>(n);
  }
  const std::size_t n = std::min(room, end - begin);
  auto* out = reinterpret_cast<char*>(buffer);
  std::memcpy(out, text.data() + begin, n);
  if (terminate) out[n] = '\0';
  return static_cast<LRESULT>(n);
}

// --- message handlers ---------------------------------------------------------

LRESULT OnSetText(FullListStore& store, LPARAM lParam) {
  Replace(store, TextOfMessage(store, lParam));
  return TRUE;
}

LRESULT OnGetText(const FullListStore& store, WPARAM wParam, LPARAM lParam) {
  return CopyOut(store, 0, store.text->size(), lParam, wParam, true);
}

LRESULT OnGetTextLength(const FullListStore& store) {
  const Text& text = *store.text;
  if (!store.wide) return static_cast<LRESULT>(text.size());
  return text.empty() ? 0
                      : MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                            nullptr, 0);
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

// The line into the buffer whose first WORD gives its size; no terminating
// zero, as the edit box does it.
LRESULT OnGetLine(const FullListStore& store, WPARAM wParam, LPARAM lParam) {
  StoredLine line;
  if (!lParam || !StoredLineAt(*store.text, wParam, line)) return 0;
  WORD capacity = 0;
  std::memcpy(&capacity, reinterpret_cast<const void*>(lParam), sizeof(capacity));
  return CopyOut(store, line.begin, line.end, lParam, capacity, false);
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
      return OnGetTextLength(store);
    case EM_GETSEL:
      return OnGetSelection(store, wParam, lParam);
    case EM_SETSEL:
      return OnSetSelection(store, wParam, lParam);
    case EM_REPLACESEL:
      ReplaceSelection(store, TextOfMessage(store, lParam));
      return 0;
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
  if (!box || StoreOf(box)) return false;
  auto* store = new FullListStore;
  Replace(*store, GetEditText(box));
  // The subclass takes the window's form as it is now.
  store->wide = IsWindowUnicode(box) != FALSE;
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
