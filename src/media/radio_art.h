#pragma once

#include <QImage>
#include <QString>
#include <map>

namespace tavlo {

// The pictures of the radio library "ZanRadio02.dll", painted by our own code: the on and off
// pictures, the logo frame, the eleven volume steps and the two built-in station logos. The build
// packs them into the resource bundle ZanRadio02.rcc.
std::map<QString, QImage> PaintRadioLibrary();

}  // namespace tavlo
