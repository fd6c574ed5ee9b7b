#pragma once
// A test that needs the projection engine's tables: they are built before the
// derived fixture's members (a TConversionCommands) and freed after them.

#include <gtest/gtest.h>

#include "gis/GisEngine.h"

class EngineFixture : public ::testing::Test {
protected:
  GisEngineScope engine;
};
