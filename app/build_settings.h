// Settings fixed when the program is built: the extraction service's host
// and the contact line of the saved file.
#pragma once

#include "app/text_ops.h"

// Host (or host:port) of the extraction service.
const Text& ServiceHost();

// Points the program at another service; the integration tests use it to
// reach the demo service on its test port.
void OverrideServiceHostForTesting(const Text& host);

// The one-line contact text appended to the saved file.
const Text& ContactLine();
