#include "ui/pictures/picture_catalog.h"

namespace tavlo::art {

void AddHeaderPictures(Catalog&) {}

}  // namespace tavlo::art
