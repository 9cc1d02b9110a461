// The fonts for the current GL context: one font set per share group, built at its first use.
// Window contexts share the master context's group and so its fonts; a context outside that
// group (a memory context whose sharing failed) gets a private set.
#pragma once

class CFontData;

// Null when no GL context is current.
CFontData* CurrentFontData();
