#pragma once

#include <memory>

#include "net/club/club_client.h"
#include "settings/service_configuration.h"

namespace tavlo {

// The program's club configuration: the club's base address (TAVLO_CLUB) gives the built-in
// addresses, and the configuration text fetched at start may replace them and pause the world top
// ten or the chat. Without a club address nothing is ever sent: the addresses stay empty and both
// services are unavailable.
class ClubServiceConfiguration final : public ServiceConfiguration {
 public:
  explicit ClubServiceConfiguration(ClubAddresses addresses = ClubAddressesFor(ClubBaseFromEnvironment()));

  std::string BuiltInWorldTopTenAddress() const override { return client_->Addresses().WorldTopTen; }
  std::string BuiltInStatisticsAddress() const override { return client_->Addresses().Statistics; }
  void FetchServiceConfiguration(Settings& settings) override;

  bool ChatAvailable() const { return chatAvailable_; }
  bool WorldTopTenAvailable() const { return worldTopTenAvailable_; }
  // The club's payment page for Zans; empty when the club names none.
  const std::string& PaymentPage() const { return paymentPage_; }
  // The program's online help page; empty without a club or when the club names none.
  const std::string& HelpPage() const { return helpPage_; }
  // The requests, with the addresses the configuration settled on.
  ClubClient& Client() { return *client_; }

 private:
  std::unique_ptr<ClubClient> client_;
  bool chatAvailable_ = false;
  bool worldTopTenAvailable_ = false;
  std::string paymentPage_;
  std::string helpPage_;
};

}  // namespace tavlo
