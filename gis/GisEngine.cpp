#include "gis/GisEngine.h"

#include "gis/GisDatums.h"
#include "gis/GisMessages.h"
#include "gis/GisProjections.h"

namespace {
int gStartCount = 0;  // the engine runs on one thread; no lock
}

void GisEngineStartup() {
  if (gStartCount++ > 0) return;
  try {
    GisDatumsStartup();
    GisMessagesStartup();
    GisProjectionsStartup();
  } catch (...) {
    --gStartCount;
    GisProjectionsShutdown();
    GisMessagesShutdown();
    GisDatumsShutdown();
    throw;
  }
}

void GisEngineShutdown() {
  if (gStartCount == 0 || --gStartCount > 0) return;
  GisProjectionsShutdown();
  GisMessagesShutdown();
  GisDatumsShutdown();
}
