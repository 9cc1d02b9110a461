// HyperlinkErrorText: the message text for a failed attempt to open a link, by result code.
#pragma once

#include <string>

std::string HyperlinkErrorText(int code);
