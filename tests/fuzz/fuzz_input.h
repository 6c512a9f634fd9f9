// Splitting one fuzzer input into the arguments of a routine: small numbers
// from the front, texts separated by a 0xFF 0x00 pair (so that texts may hold
// any other byte, zero included). Host build only.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class FuzzInput {
 public:
  FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  // A number in [low, high] taken from the next byte (low when used up).
  int Number(int low, int high) {
    if (at_ >= size_ || high <= low) return low;
    return low + data_[at_++] % (high - low + 1);
  }
  bool Flag() { return Number(0, 1) == 1; }

  // The next text, up to the separator or the end.
  std::string Text() {
    std::string text;
    while (at_ < size_) {
      if (data_[at_] == 0xFF && at_ + 1 < size_ && data_[at_ + 1] == 0x00) {
        at_ += 2;
        return text;
      }
      text += static_cast<char>(data_[at_++]);
    }
    return text;
  }

  std::vector<unsigned char> Rest() {
    std::vector<unsigned char> rest(data_ + at_, data_ + size_);
    at_ = size_;
    return rest;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

// Stops the run with a finding when a property does not hold.
#define FUZZ_CHECK(condition) \
  do {                        \
    if (!(condition)) __builtin_trap(); \
  } while (0)
