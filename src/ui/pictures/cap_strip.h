#pragma once

namespace tavlo {

// The header strips "GCap" + width carry suit ornaments at both ends; the dialog's title is
// written between them. Width of one end's ornaments, in pixels of the strip as designed.
int CapStripOrnamentWidth(int stripWidth);

}  // namespace tavlo
