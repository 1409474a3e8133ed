#pragma once

#include <string>

namespace tavlo {

// Where the club's scripts are. The program knows one base address (the environment variable
// TAVLO_CLUB, for example "http://127.0.0.1:8080"); every script lies at a fixed path under it.
// Without a base address every address is empty and the program sends nothing.
struct ClubAddresses {
  std::string Account, WorldTopTen, Statistics, Tournament, PhotoFolder, PhotoUpload, Configuration, News, OwnAddress;
  friend bool operator==(const ClubAddresses&, const ClubAddresses&) = default;
};

// Empty when `base` is not an http:// or https:// address.
ClubAddresses ClubAddressesFor(std::string base);

// The base address from the environment (TAVLO_CLUB), or empty.
std::string ClubBaseFromEnvironment();

}  // namespace tavlo
