// Set-Cookie lines of any response header block.
#include "tests/fuzz/fuzz_input.h"
#include "web/request_headers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput in(data, size);
  const Text block = in.Text();
  const ReceivedCookies received = ParseSetCookies(block);
  FUZZ_CHECK(received.cookieText.size() <= block.size() + received.store.size());
  std::size_t semicolons = 0;
  for (char c : received.cookieText) semicolons += c == ';';
  FUZZ_CHECK(semicolons >= received.store.size());
  for (const CookieToStore& cookie : received.store)
    FUZZ_CHECK(cookie.name.size() + cookie.data.size() <= block.size());
  return 0;
}
