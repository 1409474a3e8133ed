// The LAN deal message: any bytes are refused or read, and what is read is written back the same.

#include <cstdint>
#include <string>

#include "fuzz/fuzz_check.h"
#include "game/deal_message.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view message(reinterpret_cast<const char*>(data), size);
  tavlo::DeckCards deck{};
  tavlo::OneBased<std::uint8_t, 52> ranks{};
  if (!tavlo::ParseDealMessage(message, deck, ranks)) return 0;
  tavlo::fuzzing::Require(tavlo::DealMessage(deck, ranks) == message,
                          "a deal message that is read is written the same");
  return 0;
}
