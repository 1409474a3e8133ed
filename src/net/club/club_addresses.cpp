#include "net/club/club_addresses.h"

#include <cstdlib>

namespace tavlo {

ClubAddresses ClubAddressesFor(std::string base) {
  while (!base.empty() && (base.back() == '/' || base.back() == ' ')) base.pop_back();
  if (!base.starts_with("http://") && !base.starts_with("https://")) return {};
  if (base.find_first_of(" \t\r\n#?") != std::string::npos) return {};
  return {base + "/acc.php",   base + "/wtgames.php", base + "/stat.php",  base + "/tour.php",  base + "/photos/",
          base + "/photo.php", base + "/config.txt",  base + "/news.html", base + "/get_ip.php"};
}

std::string ClubBaseFromEnvironment() {
  const char* base = std::getenv("TAVLO_CLUB");
  return base ? std::string(base) : std::string{};
}

}  // namespace tavlo
