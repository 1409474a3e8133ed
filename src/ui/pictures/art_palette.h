#pragma once

#include <QColor>

namespace tavlo::art {

// The card-room palette every built-in picture draws from, so the pictures belong together:
// green felt, ivory card stock, gold trim and a deep red.
inline const QColor kFelt{0x1E, 0x6B, 0x3A};
inline const QColor kFeltDark{0x0F, 0x45, 0x24};
inline const QColor kFeltLight{0x3C, 0x8F, 0x55};
inline const QColor kIvory{0xFF, 0xFB, 0xEE};
inline const QColor kIvoryShade{0xEF, 0xE6, 0xCC};
inline const QColor kGold{0xD4, 0xA8, 0x3A};
inline const QColor kGoldLight{0xF6, 0xDD, 0x8A};
inline const QColor kGoldDark{0x8C, 0x66, 0x16};
inline const QColor kDeepRed{0x9E, 0x12, 0x1E};
inline const QColor kCardRed{0xC8, 0x10, 0x2E};
inline const QColor kInk{0x1B, 0x1B, 0x22};
inline const QColor kRoyalBlue{0x22, 0x3D, 0x8F};
inline const QColor kSkin{0xF6, 0xD6, 0xB4};
inline const QColor kWood{0x6B, 0x3A, 0x1C};

}  // namespace tavlo::art
