// How names and texts are spelled inside Igor text commands.
#pragma once

#include <string>

// A wave name as a command takes it: a standard name (an ASCII letter, then letters, digits and
// underscores) as it is, any other name in single quotes. Characters a quoted name cannot hold
// (quotes, colon, semicolon, control characters) become underscores.
std::string IgorWaveNameInCommand(const std::string& name);

// The text between the double quotes of an Igor string: backslashes, double quotes, tabs and
// line breaks as their escapes, so that the text reads back as it was.
std::string IgorStringContents(const std::string& text);
