// What a fetch tells its caller besides the page: how it ended, the status
// of the last answer, the network error when no answer came, the time-out.
#include <windows.h>
#include <wininet.h>

#include <gtest/gtest.h>

#include "tests/web/demo_service.h"

namespace {

// The report of one fetch of url with the given time-out.
FetchReport ReportOf(const Text& url, int timeoutSeconds = 20, Text* page = nullptr) {
  FetchReport report;
  report.httpStatus = 999;  // all of it is written
  report.networkError = 999;
  FetchOptions options;
  options.timeoutSeconds = timeoutSeconds;
  options.report = &report;
  const Text text = FetchText(url, options);
  if (page) *page = text;
  return report;
}

TEST(FetchReportTest, AnswersCarryTheirStatusWhateverItIs) {
  FetchReport report = ReportOf(DemoUrl("/slow?ms=0"));
  EXPECT_EQ(report.end, FetchEnd::Answered);
  EXPECT_EQ(report.httpStatus, 200u);
  EXPECT_EQ(report.networkError, 0u);
  EXPECT_EQ(report.timeoutSeconds, 20);

  Text page;
  report = ReportOf(DemoUrl("/status?code=403"), 20, &page);
  EXPECT_EQ(report.end, FetchEnd::Answered);
  EXPECT_EQ(report.httpStatus, 403u);
  EXPECT_EQ(page, "status 403") << "the page of an error comes back as ever";

  // The status is that of the last answer, after the redirects.
  report = ReportOf(DemoUrl("/hops?n=2"));
  EXPECT_EQ(report.end, FetchEnd::Answered);
  EXPECT_EQ(report.httpStatus, 200u);
  // One redirect too many: the answer was a redirect, and no page came.
  report = ReportOf(DemoUrl("/loop"), 20, &page);
  EXPECT_EQ(report.end, FetchEnd::Answered);
  EXPECT_EQ(report.httpStatus, 302u);
  EXPECT_EQ(page, "");
}

TEST(FetchReportTest, NoAnswerCarriesTheSystemsErrorCode) {
  // Nobody listens there.
  FetchReport report = ReportOf("http://127.0.0.1:1/x");
  EXPECT_EQ(report.end, FetchEnd::NoAnswer);
  EXPECT_EQ(report.httpStatus, 0u);
  EXPECT_EQ(report.networkError, static_cast<unsigned long>(ERROR_INTERNET_CANNOT_CONNECT));

  // Reset before any answer, and bytes that are no HTTP answer.
  for (const char* path : {"/tiqu.php?dq=resetnow&sl=1&dk=&xl=2&cf=4&tj=%CC%E1+%C8%A1", "/nothttp"}) {
    SCOPED_TRACE(path);
    FetchOptions post;
    FetchReport answer;
    post.method = 1;
    post.body = Bytes();
    post.timeoutSeconds = 20;
    post.report = &answer;
    FetchText(DemoUrl(path), post);
    EXPECT_EQ(answer.end, FetchEnd::NoAnswer);
    EXPECT_EQ(answer.httpStatus, 0u);
    EXPECT_NE(answer.networkError, 0u);
  }

  // Half the page, then a reset: the answer broke off (or, when the reset
  // overtook the bytes sent before it, never came).
  Text page;
  report = ReportOf(DemoUrl("/reset"), 20, &page);
  EXPECT_EQ(report.end, FetchEnd::NoAnswer);
  EXPECT_NE(report.networkError, 0u);
  if (report.httpStatus != 0) {
    EXPECT_EQ(report.httpStatus, 200u);
    EXPECT_FALSE(page.empty()) << "what came still comes back";
  }

  // A port the network library cannot take.
  report = ReportOf("http://127.0.0.1:70000/x");
  EXPECT_EQ(report.end, FetchEnd::NoAnswer);
  EXPECT_EQ(report.networkError, static_cast<unsigned long>(ERROR_INTERNET_INVALID_URL));
}

TEST(FetchReportTest, TimeOutBlankUrlAndGivingUpAreToldApart) {
  FetchReport report = ReportOf(DemoUrl("/stall"), 1);
  EXPECT_EQ(report.end, FetchEnd::TimedOut);
  EXPECT_EQ(report.timeoutSeconds, 1);
  EXPECT_EQ(report.httpStatus, 0u);

  report = ReportOf("   ");
  EXPECT_EQ(report.end, FetchEnd::NotSent);

  FetchAbort abort;
  AbortFetch(abort);
  FetchOptions options;
  options.abort = &abort;
  options.report = &report;
  FetchText(DemoUrl("/slow?ms=0"), options);
  EXPECT_EQ(report.end, FetchEnd::GivenUp);
  EXPECT_EQ(report.timeoutSeconds, 60) << "the default time-out";
}

}  // namespace
