// The code page codec: every byte string survives a trip through UTF-8, and any UTF-8 (well formed
// or not) converts without harm to no more bytes than it had.

#include <cstdint>
#include <string>

#include "fuzz/fuzz_check.h"
#include "lang/cp1251.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  tavlo::fuzzing::Require(tavlo::Utf8ToCp1251(tavlo::Cp1251ToUtf8(bytes)) == bytes,
                          "Windows-1251 bytes come back from UTF-8 unchanged");
  tavlo::fuzzing::Require(tavlo::Utf8ToCp1251(bytes).size() <= bytes.size(),
                          "UTF-8 never converts to more Windows-1251 bytes than it had");
  return 0;
}
