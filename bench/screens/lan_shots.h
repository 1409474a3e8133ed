#pragma once

#include <QString>

namespace tavlo {

// Review pictures of a LAN game of two windows over loopback: the name dialog's network
// fields (server, own addresses, client), the waiting windows, both tables after the deal and
// with the chat under them, and the notice when the client leaves; at scale 1.0 and 2.0.
// Returns the number of files.
int WriteLanShots(const QString& folder);

}  // namespace tavlo
