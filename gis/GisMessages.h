#pragma once
// The engine's message catalogue: one global text per key, set to its
// built-in English text at start-up. The engine reads these variables when it
// raises or warns, so a localization component that replaces a text through
// the walk below changes every later message.

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#define GIS_MESSAGE(key, text) extern std::string key;
#include "gis/GisMessageList.inc"
#undef GIS_MESSAGE

// Subscribers learn that the catalogue texts have changed: each is called
// once, with its user value, after a whole walk.
class TGIS_LocalizedNotifcation {
public:
  using TGIS_NotifyEvent = std::function<void(void* userValue)>;

  // Returns a handle for Unsubscribe.
  int Subscribe(TGIS_NotifyEvent callback, void* userValue);
  void Unsubscribe(int handle);
  // Calls every subscriber in the order of subscribing.
  void Notify() const;

private:
  struct Subscription {
    int handle;
    TGIS_NotifyEvent callback;
    void* userValue;
  };
  std::vector<Subscription> subscriptions_;
  int nextHandle_ = 1;
};

// The notification object of the process; exists between start-up and
// shutdown of the engine (see GisEngine.h).
extern std::unique_ptr<TGIS_LocalizedNotifcation> GisLocalizedNotification;

// Receives each text (writable) with its key.
using TGIS_LocalizeCallback = std::function<void(std::string& text, const std::string& key)>;

// One walk over the catalogue: without a callback every text gets its default;
// with one, the callback is offered every keyed entry in catalogue order.
// Either way the subscribers are notified once at the end.
void GisLocalizeMessages(const TGIS_LocalizeCallback& callback = nullptr);

// Number of entries and the key and default text of one (catalogue order;
// none past the end).
std::size_t GisMessageCount();
const char* GisMessageKey(std::size_t index);
const char* GisMessageDefault(std::size_t index);

// Start-up (create the notification object, then set the defaults) and
// shutdown (free it and clear every text). Called by the engine start-up.
void GisMessagesStartup();
void GisMessagesShutdown();
