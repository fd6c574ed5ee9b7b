#include "gis/GisMessages.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

namespace {

// Restores the built-in texts after a test that localizes them.
struct DefaultTextsGuard {
  ~DefaultTextsGuard() { GisLocalizeMessages(); }
};

TEST(MessageCatalogue, StartsWithTheBuiltInTexts) {
  EXPECT_EQ(GIS_RS_ERR_ZONE_INVALID, "0225 Zone \"%s%d\" out of scope");
  EXPECT_EQ(GIS_RS_ERR_ELLIPSOID_NOEXIST, "0200 Ellipsoid \"%s\" not found");
  EXPECT_EQ(GIS_RS_ERR_PRJ_DISTORTED, "0236 Result will be distorted for current parameters");
  EXPECT_EQ(GIS_RS_CHARSET, "DEFAULT");
  EXPECT_EQ(GIS_RS_NOT_IMPLEMENTED, "Feature not implemented");
  EXPECT_EQ(GIS_RS_SHOULD_NOT_BE_CALLED, "Method should not be called");
  EXPECT_EQ(GIS_RS_ERR_NORTHING_INVALID.substr(0, 5), "0216 ");
  EXPECT_EQ(GIS_RS_ERR_STANDARDPARALLEL_2_FIXED.substr(0, 5), "0247 ");
}

TEST(MessageCatalogue, HasThreeGeneralAndSeventyTwoErrorEntriesWithNumberedTexts) {
  ASSERT_EQ(GisMessageCount(), 75u);
  std::vector<std::string> keys;
  for (std::size_t i = 0; i < GisMessageCount(); ++i) keys.push_back(GisMessageKey(i));
  EXPECT_EQ(keys[0], "GIS_RS_CHARSET");
  EXPECT_EQ(keys[3], "GIS_RS_ERR_UNIMPLEMENTED");
  EXPECT_EQ(keys.back(), "GIS_RS_ERR_SCALEFACTOR_FIXED");
  EXPECT_EQ(GisMessageKey(GisMessageCount()), nullptr);
  EXPECT_EQ(GisMessageDefault(GisMessageCount()), nullptr);
  for (std::size_t i = 3; i < GisMessageCount(); ++i) {
    const std::string text = GisMessageDefault(i);
    ASSERT_GE(text.size(), 5u) << keys[i];
    EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(text[0])) && text[4] == ' ') << keys[i];
    EXPECT_EQ(keys[i].rfind("GIS_RS_ERR_", 0), 0u) << keys[i];
  }
}

TEST(MessageCatalogue, WalkOffersEveryKeyedEntryInOrderThenNotifiesOnce) {
  DefaultTextsGuard guard;
  std::vector<std::string> offered;
  int notified = 0;
  std::size_t offeredWhenNotified = 0;
  int tag = 42;
  const int handle = GisLocalizedNotification->Subscribe(
      [&](void* user) {
        EXPECT_EQ(user, &tag);
        ++notified;
        offeredWhenNotified = offered.size();
      },
      &tag);

  GisLocalizeMessages([&](std::string& text, const std::string& key) {
    offered.push_back(key);
    if (key == "GIS_RS_ERR_EASTING_INVALID") text = "0215 Abszisse %s ausserhalb";
  });
  ASSERT_EQ(offered.size(), GisMessageCount());
  for (std::size_t i = 0; i < offered.size(); ++i) EXPECT_EQ(offered[i], GisMessageKey(i));
  EXPECT_EQ(notified, 1);
  EXPECT_EQ(offeredWhenNotified, offered.size());
  EXPECT_EQ(GIS_RS_ERR_EASTING_INVALID, "0215 Abszisse %s ausserhalb");

  GisLocalizeMessages();  // back to the defaults, notified again
  EXPECT_EQ(notified, 2);
  EXPECT_EQ(GIS_RS_ERR_EASTING_INVALID, "0215 Easting %s out of scope");

  GisLocalizedNotification->Unsubscribe(handle);
  GisLocalizeMessages();
  EXPECT_EQ(notified, 2);
}

TEST(MessageCatalogue, SubscribersAreToldInOrder) {
  std::vector<int> order;
  const int first = GisLocalizedNotification->Subscribe([&](void*) { order.push_back(1); }, nullptr);
  const int second = GisLocalizedNotification->Subscribe([&](void*) { order.push_back(2); }, nullptr);
  GisLocalizeMessages();
  GisLocalizedNotification->Unsubscribe(first);
  GisLocalizedNotification->Unsubscribe(second);
  EXPECT_EQ(order, (std::vector<int>{1, 2}));
}

TEST(MessageCatalogue, ShutdownClearsTheTextsAndStartupRestoresThem) {
  GisMessagesShutdown();
  EXPECT_TRUE(GIS_RS_ERR_ZONE_INVALID.empty());
  EXPECT_EQ(GisLocalizedNotification, nullptr);
  GisMessagesStartup();
  EXPECT_EQ(GIS_RS_ERR_ZONE_INVALID, "0225 Zone \"%s%d\" out of scope");
}

}  // namespace
