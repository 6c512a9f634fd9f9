// Building the extraction service query and cutting the proxy list out of
// its answer page. Portable: no windows.h here.
#pragma once

#include <functional>

#include "app/text_ops.h"

// Lets long loops keep the window responsive; empty means nothing to pump.
using MessagePump = std::function<void()>;

// Every byte becomes "%" and two upper-case hex digits; pump runs after each.
Text PercentEncode(const Text& text, const MessagePump& pump = {});

// Carrier classes as the radio buttons give them.
enum class Carrier { All = 3, Telecom = 2, Unicom = 1 };

// "&xl=<digit>&cf=4&tj=%CC%E1+%C8%A1".
Text CarrierTail(Carrier carrier);

// "http://" host "/tiqu.php?dq=" region "&sl=" count "&dk=" port tail.
// encodedRegion is already percent-encoded.
Text BuildQueryUrl(const Text& serviceHost, const Text& encodedRegion,
                   const Text& count, const Text& port, Carrier carrier);

// The text after the last occurrence of marker, or empty when it is absent.
Text TextAfterLast(const Text& text, const Text& marker);

// The list after the last "主</h4>", every "<br>" turned into "\r\n", a lone
// lead byte at its end dropped.
Text CutProxyList(const Text& page);

// The page holds the list marker "主</h4>": it is an answer with a list,
// even an empty one.
bool HasListMarker(const Text& page);
