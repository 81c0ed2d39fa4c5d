#pragma once
// A pump for the waits below the application's own loop (a socket flushing,
// a DDE server starting): it dispatches what the thread's queue holds, and
// leaves a quit request to the loop that owns it.
namespace platform {

// Translates and dispatches every message waiting in this thread's queue,
// without waiting for more. A WM_QUIT stops it and is posted again with its
// exit code for the loop that owns it; true when that happened.
bool PumpWaitingMessages();

}  // namespace platform
