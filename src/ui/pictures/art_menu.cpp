#include "ui/pictures/picture_catalog.h"

namespace tavlo::art {

void AddMenuPictures(Catalog&) {}

}  // namespace tavlo::art
