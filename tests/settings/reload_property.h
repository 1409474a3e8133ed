#pragma once

#include <string>
#include <string_view>

#include "fake_services.h"

namespace tavlo::testing_support {

// What a settings file must survive: a file read completely loads, saves and loads again to the
// same values; any file, once loaded and saved, loads completely and is then a fixed point of
// saving and loading. Returns a description of the first difference, or nothing.
inline std::string ReloadFault(std::string_view bytes) {
  FakeServices services;
  const SettingsLoad first = ParseSettings(bytes, services);
  const std::string saved = FormatSettings(first.Values, services);
  const SettingsLoad second = ParseSettings(saved, services);
  if (second.Status != SettingsLoadStatus::Complete) {
    return "a saved file stops loading at line " + std::to_string(second.Line) + ":\n" + saved;
  }
  if (first.Status == SettingsLoadStatus::Complete && !(second.Values == first.Values)) {
    return "values changed by a save:\n" + FormatSettings(first.Values, services) + "became\n" +
           FormatSettings(second.Values, services);
  }
  const std::string resaved = FormatSettings(second.Values, services);
  if (resaved != saved) return "a second save differs:\n" + saved + "then\n" + resaved;
  return {};
}

}  // namespace tavlo::testing_support
