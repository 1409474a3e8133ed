# Turns data/words.tsv into C++ at build time: a header naming every word number the program uses
# (the only way code refers to a word) and a source holding the file's lines as string literals.
# Usage: cmake -DWORDS=<words.tsv> -DOUT_DIR=<dir> -P embed_words.cmake

file(READ "${WORDS}" text)
string(REPLACE "\r" "" text "${text}")
string(REGEX REPLACE "\n+$" "" text "${text}")
if(text MATCHES "\\)tavlo_words\"")
  message(FATAL_ERROR "${WORDS} contains the raw string delimiter )tavlo_words\"")
endif()

# Names: every row starts with its number and name; comment lines start with "#".
string(REGEX MATCHALL "(^|\n)[0-9]+\t[A-Za-z][A-Za-z0-9]*\t" rows "${text}")
set(enumerators "")
set(ids "")
set(count 0)
foreach(row IN LISTS rows)
  string(REGEX REPLACE "^\n?([0-9]+)\t([A-Za-z0-9]+)\t$" "\\1" number "${row}")
  string(REGEX REPLACE "^\n?([0-9]+)\t([A-Za-z0-9]+)\t$" "\\2" name "${row}")
  string(APPEND enumerators "  ${name} = ${number},\n")
  string(APPEND ids "    WordId::${name},\n")
  math(EXPR count "${count} + 1")
endforeach()

file(WRITE "${OUT_DIR}/lang/word_ids.h.new" "// Generated from data/words.tsv by data/embed_words.cmake; edit the data file instead.
#pragma once

#include <array>
#include <cstdint>

namespace tavlo {

// The words this program shows, by their numbers in the word table.
enum class WordId : std::uint16_t {
${enumerators}};

// Every word above; the table must hold all of them in all ten languages.
inline constexpr std::array<WordId, ${count}> kAllWordIds = {
${ids}};

}  // namespace tavlo
")

string(REPLACE "\n" ")tavlo_words\",\n    R\"tavlo_words(" lines "${text}")
file(WRITE "${OUT_DIR}/lang/word_data.cpp.new" "// Generated from data/words.tsv by data/embed_words.cmake; edit the data file instead.
#include \"lang/word_data.h\"

namespace tavlo {

// One literal per line keeps every literal short, whatever the size of the table.
const std::vector<std::string_view>& WordTableLines() {
  static const std::vector<std::string_view> lines = {
    R\"tavlo_words(${lines})tavlo_words\",
  };
  return lines;
}

}  // namespace tavlo
")

foreach(name lang/word_ids.h lang/word_data.cpp)
  file(COPY_FILE "${OUT_DIR}/${name}.new" "${OUT_DIR}/${name}" ONLY_IF_DIFFERENT)
  file(REMOVE "${OUT_DIR}/${name}.new")
endforeach()
