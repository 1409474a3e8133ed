#include "ui/pictures/picture_catalog.h"

namespace tavlo::art {

void AddAwardPictures(Catalog&) {}

}  // namespace tavlo::art
