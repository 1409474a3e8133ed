#pragma once

#include <functional>

namespace tavlo {

// Saving the game record of a rated game: up to three attempts. After the first failure `pause`
// is called with 2000 ms, after the second with 3000 ms, after the third with 0 (the caller plays
// its sound each time and waits the time given). True when an attempt succeeded.
bool SaveWithRetries(const std::function<bool()>& attempt, const std::function<void(int pauseMs)>& pause);

}  // namespace tavlo
