// Reading an answer of the extraction service as its reader would: the
// few words a failure message quotes from an answer without a list, and
// whether a list holds anything worth saving. Answers come as GBK, as
// UTF-8 (often JSON, sometimes with \uXXXX escapes) or as HTML pages.
// Portable: no windows.h here; the UTF-8 to GBK conversion comes in as a
// parameter.
#pragma once

#include <cstddef>
#include <functional>

#include "app/text_ops.h"

// Characters of an answer's own text that a failure message quotes at most.
constexpr std::size_t kExcerptCharacters = 120;

// True when text is valid UTF-8 (no overlong forms, no surrogates, nothing
// above U+10FFFF) and holds at least one byte above 0x7F.
bool IsUtf8WithHighByte(const Text& text);

// JSON's escapes read: \uXXXX (a surrogate pair joined, a lone surrogate
// as "?", U+0000 left out) as UTF-8, and \" \\ \/ \b \f \n \r \t as the
// characters they stand for; any other backslash stays as it is.
Text DecodeJsonEscapes(const Text& text);

// The text an answer shows its reader: every tag, comment and the inside
// of script and style elements taken out (each leaving a space), the
// entities &amp; &lt; &gt; &quot; &apos; &#39; &nbsp; and &#N; / &#xH;
// of ASCII characters read, every run of white space one space and none at
// either end. Works for GBK and UTF-8 alike (neither has a second byte that
// is ASCII markup). Stops once more than maxBytes bytes are out.
Text VisibleAnswerText(const Text& text, std::size_t maxBytes);

// The first maxCharacters characters of GBK text (a byte above 0x7F and
// the byte after it are one, as the text operations count), with "…" after
// them, and no space before it, when the text was longer. A lone lead byte
// at the end is dropped.
Text CutToCharacters(const Text& gbk, std::size_t maxCharacters);

using Utf8ToGbkConversion = std::function<Text(const Text&)>;

// What a failure message quotes of an answer page (its text up to the
// first zero byte, as BytesToText gives it): read as UTF-8 when it is valid UTF-8 with a byte above
// 0x7F (JSON escapes read first when the page is UTF-8 or plain ASCII),
// otherwise as GBK; then its visible text, cut to kExcerptCharacters.
// Empty when the page shows no text.
Text AnswerExcerpt(const Text& page, const Utf8ToGbkConversion& utf8ToGbk);

// True when the GBK list holds something to save or copy: anything but
// white space (ASCII white space, the full-width space, &nbsp;), tags and
// comments.
bool HoldsListLine(const Text& list);
