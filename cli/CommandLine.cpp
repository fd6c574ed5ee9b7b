#include "cli/CommandLine.h"

#include <CLI/CLI.hpp>

#include <cmath>
#include <string>

#include "cli/BatchConversion.h"
#include "cli/EllipsoidChoice.h"
#include "cli/FileIO.h"
#include "gis/GisDatums.h"

namespace gkconv {

namespace {

constexpr const char* kDescription =
    "gkconv: geodetic longitude/latitude <-> Gauss-Krueger plane coordinates for files of points\n"
    "(CSV, TSV or whitespace-separated; UTF-8 or GBK/GB18030), on the same projection engine and\n"
    "zone rule as the converter window. Bad rows get an error column; the exit status is 0 only\n"
    "when every row converted.";

// Everything the options write into, before it is checked and turned into
// settings.
struct TArguments {
  std::string Input, Output;
  std::string Encoding = "auto", OutputEncoding = "utf-8";
  bool Bom = false, NoBom = false;
  std::string Delimiter = "auto", Header = "auto", Layout;
  std::string First, Second, Height, ZoneColumn;
  int ZoneWidth = 6;
  std::optional<int> Zone;
  std::string CentralMeridian;
  bool ExactMeridian = false, NorthFirst = false, PrefixZone = false, WindowFormat = false;
  bool PackedInput = false;
  std::string Angles = "decimal";
  std::string Ellipsoid = "WE", GeodeticEllipsoid;
  std::string Helmert, Rotation, Shift, Plane4;
  std::optional<int> Digits;
  std::string Params;
  int Threads = 0;
  bool Progress = false, NoProgress = false;
};

void AddCommonOptions(CLI::App& cmd, TArguments& a) {
  cmd.add_option("input", a.Input, "Input file; '-' or nothing for standard input");
  cmd.add_option("-o,--output", a.Output,
                 "Output file (written beside it under a temporary name and renamed when complete); "
                 "standard output when not given");
  cmd.add_option("--params", a.Params,
                 "Parameter file: lines 'option = value' with the long option names (ellipsoid, helmert, rotation, "
                 "shift, plane4, zone-width, ...); options on the command line win")
      ->check(CLI::ExistingFile);

  auto* input = "Input";
  cmd.add_option("--encoding", a.Encoding, "Input encoding: auto, utf-8, gbk, gb18030")
      ->check(CLI::IsMember({"auto", "utf-8", "utf8", "gbk", "cp936", "gb18030", "cp54936"}, CLI::ignore_case))
      ->group(input);
  cmd.add_option("--delimiter", a.Delimiter, "Field delimiter: auto, comma, tab, semicolon, space")
      ->check(CLI::IsMember({"auto", "comma", "tab", "semicolon", "space", "whitespace", ",", ";"}))
      ->group(input);
  cmd.add_option("--header", a.Header, "First line is a header: auto, yes, no")
      ->check(CLI::IsMember({"auto", "yes", "no"}))
      ->group(input);
  cmd.add_option("--layout", a.Layout, "Named layout: cass (点号,编码,Y(东),X(北),H; no header)")
      ->check(CLI::IsMember({"cass"}, CLI::ignore_case))
      ->group(input);
  cmd.add_option("--height", a.Height, "Height column (name or 1-based number); used by --helmert/--shift")
      ->group(input);
  cmd.add_flag("--packed-dms", a.PackedInput, "Read lone numbers as packed ddd.mmss angles (116.232760)")
      ->group(input);
  cmd.add_flag("--north-first", a.NorthFirst,
               "Chinese survey order: X = north before Y = east (and latitude before longitude), "
               "for default input columns and for the output");

  auto* zones = "Zones";
  cmd.add_option("--zone-width", a.ZoneWidth, "6 (the window's rule: zone = trunc(L)/6 + 1) or 3 (n = floor((L+1.5)/3))")
      ->check(CLI::IsMember({6, 3}))
      ->group(zones);
  auto* zone = cmd.add_option("--zone", a.Zone, "One zone for every point (in --zone-width zones)")->group(zones);
  cmd.add_option("--central-meridian", a.CentralMeridian, "One central meridian for every point (degrees, any angle notation)")
      ->excludes(zone)
      ->group(zones);
  cmd.add_flag("--exact-meridian", a.ExactMeridian,
               "Zone meridians with the exact pi instead of the window's 3.14159265 (moves eastings by ~1.5 cm in zone 20)")
      ->group(zones);

  auto* datum = "Ellipsoid and datum";
  cmd.add_option("--ellipsoid", a.Ellipsoid,
                 "Ellipsoid of the plane coordinates: code (WE, RF, KA, ...), name (WGS 84, CGCS2000, Krassovsky, "
                 "Xian80) or a,1/f; see 'gkconv ellipsoids'")
      ->capture_default_str()
      ->group(datum);
  cmd.add_option("--geodetic-ellipsoid", a.GeodeticEllipsoid,
                 "Ellipsoid of the longitudes/latitudes when --helmert/--shift links two systems (default: --ellipsoid)")
      ->group(datum);
  auto* helmert = cmd.add_option("--helmert", a.Helmert,
                                 "7-parameter Bursa-Wolf from the geodetic to the plane system: tx,ty,tz (m),rx,ry,rz (\"),s (ppm); "
                                 "needs --rotation")
                      ->group(datum);
  cmd.add_option("--rotation", a.Rotation, "Rotation convention of --helmert: position-vector or coordinate-frame")
      ->check(CLI::IsMember({"position-vector", "coordinate-frame"}))
      ->group(datum);
  cmd.add_option("--shift", a.Shift, "3-parameter shift from the geodetic to the plane system: dx,dy,dz (m)")
      ->excludes(helmert)
      ->group(datum);
  cmd.add_option("--plane4", a.Plane4,
                 "Plane 4-parameter transformation after projecting: dX (north, m),dY (east, m),angle (\"),scale (ppm)")
      ->group(datum);

  auto* out = "Output";
  cmd.add_option("--output-encoding", a.OutputEncoding, "Output encoding: utf-8, gbk, gb18030")
      ->check(CLI::IsMember({"utf-8", "utf8", "gbk", "cp936", "gb18030", "cp54936"}, CLI::ignore_case))
      ->group(out);
  cmd.add_flag("--bom", a.Bom, "Start UTF-8 output with a BOM (as Excel wants); default: when the input had one")->group(out);
  cmd.add_flag("--no-bom", a.NoBom, "Never write a BOM")->group(out);
  cmd.add_option("--digits", a.Digits,
                 "Decimals of the output: default 3 for metres, 9 for decimal degrees, 5 for seconds")
      ->check(CLI::Range(0, 15))
      ->group(out);
  cmd.add_flag("--window-format", a.WindowFormat, "Numbers as the window writes them: 15 significant digits")->group(out);
  cmd.add_option("--threads", a.Threads, "Converting threads (default: all cores for inputs over 1 MB)")
      ->check(CLI::Range(0, 64));
  cmd.add_flag("--progress", a.Progress, "Show the progress line even when it would not be shown");
  cmd.add_flag("--no-progress", a.NoProgress, "Never show the progress line");
}

bool Fail(std::FILE* diagnostics, const std::string& message) {
  std::fprintf(diagnostics, "gkconv: %s\n", message.c_str());
  return false;
}

// Checks the arguments and fills the run options and settings.
bool BuildSettings(const TArguments& a, TDirection direction, TRunOptions& run, TConvertSettings& s,
                   std::FILE* diagnostics) {
  std::string error;
  s.Direction = direction;
  run.Input = a.Input;
  run.Output = a.Output;
  if (a.Encoding != "auto") run.InputEncoding = EncodingFromName(a.Encoding);
  run.OutputEncoding = *EncodingFromName(a.OutputEncoding);
  if (a.Bom) run.OutputBom = true;
  if (a.NoBom) run.OutputBom = false;
  if (a.Delimiter != "auto") run.Delimiter = DelimiterFromName(a.Delimiter);
  run.Header = a.Header == "yes" ? THeaderMode::Yes : a.Header == "no" ? THeaderMode::No : THeaderMode::Auto;
  run.Columns = {a.First, a.Second, a.Height, a.ZoneColumn, !a.Layout.empty()};
  run.Threads = a.Threads;
  if (a.Progress) run.Progress = true;
  if (a.NoProgress) run.Progress = false;

  s.Angles.Packed = a.PackedInput;
  s.NorthFirst = a.NorthFirst;
  s.PrefixZone = a.PrefixZone;
  s.WindowFormat = a.WindowFormat;
  if (a.WindowFormat && a.Digits) return Fail(diagnostics, "--digits and --window-format exclude each other");
  s.Digits = a.Digits.value_or(-1);
  s.AngleStyle = a.Angles == "dms" ? TAngleStyle::Dms : a.Angles == "packed" ? TAngleStyle::Packed : TAngleStyle::Decimal;
  if (a.WindowFormat && s.AngleStyle != TAngleStyle::Decimal)
    return Fail(diagnostics, "--window-format writes decimal degrees only");

  s.Zones.Width = a.ZoneWidth;
  s.Zones.ExactMeridian = a.ExactMeridian;
  if (a.Zone) s.Zones.Zone = *a.Zone;
  if (!a.CentralMeridian.empty()) {
    const TAngleReading m = ReadAngle(a.CentralMeridian, TAngleAxis::Longitude);
    if (!m.Ok()) return Fail(diagnostics, "--central-meridian: " + m.Error);
    s.Zones.CentralMeridian = m.Degrees;
  }
  if (s.PrefixZone && s.Zones.CentralMeridian)
    return Fail(diagnostics, "--prefix-zone needs a zone number; use --zone instead of --central-meridian");

  s.GridDatum = ChooseEllipsoid(a.Ellipsoid, error);
  if (!s.GridDatum) return Fail(diagnostics, "--ellipsoid: " + error);
  s.GeodeticDatum = s.GridDatum;
  if (!a.GeodeticEllipsoid.empty()) {
    s.GeodeticDatum = ChooseEllipsoid(a.GeodeticEllipsoid, error);
    if (!s.GeodeticDatum) return Fail(diagnostics, "--geodetic-ellipsoid: " + error);
  }
  if (!a.Helmert.empty()) {
    double v[7];
    if (!ParseNumberList(a.Helmert, 7, v, error)) return Fail(diagnostics, "--helmert: " + error);
    if (a.Rotation.empty())
      return Fail(diagnostics,
                  "--helmert needs --rotation position-vector or --rotation coordinate-frame: the same seven numbers "
                  "move points by metres under the wrong one");
    s.Helmert = THelmertParameters{v[0], v[1], v[2], v[3], v[4], v[5], v[6], *RotationConventionFromName(a.Rotation)};
  } else if (!a.Shift.empty()) {
    double v[3];
    if (!ParseNumberList(a.Shift, 3, v, error)) return Fail(diagnostics, "--shift: " + error);
    s.Helmert = THelmertParameters{v[0], v[1], v[2], 0, 0, 0, 0, TRotationConvention::PositionVector};
  } else if (!a.Rotation.empty()) {
    return Fail(diagnostics, "--rotation is given without --helmert");
  }
  if (!s.Helmert && s.GeodeticDatum != s.GridDatum)
    return Fail(diagnostics, "--geodetic-ellipsoid differs from --ellipsoid: give the --helmert or --shift between them");
  if (!a.Plane4.empty()) {
    double v[4];
    if (!ParseNumberList(a.Plane4, 4, v, error)) return Fail(diagnostics, "--plane4: " + error);
    s.Plane4 = TPlane4Parameters{v[0], v[1], v[2], v[3]};
  }
  return true;
}

// Options from the parameter file, read with CLI11's own INI reader, for
// every option the command line left out.
bool ApplyParameterFile(CLI::App& cmd, const std::string& path, std::FILE* diagnostics) {
  std::vector<CLI::ConfigItem> items;
  try {
    items = CLI::ConfigINI().from_file(path);
  } catch (const CLI::Error& e) {
    return Fail(diagnostics, "--params '" + path + "': " + e.what());
  }
  for (const CLI::ConfigItem& item : items) {
    if (item.name == "++" || item.name == "--") continue;  // section markers
    CLI::Option* option = cmd.get_option_no_throw("--" + item.name);
    if (!option || item.name == "params")
      return Fail(diagnostics, "--params '" + path + "': unknown option '" + item.name + "'");
    if (option->count() > 0) continue;
    try {
      option->add_result(item.inputs);
      option->run_callback();
    } catch (const CLI::Error& e) {
      return Fail(diagnostics, "--params '" + path + "': " + item.name + ": " + e.what());
    }
  }
  return true;
}

int ListEllipsoids() {
  std::printf("%-6s %-14s %-15s %s\n", "code", "a (m)", "1/f", "description / other names");
  for (const TEllipsoidRow& row : EllipsoidRows()) {
    std::printf("%-6s %-14.3f %-15.12g %s", row.Code.c_str(), row.A, row.InverseFlattening, row.Description.c_str());
    if (!row.Aliases.empty()) std::printf(" [%s]", row.Aliases.c_str());
    std::printf("\n");
  }
  std::printf("Any other ellipsoid: --ellipsoid a,1/f (e.g. 6378140,298.257)\n");
  return kExitAllConverted;
}

}  // namespace

int RunCommandLine(int argc, const char* const* argv, std::FILE* diagnostics) {
  CLI::App app{kDescription, "gkconv"};
  app.require_subcommand(1);
  app.footer(
      "Examples:\n"
      "  gkconv to-gauss points.csv -o gauss.csv\n"
      "  gkconv to-gauss --zone-width 3 --ellipsoid CGCS2000 --prefix-zone points.csv\n"
      "  gkconv to-geodetic --layout cass --ellipsoid KA --zone 20 survey.dat -o lonlat.csv\n"
      "  gkconv to-geodetic --zone 39 --zone-width 3 --angles dms gauss.txt\n"
      "  gkconv to-gauss --ellipsoid KA --geodetic-ellipsoid WE --rotation coordinate-frame \\\n"
      "         --helmert=-12.6,130.2,82.3,0.72,-1.46,-2.11,-4.3 points.csv\n"
      "  gkconv ellipsoids");

  TArguments a;
  auto* toGauss = app.add_subcommand("to-gauss", "Longitude/latitude to zone, easting (东) and northing (北)");
  AddCommonOptions(*toGauss, a);
  toGauss->add_option("--lon", a.First, "Longitude column: header name or 1-based number")->group("Input");
  toGauss->add_option("--lat", a.Second, "Latitude column: header name or 1-based number")->group("Input");
  toGauss->add_flag("--prefix-zone", a.PrefixZone, "Write the easting with the zone number in front (20447924.495)")
      ->group("Output");

  auto* toGeodetic = app.add_subcommand("to-geodetic", "Easting (东) and northing (北) to longitude/latitude");
  AddCommonOptions(*toGeodetic, a);
  toGeodetic->add_option("--easting", a.First,
                         "Easting (东, Y in survey notation) column; an 8-digit easting carries its zone in front")
      ->group("Input");
  toGeodetic->add_option("--northing", a.Second, "Northing (北, X in survey notation) column")->group("Input");
  toGeodetic->add_option("--zone-column", a.ZoneColumn, "Column with each row's zone number")->group("Zones");
  toGeodetic->add_option("--angles", a.Angles, "Angle output: decimal, dms (116°23'27.60000\") or packed (ddd.mmss)")
      ->check(CLI::IsMember({"decimal", "dms", "packed"}))
      ->group("Output");

  auto* ellipsoids = app.add_subcommand("ellipsoids", "List the ellipsoids gkconv knows");

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    return app.exit(e) == 0 ? kExitAllConverted : kExitFailure;
  }
  if (ellipsoids->parsed()) return ListEllipsoids();

  const TDirection direction = toGauss->parsed() ? TDirection::ToGauss : TDirection::ToGeodetic;
  CLI::App& command = direction == TDirection::ToGauss ? *toGauss : *toGeodetic;
  if (!a.Params.empty() && !ApplyParameterFile(command, a.Params, diagnostics)) return kExitFailure;
  TRunOptions run;
  TConvertSettings settings;
  if (!BuildSettings(a, direction, run, settings, diagnostics)) return kExitFailure;
  InstallInterruptHandler();
  return RunConversion(run, settings, diagnostics);
}

}  // namespace gkconv
