#pragma once

#include <string_view>

namespace tavlo {

// What the screen and the speakers show while a computer seat thinks. The window
// implements it; tests and tools use this do-nothing default.
class ThinkingView {
 public:
  virtual ~ThinkingView() = default;
  // The wait cursor goes up and the board area under the progress indicator is saved.
  virtual void BeginThinking() {}
  // The progress indicator on the information board, 0..100 per cent, shown at once.
  virtual void ShowProgress(int /*percent*/) {}
  // A built-in sound by its resource name; the window plays it only with sound on.
  virtual void PlayEffect(std::string_view /*name*/) {}
  // The cursor and the saved board area come back.
  virtual void EndThinking() {}
};

}  // namespace tavlo
