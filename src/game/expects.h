#pragma once

#include <cassert>

// A precondition of a game operation. A broken one is a programming error: it stops a
// debug build at once; a release build returns `failValue` before touching any state.
#define TAVLO_EXPECTS(condition, failValue) \
  do {                                      \
    if (!(condition)) {                     \
      assert(!"precondition: " #condition); \
      return failValue;                     \
    }                                       \
  } while (false)
