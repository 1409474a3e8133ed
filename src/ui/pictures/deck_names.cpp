#include "ui/pictures/deck_names.h"

namespace tavlo {

QString FacePictureName(int suitIndex, int rank, const QString& deckCode) {
  static const char* suits[4] = {"Ch", "Bu", "Kr", "Pi"};
  static const char* ranks[14] = {"", "02", "03", "04", "05", "06", "07", "08", "09", "10", "2J", "3Q", "4K", "5A"};
  return QString::fromLatin1(suits[suitIndex & 3]) + QString::fromLatin1(ranks[rank]) + deckCode;
}

QString SuitPictureName(int suitIndex) {
  static const char* names[4] = {"Cher", "Bubi", "Kres", "Piki"};
  return QString::fromLatin1(names[suitIndex & 3]);
}

QString BackPictureName(int backNumber) {
  static const char* days[8] = {"", "Mo", "Tu", "We", "Th", "Fr", "Su", "Su"};
  const QString day = backNumber <= 7 ? QString::fromLatin1(days[backNumber]) : QStringLiteral("XX");
  return QStringLiteral("Ob%1%2").arg(backNumber, 2, 10, QLatin1Char('0')).arg(day);
}

}  // namespace tavlo
