#include "ui/table/table_screen.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QThread>
#include <cmath>

#include "game/seats.h"
#include "game/scoring.h"
#include "ui/pictures/picture_registry.h"
#include "ui/pictures/picture_sources.h"
#include "ui/table/flight_layer.h"
#include "ui/widgets/text_helpers.h"
#include "ui/widgets/zan_button.h"

namespace tavlo {
namespace {

// The classic 71 x 96 card: a 69 x 94 face inside a black outline with cut corners.
void DrawClassicOutline(QPainter& p, int x, int y) {
  p.setPen(Qt::black);
  p.drawLine(x + 2, y, x + 68, y);
  p.drawLine(x + 2, y + 95, x + 68, y + 95);
  p.drawLine(x, y + 2, x, y + 93);
  p.drawLine(x + 70, y + 2, x + 70, y + 93);
  p.drawPoint(x + 1, y + 1);
  p.drawPoint(x + 69, y + 1);
  p.drawPoint(x + 1, y + 94);
  p.drawPoint(x + 69, y + 94);
}

void InvertWhere(QImage& canvas, const QPainterPath& shape) {
  QImage mask(canvas.size(), QImage::Format_ARGB32_Premultiplied);
  mask.fill(Qt::transparent);
  {
    QPainter m(&mask);
    m.fillPath(shape, Qt::black);
  }
  for (int y = 0; y < canvas.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(canvas.scanLine(y));
    const auto* maskLine = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
    for (int x = 0; x < canvas.width(); ++x) {
      if (qAlpha(maskLine[x]) > 127) {
        const QRgb c = line[x];
        line[x] = qRgba(255 - qRed(c), 255 - qGreen(c), 255 - qBlue(c), qAlpha(c));
      }
    }
  }
}

QString SignedPoints(std::int32_t points) { return points > 0 ? "+" + QString::number(points) : QString::number(points); }

}  // namespace

TableScreen::TableScreen(QWidget* form, PictureRegistry& pictures, const GameState& state, const FontRoles& fonts,
                         WordFn word)
    : QObject(form), form_(form), pictures_(pictures), state_(state), fonts_(fonts), word_(std::move(word)) {
  for (int seat = 1; seat <= 4; ++seat) {
    hands_[static_cast<std::size_t>(seat)] = new PictureBox(form);
    plates_[static_cast<std::size_t>(seat)] = new PictureBox(form);
    timers_[static_cast<std::size_t>(seat)] = new PictureBox(form);
    timers_[static_cast<std::size_t>(seat)]->hide();
    PictureBox* hand = hands_[static_cast<std::size_t>(seat)];
    connect(hand, &PictureBox::MouseReleased, this, [this, seat](QMouseEvent* e) {
      emit HandReleased(seat, SlotUnder(seat, qRound(e->position().x())), e->button());
    });
    connect(hand, &PictureBox::MouseMoved, this,
            [this, seat](QMouseEvent* e) { emit HandHovered(seat, SlotUnder(seat, qRound(e->position().x()))); });
  }
  boards_[1] = new PictureBox(form);
  boards_[2] = new PictureBox(form);
  centre_ = new PictureBox(form);
  connect(centre_, &PictureBox::MouseReleased, this,
          [this](QMouseEvent* e) { emit CentreReleased(e->position().toPoint(), e->button()); });
  info_ = new PictureBox(form);
  button7_ = new TZanCardsButton(pictures, form);
  button8_ = new TZanCardsButton(pictures, form);
  button7_->hide();
  button8_->hide();
  flight_ = new FlightLayer(form);
}

TableScreen::~TableScreen() = default;

void TableScreen::SetLayout(const Layout& layout, const CardSize& cards, WindowSizeMode mode, const QImage* background) {
  layout_ = layout;
  cards_ = cards;
  mode_ = mode;
  background_ = background;
}

QRect TableScreen::Place(const DesignRect& r) const {
  return QRect(layout_.PlaceX(r.Left, r.Width()), layout_.PlaceY(r.Top, r.Height()), layout_.ScaleLen(r.Width()),
               layout_.ScaleLen(r.Height()));
}

QRect TableScreen::HandGeometry(int seat) const {
  QRect r = Place(kHandRects[seat]);
  r.setHeight(cards_.Height);
  return r;
}

QPoint TableScreen::SpotInCentre(int seat) const {
  const int narrowShift = look_.NarrowCards && mode_ != WindowSizeMode::Small ? 5 : 0;
  return QPoint(layout_.ScaleLen(kTrickSpots[seat].X + narrowShift), layout_.ScaleLen(kTrickSpots[seat].Y));
}

void TableScreen::ShowGameTable() {
  for (int seat = 1; seat <= 4; ++seat) {
    hands_[static_cast<std::size_t>(seat)]->Place(HandGeometry(seat));
    const QRect plate = Place(kPlateRects[seat]);
    plates_[static_cast<std::size_t>(seat)]->Place(plate);
    // The move clocks stand beside the plates, East's on the left of its plate.
    const int side = plate.height();
    const int x = seat == kEast ? plate.x() - layout_.ScaleLen(10) - layout_.ScaleLen(20)
                                : plate.x() + plate.width() + layout_.ScaleLen(10);
    timers_[static_cast<std::size_t>(seat)]->Place(QRect(x, plate.y(), side, side));
  }
  for (int side = 1; side <= 2; ++side) boards_[static_cast<std::size_t>(side)]->Place(Place(kBoardRects[side]));
  centre_->Place(Place(kTableCentre));
  info_->Place(Place(kInfoBoard));

  const bool cardStyle = look_.TableDesign == 1;
  const double f = mode_ == WindowSizeMode::Small ? 1.0 : 0.9;
  const QFont buttonFont = fonts_.FontAt(FontRole::Decor, RoundHalfEven(fonts_.Size(FontRole::Decor, 20) * layout_.Scale * f), true);
  const int left = RoundHalfEven(layout_.ScaleX * 556);
  const int width = RoundHalfEven(layout_.ScaleX * 160);
  const int height = layout_.ScaleLen(30);
  int k = 0;
  for (TZanCardsButton* b : {button7_, button8_}) {
    b->SetColorSB(cardStyle ? TColorSB::DCards : TColorSB::DRed);
    b->SetFontColor(cardStyle ? look_.DesignFontColour : QColor(Qt::white));
    b->setFont(buttonFont);
    b->setGeometry(left, RoundHalfEven(layout_.ScaleY * 305 + k * layout_.ScaleY * 30), width, height);
    ++k;
  }
  for (QWidget* w : std::initializer_list<QWidget*>{hands_[1], hands_[2], hands_[3], hands_[4], plates_[1], plates_[2],
                                                     plates_[3], plates_[4], boards_[1], boards_[2], centre_, info_}) {
    w->show();
  }
  for (int seat = 1; seat <= 4; ++seat) cardLeft_[static_cast<std::size_t>(seat)].clear();
  flight_->setGeometry(form_->rect());
  flight_->raise();
  shown_ = true;
}

void TableScreen::HideGameTable() {
  for (QWidget* w : std::initializer_list<QWidget*>{hands_[1], hands_[2], hands_[3], hands_[4], plates_[1], plates_[2],
                                                     plates_[3], plates_[4], boards_[1], boards_[2], centre_, info_,
                                                     button7_, button8_, timers_[1], timers_[2], timers_[3], timers_[4]}) {
    w->hide();
  }
  shown_ = false;
}

void TableScreen::SetDeck(const LoadedDeck* deck, const LoadedBacks* backs) {
  deck_ = deck;
  backs_ = backs;
}

QImage TableScreen::FacePicture(TCardCode card) {
  if (deck_ && IsValidCard(card)) {
    const QImage& face = deck_->faces[static_cast<std::size_t>(NumberOfCard(card) - 1)];
    if (!face.isNull()) return face;
  }
  const QSize size = cards_.SizeClass == 1 ? QSize(69, 94) : QSize(cards_.Width, cards_.Height);
  return pictures_.CardFace(card, size);
}

QImage TableScreen::BackPicture() {
  if (backs_ && !backs_->backs.empty()) {
    const std::size_t n = backs_->backs.size();
    const QImage& back = backs_->backs[static_cast<std::size_t>(std::max(1, look_.BackNumber) - 1) % n];
    if (!back.isNull()) return back;
  }
  const QSize size = cards_.SizeClass == 1 ? QSize(69, 94) : QSize(cards_.Width, cards_.Height);
  return pictures_.CardBack(look_.BackNumber, size);
}

void TableScreen::DrawCard(QImage& canvas, int x, int y, TCardCode card) {
  if (card.IsEmpty()) return;
  QPainter p(&canvas);
  if (cards_.SizeClass == 1) {
    DrawClassicOutline(p, x, y);
    if (IsValidCard(card)) p.drawImage(x + 1, y + 1, FacePicture(card));
  } else if (IsValidCard(card)) {
    p.drawImage(x, y, FacePicture(card));
  }
}

void TableScreen::DrawCardBack(QImage& canvas, int x, int y) {
  QPainter p(&canvas);
  if (cards_.SizeClass == 1) {
    DrawClassicOutline(p, x, y);
    p.drawImage(x + 1, y + 1, BackPicture());
  } else {
    p.drawImage(x, y, BackPicture());
  }
}

void TableScreen::ClearTrickArea(int seat) {
  if (seat == 0) {
    centre_->PaintBackground(background_ ? *background_ : QImage());
  } else {
    QPainter p(&centre_->Canvas());
    const QRect spot(SpotInCentre(seat), QSize(cards_.Width, cards_.Height));
    p.setClipRect(spot);
    p.fillRect(spot, QColor(0, 0x80, 0));
    if (background_) p.drawImage(-centre_->x(), -centre_->y(), *background_);
  }
  centre_->Refresh();
}

void TableScreen::RedrawHand(int seat, bool faceUp) {
  PictureBox& hand = Hand(seat);
  const int n = state_.CardsLeft[seat];
  cardLeft_[static_cast<std::size_t>(seat)] = LayOutHand(hand.width(), cards_.Width, n);
  hand.PaintBackground(background_ ? *background_ : QImage());
  const bool open = faceUp || (state_.ShowAllCards && seat != kSouth);
  const std::vector<int>& left = cardLeft_[static_cast<std::size_t>(seat)];
  for (int i = 1; i <= n; ++i) {
    const TCardCode card = state_.Hands[seat][i];
    if (card.IsEmpty()) continue;
    if (open) {
      DrawCard(hand.Canvas(), left[static_cast<std::size_t>(i - 1)], 0, card);
    } else {
      DrawCardBack(hand.Canvas(), left[static_cast<std::size_t>(i - 1)], 0);
    }
  }
  hand.Refresh();
}

int TableScreen::SlotUnder(int seat, int x) const {
  return HitTestHand(cardLeft_[static_cast<std::size_t>(seat)], cards_.Width, x);
}

void TableScreen::MarkCard(int seat, int slot) {
  PictureBox& hand = Hand(seat);
  const std::vector<int>& left = cardLeft_[static_cast<std::size_t>(seat)];
  const int n = static_cast<int>(left.size());
  if (slot < 1 || slot > n) return;
  const int x = left[static_cast<std::size_t>(slot - 1)];
  const bool whole = slot == n || hand.width() >= n * cards_.Width;
  const int next = whole ? 0 : left[static_cast<std::size_t>(slot)];
  QPainterPath shape;
  if (cards_.SizeClass == 1) {
    shape.addRect(QRectF(x, 2, 1, 92));
    shape.addRect(QRectF(x + 1, 1, 1, 94));
    shape.addRect(QRectF(x + 2, 0, (whole ? x + 71 : next) - (x + 2), 96));
  } else {
    const double corner = cards_.SizeClass == 2 ? 8.0 : layout_.ScaleLen(8) / 2.0;
    QPainterPath card;
    card.addRoundedRect(QRectF(x, 0, cards_.Width + 1, cards_.Height + 1), corner, corner);
    QPainterPath box;
    box.addRect(QRectF(x, 0, cards_.Width, cards_.Height));
    shape = card.intersected(box);
    if (!whole) {
      QPainterPath nextCard;
      nextCard.addRoundedRect(QRectF(next, 0, cards_.Width + 1, cards_.Height + 1), corner, corner);
      shape = shape.subtracted(nextCard);
    }
  }
  InvertWhere(hand.Canvas(), shape);
  hand.Refresh();
}

void TableScreen::ShowTrumpCard() {
  const int dummy = state_.Dummy;
  if (dummy < 1 || dummy > 4) return;
  if (dummy == kSouth || state_.ShowAllCards) {
    for (int slot = 1; slot <= kHandSlots; ++slot) {
      if (state_.Hands[dummy][slot] == state_.TrumpCard) MarkCard(dummy, slot);
    }
    return;
  }
  const std::vector<int>& left = cardLeft_[static_cast<std::size_t>(dummy)];
  if (left.empty()) return;
  DrawCard(Hand(dummy).Canvas(), left.back(), 0, state_.TrumpCard);
  Hand(dummy).Refresh();
}

void TableScreen::DrawSeatPlate(int seat, bool isDummy, bool leadsTrick) {
  PictureBox& plate = *plates_[static_cast<std::size_t>(seat)];
  plate.PaintBackground(background_ ? *background_ : QImage());
  const QString name = QString::fromStdString(state_.SeatNames[seat]).trimmed();
  if (name.isEmpty()) {
    plate.Refresh();
    return;
  }
  QPainter p(&plate.Canvas());
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  const QString plateName = mode_ == WindowSizeMode::Small ? "SPYellow" : "SPYellowB";
  p.drawImage(QRect(QPoint(0, 0), plate.size()), pictures_.Picture(plateName, plate.size()));
  QFont font = fonts_.Font(FontRole::Serif, layout_.ScaleLen(18), true);
  for (int size : {16, 14}) {
    if (QFontMetrics(font).horizontalAdvance(name) <= layout_.ScaleLen(150)) break;
    font = fonts_.Font(FontRole::Serif, layout_.ScaleLen(size), true);
  }
  p.setFont(font);
  p.setPen(Qt::white);
  const int textHeight = QFontMetrics(font).height();
  TextCentred(p, name, 0, layout_.ScaleLen(160), RoundHalfEven((plate.height() - textHeight) / 2.0));
  static const char* const kCompass[5] = {"", "GWest", "GNorth", "GEast", "GSouth"};
  const int compass = state_.SeatCompass[seat] >= 1 && state_.SeatCompass[seat] <= 4 ? state_.SeatCompass[seat] : seat;
  const int s20 = layout_.ScaleLen(20);
  p.drawImage(QRect(layout_.ScaleLen(7), 0, s20, s20), pictures_.Picture(kCompass[compass], QSize(s20, s20)));
  if (leadsTrick) {
    const QRect hand = mode_ == WindowSizeMode::Small ? QRect(30, 1, 30, 20)
                                                      : QRect(layout_.ScaleLen(25), 0, layout_.ScaleLen(30), s20);
    p.drawImage(hand, pictures_.Picture(mode_ == WindowSizeMode::Small ? "GPointer" : "Hand_Right", hand.size()));
  }
  if (isDummy) {
    p.drawImage(QRect(layout_.ScaleLen(133), 0, s20, s20), pictures_.Picture("Circle", QSize(s20, s20)));
    const int s13 = layout_.ScaleLen(13);
    p.drawImage(QRect(layout_.ScaleLen(136), layout_.ScaleLen(3), s13, s13),
                pictures_.Picture("ZvezdaBSm", QSize(s13, s13)));
  }
  p.end();
  plate.Refresh();
}

void TableScreen::RedrawPlateName(int seat) { DrawSeatPlate(seat, false, false); }

void TableScreen::DrawTurnTimer(int seat, int seconds) {
  if (seat < 1 || seat > 4) return;
  PictureBox& square = *timers_[static_cast<std::size_t>(seat)];
  square.PaintBackground(background_ ? *background_ : QImage());
  if (seconds >= 0) {
    QPainter p(&square.Canvas());
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const bool plenty = seconds >= 8;
    p.drawImage(QRect(QPoint(0, 0), square.size()), pictures_.Picture(plenty ? "GTimerY" : "GTimerR", square.size()));
    p.setFont(fonts_.Font(FontRole::Serif, layout_.ScaleLen(18), true));
    p.setPen(plenty ? QColor(0xFF, 0, 0) : QColor(0xFF, 0xFF, 0));
    p.drawText(QRect(QPoint(0, 0), square.size()), Qt::AlignCenter, QString::number(seconds));
  }
  if (shown_) square.show();
  square.Refresh();
}

void TableScreen::CardToTable(int seat, int slot, TCardCode card, bool faceUp) {
  PictureBox& hand = Hand(seat);
  const std::vector<int> before = cardLeft_[static_cast<std::size_t>(seat)];
  const QPoint spot = SpotInCentre(seat);
  if (look_.FlyCards) {
    const int offset = faceUp && slot >= 1 && slot <= static_cast<int>(before.size())
                           ? before[static_cast<std::size_t>(slot - 1)]
                           : RoundHalfEven((hand.width() - cards_.Width) / 2.0);
    RedrawHand(seat, faceUp);
    Sprite sprite{card, QPointF(hand.x() + offset, hand.y()), QPointF(centre_->x() + spot.x(), centre_->y() + spot.y()),
                  QPoint()};
    Fly({sprite}, true);
    DrawCard(centre_->Canvas(), spot.x(), spot.y(), card);
  } else {
    DrawCard(centre_->Canvas(), spot.x(), spot.y(), card);
    RedrawHand(seat, faceUp);
  }
  centre_->Refresh();
}

void TableScreen::GatherTrickArea(int winner) {
  if (!look_.FlyCards) {
    ClearTrickArea(0);
    return;
  }
  std::vector<Sprite> sprites;
  const int leader = state_.PrevWinner;
  QPointF target;
  const QRect west = Hand(kWest).geometry(), north = Hand(kNorth).geometry(), east = Hand(kEast).geometry(),
              south = Hand(kSouth).geometry();
  switch (winner) {
    case kWest: target = QPointF(-cards_.Width, west.top()); break;
    case kNorth: target = QPointF(north.center().x() - cards_.Width / 2.0, -cards_.Height); break;
    case kEast: target = QPointF(form_->width() + cards_.Width, east.top()); break;
    default: target = QPointF(south.center().x() - cards_.Width / 2.0, form_->height()); break;
  }
  for (int seat = 1; seat <= 4; ++seat) {
    const TCardCode card = state_.Table[((seat - leader + 4) % 4) + 1];
    if (card.IsEmpty()) continue;
    const QPoint spot = SpotInCentre(seat);
    sprites.push_back(Sprite{card, QPointF(centre_->x() + spot.x(), centre_->y() + spot.y()), target, QPoint()});
  }
  ClearTrickArea(0);
  Fly(std::move(sprites), true);
  QThread::msleep(200);
}

void TableScreen::PaceStep(int step) {
  switch (look_.FlySpeed) {
    case 1: QThread::msleep(2); break;
    case 2: QThread::msleep(1); break;
    case 3:
      if (step % 2 == 0) QThread::msleep(1);
      break;
    case 4:
      if (step % 3 == 0) QThread::msleep(1);
      break;
    default: break;
  }
}

void TableScreen::Fly(std::vector<Sprite> sprites, bool eraseAtEnd) {
  if (sprites.empty()) return;
  flightRunning_ = true;
  flight_->setGeometry(form_->rect());
  flight_->raise();
  flight_->show();
  std::vector<FlightLayer::Card>& shown = flight_->Cards();
  shown.clear();
  for (Sprite& s : sprites) {
    s.at = s.from.toPoint();
    QImage picture(cards_.Width, cards_.Height, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    DrawCard(picture, 0, 0, s.card);
    shown.push_back({picture, s.at});
  }
  // Every sprite walks its own line one pixel at a time along its longer axis.
  const auto stepsOf = [](const Sprite& s) {
    return static_cast<int>(std::max(std::abs(s.to.x() - s.from.x()), std::abs(s.to.y() - s.from.y())));
  };
  int longest = 0;
  for (const Sprite& s : sprites) longest = std::max(longest, stepsOf(s));
  QRect dirty;
  for (const FlightLayer::Card& c : shown) dirty |= QRect(c.at, c.picture.size());
  flight_->repaint(dirty.adjusted(-2, -2, 2, 2));
  for (int step = 1; step <= longest; ++step) {
    QRect region;
    for (std::size_t i = 0; i < sprites.size(); ++i) {
      const Sprite& s = sprites[i];
      const int steps = stepsOf(s);
      if (step > steps) continue;
      const double dx = s.to.x() - s.from.x();
      const double dy = s.to.y() - s.from.y();
      QPoint at;
      if (std::abs(dx) >= std::abs(dy)) {
        const double x = s.from.x() + (dx > 0 ? step : -step);
        at = QPoint(RoundHalfEven(x), RoundHalfEven(dy * (x - s.from.x()) / dx + s.from.y()));
      } else {
        const double y = s.from.y() + (dy > 0 ? step : -step);
        at = QPoint(RoundHalfEven(dx * (y - s.from.y()) / dy + s.from.x()), RoundHalfEven(y));
      }
      region |= QRect(shown[i].at, shown[i].picture.size());
      shown[i].at = at;
      region |= QRect(at, shown[i].picture.size());
    }
    if (!(look_.FlySpeed == 6 && step == 1)) flight_->repaint(region.adjusted(-2, -2, 2, 2));
    if (FlightStepped) FlightStepped(step);
    PaceStep(step);
  }
  QRect last;
  for (const FlightLayer::Card& c : shown) last |= QRect(c.at, c.picture.size());
  if (eraseAtEnd) shown.clear();
  flight_->repaint(last.adjusted(-2, -2, 2, 2));
  flight_->hide();
  flightRunning_ = false;
}

void TableScreen::DrawScoreBoard(int side, std::int32_t points, bool redrawFrame, std::int32_t tricks,
                                 std::int32_t dealPoints) {
  Board& b = boardFigures_[static_cast<std::size_t>(side)];
  if (points != kBoardKeep) b.points = points;
  if (tricks != kBoardKeep) b.tricks = tricks;
  if (dealPoints != kBoardKeep) b.dealPoints = dealPoints;
  (void)redrawFrame;  // the board is painted whole from its frame every time
  PaintBoard(side);
}

void TableScreen::PaintBoard(int side) {
  PictureBox& board = *boards_[static_cast<std::size_t>(side)];
  const Board& b = boardFigures_[static_cast<std::size_t>(side)];
  board.PaintBackground(background_ ? *background_ : QImage());
  QPainter p(&board.Canvas());
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  const bool small = mode_ == WindowSizeMode::Small;
  p.drawImage(QRect(QPoint(0, 0), board.size()), pictures_.Picture(small ? "TabloSm" : "TabloBg", board.size()));
  const auto s = [this](int v) { return layout_.ScaleLen(v); };
  const int w = board.width();
  if (b.points != kBoardClear) {
    p.setFont(fonts_.Font(FontRole::Decor, s(24)));
    p.setPen(FromBgrColour(0x0000FF));
    TextCentred(p, SignedPoints(b.points), 0, w, s(18));
  }
  int honours = 0;
  for (const TCardCode& c : state_.Taken[side]) honours += IsHonour(c, state_.Trump) ? 1 : 0;
  p.setFont(fonts_.Font(FontRole::Decor, s(24), true));
  p.setPen(FromBgrColour(0x008000));
  TextCentred(p, QString::number(honours), s(15), s(52), s(53));
  if (b.dealPoints != kBoardClear) {
    const QString text = QString::number(b.dealPoints);
    const bool narrow = text.size() <= 2;
    p.setFont(fonts_.Font(FontRole::Decor, s(narrow ? 24 : 20), true));
    p.setPen(FromBgrColour(0x000080));
    TextCentred(p, text, 0, w, s(narrow ? 53 : 55));
  }
  if (b.tricks != kBoardClear) {
    p.setFont(fonts_.Font(FontRole::Decor, s(24), true));
    p.setPen(FromBgrColour(0x800000));
    TextCentred(p, QString::number(b.tricks), s(105), s(141), s(53));
  }
  // The compass pictures of the side's two seats.
  const bool playerNorthSouth = state_.SeatCompass[kSouth] == 2 || state_.SeatCompass[kSouth] == 4;
  const bool eastWest = (side == 1) == playerNorthSouth;
  const int s20 = s(20);
  p.drawImage(QRect(s(17), s(17), s20, s20), pictures_.Picture(eastWest ? "GWest" : "GNorth", QSize(s20, s20)));
  p.drawImage(QRect(s(118), s(17), s20, s20), pictures_.Picture(eastWest ? "GEast" : "GSouth", QSize(s20, s20)));
  p.end();
  board.Refresh();
}

void TableScreen::DrawGameInfo(bool withTrump) {
  PictureBox& board = *info_;
  board.PaintBackground(background_ ? *background_ : QImage());
  QPainter p(&board.Canvas());
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  const bool small = mode_ == WindowSizeMode::Small;
  p.drawImage(QRect(QPoint(0, 0), board.size()), pictures_.Picture(small ? "RamkaBBSm" : "RamkaBBBg", board.size()));
  const auto s = [this](int v) { return layout_.ScaleLen(v); };
  p.setFont(fonts_.Font(FontRole::Decor, s(28)));
  p.setPen(FromBgrColour(0xFF0000));
  TextCentred(p, word_(WordId::Game) + " " + QString::number(state_.SeriesKon), 0, board.width(), s(15));
  if (withTrump && SuitIndexOf(state_.Trump) >= 0) {
    p.setFont(fonts_.Font(FontRole::Decor, s(24)));
    p.setPen(FromBgrColour(0x008000));
    TextCentred(p, word_(WordId::Trump), 0, board.width(), s(45));
    if (small) {
      p.drawImage(50, 70, pictures_.SuitSymbol(state_.Trump, QSize(20, 20)));
    } else {
      p.drawImage(RoundHalfEven(board.width() / 2.0) - 20, s(70), pictures_.SuitSymbol(state_.Trump, QSize(40, 40)));
    }
  } else {
    p.setFont(fonts_.Font(FontRole::Decor, s(24)));
    p.setPen(FromBgrColour(0x008000));
    TextCentred(p, word_(WordId::WithoutTrumpShort), 0, board.width(), s(70));
  }
  p.end();
  board.Refresh();
  infoBeforeProgress_ = QImage();
}

void TableScreen::DrawProgress(int value) {
  QImage& canvas = info_->Canvas();
  const auto s = [this](int v) { return layout_.ScaleLen(v); };
  const QRect area(s(20), s(115), s(80), s(15));
  if (value < 0) {
    if (!infoBeforeProgress_.isNull()) {
      QPainter p(&canvas);
      p.setCompositionMode(QPainter::CompositionMode_Source);
      p.drawImage(area.topLeft(), infoBeforeProgress_);
      infoBeforeProgress_ = QImage();
    }
    info_->repaint();
    return;
  }
  if (infoBeforeProgress_.isNull()) infoBeforeProgress_ = canvas.copy(area);
  QPainter p(&canvas);
  p.setPen(QColor(128, 0, 0));
  p.setBrush(QColor(255, 255, 200));
  p.drawRect(area.adjusted(0, 0, -1, -1));
  p.setBrush(QColor(255, 200, 200));
  const int bar = RoundHalfEven(value * s(80) / 100.0);
  if (bar > 0) p.drawRect(QRect(area.left(), area.top(), bar, area.height()).adjusted(0, 0, -1, -1));
  p.setPen(QColor(255, 0, 0));
  p.setFont(fonts_.FontAt(FontRole::Serif, RoundHalfEven(s(16) * fonts_.Percent[1] / 100.0)));
  TextCentred(p, QString::number(value) + "%", area.left(), area.right() + 1,
              area.top() + (area.height() - QFontMetrics(p.font()).height()) / 2);
  p.end();
  info_->repaint();
}

void TableScreen::ShowAwaitingServer(int serverSeat) {
  const QImage empty = background_ ? *background_ : QImage();
  for (int seat = 1; seat <= 3; ++seat) {
    Hand(seat).PaintBackground(empty);
    Hand(seat).Refresh();
  }
  PictureBox& hand = Hand(serverSeat);
  QPainter p(&hand.Canvas());
  p.setFont(fonts_.Font(FontRole::Decor, layout_.ScaleLen(24)));
  p.setPen(FromBgrColour(0x00FFFF));
  TextCentred(p, word_(WordId::WaitingForServer), 0, hand.width(), layout_.ScaleLen(40));
  p.end();
  hand.Refresh();
}

}  // namespace tavlo
