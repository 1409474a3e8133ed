// Request bodies as the club service reads them: any bytes are refused or split into fields, a
// body that is read is written back by the program's own encoder to the same fields, and every
// field check lets through only what its answers and its store can hold.

#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "lang/cp1251.h"
#include "net/club/form_codec.h"
#include "server/script_form.h"

namespace {

using tavlo::fuzzing::Require;

bool HasAny(std::string_view text, std::string_view marks) { return text.find_first_of(marks) != text.npos; }

bool HasControl(std::string_view text) {
  for (const char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if (c < 0x20 || c == 0x7F) return true;
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view body(reinterpret_cast<const char*>(data), size);
  const auto fields = tavlo::DecodeForm(body);
  if (!fields) return 0;
  const auto again = tavlo::DecodeForm(tavlo::EncodeForm(*fields));
  Require(again && *again == *fields, "an encoded form reads back as the same fields");

  const tavlo::ScriptForm form(*fields);
  for (const tavlo::FormField& field : *fields) {
    const std::string& name = field.Name;
    Require(form.Raw(name) != nullptr, "every field read can be found by its name");
    if (const auto word = form.Word(name, 24)) {
      // Words go into answers whose fields are cut at blanks and whose records at '$', '*', '~'.
      Require(!word->empty() && !HasAny(*word, " $*~") && !HasControl(*word), "a word holds no separator");
      Require(tavlo::Utf8ToCp1251(*word).size() <= 24, "a word keeps to its length");
    }
    if (const auto line = form.Line(name, 50)) {
      Require(!HasAny(*line, "$~") && !HasControl(*line), "a profile line holds no separator");
      Require(tavlo::Utf8ToCp1251(*line).size() <= 50, "a profile line keeps to its length");
    }
    if (const auto number = form.Number(name, -1000, 1000)) {
      Require(*number >= -1000 && *number <= 1000, "a number keeps to its range");
    }
    if (const auto decimal = form.Decimal(name, -1e9, 1e9)) {
      Require(*decimal >= -1e9 && *decimal <= 1e9, "a decimal keeps to its range");
    }
    for (const int kind : {1, 2, 4}) {
      if (const auto text = form.Judged(name, kind, 2)) {
        Require(!text->empty() && !HasAny(*text, " $*~") && !HasControl(*text), "an account text holds no separator");
      }
    }
    if (const auto passport = form.Passport(name, 15)) {
      Require(!passport->empty() && !HasAny(*passport, " $*~") && !HasControl(*passport),
              "a world-table name holds no separator");
    }
  }
  return 0;
}
