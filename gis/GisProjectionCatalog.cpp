// Registration of every projection class, in the order of the registry table
// (the list itself is sorted by code). One line per class; keep the order:
//   GED Geodetic, GEC Geocentric, ALB Albers, MER Mercator, ROB Robinson,
//   BON Bonne, CAS Cassini, CEA, TCE, EQC, MIL Miller, MOL Mollweide,
//   EC4 Eckert IV, EC6 Eckert VI, WA4 Wagner IV, WA7 Wagner VII,
//   GRI Van der Grinten, LAM Lambert, ORT Orthographic, POL Polar
//   stereographic, PLC Polyconic, SIN Sinusoid, TMR Transverse Mercator,
//   UTM, HOT Hotine, HT2 Hotine two point, NZMG New Zealand Map Grid.
#include "gis/GisProjections.h"
#include "gis/projections/TransverseMercator.h"
#include "gis/projections/UTM.h"

void GisRegisterProjections(TGIS_ProjectionList& list) {
  list.Register(std::make_unique<TGIS_ProjectionTransverseMercator>());
  list.Register(std::make_unique<TGIS_ProjectionUTM>());
}
