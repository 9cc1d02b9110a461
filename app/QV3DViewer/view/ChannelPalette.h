// Which colour table a newly selected channel shows.
#pragma once

#include <string>

// With useChannelPalette the table the note names ("ColorMap n", exact name) or else the
// preferred one; without it the table shown so far, whatever the note says.
int ChooseChannelPalette(const std::string& noteColorMap, bool useChannelPalette, int preferredPalette,
                         int shownPalette);
