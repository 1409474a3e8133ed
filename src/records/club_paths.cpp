#include "records/club_paths.h"

#include "records/history_file.h"

namespace tavlo {

ClubFiles ClubFilesIn(const std::filesystem::path& programFolder) {
  return ClubFiles{programFolder / kLocalClubFileName, programFolder / kNetworkClubFileName,
                   HistoryFolder(programFolder)};
}

}  // namespace tavlo
