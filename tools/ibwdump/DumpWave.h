// ibwdump's description of a wave file as one JSON document: the headers of any version, the
// channels the reader takes with their statistics (or why it takes none), the note, the labels
// and the preview footer.
#pragma once

#include "ibw/IBWStream.h"

#include <string>

// Returns 0, or the reader's result code (its diagnostic line already written) when the file is
// damaged. A wave the viewer cannot show is described, with the reason and no channels.
int DumpWave(const std::string& path, std::string* json);
// The same on a stream, a file's or bytes in memory.
int DumpWave(IBWStream& stream, std::string* json);
