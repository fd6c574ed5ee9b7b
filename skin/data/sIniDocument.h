#pragma once
// The options-file dialect of skins, read from memory.
//
// Skins are written by hand and by many tools, so the reader is forgiving
// where that costs nothing and exact where it must be. Blanks around lines,
// names and values do not count, nor does the case of section and key names;
// ";" starts a comment line. "[name]" opens a section and "key=value" splits
// at the first "=", so values may hold "=" themselves. Lines the format does
// not know (no "=", or before any section) are passed over rather than
// rejected. A name given twice means its first occurrence, the one a reader
// of the file sees first.
//
// Values: integers are decimal, or hexadecimal after "$" or "0x"/"0X" (up to
// eight digits; values above $7FFFFFFF wrap to negative, as system colours are
// written); booleans are true exactly for "TRUE" in any case; floating-point
// values use "." as the separator. A value that does not read counts as
// absent and gives the caller's default.

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace skin {

class TsIniDocument {
public:
  TsIniDocument() = default;
  // name is only a label (the loader's "1.tmp", "2.tmp" for CommonSections).
  explicit TsIniDocument(std::string_view text, std::string name = {});

  const std::string& Name() const { return name_; }
  // Distinct section names in file order, as written (first occurrence).
  const std::vector<std::string>& Sections() const { return sectionNames_; }
  // Distinct key names of a section in file order, as written.
  std::vector<std::string> Keys(std::string_view section) const;
  // Each distinct key of section number i of Sections() with its value (the
  // first occurrence's, as Find gives it), in file order: for loaders that
  // walk every value, without a look-up per key.
  template <typename Visit>
  void VisitEntries(std::size_t section, Visit visit) const {
    if (section >= sections_.size()) return;
    for (const Entry& e : sections_[section].entries)
      if (e.first) visit(std::string_view(e.key), std::string_view(e.value));
  }

  bool SectionExists(std::string_view section) const;
  std::optional<std::string_view> Find(std::string_view section, std::string_view key) const;
  // The same for section number i of Sections() and a key already upper-
  // cased: for loaders that ask every section for the same keys.
  std::optional<std::string_view> FindAt(std::size_t section, const std::string& upperKey) const;

  std::string ReadString(std::string_view section, std::string_view key, std::string_view def) const;
  int ReadInteger(std::string_view section, std::string_view key, int def) const;
  bool ReadBool(std::string_view section, std::string_view key, bool def) const;
  double ReadFloat(std::string_view section, std::string_view key, double def) const;

  // The integer rules above, for callers that hold a value already.
  static std::optional<int> ParseInteger(std::string_view text);

private:
  struct Entry {
    std::string key;
    std::string value;
    bool first = false;  // the first occurrence of its key in the section
  };
  struct Section {
    std::vector<Entry> entries;  // keys in file order, duplicates included
    std::unordered_map<std::string, std::size_t> index;  // upper-cased key -> first entry
  };
  const Section* FindSection(std::string_view section) const;

  std::string name_;
  std::vector<std::string> sectionNames_;
  std::vector<Section> sections_;                              // parallel to sectionNames_
  std::unordered_map<std::string, std::size_t> sectionIndex_;  // upper-cased name -> first block
};

}  // namespace skin
