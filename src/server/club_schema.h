#pragma once

#include <QString>
#include <QStringList>

namespace tavlo {

// The club database schema as a list of versions: version k is reached by the statements of
// entry k - 1, applied in one transaction. A database remembers its version; opening it applies the
// versions it lacks. New versions are added at the end and never edited once released.
//
// "%ID%" and "%BLOB%" stand for the engine's auto-numbered key and byte-string types.
const QList<QStringList>& ClubSchemaVersions();

}  // namespace tavlo
