#pragma once
// The converter's seven commands, written against the field texts rather
// than the window's controls: the tests, the benchmarks and the fuzzing drive
// exactly the code the buttons run, with no window in the way.
//
// Wiring (the window only forwards events; every handler is one call):
//
//   window created (FormCreate)         construct one TConversionCommands and
//                                       keep it for the life of the window
//   sButton2       "大地-->高斯"        GeodeticToGauss
//   sButton1       "高斯-->大地"        GaussToGeodetic
//   sSpeedButton1  ">>" by longitude    SplitLongitude
//   sSpeedButton2  "<<" by longitude    JoinLongitude
//   sSpeedButton3  ">>" by latitude     SplitLatitude
//   sSpeedButton4  "<<" by latitude     JoinLatitude
//   sSpeedButton5 / Action1 (Ctrl+Shift+X)  ClearAll
//   Esc released                        closes the window (not a command here)
//
// Each command reads its input fields and writes its output fields through a
// TFieldAccess (see FieldTexts.h; the window implements it over its edits).
// A failed command leaves its output fields empty and the others as they
// were, and shows no message: an empty result is the whole answer, so a
// surveyor never reads a stale number as the result of what was just typed.
// That covers every failure (text that does not read as a number, an empty
// field, a point the projection cannot reach, a result that would not read
// back, an exception of the field access itself); nothing is thrown. The
// return value says whether the outputs were written; the window may ignore
// it.
//
//   command          reads                          writes (or empties)
//   GeodeticToGauss  edtLon, edtLat                 edtGaussZone, edtGaussX, edtGaussY
//   GaussToGeodetic  edtGaussZone, edtGaussX/Y      edtLon, edtLat
//   SplitLongitude   edtLon                         edtLonD, edtLonM, edtLonS
//   JoinLongitude    edtLonD, edtLonM, edtLonS      edtLon
//   SplitLatitude    edtLat                         edtLatD, edtLatM, edtLatS
//   JoinLatitude     edtLatD, edtLatM, edtLatS      edtLat
//   ClearAll         -                              all eleven fields ""
//
// Numbers are read and written with the number-text conventions of
// toolkit/core/NumberText.h (15 significant digits, the locale's separator).
// The decimal fields and the degree/minute/second fields are not kept in
// step behind the user's back: only split and join copy between them, so
// what a field shows is always what was typed or asked for.
//
// The projection engine's tables must exist while this object lives: keep a
// GisEngineScope (gis/GisEngine.h) open around it, as the program does from
// start-up to exit. Single-threaded, like the window.

#include <cstdint>
#include <memory>

#include "app/FieldTexts.h"

class TGIS_ProjectionTransverseMercator;

namespace app {

class TConversionCommands {
public:
  // Creates the Transverse Mercator projection (WGS 84) the conversions use;
  // every conversion sets it up again for its zone before use.
  TConversionCommands();
  ~TConversionCommands();
  TConversionCommands(const TConversionCommands&) = delete;
  TConversionCommands& operator=(const TConversionCommands&) = delete;

  // Longitude and latitude in decimal degrees to the 6-degree zone and the
  // plane coordinates. The zone is the whole degrees of the longitude
  // (truncated) divided by 6 (truncated) plus 1; its central meridian is
  // zone * 6 - 3 degrees, converted with pi written to eight decimals
  // (3.14159265), which every result carries. Scale 1, false easting
  // 500000 m. Latitudes beyond +-90 are projected as the pole.
  bool GeodeticToGauss(TFieldAccess& fields) noexcept;

  // Zone and plane coordinates back to decimal degrees. The zone's range is
  // not checked; points farther than the projection reaches from the false
  // origin fail. The degree/minute/second fields are left alone.
  bool GaussToGeodetic(TFieldAccess& fields) noexcept;

  // Decimal degrees into the degree, minute and second fields and back (a
  // blank part counts as 0). See AngleNotation.h for the rules.
  bool SplitLongitude(TFieldAccess& fields) noexcept;
  bool JoinLongitude(TFieldAccess& fields) noexcept;
  bool SplitLatitude(TFieldAccess& fields) noexcept;
  bool JoinLatitude(TFieldAccess& fields) noexcept;

  // Empties all eleven fields (in the order the window owns its edits).
  // The projection is not touched.
  bool ClearAll(TFieldAccess& fields) noexcept;

  // The projection as the last conversion left it (for inspection).
  const TGIS_ProjectionTransverseMercator& Projection() const { return *FProjection; }

private:
  void SetUpZone(std::int32_t zone);

  std::unique_ptr<TGIS_ProjectionTransverseMercator> FProjection;
};

}  // namespace app
