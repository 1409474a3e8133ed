#include "ui/pictures/picture_catalog.h"

namespace tavlo::art {

void AddTablePictures(Catalog&) {}

}  // namespace tavlo::art
