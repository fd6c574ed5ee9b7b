#pragma once
// The projection framework: the base class every projection derives from, the
// parameter kinds of SetUp, the shared clamping of the family, and the
// registry holding one prototype of every projection class under its code.
//
// Units: angles in radians (longitude positive east, latitude positive north),
// lengths in metres. Corrections a projection makes itself are warnings
// (Warnings holds the most recent one); input it cannot handle raises
// EGIS_Exception with a catalogue message.

#include "gis/GisAngles.h"
#include "gis/GisDatums.h"
#include "gis/GisException.h"
#include "gis/GisMessages.h"
#include "gis/GisPoints.h"
#include "gis/GisSortedList.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>

// The SetUp parameters a class reads, one bit per kind.
using TGIS_ParameterSet = std::uint16_t;

enum TGIS_ProjectionParameter : TGIS_ParameterSet {
  ppCentralMeridian = 1,
  ppOriginLatitude = 2,
  ppFalseEasting = 4,
  ppFalseNorthing = 8,
  ppStandardParallel1 = 16,
  ppStandardParallel2 = 32,
  ppZone = 64,
  ppScaleFactor = 128,
  ppUnused = 256,
  ppAzimuth = 512,
  ppPoint1 = 1024,  // Point1Longitude, Point1Latitude
  ppPoint2 = 2048,  // Point2Longitude, Point2Latitude
};

// The parameters of SetUp, in their traditional order. A class reads those
// its ParameterSet names and ignores the rest. The defaults are the creation
// values: every parameter 0, the scale 1.
struct TGIS_SetUpParameters {
  std::int32_t Zone = 0;
  double CentralMeridian = 0;  // radians
  double OriginLatitude = 0;   // radians
  double FalseEasting = 0;     // metres
  double FalseNorthing = 0;    // metres
  double StandardParallel1 = 0;
  double StandardParallel2 = 0;
  double ScaleFactor = 1.0;
  double Reserved1 = 0;  // read by no projection
  double Reserved2 = 0;
  double Azimuth = 0;
  double Point1Longitude = 0;
  double Point1Latitude = 0;
  double Point2Longitude = 0;
  double Point2Latitude = 0;
};

// Where a central meridian below -pi goes. Both bounds name the same
// meridian; the classes differ in which one they store.
enum class TGIS_MeridianFix {
  mfToMinusPi,  // Transverse Mercator, Mercator, Robinson
  mfToPi,       // every other class of the family
};

// What a batch conversion tells about one of its points.
struct TGIS_PointNote {
  // The number of the catalogue message of the point's first warning (e.g.
  // 241 for a clamped longitude, which 0236 may follow); 0 when it had none.
  int Warning = 0;
  // What converting the point raised; empty when it converted. The point's
  // result is then NaN.
  std::exception_ptr Error;
};

class TGIS_ProjectionAbstract {
public:
  static constexpr double kPi = gis_angle::kPi;
  static constexpr double kHalfPi = gis_angle::kHalfPi;
  static constexpr double kTwoPi = gis_angle::kTwoPi;

  // Construction: the default datum ("WGE") and its ellipsoid, scale 1, every
  // other parameter 0. Does not call Prepare; subclasses that need derived
  // constants call it at the end of their constructor. Raises 0200 when the
  // datum's ellipsoid is missing; throws std::logic_error when the engine's
  // tables have not been built (see GisEngine.h).
  TGIS_ProjectionAbstract();
  virtual ~TGIS_ProjectionAbstract() = default;
  TGIS_ProjectionAbstract(const TGIS_ProjectionAbstract&) = delete;
  TGIS_ProjectionAbstract& operator=(const TGIS_ProjectionAbstract&) = delete;

