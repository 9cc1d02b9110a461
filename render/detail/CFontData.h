// The fonts of one GL share group: the label font "Arial" at 24 points, the screen font
// "Courier New" at 14 points and the label metrics. A font whose file is missing or unreadable
// is left unbuilt; text drawn with it shows nothing, the rest of the view carries on.
#pragma once

#include "CFreeTypeFont.h"
#include "GlyphMetrics.h"

class CFontData {
public:
    CFontData() = default;
    virtual ~CFontData() = default;

    // Builds both fonts into the current context (once); failures are reported on stderr.
    void Build();
    // Deletes the fonts' GL objects; the context they were built in must be current.
    void Release();

    bool IsInitialised() const { return initialised; }
    const CFreeTypeFont& LabelFont() const { return arial; }
    const CFreeTypeFont& ScreenFont() const { return courier; }
    // Font 0 "Courier New", 1 "Arial", as the screen text takes them.
    const CFreeTypeFont& Font(int index) const { return index == 1 ? arial : courier; }
    const GlyphMetricsTable& Metrics() const { return metrics; }

private:
    bool initialised = false;
    GlyphMetricsTable metrics{};
    CFreeTypeFont arial;
    CFreeTypeFont courier;
};
