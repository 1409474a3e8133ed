#pragma once

#include <QPixmap>
#include <string>

namespace tavlo {

// The flag of a player's country as the club's tables hold it: a passport code ("1-035") or a
// country's short or full name. Null for anything else.
QPixmap PlayerFlag(const std::string& country);

// A small face beside a player's name: rose for a woman ("W"), blue otherwise; null without a sex.
QPixmap PlayerFace(const std::string& sex);

}  // namespace tavlo
