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

// A section of an options document, with PARENTCLASS inheritance: an absent
// key is read from the section PARENTCLASS names, and so on up the chain. A
// section naming itself has no parent, and a chain that comes back to a
// section already visited (A names B, B names A) ends there.
class TsInheritingReader final : public TsKeyReader {
public:
  TsInheritingReader(const TsIniDocument& ini, std::string section) : ini_(ini), section_(std::move(section)) {}
  std::optional<std::string> String(std::string_view key) const override;
  std::optional<int> Integer(std::string_view key) const override;
  std::optional<int> OwnInteger(std::string_view key) const override;

private:
  template <typename Lookup>
  auto Walk(Lookup lookup) const -> decltype(lookup(std::string_view{}));
  const TsIniDocument& ini_;
  std::string section_;
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
