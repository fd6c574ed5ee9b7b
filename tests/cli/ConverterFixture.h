#pragma once
// Converting single rows the way a run does, on the engine's tables.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/EllipsoidChoice.h"
#include "cli/RowConverter.h"
#include "gis/GisEngine.h"

class ConverterFixture : public ::testing::Test {
protected:
  // The output columns of one row ("," separated), or "error: <reason>".
  std::string Convert(const gkconv::TConvertSettings& settings, std::vector<std::string_view> fields) {
    gkconv::TRowConverter converter(settings);
    std::string out;
    gkconv::TRowError error;
    if (!converter.Convert(fields, ",", out, error))
      return "error: field " + std::to_string(error.Field) + ": " + error.Reason;
    return out.substr(1);
  }

  gkconv::TConvertSettings Settings(gkconv::TDirection direction, const char* ellipsoid = "WE") {
    gkconv::TConvertSettings s;
    s.Direction = direction;
    std::string error;
    s.GridDatum = s.GeodeticDatum = gkconv::ChooseEllipsoid(ellipsoid, error);
    EXPECT_NE(s.GridDatum, nullptr) << error;
    return s;
  }

  GisEngineScope engine;
};
