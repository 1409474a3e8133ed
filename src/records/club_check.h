#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tavlo {

enum class ClubCheckOutcome {
  Correct,
  WrongAttributes,  // correct, but this program may not write it: the run goes on with ClubNoWrite
  Missing,          // the program ends
  Incorrect,        // the program ends
};

// Why a file is incorrect (for tests and diagnostics; the user sees one message for all).
enum class ClubFault {
  None,
  Unreadable,
  WrongShape,
  BadChecksumField,
  ChecksumMismatch,
  BadMarker,
};

struct ClubCheck {
  ClubCheckOutcome Outcome = ClubCheckOutcome::Missing;
  ClubFault Fault = ClubFault::None;
  std::string InstallationLabel;  // columns 7..9 of line 17 of a file that passed
  bool RussianFlag = false;       // line 17 starts with "1": the local club file switches the language to Russian
  bool ClubNoWrite = false;

  bool Passed() const { return Outcome == ClubCheckOutcome::Correct || Outcome == ClubCheckOutcome::WrongAttributes; }
};

// The start check of a club file: exists, has 17 lines of the right lengths, its checksums and marker
// line agree, and the program can write it. On this system "wrong attributes" means the file is
// read-only (no owner write permission), or the program lacks write access to it or to its folder
// (replacing the file needs both).
ClubCheck CheckClubFile(const std::filesystem::path& path);
// The checks of the contents alone (everything but existence and attributes).
ClubCheck CheckClubContents(std::string_view bytes);

// The notice a check asks for, in the given language: empty for a correct file; the program ends
// after the notice for a missing or incorrect file.
std::string ClubCheckMessage(const ClubCheck& check, const std::filesystem::path& path, int languageIndex);

}  // namespace tavlo
