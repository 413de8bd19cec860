// The message loop, and the same handling of what waits in the queue for the waits of a
// run, so that the window repaints, moves and answers while the CAD application runs.
#pragma once

#include "app/win/app_state.h"

namespace dovevar::win {

// Until the quit message; gives its exit code.
int runMessageLoop(AppState& app);

// Every message waiting now. A quit seen here is put back for the loop and stops the run
// at once, so that the loop gets it soon.
void handleWaitingMessages(AppState& app);

}  // namespace dovevar::win
