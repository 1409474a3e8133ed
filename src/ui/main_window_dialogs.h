#pragma once

#include "records/finish_series.h"

namespace tavlo {

class MainWindow;

// The end-of-cycle window for a series that completed a cycle of 40 deals.
void ShowEndOfCycleWindow(MainWindow& window, const SeriesRecord& record);

}  // namespace tavlo
