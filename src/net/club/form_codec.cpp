#include "net/club/form_codec.h"

namespace tavlo {
namespace {

bool Unreserved(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
         c == '_' || c == '*';
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

std::string PercentEncode(std::string_view bytes) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(bytes.size());
  for (const char c : bytes) {
    const auto u = static_cast<unsigned char>(c);
    if (Unreserved(u)) {
      out += c;
    } else {
      out += '%';
      out += kHex[u >> 4];
      out += kHex[u & 15];
    }
  }
  return out;
}

std::optional<std::string> PercentDecode(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '+') {
      out += ' ';
    } else if (text[i] == '%') {
      if (i + 2 >= text.size()) return std::nullopt;
      const int high = HexValue(text[i + 1]);
      const int low = HexValue(text[i + 2]);
      if (high < 0 || low < 0) return std::nullopt;
      out += static_cast<char>(high * 16 + low);
      i += 2;
    } else {
      out += text[i];
    }
  }
  return out;
}

std::string EncodeForm(const std::vector<FormField>& fields) {
  std::string body;
  for (const FormField& field : fields) {
    if (!body.empty()) body += '&';
    body += PercentEncode(field.Name);
    body += '=';
    body += PercentEncode(field.Value);
  }
  return body;
}

std::optional<std::vector<FormField>> DecodeForm(std::string_view body) {
  std::vector<FormField> fields;
  while (!body.empty()) {
    const std::size_t end = body.find('&');
    const std::string_view entry = body.substr(0, end);
    body = end == std::string_view::npos ? std::string_view{} : body.substr(end + 1);
    if (entry.empty()) continue;
    const std::size_t equals = entry.find('=');
    auto name = PercentDecode(entry.substr(0, equals));
    auto value = PercentDecode(equals == std::string_view::npos ? std::string_view{} : entry.substr(equals + 1));
    if (!name || !value) return std::nullopt;
    fields.push_back({std::move(*name), std::move(*value)});
  }
  return fields;
}

}  // namespace tavlo
