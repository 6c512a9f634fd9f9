#include "app/build_settings.h"

#ifndef PX_SERVICE_HOST
#error "PX_SERVICE_HOST must name the extraction service host"
#endif
#ifndef PX_CONTACT_LINE
#error "PX_CONTACT_LINE must hold the contact line"
#endif

namespace {

Text& ServiceHostValue() {
  static Text host = PX_SERVICE_HOST;
  return host;
}

constexpr int kServiceTimeoutSeconds = 60;
int g_serviceTimeoutSeconds = kServiceTimeoutSeconds;

}  // namespace

const Text& ServiceHost() { return ServiceHostValue(); }

void OverrideServiceHostForTesting(const Text& host) { ServiceHostValue() = host; }

int ServiceTimeoutSeconds() { return g_serviceTimeoutSeconds; }

void OverrideServiceTimeoutForTesting(int seconds) { g_serviceTimeoutSeconds = seconds; }

const Text& ContactLine() {
  static const Text line = PX_CONTACT_LINE;
  return line;
}
