#include "gis/GisMessages.h"

#include <algorithm>
#include <iterator>

#define GIS_MESSAGE(key, text) std::string key;
#include "gis/GisMessageList.inc"
#undef GIS_MESSAGE

std::unique_ptr<TGIS_LocalizedNotifcation> GisLocalizedNotification;

namespace {

struct CatalogueEntry {
  std::string* variable;
  const char* key;
  const char* defaultText;
};

const CatalogueEntry kCatalogue[] = {
#define GIS_MESSAGE(key, text) {&key, #key, text},
#include "gis/GisMessageList.inc"
#undef GIS_MESSAGE
};

}  // namespace

int TGIS_LocalizedNotifcation::Subscribe(TGIS_NotifyEvent callback, void* userValue) {
  const int handle = nextHandle_++;
  subscriptions_.push_back({handle, std::move(callback), userValue});
  return handle;
}

void TGIS_LocalizedNotifcation::Unsubscribe(int handle) {
  std::erase_if(subscriptions_, [handle](const Subscription& s) { return s.handle == handle; });
}

void TGIS_LocalizedNotifcation::Notify() const {
  // A copy, so a subscriber that unsubscribes while being told is safe.
  const std::vector<Subscription> current = subscriptions_;
  for (const Subscription& s : current)
    if (s.callback) s.callback(s.userValue);
}

void GisLocalizeMessages(const TGIS_LocalizeCallback& callback) {
  if (callback) {
    for (const CatalogueEntry& e : kCatalogue) callback(*e.variable, e.key);
  } else {
    for (const CatalogueEntry& e : kCatalogue) *e.variable = e.defaultText;
  }
  if (GisLocalizedNotification) GisLocalizedNotification->Notify();
}

std::size_t GisMessageCount() { return std::size(kCatalogue); }
const char* GisMessageKey(std::size_t index) {
  return index < std::size(kCatalogue) ? kCatalogue[index].key : nullptr;
}
const char* GisMessageDefault(std::size_t index) {
  return index < std::size(kCatalogue) ? kCatalogue[index].defaultText : nullptr;
}

void GisMessagesStartup() {
  GisLocalizedNotification = std::make_unique<TGIS_LocalizedNotifcation>();
  GisLocalizeMessages();
}

void GisMessagesShutdown() {
  GisLocalizedNotification.reset();
  for (const CatalogueEntry& e : kCatalogue) {
    e.variable->clear();
    e.variable->shrink_to_fit();
  }
}
