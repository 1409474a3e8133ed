#include "ui/pictures/picture_catalog.h"

namespace tavlo::art {

void AddButtonPictures(Catalog&) {}

}  // namespace tavlo::art
