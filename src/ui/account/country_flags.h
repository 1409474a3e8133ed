#pragma once

#include <QImage>
#include <QString>

namespace tavlo {

// The small flag of a country (its two-letter code), drawn at 14 x 12 from the system's 16 x 11 flag
// icons; Guernsey, Jersey and the Isle of Man, which that set lacks, are drawn by our own code. A null
// image when the code is empty or neither source has it.
QImage CountryFlag(const QString& iso);

// Where the icons are looked up: the system's folder unless TAVLO_FLAGS names another.
QString CountryFlagFolder();

}  // namespace tavlo
