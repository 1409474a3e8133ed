#include "ui/dialogs/top_ten_window.h"

#include <QPainter>

#include "records/member_line.h"
#include "ui/widgets/zan_button.h"

namespace tavlo {
namespace {

constexpr int kImageWidth = 450;
constexpr int kImageHeight = 500;

DialogPictures TopTenPictures() {
  DialogPictures p;
  p.ConciseCaption = "TopTen";
  p.Strip = "GCap430";
  p.Ribbon = "GLenta380x120";
  p.RibbonOverlay = "GFormTopTenL";
  p.CardBackground = "GFormTopTen";
  p.IconStrip = "GIcon48WT";
  p.IconAt = QPoint(45, 32);
  p.IconFrames = 20;
  p.IconInterval = 60;
  p.Title = WordId::TopTen;
  return p;
}

QColor Bgr(std::uint32_t bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

}  // namespace

std::vector<DrawnText> TopTenTexts(const ClubFileContents& club, bool networkClub, const FontRoles& fonts,
                                   const std::function<QString(WordId)>& word) {
  std::vector<DrawnText> texts;
  const QFont bold = fonts.Font(FontRole::Serif, 22, true);
  const QFont regular = fonts.Font(FontRole::Serif, 22);
  texts.push_back({networkClub ? "WINDOWS. NET GAMES" : "WINDOWS. LOCAL GAMES WITH PC", 0, kImageWidth, 'c', 85,
                   Bgr(0x000080), bold, false});
  texts.push_back({word(WordId::TopTen), 70, 230, 'c', 120, Bgr(0x000080), regular, false});
  texts.push_back({word(WordId::Score), 250, 400, 'c', 120, Bgr(0x000080), regular, false});
  const bool read = club.Status == ClubRead::Read;
  for (int n = 1; n <= 10; ++n) {
    const int y = 150 + 33 * (n - 1);
    const QColor colour = Bgr(n <= 3 ? 0x0000FF : 0x800000);
    const std::string line = read ? club.Lines[n + 5] : std::string();
    const QString name = QString::fromStdString(line.empty() ? std::string() : TopTenNameOf(line)).trimmed();
    const QString score =
        line.size() >= kTopTenLineLength ? QString::fromLatin1(line.substr(20, 6).c_str()).trimmed() : QString();
    texts.push_back({QString::number(n) + ".", 70, 70, 'l', y, colour, regular, false});
    texts.push_back({name, 95, 95, 'l', y, colour, regular, false});
    texts.push_back({score, 380, 380, 'r', y, colour, regular, false});
  }
  return texts;
}

TFormTopTen::TFormTopTen(PictureRegistry& pictures, DialogLook& look, const ClubFileContents& club, bool networkClub,
                         QWidget* parent)
    : DialogFrame(pictures, look, TopTenPictures(), parent) {
  setObjectName("FormTopTen");
  setWindowTitle(look.Word ? look.Word(WordId::TopTen) : QString());
  texts_ =
      TopTenTexts(club, networkClub, look.Fonts, [&look](WordId w) { return look.Word ? look.Word(w) : QString(); });
  const int top = CardStyle() ? 40 : HeaderHeight() + 12;
  imageAt_ = QPoint(5, top - 60);  // the picture's first text stands at y 85
  OkButton().SetHeightSB(THeightSB::D45);
  const int buttonTop = imageAt_.y() + kImageHeight;
  setFixedSize(kImageWidth + 10, buttonTop + 45 + 8);
  OkButton().setGeometry(5, buttonTop, kImageWidth, 45);
}

void TFormTopTen::paintEvent(QPaintEvent* event) {
  DialogFrame::paintEvent(event);
  QPainter p(this);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.translate(imageAt_);
  PaintTexts(p, texts_);
}

}  // namespace tavlo
