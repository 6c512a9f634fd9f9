// What the box says when a click of "提取ip" fails. Portable: no windows.h
// here; the system's description of a network error comes in as text.
#pragma once

#include "app/text_ops.h"

enum class ExtractFailureKind {
  TimedOut,      // no complete answer within the time-out
  NoConnection,  // no answer at all: no name, no connection, a reset, not HTTP
  NoList,        // an answer without the list marker
};

struct ExtractFailure {
  ExtractFailureKind kind = ExtractFailureKind::NoList;
  int timeoutSeconds = 0;     // TimedOut: the time-out in force
  Text networkReason;         // NoConnection: the system's description
  unsigned long httpStatus = 0;  // NoList: the answer's status
  Text excerpt;               // NoList: what the answer itself says
};

// "提取代理ip失败：" and the reason:
//   TimedOut      "提取服务<N>秒内没有回答"
//   NoConnection  "连不上提取服务（<reason>）", the reason without a final
//                 full stop
//   NoList        "提取服务的回答里没有代理列表", "（HTTP <status>）" when
//                 the status is not 200, "：<excerpt>" when there is one.
Text ExtractFailureMessage(const ExtractFailure& failure);
