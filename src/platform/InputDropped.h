// A job that holds the GUI thread (a MAME run): the windows show their state before it starts,
// and what the user does meanwhile is not acted on once it ends.
#pragma once

#include <functional>

// Paints every shown window as it stands (buttons just disabled look disabled), runs `job`, then
// drops the mouse and keyboard input that arrived while it ran, and returns the job's result.
// The other events that came meanwhile are delivered with it; timers and sockets wait for the
// event loop as before.
int RunWithInputDropped(const std::function<int()>& job);
