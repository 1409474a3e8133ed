// The user file: any bytes are refused or give a nick and a password that the account rules accept,
// and whatever is accepted is written back to the same contents.

#include <cstdint>
#include <string>

#include "fuzz/fuzz_check.h"
#include "net/club/account_text.h"
#include "net/club/user_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto contents = tavlo::ParseUserFile(text);
  if (!contents) return 0;
  tavlo::fuzzing::Require(tavlo::JudgeAccountText(contents->Nick, tavlo::AccountTextKind::Nick) == 3,
                          "an accepted nick follows the account rules");
  const auto password = tavlo::SignInPassword(*contents);
  tavlo::fuzzing::Require(password.has_value() && !password->empty() && password->size() <= 12,
                          "an accepted file gives a password");
  for (const char c : *password) {
    tavlo::fuzzing::Require(c != ' ' && c != '#' && c != '$' && static_cast<unsigned char>(c) >= 0x20,
                            "the password holds no separator or control byte");
  }
  const auto again = tavlo::ParseUserFile(tavlo::UserFileText(*contents));
  tavlo::fuzzing::Require(again && again->Nick == contents->Nick && again->PwC == contents->PwC,
                          "an accepted file is written back unchanged");
  return 0;
}
