#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace tavlo::fuzzing {

// A broken property of a reader: print what broke and stop, so that libFuzzer saves the input and
// a replay fails.
inline void Require(bool holds, std::string_view what) {
  if (holds) return;
  std::fprintf(stderr, "fuzz property broken: %.*s\n", static_cast<int>(what.size()), what.data());
  std::abort();
}

}  // namespace tavlo::fuzzing
