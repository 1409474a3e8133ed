#include "net/club/club_request.h"

#include "lang/cp1251.h"
#include "net/club/club_answers.h"

namespace tavlo {

std::string ClubRequest::Body() const {
  std::vector<FormField> bytes;
  bytes.reserve(Fields.size());
  for (const FormField& field : Fields) bytes.push_back({Utf8ToCp1251(field.Name), Utf8ToCp1251(field.Value)});
  return EncodeForm(bytes);
}

const std::string* ClubRequest::Value(const std::string& name) const {
  for (const FormField& field : Fields) {
    if (field.Name == name) return &field.Value;
  }
  return nullptr;
}

NumberResult ParseNumberResult(const std::string& answer) {
  const auto number = ReadNumberAnswer(answer);
  if (!number) return {};
  return {true, *number};
}

std::string WithoutSeparators(std::string text, const std::string& separators) {
  for (char& c : text) {
    if (separators.find(c) != separators.npos) c = ' ';
  }
  return text;
}

}  // namespace tavlo
