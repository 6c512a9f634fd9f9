#include "app/extract_failure.h"

namespace {

constexpr unsigned long kHttpOk = 200;

// The system's descriptions end with a full stop, which the brackets
// around them make one too many.
Text WithoutFinalStop(Text reason) {
  for (;;) {
    while (!reason.empty() && (reason.back() == '\r' || reason.back() == '\n' || reason.back() == '\t'))
      reason.pop_back();
    reason = TrimSpaces(reason);
    const Text stop = "。";
    const int last = FindTextLast(reason, stop);
    if (last > 0 && static_cast<std::size_t>(last) - 1 + stop.size() == reason.size()) {
      reason.resize(reason.size() - stop.size());
    } else if (!reason.empty() && reason.back() == '.') {
      reason.pop_back();
    } else {
      return reason;
    }
  }
}

}  // namespace

Text ExtractFailureMessage(const ExtractFailure& failure) {
  Text message = "提取代理ip失败：";
  switch (failure.kind) {
    case ExtractFailureKind::TimedOut:
      message += "提取服务" + ValueToText(failure.timeoutSeconds) + "秒内没有回答";
      break;
    case ExtractFailureKind::NoConnection:
      message += "连不上提取服务（" + WithoutFinalStop(failure.networkReason) + "）";
      break;
    case ExtractFailureKind::NoList:
      message += "提取服务的回答里没有代理列表";
      if (failure.httpStatus != kHttpOk)
        message += "（HTTP " + ValueToText(static_cast<long long>(failure.httpStatus)) + "）";
      if (!failure.excerpt.empty()) message += "：" + failure.excerpt;
      break;
  }
  return message;
}
