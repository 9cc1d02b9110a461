// Base of the file classes: opening does nothing and succeeds.
#pragma once

#include <string>

class CIBWFile {
public:
    virtual ~CIBWFile() = default;
    virtual bool Open(const std::string& path) {
        (void)path;
        return true;
    }
};
