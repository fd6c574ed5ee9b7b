#pragma once
// The converter's start-up, in order: the projection engine's tables, the
// application object and its title, the main window from its stored layout
// (its creation handler makes the projection object), then the message loop
// until the window closes; the engine's tables go last.

#include <functional>

class TForm1;

// Runs the program; returns its exit code. A caller that measures the
// program (a benchmark) may look at the main window once it exists.
int RunConverter(const std::function<void(TForm1&)>& mainFormCreated = {});
