#pragma once
// Reading one section's keys into a TsGeneralData.
//
// A key reader answers with the key's value or "absent". What "absent" means
// depends on the type: a string is absent when missing or "?"; an integer or
// colour when missing, unreadable or -1. A key that is absent everywhere
// takes the value of a base record: the defaults for the skin's own sections,
// the parent's record for sections merged from CommonSections.

#include <optional>
#include <string>
#include <string_view>

#include "sIniDocument.h"
#include "sInheritedValues.h"
#include "sMaskData.h"

namespace skin {

class TsKeyReader {
public:
  virtual ~TsKeyReader() = default;
  // Values following PARENTCLASS where the reader does so.
  virtual std::optional<std::string> String(std::string_view key) const = 0;
  virtual std::optional<int> Integer(std::string_view key) const = 0;
  // Values of the section itself (keys that are never inherited).
  virtual std::optional<int> OwnInteger(std::string_view key) const = 0;
};

// A section of an options document, with PARENTCLASS inheritance (see
// sInheritedValues.h). section is its number in the document's Sections().
class TsInheritingReader final : public TsKeyReader {
public:
  TsInheritingReader(const TsInheritedValues& values, const TsIniDocument& ini, std::size_t section)
      : values_(values), ini_(ini), section_(section) {}
  std::optional<std::string> String(std::string_view key) const override { return values_.String(section_, key); }
  std::optional<int> Integer(std::string_view key) const override { return values_.Integer(section_, key); }
  std::optional<int> OwnInteger(std::string_view key) const override;

private:
  const TsInheritedValues& values_;
  const TsIniDocument& ini_;
  std::size_t section_;
};

// A section of a CommonSections text: only its own keys, no inheritance.
class TsDirectReader final : public TsKeyReader {
public:
  TsDirectReader(const TsIniDocument& ini, std::string section) : ini_(ini), section_(std::move(section)) {}
  std::optional<std::string> String(std::string_view key) const override;
  std::optional<int> Integer(std::string_view key) const override;
  std::optional<int> OwnInteger(std::string_view key) const override { return Integer(key); }

private:
  const TsIniDocument& ini_;
  std::string section_;
};

// Fills every keyed field of record from reader, taking base's field where a
// key is absent, and parses the gradients. ParentClass and SectionName are
// left to the caller.
void FillGeneralData(const TsKeyReader& reader, const TsGeneralData& base, TsGeneralData& record);

}  // namespace skin
