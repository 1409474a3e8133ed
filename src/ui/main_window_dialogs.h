#pragma once

#include "records/finish_series.h"
#include "ui/dialogs/end_game_window.h"

namespace tavlo {

class MainWindow;

// The end-of-cycle window for a series that completed a cycle of 40 deals.
void ShowEndOfCycleWindow(MainWindow& window, const SeriesRecord& record);
// The end-of-cycle window for a result given outright (a club account's world place and bonus).
void ShowEndGameWindow(MainWindow& window, const EndGameResult& result);

}  // namespace tavlo
