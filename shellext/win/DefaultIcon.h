// The icon of the ibwfile type, read once from HKEY_CLASSES_ROOT\ibwfile\DefaultIcon and kept
// for the life of the module (also when the key is missing).
#pragma once

#include <windows.h>

#include <string>

struct DefaultIconLocation {
    std::string path;
    int index = 0;
};

// "path,index" gives both; a text without a comma is the path with index 0.
DefaultIconLocation ParseDefaultIcon(const std::string& text);

// A new icon on every call; null when the location holds none.
HICON ExtractDefaultIcon();
