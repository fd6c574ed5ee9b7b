// Every command against many thousands of random and hostile field texts:
// nothing escapes, outputs are all written (and read back as numbers) or all
// emptied, and fields a command does not write keep their texts.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DecimalSeparatorScope.h"
#include "EngineFixture.h"
#include "HostileText.h"
#include "app/ConversionCommands.h"
#include "toolkit/core/NumberText.h"

namespace {

using app::TConversionCommands;
using app::TField;
using app::TFieldTexts;

struct CommandCase {
  const char* name;
  bool (TConversionCommands::*run)(app::TFieldAccess&) noexcept;
  std::vector<TField> outputs;
};

const std::vector<CommandCase>& Commands() {
  static const std::vector<CommandCase> commands = {
      {"GeodeticToGauss", &TConversionCommands::GeodeticToGauss,
       {TField::edtGaussX, TField::edtGaussY, TField::edtGaussZone}},
      {"GaussToGeodetic", &TConversionCommands::GaussToGeodetic, {TField::edtLon, TField::edtLat}},
      {"SplitLongitude", &TConversionCommands::SplitLongitude,
       {TField::edtLonD, TField::edtLonM, TField::edtLonS}},
      {"JoinLongitude", &TConversionCommands::JoinLongitude, {TField::edtLon}},
      {"SplitLatitude", &TConversionCommands::SplitLatitude,
       {TField::edtLatD, TField::edtLatM, TField::edtLatS}},
      {"JoinLatitude", &TConversionCommands::JoinLatitude, {TField::edtLat}},
  };
  return commands;
}

bool IsIntegerField(TField field) {
  return field == TField::edtLonD || field == TField::edtLatD || field == TField::edtGaussZone;
}

bool ReadsBack(TField field, const std::string& text) {
  return IsIntegerField(field) ? tk::TryStrToInt(text).has_value() : tk::TryStrToFloat(text).has_value();
}

// Mostly texts of the kind the field expects, often hostile ones.
std::string FieldText(THostileText& gen, TField field) {
  if (gen.OneIn(4)) return gen.Next();
  switch (field) {
    case TField::edtLon: return gen.Longitude();
    case TField::edtLat: return gen.Latitude();
    case TField::edtGaussX: return gen.Easting();
    case TField::edtGaussY: return gen.Northing();
    case TField::edtGaussZone: return gen.Zone();
    case TField::edtLonD:
    case TField::edtLatD: return gen.SmallInteger();
    default: return gen.Latitude();
  }
}

class CommandProperty : public EngineFixture, public ::testing::WithParamInterface<const char*> {};

TEST_P(CommandProperty, HostileTextsNeverBreakACommand) {
  const DecimalSeparatorScope separator(GetParam());
  constexpr int kRounds = 12000;
  THostileText gen(GetParam()[0] == '.' ? 0x5EED0001u : 0x5EED0002u);
  TConversionCommands commands;

  for (const CommandCase& command : Commands()) {
    int written = 0;
    int emptied = 0;
    for (int round = 0; round < kRounds; ++round) {
      TFieldTexts fields;
      for (TField field : app::AllFields) fields[field] = FieldText(gen, field);
      const TFieldTexts before = fields;

      const bool ok = (commands.*command.run)(fields);
      ok ? ++written : ++emptied;

      for (TField field : app::AllFields) {
        bool isOutput = false;
        for (TField out : command.outputs) isOutput = isOutput || out == field;
        if (!isOutput) {
          ASSERT_EQ(fields[field], before[field]) << command.name << " changed " << app::FieldName(field)
                                                  << " in round " << round;
        } else if (ok) {
          ASSERT_TRUE(ReadsBack(field, fields[field]))
              << command.name << " wrote \"" << fields[field] << "\" into " << app::FieldName(field)
              << " in round " << round;
        } else {
          ASSERT_EQ(fields[field], "") << command.name << " left " << app::FieldName(field) << " in round "
                                       << round;
        }
      }
    }
    // Both paths must really be exercised, or the rounds prove little.
    EXPECT_GT(written, kRounds / 10) << command.name;
    EXPECT_GT(emptied, kRounds / 10) << command.name;
  }

  for (int round = 0; round < 200; ++round) {
    TFieldTexts fields;
    for (TField field : app::AllFields) fields[field] = gen.Next();
    ASSERT_TRUE(commands.ClearAll(fields));
    ASSERT_EQ(fields, TFieldTexts{});
  }
}

INSTANTIATE_TEST_SUITE_P(Separators, CommandProperty, ::testing::Values(".", ","),
                         [](const auto& info) { return info.param[0] == '.' ? "Dot" : "Comma"; });

}  // namespace
