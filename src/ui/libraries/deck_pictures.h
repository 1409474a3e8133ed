#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <memory>

class QSvgRenderer;

namespace tavlo::libraries {

// One card face painter per deck: an SVG card deck or a variation of the built-in deck.
class DeckPainter {
 public:
  // An SVG deck; IsValid() is false when the file cannot be read or lacks a card.
  DeckPainter(const QString& svgFile, bool kdeNames);
  explicit DeckPainter(int variation);
  ~DeckPainter();
  DeckPainter(const DeckPainter&) = delete;
  DeckPainter& operator=(const DeckPainter&) = delete;

  bool IsValid() const { return valid_; }
  // The face of rank 1 (two) .. 13 (ace), suitIndex 0 hearts .. 3 spades, filling `size`
  // (corners included: the table cuts or rounds them).
  QImage Face(int rank, int suitIndex, QSize size) const;

 private:
  QString ElementId(int rank, int suitIndex) const;

  std::unique_ptr<QSvgRenderer> svg_;
  bool kdeNames_ = false;
  int variation_ = 0;
  bool valid_ = false;
};

// Our own variations of the built-in deck, 1..7: new inks, card stock and a border.
QImage VariedBuiltInFace(int variation, int rank, int suitIndex, QSize size);

}  // namespace tavlo::libraries
