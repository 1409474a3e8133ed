#include "ui/pictures/picture_catalog.h"

namespace tavlo::art {

void AddClockPictures(Catalog&) {}

}  // namespace tavlo::art
