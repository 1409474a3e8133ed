#include "lang/word_captions.h"

#include <array>
#include <cstddef>

namespace tavlo {
namespace {

template <std::size_t N>
WordId Pick(const std::array<WordId, N>& words, int first, int index) {
  const int slot = index - first;
  return slot >= 0 && slot < static_cast<int>(N) ? words[slot] : words[0];
}

using enum WordId;

constexpr std::array kDecks = {
    DeckClassical1,
    DeckMedieval1,
    DeckModern,
    DeckAncientEgypt,
    DeckBaronesse,
    DeckCeltic,
    DeckCorona,
    DeckCrown,
    DeckEnglishPattern,
    DeckFrankfurt,
    DeckHistoricalCostumes,
    DeckNativeAmericans,
    DeckOldGardenRoses,
    DeckParrots,
    DeckRoyal,
    DeckShakespeare,
    DeckBigBen,
    DeckFourReigns,
    DeckLargePrintLondon,
    DeckClassical2,
    DeckHearts,
    DeckSeasons,
    DeckRhineStyle,
    DeckMedieval2,
    DeckDoods,
    DeckPlayboy,
    DeckEpic,
    DeckUssr,
    DeckPlastic,
    DeckSkatGerman,
    DeckSkatTournament,
    DeckSkatFrench,
    DeckWhitePalekh,
    DeckDiana,
    DeckPrincely,
    DeckForSolitaires,
    DeckSatin,
    DeckSlavic,
    DeckMaya,
    DeckBast,
    DeckFrench,
    DeckSpanish1,
    DeckSpanish2,
    DeckSpanish3,
    DeckSpanish4,
    DeckChinese,
    DeckItalian,
    DeckCzech,
};
static_assert(kDecks.size() == 48);

// Back sets 0..2 share their names with the decks of the same pictures.
constexpr std::array kBackSets = {
    DeckClassical1, DeckMedieval1, DeckMedieval2, BacksCarpet, BacksCross, BacksChess,   BacksDiamond,
    BacksKnightly,  BacksAnimals,  BacksFlowers,  BacksPlaces, BacksOther, BacksRussian,
};

constexpr std::array kBackgrounds = {
    BackgroundSun,  BackgroundFelt,   BackgroundGradient, BackgroundCloth, BackgroundCarpet,
    BackgroundTree, BackgroundCasino, BackgroundPattern,  BackgroundSilk,  BackgroundOrnament,
};

constexpr std::array kColours = {
    ColourGreen, ColourRed, ColourOrange, ColourYellow, ColourLightBlue, ColourDarkBlue, ColourViolet,
};

// Mode 2 is full screen; the list of the options dialog shows the sizes in this order too.
constexpr std::array kWindowSizes = {SmallWindow, FullScreen, AverageWindow1, AverageWindow2, LargeWindow};

constexpr std::array kDialogDesigns = {DesignGrayAristocratic, DesignGrayConcise, DesignGrayRedRibbons, DesignPurple};

constexpr std::array kKoronkiModes = {WithoutKoronki, Cheap, Expensive};

constexpr std::array kClubListHeaders = {ClubHeaderScore, ClubHeaderRating};

}  // namespace

WordId DeckCaption(int deckNumber) { return Pick(kDecks, 0, deckNumber); }
WordId BackSetCaption(int backSet) { return Pick(kBackSets, 0, backSet); }
WordId BackgroundCaption(int backgroundNumber) { return Pick(kBackgrounds, 1, backgroundNumber); }
WordId BackgroundColourCaption(int colour) { return Pick(kColours, 0, colour); }
WordId WindowSizeCaption(int windowSizeMode) { return Pick(kWindowSizes, 1, windowSizeMode); }
WordId DialogDesignCaption(int dialogDesign) { return Pick(kDialogDesigns, 0, dialogDesign); }
WordId KoronkiModeCaption(int koronkiMode) { return Pick(kKoronkiModes, 0, koronkiMode); }
WordId ClubListHeader(int clubListMode) { return Pick(kClubListHeaders, 1, clubListMode); }

}  // namespace tavlo
