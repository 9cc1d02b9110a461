// HeaderFields: where each field of a version-5 wave's binary and wave headers lies in the file,
// element by element for the arrays.
#pragma once

#include <string>
#include <vector>

struct HeaderField {
    std::string name;
    int offset = 0; // from the start of the file
    int size = 0;   // bytes
};

std::vector<HeaderField> IBWHeaderFields();
