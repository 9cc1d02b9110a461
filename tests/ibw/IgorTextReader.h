// A reader of the Igor text files the export writes, written from Igor's own description of the
// format: one WAVES block of single-precision values, then X commands (SetScale, Note). It
// shares nothing with the writer, so the round trip checks what Igor itself would load.
#pragma once

#include <string>
#include <vector>

namespace igortext {

struct Scale {
    double start = 0;
    double step = 0;
    std::string unit;
};

struct Wave {
    std::string name; // without its quotes
    int columns = 0;
    int rows = 0;
    std::vector<float> values; // element (i, j) at i + j * columns
    Scale x;
    Scale y;
    std::string dataUnit;
    std::string note; // the texts of successive Note commands joined by a carriage return
};

// False with the reason in `error` when the text is not what Igor would load as one wave.
bool Read(const std::string& text, Wave& wave, std::string& error);

} // namespace igortext
