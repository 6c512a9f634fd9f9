// The full list's store under 编辑框1 answers what reads and writes the
// box's text as an edit box would, byte for byte, for ANSI and Unicode
// callers, on its own thread and from others.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <string>
#include <thread>

#include "app/full_list_store.h"
#include "app/edit_text.h"
#include "gui_test_support.h"

namespace {

// An edit box made as 编辑框1 is, with or without the store, as an ANSI or
// a Unicode window (the form the messages reach the store in).
class FullListBox {
 public:
  FullListBox(bool store, bool unicode) {
    const ControlSpec& spec = *FindControlSpec(kEdit1);
    parent_ = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 300, 300, nullptr, nullptr,
                              nullptr, nullptr);
    const DWORD style = WS_CHILD | WS_VISIBLE | spec.style;
    box_ = unicode ? CreateWindowExW(spec.exStyle, L"EDIT", L"\r\n", style, 0, 0, spec.width,
                                     spec.height, parent_, nullptr, nullptr, nullptr)
                   : CreateWindowExA(spec.exStyle, "EDIT", spec.text, style, 0, 0, spec.width,
                                     spec.height, parent_, nullptr, nullptr, nullptr);
    SendMessageA(box_, EM_SETLIMITTEXT, 0, 0);
    if (store) stored_ = InstallFullListStore(box_);
  }
  ~FullListBox() { DestroyWindow(parent_); }
  FullListBox(const FullListBox&) = delete;
  FullListBox& operator=(const FullListBox&) = delete;
  HWND Box() const { return box_; }
  bool Stored() const { return stored_; }

 private:
  HWND parent_ = nullptr;
  HWND box_ = nullptr;
  bool stored_ = false;
};

LRESULT Send(HWND box, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  return SendMessageA(box, message, wParam, lParam);
}

// What a caller can learn of the text: its bytes through buffers of every
// size, its lines, the line of every position.
// A store reached in the Unicode form hands an ANSI caller's buffer through
// the system's conversion, which leaves out a two-byte character that does
// not fit whole, where the edit box itself puts in its first byte.
void ExpectSameReadings(HWND plain, HWND stored, const char* what) {
  SCOPED_TRACE(what);
  const int length = GetWindowTextLengthA(stored);
  ASSERT_EQ(length, GetWindowTextLengthA(plain));
  const bool wholeCharacters = IsWindowUnicode(stored) != FALSE;
  for (int size = 0; size <= length + 2; ++size) {
    char a[256] = {}, b[256] = {};
    std::memset(a, 'x', sizeof(a));
    std::memset(b, 'x', sizeof(b));
    const LRESULT got = Send(stored, WM_GETTEXT, size, reinterpret_cast<LPARAM>(b));
    const LRESULT want = Send(plain, WM_GETTEXT, size, reinterpret_cast<LPARAM>(a));
    if (wholeCharacters && got == want - 1 && static_cast<unsigned char>(a[got]) >= 0x81) {
      ASSERT_EQ(Text(b, got + 1), Text(a, got) + '\0') << "size " << size;
      continue;
    }
    ASSERT_EQ(got, want) << "size " << size;
    ASSERT_EQ(Text(b, size), Text(a, size)) << "size " << size;
  }
  const LRESULT lines = Send(plain, EM_GETLINECOUNT);
  ASSERT_EQ(Send(stored, EM_GETLINECOUNT), lines);
  for (LRESULT line = 0; line <= lines; ++line) {
    const LRESULT index = Send(plain, EM_LINEINDEX, line);
    ASSERT_EQ(Send(stored, EM_LINEINDEX, line), index) << "line " << line;
    if (index < 0) continue;
    ASSERT_EQ(Send(stored, EM_LINELENGTH, index), Send(plain, EM_LINELENGTH, index)) << "line " << line;
    Text whole;
    for (WORD size : {WORD(200), WORD(1), WORD(2), WORD(3)}) {
      char a[256] = {}, b[256] = {};
      std::memcpy(a, &size, sizeof(size));
      std::memcpy(b, &size, sizeof(size));
      const LRESULT want = Send(plain, EM_GETLINE, line, reinterpret_cast<LPARAM>(a));
      const LRESULT got = Send(stored, EM_GETLINE, line, reinterpret_cast<LPARAM>(b));
      if (!(wholeCharacters && got == want - 1)) {
        ASSERT_EQ(got, want) << "line " << line;
      }
      if (size == 200) whole = Text(a, want);
      // A short buffer gets the line's first bytes (the edit box leaves a
      // buffer that ends inside a two-byte character unwritten).
      ASSERT_EQ(Text(b, got), whole.substr(0, got)) << "line " << line;
    }
  }
  const int characters = GetWindowTextLengthW(plain);
  for (int at = 0; at <= characters + 1; ++at) {
    ASSERT_EQ(Send(stored, EM_LINEFROMCHAR, at), Send(plain, EM_LINEFROMCHAR, at)) << "at " << at;
  }
  DWORD a0 = 0, a1 = 0, b0 = 0, b1 = 0;
  Send(plain, EM_GETSEL, reinterpret_cast<WPARAM>(&a0), reinterpret_cast<LPARAM>(&a1));
  Send(stored, EM_GETSEL, reinterpret_cast<WPARAM>(&b0), reinterpret_cast<LPARAM>(&b1));
  EXPECT_EQ(b0, a0);
  EXPECT_EQ(b1, a1);
}

}  // namespace

