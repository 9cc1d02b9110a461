#pragma once

#include <string>

// The value unit of a channel from its name ("HeightRetrace" gives "m"); Windows-1252 text.
std::string UnitForChannelName(const std::string& name);
