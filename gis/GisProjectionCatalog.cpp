// Registration of every projection class, one line each. The registry sorts
// by code, so look-ups do not depend on the order of these lines; it matters
// because Register lets a later class take over a code already registered:
// should two classes ever claim one code, the one further down wins. Keep
// the lines in this fixed order, the order of the catalogue table in
// tests/gis/CatalogTest.cpp, so that such a clash always resolves the same
// way and the two lists can be compared line by line:
//   GED Geodetic, GEC Geocentric, ALB Albers, MER Mercator, ROB Robinson,
//   BON Bonne, CAS Cassini, CEA, TCE, EQC, MIL Miller, MOL Mollweide,
//   EC4 Eckert IV, EC6 Eckert VI, WA4 Wagner IV, WA7 Wagner VII,
//   GRI Van der Grinten, LAM Lambert, ORT Orthographic, POL Polar
//   stereographic, PLC Polyconic, SIN Sinusoid, TMR Transverse Mercator,
//   UTM, HOT Hotine, HT2 Hotine two point, NZMG New Zealand Map Grid.
#include "gis/GisProjections.h"
#include "gis/projections/GisProjectionAlbers.h"
#include "gis/projections/GisProjectionBonne.h"
#include "gis/projections/GisProjectionCassini.h"
#include "gis/projections/GisProjectionCEA.h"
#include "gis/projections/GisProjectionEQC.h"
#include "gis/projections/GisProjectionEckert4.h"
#include "gis/projections/GisProjectionEckert6.h"
#include "gis/projections/GisProjectionGeocentric.h"
#include "gis/projections/GisProjectionGeodetic.h"
#include "gis/projections/GisProjectionGrinten.h"
#include "gis/projections/GisProjectionHotine.h"
#include "gis/projections/GisProjectionHotine2.h"
#include "gis/projections/GisProjectionLambert.h"
#include "gis/projections/GisProjectionMercator.h"
#include "gis/projections/GisProjectionMillerCyl.h"
#include "gis/projections/GisProjectionMollweide.h"
#include "gis/projections/GisProjectionNZMG.h"
#include "gis/projections/GisProjectionOrthographic.h"
#include "gis/projections/GisProjectionPolarStereographic.h"
#include "gis/projections/GisProjectionPolyconic.h"
#include "gis/projections/GisProjectionRobinson.h"
#include "gis/projections/GisProjectionSinusoid.h"
#include "gis/projections/GisProjectionTCEA.h"
#include "gis/projections/GisProjectionTransverseMercator.h"
#include "gis/projections/GisProjectionUTM.h"
#include "gis/projections/GisProjectionWagner4.h"
#include "gis/projections/GisProjectionWagner7.h"

void GisRegisterProjections(TGIS_ProjectionList& list) {
  list.Register(std::make_unique<TGIS_ProjectionGeodetic>());
  list.Register(std::make_unique<TGIS_ProjectionGeocentric>());
  list.Register(std::make_unique<TGIS_ProjectionAlbers>());
  list.Register(std::make_unique<TGIS_ProjectionMercator>());
  list.Register(std::make_unique<TGIS_ProjectionRobinson>());
  list.Register(std::make_unique<TGIS_ProjectionBonne>());
  list.Register(std::make_unique<TGIS_ProjectionCassini>());
  list.Register(std::make_unique<TGIS_ProjectionCEA>());
  list.Register(std::make_unique<TGIS_ProjectionTCEA>());
  list.Register(std::make_unique<TGIS_ProjectionEQC>());
  list.Register(std::make_unique<TGIS_ProjectionMillerCyl>());
  list.Register(std::make_unique<TGIS_ProjectionMollweide>());
  list.Register(std::make_unique<TGIS_ProjectionEckert4>());
  list.Register(std::make_unique<TGIS_ProjectionEckert6>());
  list.Register(std::make_unique<TGIS_ProjectionWagner4>());
  list.Register(std::make_unique<TGIS_ProjectionWagner7>());
  list.Register(std::make_unique<TGIS_ProjectionGrinten>());
  list.Register(std::make_unique<TGIS_ProjectionLambert>());
  list.Register(std::make_unique<TGIS_ProjectionOrthographic>());
  list.Register(std::make_unique<TGIS_ProjectionPolarStereographic>());
  list.Register(std::make_unique<TGIS_ProjectionPolyconic>());
  list.Register(std::make_unique<TGIS_ProjectionSinusoid>());
  list.Register(std::make_unique<TGIS_ProjectionTransverseMercator>());
  list.Register(std::make_unique<TGIS_ProjectionUTM>());
  list.Register(std::make_unique<TGIS_ProjectionHotine>());
  list.Register(std::make_unique<TGIS_ProjectionHotine2>());
  list.Register(std::make_unique<TGIS_ProjectionNZMG>());
}