  // Virtual operations, in the order of the class's slot table.
  virtual std::string Code() const = 0;         // short code, e.g. "TMR"
  virtual std::string Description() const = 0;  // long name
  virtual TGIS_ParameterSet ParameterSet() const { return 0; }
  // Copies the ellipsoid constants; subclasses then derive their own.
  virtual void Prepare();
  // A new object of the same class with its creation defaults (the registry
  // keeps prototypes; this is how a client gets a working instance).
  virtual std::unique_ptr<TGIS_ProjectionAbstract> Create() const = 0;
  // Stores and validates the parameters the class reads (ParameterSet), then
  // prepares: resets the warning flag, prepares with the values stored so
  // far and hands the parameters to the class (SetUpParameters).
  void SetUp(const TGIS_SetUpParameters& parameters);
  // The same with the parameters one by one, in the order of the struct.
  void SetUp(std::int32_t zone, double centralMeridian, double originLatitude, double falseEasting,
             double falseNorthing, double standardParallel1, double standardParallel2, double scaleFactor,
             double reserved1, double reserved2, double azimuth, double point1Longitude, double point1Latitude,
             double point2Longitude, double point2Latitude);
  // Geodetic radians -> projected metres; Z passes through.
  virtual void Project(const TGIS_Point3& source, TGIS_Point3& result) = 0;
  // Projected metres -> geodetic radians; Z passes through.
  virtual void Unproject(const TGIS_Point3& source, TGIS_Point3& result) = 0;

  // Batch entry points: every point of `source` into the same place of
  // `result` (the two may be one array), as Project / Unproject would do it
  // one by one. A point that raises does not stop the batch: its result is
  // NaN and, when `notes` is given (as long as `source`), its note holds the
  // exception; notes also receive each point's warning. Warnings ends with the
  // batch's last warning. Returns the number of points that failed. The base
  // loops over the single-point calls; classes where it pays do better.
  virtual std::size_t ProjectPoints(std::span<const TGIS_Point3> source, std::span<TGIS_Point3> result,
                                    std::span<TGIS_PointNote> notes = {});
  virtual std::size_t UnprojectPoints(std::span<const TGIS_Point3> source, std::span<TGIS_Point3> result,
                                      std::span<TGIS_PointNote> notes = {});

  // Switches to another datum (and so ellipsoid) and prepares again; nothing
  // changes when it is the current one. The datum's ellipsoid is looked up
  // before anything is stored, so a failing look-up (0200) leaves the
  // projection as it was.
  void SetDatum(const TGIS_Datum& datum);
  // Records a warning. The warning flag is always 0 here, so Warnings ends up
  // holding only this text.
  void AddWarning(const std::string& text);

  // Fields.
  std::string Warnings;  // the most recent warning; kept until the next one
protected:
  std::int32_t WarningFlag = 0;  // reset at the start of SetUp, Project, Unproject
  std::uint32_t WarningCount = 0;  // warnings added so far: tells a batch which points warned
  std::uint32_t WarningMark = 0;   // WarningCount when the batch's current point began
  int FirstWarningSinceMark = 0;   // message number of that point's first warning

public:
  const TGIS_Datum* Datum = nullptr;          // not owned (the datum table owns it)
  const TGIS_Ellipsoid* Ellipsoid = nullptr;  // not owned
  double ScaleFactor = 1.0;
  double FalseEasting = 0;
  double FalseNorthing = 0;
  double MaxEastingOffset = 0;   // reach of Unproject around the false easting
  double MaxNorthingOffset = 0;  // reach of Unproject around the false northing
  double CentralMeridian = 0;
  double OriginLatitude = 0;
  double StandardParallel1 = 0;
  double StandardParallel2 = 0;
  std::int32_t Zone = 0;
  double Reserved1 = 0;  // read by no projection
  double Reserved2 = 0;
  double Azimuth = 0;
  double Point1Longitude = 0;
  double Point1Latitude = 0;
  double Point2Longitude = 0;
  double Point2Latitude = 0;

protected:
  // Ellipsoid constants copied by Prepare, in extended precision.
  long double A = 0;    // semi-major axis
  long double B = 0;    // semi-minor axis
  long double A2 = 0;   // a^2
  long double B2 = 0;   // b^2
  long double E2 = 0;   // first eccentricity squared
  long double E = 0;    // first eccentricity
  long double Ep2 = 0;  // second eccentricity squared

  void ResetWarningFlag() { WarningFlag = 0; }

  // What SetUp does with the parameters once the warning flag is reset and
  // the stored values are prepared: check them, store them, prepare again.
  // A parameter that fails its check raises before anything is stored. This
  // version reads, of the central meridian, the origin latitude and the
  // false origin, those the ParameterSet names, in the family's way
  // (SetUpFamily: a meridian below -pi becomes pi, the origin latitude stays
  // within +-pi/2); a class with other parameters or limits overrides it.
  virtual void SetUpParameters(const TGIS_SetUpParameters& parameters);

