#pragma once

#include <QImage>

namespace tavlo {

// The small picture before each of the fourteen profile rows, in the profile's order: first and
// last name, about, telephone, e-mail, web site, Skype, OK, VK, Telegram, Facebook, Twitter,
// Instagram, YouTube. Drawn in code at size x size; a null image for a row outside 0..13.
QImage ProfileIcon(int row, int size = 20);

}  // namespace tavlo
