// The default club text: any text is refused or gives club lines that make a correct club file.

#include <cstdint>
#include <string>

#include "fuzz/fuzz_check.h"
#include "records/club_check.h"
#include "records/club_install.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto lines = tavlo::ParseDefaultClub(text);
  if (!lines) return 0;
  tavlo::fuzzing::Require(tavlo::CheckClubContents(tavlo::ClubFileBytes(*lines)).Passed(),
                          "a default club makes a correct club file");
  return 0;
}
