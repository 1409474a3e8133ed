// The settings file: any bytes load without harm, and the reload property holds.

#include <cstdint>
#include <string>

#include "fuzz/fuzz_check.h"
#include "settings/reload_property.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::string fault = tavlo::testing_support::ReloadFault(bytes);
  if (!fault.empty()) std::fprintf(stderr, "%s\n", fault.c_str());
  tavlo::fuzzing::Require(fault.empty(), "a settings file loads, saves and loads again to the same values");
  return 0;
}