  // The loop of the batch entry points over a single-point operation
  // convert(point, result); a class that overrides them passes its own
  // non-virtual one, which the compiler can inline into the loop.
  template <class Convert>
  std::size_t ConvertPoints(Convert convert, std::span<const TGIS_Point3> source, std::span<TGIS_Point3> result,
                            std::span<TGIS_PointNote> notes) {
    CheckBatch(source.size(), result.size(), notes.size());
    std::size_t failed = 0;
    for (std::size_t i = 0; i < source.size(); ++i) {
      const TGIS_Point3 point = source[i];  // result may be the same array
      WarningMark = WarningCount;
      try {
        TGIS_Point3 converted = result[i];  // what a class leaves untouched stays as it was
        convert(point, converted);
        result[i] = converted;
      } catch (const EGIS_Exception&) {
        NoteFailure(result[i], notes, i);
        ++failed;
        continue;
      }
      if (!notes.empty()) notes[i] = TGIS_PointNote{WarningCount != WarningMark ? FirstWarningSinceMark : 0, nullptr};
    }
    return failed;
  }
  // Raises std::invalid_argument unless there is a result (and a note, when
  // notes are asked for) for every point.
  static void CheckBatch(std::size_t points, std::size_t results, std::size_t notes);
  // Records a failed point of a batch (inside its catch block).
  static void NoteFailure(TGIS_Point3& result, std::span<TGIS_PointNote> notes, std::size_t index);
  // The leading message number of a warning text ("0241 ..." gives 241).
  static int MessageNumber(const std::string& text);

private:
  void FixLatitudeOutOfRange(double& latitude, double limit);
  [[noreturn]] static void RaiseHeight(double z);

protected:

  // ---- The family pattern, shared by the classes so none repeats it ----
  // Every helper rejects NaN by raising (a NaN passes every bound test
  // unclamped); infinities are clamped like any other out-of-range value.

  // SetUp: origin latitude into [-limit, limit] (0244; NaN raises 0220).
  double FixOriginLatitude(double value, double limit = kHalfPi);
  // SetUp: central meridian above 2*pi -> 2*pi, below -pi -> -pi or pi by
  // `belowMinusPi` (0245; NaN raises 0221). Bounds stay unchanged.
  double FixCentralMeridian(double value, TGIS_MeridianFix belowMinusPi);
  // SetUp: standard parallels into [-limit, limit] (0246, 0247; NaN raises 0222).
  double FixStandardParallel1(double value, double limit = kHalfPi);
  double FixStandardParallel2(double value, double limit = kHalfPi);
  // SetUp: scale factor into [low, high] (0248; NaN raises 0110).
  double FixScaleFactor(double value, double low, double high);
  // SetUp: a value with no range of its own (false origin, azimuth, ...)
  // must still be finite; raises 0110 with the parameter's name otherwise.
  static void CheckFiniteParameter(double value, const char* name);
  // A central meridian above pi is used as value - 2*pi (3*pi/2 and -pi/2
  // are the same meridian).
  static double NormalizedCentralMeridian(double value);
  // The SetUp of the classes that read the central meridian, the false
  // origin and perhaps the origin latitude (whichever the ParameterSet names):
  // checks the central meridian (FixCentralMeridian with `belowMinusPi`),
  // the false origin (finite) and the origin latitude (FixOriginLatitude
  // with its limit) before storing any of them, so a raise leaves the
  // projection as it was; then stores them (the meridian normalized) and
  // prepares.
  void SetUpFamily(const TGIS_SetUpParameters& parameters, TGIS_MeridianFix belowMinusPi,
                   double originLatitudeLimit = kHalfPi);
  // The SetUp of the conics with two standard parallels (Albers, Lambert):
  // the central meridian (below -pi it becomes pi), the origin latitude
  // (+-pi/2), the false origin and both parallels, clamped to
  // +-parallelLimit (0246, 0247). `checkCone`(origin latitude, parallel 1,
  // parallel 2) raises when those give no cone; everything is checked before
  // anything is stored. Then stores and prepares.
  void SetUpConic(const TGIS_SetUpParameters& parameters, double parallelLimit,
                  const std::function<void(double, double, double)>& checkCone);

