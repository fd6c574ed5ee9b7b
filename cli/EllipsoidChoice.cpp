#include "cli/EllipsoidChoice.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>

#include "cli/DatumShift.h"
#include "gis/GisDatums.h"

namespace gkconv {

namespace {

struct TAlias {
  std::string_view Name;
  std::string_view Code;
};

// Names surveyors use for the ellipsoids of the Chinese systems and the
// international ones.
constexpr TAlias kAliases[] = {
    {"WGS84", "WE"},       {"WGS 84", "WE"},       {"WGS-84", "WE"},
    {"GRS80", "RF"},       {"GRS 80", "RF"},       {"GRS-80", "RF"},        {"CGCS2000", "RF"},
    {"Krassovsky", "KA"},  {"Krasovsky", "KA"},    {"Krassowsky", "KA"},    {"Beijing 1954", "KA"},
    {"Beijing54", "KA"},   {"BJ54", "KA"},         {"Xi'an 1980", "XA80"},  {"Xian80", "XA80"},
    {"Xian 1980", "XA80"}, {"IAG 1975", "XA80"},   {"IAG75", "XA80"},
};

// The Xi'an 1980 system's ellipsoid (IAG 1975) is not in the engine's table.
constexpr std::string_view kXian80Code = "XA80";
constexpr long double kXian80A = 6378140, kXian80InverseFlattening = 298.257;

std::string Lower(std::string_view s) {
  std::string out;
  for (char c : s) out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

// Registers (once) a datum of gkconv's own naming the ellipsoid code.
const TGIS_Datum* DatumFor(const std::string& ellipsoidCode) {
  const std::string code = "GKCONV-" + ellipsoidCode;
  if (const TGIS_Datum* existing = GisDatumList->Find(code)) return existing;
  return &GisDatumList->Add(TGIS_DatumKind::dkWgs84, code, "gkconv: " + ellipsoidCode, ellipsoidCode, {});
}

const TGIS_Ellipsoid* FindByName(std::string_view spec) {
  if (const TGIS_Ellipsoid* e = GisEllipsoidList->Find(spec)) return e;
  const std::string wanted = Lower(spec);
  for (const TAlias& alias : kAliases) {
    if (Lower(alias.Name) == wanted) {
      if (alias.Code == kXian80Code && !GisEllipsoidList->Find(kXian80Code))
        GisEllipsoidList->Add(std::string(kXian80Code), "Xi'an 1980 (IAG 1975)", kXian80A, kXian80InverseFlattening);
      return GisEllipsoidList->Find(alias.Code);
    }
  }
  for (int i = 0; i < GisEllipsoidList->Count(); ++i) {
    const TGIS_Ellipsoid& e = GisEllipsoidList->Item(i);
    if (Lower(e.Description) == wanted) return &e;
  }
  return nullptr;
}

}  // namespace

const TGIS_Datum* ChooseEllipsoid(std::string_view spec, std::string& error) {
  if (const TGIS_Ellipsoid* e = FindByName(spec)) return DatumFor(e->Code);
  if (spec.find(',') != std::string_view::npos) {
    double v[2];
    if (!ParseNumberList(spec, 2, v, error)) {
      error = "ellipsoid '" + std::string(spec) + "': " + error;
      return nullptr;
    }
    if (!(v[0] > 6e6 && v[0] < 7e6) || !(v[1] > 100 && v[1] < 1000)) {
      error = "ellipsoid '" + std::string(spec) +
              "': expected the semi-major axis in metres and the inverse flattening (6378140,298.257)";
      return nullptr;
    }
    const std::string code = "A" + std::string(spec);
    if (!GisEllipsoidList->Find(code))
      GisEllipsoidList->Add(code, "a = " + std::string(spec.substr(0, spec.find(','))) + " m, 1/f = " +
                                      std::string(spec.substr(spec.find(',') + 1)),
                            v[0], v[1]);
    return DatumFor(code);
  }
  error = "unknown ellipsoid '" + std::string(spec) + "' (see 'gkconv ellipsoids', or give a,1/f)";
  return nullptr;
}

std::vector<TEllipsoidRow> EllipsoidRows() {
  std::vector<TEllipsoidRow> rows;
  auto aliasesOf = [](std::string_view code) {
    std::string out;
    for (const TAlias& a : kAliases) {
      if (a.Code != code) continue;
      if (!out.empty()) out += ", ";
      out += a.Name;
    }
    return out;
  };
  for (int i = 0; i < GisEllipsoidList->Count(); ++i) {
    const TGIS_Ellipsoid& e = GisEllipsoidList->Item(i);
    if (e.Code.starts_with("A") && e.Code.find(',') != std::string::npos) continue;  // a,1/f given earlier
    if (e.Code == kXian80Code) continue;
    rows.push_back({e.Code, static_cast<double>(e.A), static_cast<double>(1 / e.F), e.Description, aliasesOf(e.Code)});
  }
  rows.push_back({std::string(kXian80Code), static_cast<double>(kXian80A), static_cast<double>(kXian80InverseFlattening),
                  "Xi'an 1980 (IAG 1975)", aliasesOf(kXian80Code)});
  return rows;
}

}  // namespace gkconv
