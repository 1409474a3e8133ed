#include "net/club/club_service_configuration.h"

#include "settings/settings.h"

namespace tavlo {

ClubServiceConfiguration::ClubServiceConfiguration(ClubAddresses addresses)
    : client_(std::make_unique<ClubClient>(std::move(addresses))) {}

void ClubServiceConfiguration::FetchServiceConfiguration(Settings& settings) {
  chatAvailable_ = false;
  worldTopTenAvailable_ = false;
  helpPage_.clear();
  if (client_->Addresses().Configuration.empty()) {
    // No club: addresses a settings file kept from an earlier club are not used.
    settings.WorldTopTenAddress.clear();
    settings.StatisticsAddress.clear();
    return;
  }
  const auto config = client_->FetchServiceConfig();
  if (!config) return;
  chatAvailable_ = config->ChatAvailable;
  paymentPage_ = config->PaymentAddress;
  helpPage_ = config->HelpAddress;
  worldTopTenAvailable_ = config->WorldTopTenAvailable;
  if (config->WorldTopTenAvailable) settings.WorldTopTenAddress = config->WorldTopTenAddress;
  if (!config->StatisticsAddress.empty()) settings.StatisticsAddress = config->StatisticsAddress;
  if (!config->AccountAddress.empty()) client_->SetAccountAddress(config->AccountAddress);
  // The chat shares the world top ten script: a paused top ten must not take its address away.
  if (!settings.WorldTopTenAddress.empty()) client_->SetWorldTopTenAddress(settings.WorldTopTenAddress);
  client_->SetStatisticsAddress(settings.StatisticsAddress);
}

}  // namespace tavlo
