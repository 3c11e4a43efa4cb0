// The end of the user's session (log-off, shutdown) and a termination request (SIGTERM), both
// delivered as one call on the GUI thread.
#pragma once

#include <functional>

class QObject;

// Calls `handler` from the event loop when the session manager asks the program to save its
// data before the session ends, or when the process receives SIGTERM. The handler is expected
// to end the program.
void onSessionEnd(QObject* context, std::function<void()> handler);
