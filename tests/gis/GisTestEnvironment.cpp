// Every test of this binary runs with the engine started, as the application does.
#include "gis/GisEngine.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

class GisEngineEnvironment : public ::testing::Environment {
public:
  void SetUp() override { scope_.emplace(); }
  void TearDown() override { scope_.reset(); }

private:
  std::optional<GisEngineScope> scope_;
};

[[maybe_unused]] ::testing::Environment* const gEnvironment =
    ::testing::AddGlobalTestEnvironment(new GisEngineEnvironment);

}  // namespace
