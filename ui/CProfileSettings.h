// CProfileSettings: reads and writes ViewerPreferences in the per-user settings store,
// QSettings("Quorvane", "Vistrel Light"), group "Settings" (the registry on Windows, an INI file
// elsewhere). Integers and booleans are 32-bit values, floats and colours texts.
#pragma once

#include "ui/ViewerPreferences.h"

#include <string>

class CProfileSettings {
public:
    virtual ~CProfileSettings() = default;

    // Fills every persisted field; false, touching nothing, when the section name is empty.
    static bool Load(ViewerPreferences& out);
    // Writes every persisted field; false, writing nothing, when the section name is empty.
    static bool Save(const ViewerPreferences& in);

    // The section the values live in, "Settings" unless the application sets another.
    static void SetSectionName(const std::string& name);
    static std::string GetSectionName();
};
