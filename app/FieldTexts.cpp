#include "app/FieldTexts.h"

namespace app {

std::string_view FieldName(TField field) {
  switch (field) {
    case TField::edtLon: return "edtLon";
    case TField::edtLat: return "edtLat";
    case TField::edtLonD: return "edtLonD";
    case TField::edtLonM: return "edtLonM";
    case TField::edtLonS: return "edtLonS";
    case TField::edtLatD: return "edtLatD";
    case TField::edtLatM: return "edtLatM";
    case TField::edtLatS: return "edtLatS";
    case TField::edtGaussX: return "edtGaussX";
    case TField::edtGaussY: return "edtGaussY";
    case TField::edtGaussZone: return "edtGaussZone";
  }
  return "";
}

}  // namespace app
