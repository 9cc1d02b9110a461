// What made the reader refuse a file, for callers that say it in plain words; the routines'
// diagnostic lines on standard output say the same for diagnosis.
#pragma once

enum class IBWProblem {
    none,
    unreadable,      // the file layer reported an error
    empty,           // not even a version field
    notAWave,        // a version field of no version of the format, or too short for its headers
    checksum,        // the header words do not sum to zero
    badPointCount,   // a negative number of points
    invalidType,     // a data type the format does not define
    dataPastEnd,     // the data the header declares extends past the end of the file
    sectionsPastEnd, // the note, the extended units or the labels extend past the end of the file
    sizesDisagree,   // the header's wave size leaves less room than the data it declares
    layersPastData,  // the dimensions hold more points than the wave
    noMemory,        // the data could not be allocated
};

// Records the problem where the caller asked for it; returns code, so a failure reads
// `return ReportProblem(problem, IBWProblem::checksum, -1);`.
inline int ReportProblem(IBWProblem* out, IBWProblem problem, int code) {
    if (out != nullptr) {
        *out = problem;
    }
    return code;
}
