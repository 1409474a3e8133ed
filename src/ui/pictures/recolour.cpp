#include <QColor>
#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "ui/layout/colour_sets.h"
#include "ui/pictures/picture_registry.h"

namespace tavlo {

namespace {

// Rounding to nearest with ties to even, as every colour formula of the program rounds.
int RoundEven(double v) { return static_cast<int>(std::nearbyint(v)); }

QRgb RecolourPixel(QRgb pixel, int variant) {
  const Rgb c = RecolourVariant(Rgb{qRed(pixel), qGreen(pixel), qBlue(pixel)}, variant);
  return qRgba(c.R, c.G, c.B, qAlpha(pixel));
}

bool IsColourFormat(QImage::Format format) {
  switch (format) {
    case QImage::Format_Invalid:
    case QImage::Format_Mono:
    case QImage::Format_MonoLSB:
    case QImage::Format_Indexed8:
    case QImage::Format_Alpha8:
    case QImage::Format_Grayscale8:
    case QImage::Format_Grayscale16:
      return false;
    default:
      return true;
  }
}

}  // namespace

QImage Recolour(const QImage& picture, int variant) {
  if (variant <= 1 || variant > 7 || picture.isNull()) return picture;
  QImage out = picture.convertToFormat(picture.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
  for (int y = 0; y < out.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x) line[x] = RecolourPixel(line[x], variant);
  }
  return out;
}

QImage ResizePng(const QImage& picture, int width, int height) {
  if (!IsColourFormat(picture.format())) {
    throw std::invalid_argument("Only COLOR_RGBALPHA and COLOR_RGB formats are supported");
  }
  if (width <= 1 || height <= 1) return picture;
  const bool alpha = picture.hasAlphaChannel();
  const QImage source = picture.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
  QImage out(width, height, source.format());
  const int sw = source.width();
  const int sh = source.height();
  // The source position of target pixel t is t / (w / (source width - 1)), so the last source
  // column and row are approached but never reached exactly.
  const double stepX = sw > 1 ? static_cast<double>(sw - 1) / width : 0.0;
  const double stepY = sh > 1 ? static_cast<double>(sh - 1) / height : 0.0;
  for (int y = 0; y < height; ++y) {
    const double fy = y * stepY;
    const int y0 = std::min(static_cast<int>(fy), sh - 1);
    const int y1 = std::min(y0 + 1, sh - 1);
    const double wy = fy - y0;
    const auto* row0 = reinterpret_cast<const QRgb*>(source.constScanLine(y0));
    const auto* row1 = reinterpret_cast<const QRgb*>(source.constScanLine(y1));
    auto* target = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < width; ++x) {
      const double fx = x * stepX;
      const int x0 = std::min(static_cast<int>(fx), sw - 1);
      const int x1 = std::min(x0 + 1, sw - 1);
      const double wx = fx - x0;
      const auto mix = [&](int shift) {
        const auto channel = [shift](QRgb pixel) { return static_cast<int>((pixel >> shift) & 0xFF); };
        const double top = channel(row0[x0]) * (1 - wx) + channel(row0[x1]) * wx;
        const double bottom = channel(row1[x0]) * (1 - wx) + channel(row1[x1]) * wx;
        return std::clamp(RoundEven(top * (1 - wy) + bottom * wy), 0, 255);
      };
      // QRgb holds alpha, red, green and blue from the high byte down.
      target[x] = qRgba(mix(16), mix(8), mix(0), alpha ? mix(24) : 255);
    }
  }
  return out;
}

}  // namespace tavlo
