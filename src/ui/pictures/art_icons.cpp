#include "ui/pictures/picture_catalog.h"

namespace tavlo::art {

void AddIconPictures(Catalog&) {}

}  // namespace tavlo::art
