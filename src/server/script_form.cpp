#include "server/script_form.h"

#include "lang/cp1251.h"
#include "net/club/account_text.h"
#include "net/club/club_answers.h"

namespace tavlo {

const std::string* ScriptForm::Raw(const std::string& name) const {
  for (const FormField& field : fields_) {
    if (field.Name == name) return &field.Value;
  }
  return nullptr;
}

const FormField* ScriptForm::Prefixed(const std::string& prefix) const {
  for (const FormField& field : fields_) {
    if (field.Name.starts_with(prefix)) return &field;
  }
  return nullptr;
}

std::optional<std::string> ScriptForm::Word(const std::string& name, std::size_t max) const {
  const std::string* value = Raw(name);
  if (!value || value->empty() || value->size() > max) return std::nullopt;
  for (const char ch : *value) {
    const auto c = static_cast<unsigned char>(ch);
    if (c <= 0x20 || c == 0x7F || c == '$' || c == '*' || c == '~') return std::nullopt;
  }
  return Cp1251ToUtf8(*value);
}

std::optional<std::string> ScriptForm::Line(const std::string& name, std::size_t max) const {
  const std::string* value = Raw(name);
  if (!value) return std::string{};
  if (value->size() > max) return std::nullopt;
  for (const char ch : *value) {
    const auto c = static_cast<unsigned char>(ch);
    if (c < 0x20 || c == 0x7F || c == '$' || c == '~') return std::nullopt;
  }
  return Cp1251ToUtf8(*value);
}

std::optional<std::int64_t> ScriptForm::Number(const std::string& name, std::int64_t low, std::int64_t high) const {
  const std::string* value = Raw(name);
  if (!value) return std::nullopt;
  const auto number = ParseWhole(*value);
  if (!number || *number < low || *number > high) return std::nullopt;
  return number;
}

std::optional<double> ScriptForm::Decimal(const std::string& name, double low, double high) const {
  const std::string* value = Raw(name);
  if (!value) return std::nullopt;
  const auto number = ParseDecimal(*value);
  if (!number || *number < low || *number > high) return std::nullopt;
  return number;
}

std::optional<std::string> ScriptForm::Judged(const std::string& name, int kind, int least) const {
  const std::string* value = Raw(name);
  if (!value || JudgeAccountText(*value, static_cast<AccountTextKind>(kind)) < least) return std::nullopt;
  return Cp1251ToUtf8(*value);
}

std::optional<std::string> ScriptForm::Passport(const std::string& name, std::size_t limit) const {
  const std::string* value = Raw(name);
  if (!value || JudgeWorldText(*value, limit) < 2) return std::nullopt;
  return Cp1251ToUtf8(*value);
}

}  // namespace tavlo
