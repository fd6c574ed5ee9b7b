#pragma once
// Start-up and shutdown of the projection engine's process-wide state, in
// this order: the datum and ellipsoid tables, the message catalogue, the
// projection registry; freed in reverse. Calls nest: only the outermost
// startup builds and only the matching shutdown frees.

void GisEngineStartup();
void GisEngineShutdown();

// The engine for the life of a scope (the application's main, a test
// environment, a benchmark).
struct GisEngineScope {
  GisEngineScope() { GisEngineStartup(); }
  ~GisEngineScope() { GisEngineShutdown(); }
  GisEngineScope(const GisEngineScope&) = delete;
  GisEngineScope& operator=(const GisEngineScope&) = delete;
};