  // Project: latitude into [-limit, limit] (0240; NaN raises 0210). The
  // common case, a latitude in range, costs two comparisons.
  void FixLatitude(double& latitude, double limit = kHalfPi) {
    if (!(latitude >= -limit && latitude <= limit)) FixLatitudeOutOfRange(latitude, limit);
  }
  // Project: the latitude as above, and the longitude into [-pi, 2*pi] (0241;
  // NaN raises 0211).
  void FixGeodeticInput(double& longitude, double& latitude, double latitudeLimit = kHalfPi);
  // Project: the longitude difference from the central meridian, wrapped
  // into [-pi, pi].
  static double LongitudeDelta(double longitude, double centralMeridian);

  // Unproject: easting into [minX, maxX] (0243; NaN raises 0215) and
  // northing into [minY, maxY] (0242; NaN raises 0216).
  void FixPlaneInput(double& easting, double& northing, double minX, double maxX, double minY, double maxY);
  // The same with the reach MaxEastingOffset / MaxNorthingOffset on both
  // sides of the false origin.
  void FixPlaneInputToReach(double& easting, double& northing);
  // Unproject results: latitude clamped to [-pi/2, pi/2]; longitude above pi
  // reduced by 2*pi, below -pi raised by 2*pi, then clamped to [-pi, pi].
  static void NormalizeGeodeticResult(double& longitude, double& latitude);

  // Heights pass through the plane projections; a NaN height is rejected
  // (0217) rather than passed on.
  static void CheckHeight(double z) {
    if (z != z) RaiseHeight(z);
  }
  // Last line of defence for formulas that have no solution at a point the
  // clamps let through: a non-finite X or Y raises 0235 instead of leaving
  // NaN or infinity in a result.
  static void CheckSolvable(const TGIS_Point3& result);

  // The frame of Project and Unproject of the classes whose reach is
  // MaxEastingOffset / MaxNorthingOffset around the false origin, so that a
  // class writes only its formulas:
  // Project: resets the warning flag, clamps the input (FixGeodeticInput),
  // checks the height; gives the longitude difference from the central
  // meridian (wrapped into [-pi, pi]) and the latitude.
  void BeginProject(const TGIS_Point3& source, double& deltaLongitude, double& latitude,
                    double latitudeLimit = kHalfPi);
  // Unproject: resets the warning flag, clamps to the reach
  // (FixPlaneInputToReach), checks the height; gives the offsets from the
  // false origin.
  void BeginUnproject(const TGIS_Point3& source, double& dx, double& dy);
  // The distance of a plane point from the origin of polar coordinates:
  // the plain root, a fraction of hypot's cost. Inside a projection's reach
  // (and its apex, however far) the squares are far from overflowing.
  static double PlaneRadius(double dx, double dy) { return std::sqrt(dx * dx + dy * dy); }
  // Unproject's result: the central meridian plus the longitude difference,
  // normalized (NormalizeGeodeticResult), with the source's height.
  void EndUnproject(double deltaLongitude, double latitude, const TGIS_Point3& source, TGIS_Point3& result) const;
};

// The registry: one prototype per projection class under its code, sorted,
// compared without regard to case, owning the prototypes.
class TGIS_ProjectionList {
public:
  // Stores the prototype under its Code; an earlier prototype under the same
  // code is freed and replaced.
  void Register(std::unique_ptr<TGIS_ProjectionAbstract> prototype);
  // The prototype under the code, or none.
  TGIS_ProjectionAbstract* Find(std::string_view code) const { return items_.Find(code); }
  // A fresh instance of the class registered under the code, or none.
  std::unique_ptr<TGIS_ProjectionAbstract> CreateByCode(std::string_view code) const;
  int Count() const { return items_.Count(); }
  const std::string& Code(int index) const { return items_.Code(index); }
  TGIS_ProjectionAbstract& Item(int index) const { return *items_.Object(index); }

private:
  TGIS_SortedOwnerList<TGIS_ProjectionAbstract> items_;
};

// The process-wide registry (see GisEngine.h for its life).
extern std::unique_ptr<TGIS_ProjectionList> GisProjectionList;

// Registers one prototype of every projection class (GisProjectionCatalog.cpp).
void GisRegisterProjections(TGIS_ProjectionList& list);

// Builds the registry (filling the datum tables first if nobody has) and
// frees it with every prototype.
void GisProjectionsStartup();
void GisProjectionsShutdown();
