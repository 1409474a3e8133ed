#pragma once

namespace tavlo::libraries {

class LibraryWriter;

// The pictures of the card-style design: the menu background "BGLilu", the dialog backgrounds,
// title overlays and caption pictures in every interface language, the 48 x 48 icon strips and
// the click-effect strip "GTouch".
void WriteDesignLibrary(LibraryWriter& writer);

}  // namespace tavlo::libraries
