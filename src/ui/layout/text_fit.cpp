#include "ui/layout/text_fit.h"

namespace tavlo {
namespace {

// Byte offsets of the characters of a UTF-8 text, plus its end.
std::vector<std::size_t> CharacterStarts(const std::string& text) {
  std::vector<std::size_t> starts;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) starts.push_back(i);
  }
  starts.push_back(text.size());
  return starts;
}

}  // namespace

std::string ShortenRow(const std::string& row, int limit, const std::function<int(const std::string&)>& width) {
  std::string text = row;
  bool lostContent = false;
  int position = 20;  // 1-based character position of the next deletion
  int cut = 0;
  while (width(text) >= limit && position >= 5) {
    const std::vector<std::size_t> starts = CharacterStarts(text);
    const int characters = static_cast<int>(starts.size()) - 1;
    if (position <= characters) {
      const std::size_t from = starts[static_cast<std::size_t>(position - 1)];
      const std::size_t to = starts[static_cast<std::size_t>(position)];
      const std::string removed = text.substr(from, to - from);
      if (removed != " " && removed != "#") lostContent = true;
      text.erase(from, to - from);
      cut = position;
    }
    --position;
  }
  if (lostContent && cut > 3) {
    const std::vector<std::size_t> starts = CharacterStarts(text);
    const std::size_t from = starts[static_cast<std::size_t>(cut - 4)];
    const std::size_t to = starts[static_cast<std::size_t>(cut - 1)];
    text.replace(from, to - from, "...");
  }
  return text;
}

}  // namespace tavlo
