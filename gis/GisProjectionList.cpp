#include "gis/GisProjections.h"

std::unique_ptr<TGIS_ProjectionList> GisProjectionList;

void TGIS_ProjectionList::Register(std::unique_ptr<TGIS_ProjectionAbstract> prototype) {
  if (!prototype) return;
  std::string code = prototype->Code();
  items_.Add(std::move(code), std::move(prototype));
}

std::unique_ptr<TGIS_ProjectionAbstract> TGIS_ProjectionList::CreateByCode(std::string_view code) const {
  const TGIS_ProjectionAbstract* prototype = Find(code);
  return prototype ? prototype->Create() : nullptr;
}

void GisProjectionsStartup() {
  if (GisProjectionList) return;
  GisDatumsStartup();
  auto list = std::make_unique<TGIS_ProjectionList>();
  GisRegisterProjections(*list);
  GisProjectionList = std::move(list);
}

void GisProjectionsShutdown() { GisProjectionList.reset(); }
