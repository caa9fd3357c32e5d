#pragma once
// Brings the top-level windows of another process to the front, through the
// window manager's activation request. Only X11 offers that to a client.
#include <cstdint>

// False when no window of the process was found or the display has no
// window manager hints.
bool RaiseWindowsOfProcess(std::int64_t pid);
