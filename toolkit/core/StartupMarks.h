#pragma once
// Named points of the program's start-up, for a probe that wants to know
// where the time goes. Nothing is recorded and nothing is printed unless a
// listener is installed; without one a mark costs one test of a pointer.

namespace tk {

using TStartupListener = void (*)(const char* mark);

// Installs the listener (nullptr removes it); returns the previous one.
TStartupListener SetStartupListener(TStartupListener listener);

// Tells the listener, if any, that start-up has reached the named point.
// The name must be a string literal (the listener may keep the pointer).
void StartupMark(const char* mark);

}  // namespace tk
