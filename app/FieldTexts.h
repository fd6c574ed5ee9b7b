#pragma once
// The eleven text fields of the converter window, as the conversion commands
// see them. The commands read and write fields only through TFieldAccess, so
// the window can hand them its edit controls directly (each write then
// touches exactly one control) and tests can hand them a TFieldTexts.
// Portable: no platform headers; texts are UTF-8.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace app {

// One enumerator per field, named as the window control that shows it.
enum class TField : int {
  edtLon,        // longitude, decimal degrees, east positive
  edtLat,        // latitude, decimal degrees, north positive
  edtLonD,       // longitude degrees (integer, carries the sign)
  edtLonM,       // longitude minutes
  edtLonS,       // longitude seconds
  edtLatD,       // latitude degrees (integer, carries the sign)
  edtLatM,       // latitude minutes
  edtLatS,       // latitude seconds
  edtGaussX,     // easting in metres, false easting 500000 included, no zone prefix
  edtGaussY,     // northing in metres from the equator
  edtGaussZone,  // 6-degree zone number
};

inline constexpr std::size_t FieldCount = 11;

inline constexpr std::array<TField, FieldCount> AllFields = {
    TField::edtLon,  TField::edtLat,  TField::edtLonD,   TField::edtLonM,
    TField::edtLonS, TField::edtLatD, TField::edtLatM,   TField::edtLatS,
    TField::edtGaussX, TField::edtGaussY, TField::edtGaussZone};

// The control name of a field ("edtLon", ...), for diagnostics and lookups.
std::string_view FieldName(TField field);

// How a command reaches the fields. The window implements it over its edit
// controls (GetWindowTextW / SetWindowTextW with UTF-8 <-> UTF-16 at the
// boundary). Implementations may throw; the commands catch everything.
class TFieldAccess {
public:
  virtual ~TFieldAccess() = default;
  virtual std::string Text(TField field) const = 0;
  virtual void SetText(TField field, std::string_view text) = 0;
};

// Plain in-memory field texts: the model used by tests, benchmarks and any
// caller without a window.
class TFieldTexts final : public TFieldAccess {
public:
  std::string Text(TField field) const override { return FTexts[Index(field)]; }
  void SetText(TField field, std::string_view text) override { FTexts[Index(field)] = text; }

  std::string& operator[](TField field) { return FTexts[Index(field)]; }
  const std::string& operator[](TField field) const { return FTexts[Index(field)]; }

  friend bool operator==(const TFieldTexts& a, const TFieldTexts& b) { return a.FTexts == b.FTexts; }

private:
  static std::size_t Index(TField field) { return static_cast<std::size_t>(field); }
  std::array<std::string, FieldCount> FTexts;
};

}  // namespace app
