#include <gtest/gtest.h>

#include <vector>

#include "net/club/club_addresses.h"
#include "net/club/save_retries.h"

namespace tavlo {
namespace {

TEST(SaveRetries, ThreeAttemptsWithTheirPauses) {
  struct Case {
    int succeedsAt;  // attempt that succeeds, 0 = none
    bool saved;
    std::vector<int> pauses;
  };
  const Case cases[] = {{1, true, {}}, {2, true, {2000}}, {3, true, {2000, 3000}}, {0, false, {2000, 3000, 0}}};
  for (const Case& c : cases) {
    int attempts = 0;
    std::vector<int> pauses;
    const bool saved =
        SaveWithRetries([&] { return ++attempts == c.succeedsAt; }, [&](int ms) { pauses.push_back(ms); });
    EXPECT_EQ(saved, c.saved) << c.succeedsAt;
    EXPECT_EQ(pauses, c.pauses) << c.succeedsAt;
    EXPECT_EQ(attempts, c.succeedsAt == 0 ? 3 : c.succeedsAt);
  }
}

TEST(ClubAddresses, FromTheBaseAddressOrNone) {
  const ClubAddresses club = ClubAddressesFor("http://127.0.0.1:8080/");
  EXPECT_EQ(club.Account, "http://127.0.0.1:8080/acc.php");
  EXPECT_EQ(club.PhotoFolder, "http://127.0.0.1:8080/photos/");
  EXPECT_EQ(club.Configuration, "http://127.0.0.1:8080/config.txt");
  EXPECT_EQ(ClubAddressesFor("https://club.example.org/tavlo").News, "https://club.example.org/tavlo/news.html");
  for (const char* none : {"", "club.example.org", "ftp://x", "http://a b", "http://x/#frag"}) {
    EXPECT_EQ(ClubAddressesFor(none), ClubAddresses{}) << none;
  }
}

}  // namespace
}  // namespace tavlo
