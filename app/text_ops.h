// GBK text operations shared by the application and the web client.
//
// A Text is a string of code page 936 bytes; lengths and positions count
// bytes and positions start at 1. A byte of 0x80 or more starts a two-byte
// character; the scanning operations step over such a pair as one unit, so a
// match never starts on a second byte. A Bytes buffer may hold zero bytes.
// Portable: no windows.h here.
#pragma once

#include <optional>
#include <string>
#include <vector>

using Text = std::string;
using Bytes = std::vector<unsigned char>;

// 0 when equal, else the sign of the first differing byte taken as unsigned.
int CompareText(const Text& a, const Text& b);
// As CompareText, but A-Z and a-z compare equal.
int CompareTextNoCase(const Text& a, const Text& b);

// 1-based position of the first match at or after start, or -1.
int FindText(const Text& text, const Text& sub, int start = 1, bool ignoreCase = false);
// 1-based position of the last match, or -1.
int FindTextLast(const Text& text, const Text& sub, bool ignoreCase = false);

// Byte cuts; they may split a two-byte character.
Text LeftText(const Text& text, int count);
Text RightText(const Text& text, int count);
Text MidText(const Text& text, int position, int count);

// Replaces non-overlapping matches of sub from start on; count not given
// means all matches.
Text ReplaceText(const Text& text, const Text& sub, const Text& replacement = Text(),
                 int start = 1, std::optional<int> count = std::nullopt,
                 bool caseSensitive = true);

Text DeleteRange(const Text& text, int start, int count);

// Splits at every exact delimiter match; a trailing delimiter gives no empty
// last part, an empty text gives no parts. limit not given means no limit.
std::vector<Text> SplitText(const Text& text, const Text& delimiter = ",",
                            std::optional<int> limit = std::nullopt);

// Strips runs of 0x20 and of the full-width space A1 A1 at both ends.
Text TrimSpaces(const Text& text);
Text ToLowerAscii(const Text& text);

// The text without a final lead byte that has no second byte (a page cut off
// inside its last character). Such a text must not reach the system: its
// conversion to UTF-16 keeps a "?" and, in some edit boxes, stale bytes.
Text DropLoneLeadByte(const Text& text);

// The bytes before the first zero byte.
Text BytesToText(const Bytes& bytes);
Bytes TextToBytes(const Text& text);

Text ValueToText(int value);
Text ValueToText(long long value);
// "真" or "假".
Text ValueToText(bool value);
