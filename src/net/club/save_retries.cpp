#include "net/club/save_retries.h"

namespace tavlo {

bool SaveWithRetries(const std::function<bool()>& attempt, const std::function<void(int pauseMs)>& pause) {
  for (const int pauseMs : {2000, 3000, 0}) {
    if (attempt()) return true;
    pause(pauseMs);
  }
  return false;
}

}  // namespace tavlo
