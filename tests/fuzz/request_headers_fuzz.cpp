// The request header block, agent and flags from any caller's headers, URL,
// method, body and cookies.
#include "tests/fuzz/fuzz_input.h"
#include "web/request_headers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput in(data, size);
  const bool post = in.Flag();
  const bool follow = in.Flag();
  const Text headers = in.Text();
  const Text url = in.Text();
  const Text cookies = in.Text();
  const Bytes body = TextToBytes(in.Text());
  const Text method = post ? "POST" : "GET";
  const Text block = ComposeHeaderBlock(headers, url, method, body, cookies);
  FUZZ_CHECK(block.size() + 9 >= headers.size());  // at most "RefererNo" taken out
  if (!cookies.empty()) FUZZ_CHECK(block.size() >= 4 && block.compare(block.size() - 4, 4, "\r\n\r\n") == 0);
  RequestUserAgent(headers);
  const std::uint32_t flags = RequestFlags(IsHttpsUrl(url), cookies, follow);
  if (IsHttpsUrl(url)) FUZZ_CHECK(flags == INTERNET_FLAG_SECURE);
  return 0;
}
