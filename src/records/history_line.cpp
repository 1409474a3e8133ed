#include "records/history_line.h"

#include "lang/cp1251.h"
#include "records/fixed_fields.h"
#include "records/rating.h"

namespace tavlo {
namespace {

constexpr unsigned char kGameMarker = 59 + 100;
constexpr int kSumDigits = 5;
constexpr int kTotalDigits = 10;

std::string KindField(std::uint8_t kind) {
  static constexpr char kLetters[] = {'L', 'A', 'T', 'N'};
  const char letter = kind < 4 ? kLetters[kind] : '#';
  return letter + std::string(9, '#');
}

std::string Sealed(std::string body) {
  body = PadRight(body, kHistoryBodyLength);
  const LineSums sums = BodySums(body);
  return body + ZeroPadded(sums.C1, kSumDigits) + ZeroPadded(sums.C2, kSumDigits) + ZeroPadded(sums.C3, kSumDigits);
}

}  // namespace

LineSums& LineSums::operator+=(const LineSums& other) {
  C1 += other.C1;
  C2 += other.C2;
  C3 += other.C3;
  return *this;
}

LineSums BodySums(std::string_view line) {
  LineSums sums;
  const std::size_t end = std::min<std::size_t>(line.size(), kHistoryBodyLength);
  for (std::size_t i = 0; i < end; ++i) {
    const auto b = static_cast<unsigned char>(line[i]);
    const std::size_t position = i + 1;
    sums.C1 += b;
    if (position % 2 == 0) sums.C2 += b;
    if (position % 3 == 0) sums.C3 += b;
  }
  return sums;
}

std::optional<LineSums> WrittenSums(std::string_view line) {
  const auto c1 = ParseDigits(Columns(line, 100, kSumDigits));
  const auto c2 = ParseDigits(Columns(line, 105, kSumDigits));
  const auto c3 = ParseDigits(Columns(line, 110, kSumDigits));
  if (!c1 || !c2 || !c3) return std::nullopt;
  return LineSums{*c1, *c2, *c3};
}

std::string HistoryRecordLine(const HisStr& record, std::string_view timeText, std::string_view dateText) {
  return Sealed(AlignRight(timeText, 5) + AlignRight(dateText.substr(0, 10), 10) +
                PadRight(Utf8ToCp1251(record.HName), 51) + NumberField(record.HKon, 3) + NumberField(record.HRes, 10) +
                AlignRight(ScreenRatingText(record.HRei), 10) + KindField(record.Ac));
}

std::string HistoryEndLine() {
  std::string body = "$";
  body += static_cast<char>(kGameMarker);
  body += '}';
  body.resize(kHistoryBodyLength, '#');
  return Sealed(body);
}

std::string HistoryTotalsLine(const LineSums& totals) {
  return ZeroPadded(totals.C1, kTotalDigits) + ZeroPadded(totals.C2, kTotalDigits) +
         ZeroPadded(totals.C3, kTotalDigits);
}

}  // namespace tavlo
