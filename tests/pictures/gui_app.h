#pragma once

namespace tavlo::testing {

// Fonts and text painting need a QGuiApplication; the tests share one for the process.
void EnsureGuiApp();

}  // namespace tavlo::testing
