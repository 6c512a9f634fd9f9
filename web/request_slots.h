// The record one web request travels in: seven byte buffers that the runner
// fills with the request, the worker reads and overwrites with the results.
// It crosses the thread boundary as a flat byte buffer (EncodeRequestSlots /
// DecodeRequestSlots). Portable: no windows.h here.
#pragma once

#include <array>
#include <cstddef>

#include "app/text_ops.h"

// Slot numbers.                     input (runner)          output (worker)
constexpr int kSlotUrl = 0;          // URL text              response body
constexpr int kSlotMethod = 1;       // "POST" or "GET"       received cookies
constexpr int kSlotProxy = 2;        // proxy, empty = direct
constexpr int kSlotExtraHeaders = 3; // header lines
constexpr int kSlotBody = 4;         // request body bytes
constexpr int kSlotCookies = 5;      // cookie text to send   raw response headers
constexpr int kSlotFollowRedirects = 6;  // "真" or "假"
// Output slots that share a number with an input.
constexpr int kSlotResponseBody = kSlotUrl;
constexpr int kSlotReceivedCookies = kSlotMethod;
constexpr int kSlotResponseHeaders = kSlotCookies;

constexpr int kRequestSlotCount = 7;

struct RequestSlots {
  std::array<Bytes, kRequestSlotCount> slot;
};

// Slot index out of 0..6 gives empty text / is ignored.
Text SlotText(const RequestSlots& slots, int index);
void SetSlotText(RequestSlots& slots, int index, const Text& text);

// The flat form: a 4-byte tag, then per slot a 4-byte little-endian length
// followed by that many bytes. Empty when a slot is too large to encode.
Bytes EncodeRequestSlots(const RequestSlots& slots);

// Reads the flat form back. False, with out untouched, when the tag is wrong,
// the data ends early or bytes are left over.
bool DecodeRequestSlots(const unsigned char* data, std::size_t size, RequestSlots& out);
bool DecodeRequestSlots(const Bytes& data, RequestSlots& out);
