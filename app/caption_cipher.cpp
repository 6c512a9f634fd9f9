#include "app/caption_cipher.h"

namespace {

// Key byte for position i: a small rolling sequence, so equal bytes of the
// caption do not show as equal hex pairs.
unsigned char KeyAt(std::size_t i) { return static_cast<unsigned char>(0x5A + 37 * i); }

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// "岚舟软件-dadavadavu", enciphered.
const char kStoredCaption[] = "BBCF721226FE84A3AFC3AD95774D01E1CBB981";

}  // namespace

Text DecipherCaption(const Text& hex) {
  if (hex.size() % 2 != 0) return Text();
  Text text;
  text.reserve(hex.size() / 2);
  for (std::size_t i = 0; i < hex.size() / 2; ++i) {
    const int high = HexDigit(hex[2 * i]);
    const int low = HexDigit(hex[2 * i + 1]);
    if (high < 0 || low < 0) return Text();
    const unsigned char byte = static_cast<unsigned char>((high << 4 | low) ^ KeyAt(i));
    if (byte == 0) break;
    text.push_back(static_cast<char>(byte));
  }
  return text;
}

Text EncipherCaption(const Text& text) {
  static const char kDigits[] = "0123456789ABCDEF";
  Text hex;
  hex.reserve(text.size() * 2);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const unsigned char byte = static_cast<unsigned char>(text[i]) ^ KeyAt(i);
    hex.push_back(kDigits[byte >> 4]);
    hex.push_back(kDigits[byte & 0xF]);
  }
  return hex;
}

Text ExpectedMainCaption() { return DecipherCaption(kStoredCaption); }