TEST(FullListStore, ReadsAndEditsAsTheEditBoxDoes) {
 for (bool unicode : {false, true}) {
  SCOPED_TRACE(unicode ? "Unicode window" : "ANSI window");
  FullListBox plain(false, unicode), stored(true, unicode);
  ASSERT_TRUE(stored.Stored());
  HWND a = plain.Box(), b = stored.Box();
  ASSERT_EQ(IsWindowUnicode(b) != FALSE, unicode);
  ExpectSameReadings(a, b, "the initial text");

  const Text text = "114.1.1.1:80\r\n北京\r\n\r\nbb\ncc\rdd\r\r\nee主</h4>\r\n";
  SetWindowTextA(a, text.c_str());
  SetWindowTextA(b, text.c_str());
  ExpectSameReadings(a, b, "after WM_SETTEXT");
  EXPECT_EQ(GetEditText(b), text);

  struct Edit {
    int start, end;
    UINT message;
    const char* text;
  };
  const Edit edits[] = {
      {3, 7, EM_REPLACESEL, "上海"}, {14, 16, WM_CLEAR, nullptr}, {0, 0, EM_REPLACESEL, "x\r\n"},
      {-1, 0, EM_REPLACESEL, "丁"},  {9, 4, WM_CUT, nullptr},      {0, -1, WM_COPY, nullptr},
      {2, 2, WM_PASTE, nullptr},     {999, 999, EM_REPLACESEL, "end"}, {5, 8, EM_REPLACESEL, ""},
  };
  for (const Edit& edit : edits) {
    SCOPED_TRACE(edit.message);
    SCOPED_TRACE(edit.start);
    for (HWND box : {a, b}) {
      Send(box, EM_SETSEL, static_cast<WPARAM>(edit.start), static_cast<LPARAM>(edit.end));
      Send(box, edit.message, TRUE, reinterpret_cast<LPARAM>(edit.text));
    }
    ExpectSameReadings(a, b, "after an edit");
    EXPECT_EQ(GetEditText(b), GetEditText(a));
    EXPECT_EQ(Send(b, EM_GETMODIFY), Send(a, EM_GETMODIFY));
  }
  // The edit box itself holds nothing: the store answers.
  EXPECT_TRUE(StoredText(b)->size() > 0);
  EXPECT_EQ(*StoredText(b), GetEditText(b));
 }
}

TEST(FullListStore, UnicodeCallersGetTheTextConverted) {
 for (bool unicode : {false, true}) {
  SCOPED_TRACE(unicode ? "Unicode window" : "ANSI window");
  FullListBox plain(false, unicode), stored(true, unicode);
  HWND a = plain.Box(), b = stored.Box();
  const std::wstring wide = L"北京 1.2.3.4:80\r\n主机\r\n";
  for (HWND box : {a, b}) SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
  EXPECT_EQ(GetEditText(b), GetEditText(a)) << "stored as GBK";
  EXPECT_EQ(GetWindowTextLengthW(b) >= static_cast<int>(wide.size()), true);
  wchar_t got[64] = {};
  EXPECT_EQ(GetWindowTextW(b, got, 64), static_cast<int>(wide.size()));
  EXPECT_EQ(std::wstring(got), wide);
  wchar_t line[16] = {};
  line[0] = 16;
  const LRESULT n = SendMessageW(b, EM_GETLINE, 1, reinterpret_cast<LPARAM>(line));
  EXPECT_EQ(std::wstring(line, n), L"主机");
 }
}

TEST(FullListStore, AnotherThreadReadsAMillionLinesByteForByte) {
  MainWindowTest test;
  HWND window = test.Window();
  HWND box = MainControl(window, kEdit1);
  Text list;
  list.reserve(20 * 1000000);
  for (int i = 0; i < 1000000; ++i) list += (i % 2 ? "北京" : "主") + ValueToText(i) + ".1.1:80\r\n";
  list += "</div>\n";
  SetWindowTextA(box, list.c_str());

  std::atomic<bool> done{false};
  Text read;
  int length = 0;
  std::thread reader([&] {
    length = static_cast<int>(SendMessageA(box, WM_GETTEXTLENGTH, 0, 0));
    read.assign(static_cast<size_t>(length) + 1, '\0');
    const LRESULT copied = SendMessageA(box, WM_GETTEXT, read.size(), reinterpret_cast<LPARAM>(&read[0]));
    read.resize(static_cast<size_t>(copied));
    done = true;
  });
  const bool answered = PumpUntil(window, [&] { return done.load(); }, 60000);
  reader.join();
  ASSERT_TRUE(answered);
  EXPECT_EQ(length, static_cast<int>(list.size()));
  EXPECT_TRUE(read == list) << "the text read differs";
  EXPECT_EQ(SendMessageA(box, EM_GETLINECOUNT, 0, 0), 1000002);
}
