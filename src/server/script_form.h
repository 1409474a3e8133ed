#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "net/club/form_codec.h"

namespace tavlo {

// The decoded fields of one script request (Windows-1251 bytes) and the checks every value passes
// before the store sees it.
class ScriptForm {
 public:
  explicit ScriptForm(std::vector<FormField> fields) : fields_(std::move(fields)) {}

  bool Has(const std::string& name) const { return Raw(name) != nullptr; }
  const std::string* Raw(const std::string& name) const;
  // The first field whose name starts with `prefix`.
  const FormField* Prefixed(const std::string& prefix) const;

  // A value that goes into a space-separated answer: 1..max characters, none of them a blank,
  // a control character or one of '$' '*' '~'. UTF-8, or nothing when absent or not so.
  std::optional<std::string> Word(const std::string& name, std::size_t max) const;
  // A profile value: up to max characters, blanks allowed, no control characters, '$' or '~'.
  std::optional<std::string> Line(const std::string& name, std::size_t max) const;
  std::optional<std::int64_t> Number(const std::string& name, std::int64_t low, std::int64_t high) const;
  std::optional<double> Decimal(const std::string& name, double low, double high) const;
  // Nick and city by the account rules, minimum judgement `least` (2 allows Cyrillic letters).
  std::optional<std::string> Judged(const std::string& name, int kind, int least) const;
  std::optional<std::string> Passport(const std::string& name, std::size_t limit) const;

 private:
  std::vector<FormField> fields_;
};

}  // namespace tavlo
