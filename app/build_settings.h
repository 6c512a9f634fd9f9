// Settings fixed when the program is built: the extraction service's host,
// how long it has to answer, and the contact line of the saved file.
#pragma once

#include "app/text_ops.h"

// Host (or host:port) of the extraction service.
const Text& ServiceHost();

// Points the program at another service; the integration tests use it to
// reach the demo service on its test port.
void OverrideServiceHostForTesting(const Text& host);

// Seconds the extraction service has to answer an extract (60).
int ServiceTimeoutSeconds();

// A shorter wait for the integration tests of a service that never answers.
void OverrideServiceTimeoutForTesting(int seconds);

// The one-line contact text appended to the saved file.
const Text& ContactLine();
