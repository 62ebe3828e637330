// The pass dialog's search runs on worker threads: these start it and let the event
// loop run until it has ended and its list is shown.
#pragma once

#include "prediction/pass_search_run.h"

class PassDialog;

namespace testsupport {

// "OK" (or "Heute Nacht sichtbar") and the end of the search it started; Refused or
// Failed when it did not start.
PassSearchOutcome SearchToEnd(PassDialog* dialog, bool tonight = false);
// The end of the search that runs (its outcome; that of the last one when none runs).
PassSearchOutcome WaitForSearchEnd(PassDialog* dialog);

}  // namespace testsupport
