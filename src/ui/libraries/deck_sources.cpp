#include "ui/libraries/deck_sources.h"

#include <QDir>

namespace tavlo::libraries {

namespace {

using Kind = DeckSource::Kind;

struct Row {
  Kind kind;
  const char* file;
  int variation;
};

// Decks 1..47. Narrow library decks (28 and up, save 40 and 45) take decks that are narrow by
// nature where we have them. Decks 6, 7, 10, 13, 19, 20, 25 and 27 borrow their two to ten
// (and some their aces) from decks 2, 21, 22 and 16; only their own cards come from the source.
constexpr Row kRows[48] = {
    {Kind::BuiltInVariation, "", 0},
    {Kind::AisleriotSvg, "ancient_french.svgz", 0},                               // 1 Medieval 1
    {Kind::AisleriotSvg, "anglo_modern.svgz", 0},                                 // 2 Modern
    {Kind::KdeSvg, "svg-ancient-egyptians/Ancient_Egyptians.svgz", 0},            // 3 Ancient Egypt
    {Kind::AisleriotSvg, "lattmann.svgz", 0},                                     // 4 Baronesse
    {Kind::KdeSvg, "svg-nicu-ornamental/ornamental.svgz", 0},                     // 5 Celtic
    {Kind::AisleriotSvg, "anglo_bitmap.svgz", 0},                                 // 6 Corona
    {Kind::AisleriotSvg, "gnomangelo.svgz", 0},                                   // 7 Crown
    {Kind::KdeSvg, "svg-standard/standard.svgz", 0},                              // 8 English pattern
    {Kind::AisleriotSvg, "berlin.svgz", 0},                                       // 9 Frankfurt
    {Kind::AisleriotSvg, "tarocco.svgz", 0},                                      // 10 Historical costumes
    {Kind::BuiltInVariation, "", 1},                                              // 11 Native Americans
    {Kind::KdeSvg, "svg-tigullio-international/tigullio-international.svgz", 0},  // 12 Old garden roses
    {Kind::AisleriotSvg, "anglo.svgz", 0},                                        // 13 Parrots
    {Kind::KdeSvg, "svg-jolly-royal/jolly-royal.svgz", 0},                        // 14 Royal
    {Kind::AisleriotSvg, "neoclassical.svgz", 0},                                 // 15 Shakespeare
    {Kind::AisleriotSvg, "tango.svgz", 0},                                        // 16 Big Ben
    {Kind::AisleriotSvg, "neoclassical_4_color.svgz", 0},                         // 17 Four reigns
    {Kind::AisleriotSvg, "anglo_modern_4_color.svgz", 0},                         // 18 Large print London
    {Kind::KdeSvg, "svg-gm-paris/paris.svgz", 0},                                 // 19 Classical 2
    {Kind::AisleriotSvg, "gnomangelo_bitmap.svgz", 0},                            // 20 Hearts
    {Kind::KdeSvg, "svg-oxygen/oxygen.svgz", 0},                                  // 21 Seasons
    {Kind::AisleriotSvg, "rheinland.svgz", 0},                                    // 22 Rhine style
    {Kind::AisleriotSvg, "guyenne-classic.svgz", 0},                              // 23 Medieval 2
    {Kind::KdeSvg, "svg-konqi-modern/konqi.svgz", 0},                             // 24 Doods
    {Kind::AisleriotSvg, "orell.svgz", 0},                                        // 25 Playboy
    {Kind::KdeSvg, "svg-oxygen-air/oxygen-air.svgz", 0},                          // 26 Epic
    {Kind::AisleriotSvg, "atlasnye.svgz", 0},                                     // 27 USSR
    {Kind::AisleriotSvg, "plastic.svgz", 0},                                      // 28 Plastic
    {Kind::KdeSvg, "svg-xskat-german/german.svgz", 0},                            // 29 Skat German
    {Kind::AisleriotSvg, "atlasnye_skat.svgz", 0},                                // 30 Skat tournament
    {Kind::KdeSvg, "svg-xskat-french/french.svgz", 0},                            // 31 Skat French
    {Kind::AisleriotSvg, "bellot.svgz", 0},                                       // 32 White Palekh
    {Kind::KdeSvg, "svg-dondorf/dondorf.svgz", 0},                                // 33 Diana
    {Kind::AisleriotSvg, "paris.svgz", 0},                                        // 34 Princely
    {Kind::KdeSvg, "svg-penguins/penguins.svgz", 0},                              // 35 For solitaires
    {Kind::AisleriotSvg, "\xd0\x90\xd1\x82\xd0\xbb\xd0\xb0\xd1\x81\xd0\xbd\xd1\x8b\xd0\xb5.svgz", 0},  // 36 Satin
    {Kind::AisleriotSvg, "slavic_costumes.svgz", 0},                                                   // 37 Slavic
    {Kind::AisleriotSvg, "swiss-xvii.svgz", 0},                                                        // 38 Maya
    {Kind::BuiltInVariation, "", 2},                                                                   // 39 Bast
    {Kind::KdeSvg, "svg-oxygen-white/oxygen-white.svgz", 0},                                           // 40 French
    {Kind::BuiltInVariation, "", 3},                                                                   // 41 Spanish 1
    {Kind::BuiltInVariation, "", 4},                                                                   // 42 Spanish 2
    {Kind::BuiltInVariation, "", 5},                                                                   // 43 Spanish 3
    {Kind::BuiltInVariation, "", 6},                                                                   // 44 Spanish 4
    {Kind::BuiltInVariation, "", 7},                                                                   // 45 Chinese
    {Kind::AisleriotSvg, "tigullio.svgz", 0},                                                          // 46 Italian
    {Kind::KdeSvg, "svg-nicu-white/white.svgz", 0},                                                    // 47 Czech
};

}  // namespace

DeckSource SourceOfDeck(int deckNumber) {
  if (deckNumber < 1 || deckNumber > 47) return {};
  const Row& row = kRows[deckNumber];
  return DeckSource{row.kind, QString::fromUtf8(row.file), row.variation};
}

QString SvgPath(const DeckSource& source, const SvgFolders& folders) {
  switch (source.kind) {
    case Kind::KdeSvg:
      return QDir(folders.kde).filePath(source.file);
    case Kind::AisleriotSvg:
      return QDir(folders.aisleriot).filePath(source.file);
    case Kind::BuiltInVariation:
      break;
  }
  return {};
}

int StandInVariation(int deckNumber) { return 1 + deckNumber % 7; }

}  // namespace tavlo::libraries
