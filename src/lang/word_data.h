#pragma once

#include <string_view>
#include <vector>

namespace tavlo {

// The lines of the word table file as it was compiled into the program (comment lines included).
const std::vector<std::string_view>& WordTableLines();

}  // namespace tavlo
