// DamageCases: the damaged versions of one file the sweep opens: prefixes (the file cut short at a
// length) and changed header bytes, with the header checksum repaired or left broken.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct DamageCase {
    std::string label;                 // what was done, for the report
    std::int64_t length = 0;           // bytes of the original kept
    std::int64_t patchOffset = -1;     // where patch replaces bytes, -1 for none
    std::vector<std::uint8_t> patch;   // replacement bytes
    bool repairChecksum = false;       // recompute the header checksum after patching
    std::vector<std::uint8_t> content; // when not empty, the whole damaged file instead
    bool fullOnly = false;             // left out of the sampled sweep
};

// Prefix lengths. Sampled: the start of every header field, each section edge that the header
// and the footer's tail declare and its neighbours, every 97th length (spread wider on big files
// so a run stays short) and the last 16 lengths. Full: every length, except inside regions of
// more than 64 KiB between section edges (wave data, preview pixels): there every 509th length
// and every length within 2 KiB of an edge.
std::vector<DamageCase> PrefixCases(const std::vector<std::uint8_t>& head,
                                    const std::vector<std::uint8_t>& tail, std::int64_t size, bool full);

// For a wave file (head holds its first bytes, tail its last 11): per header field its lowest bit
// flipped with the checksum repaired (full: also bit 4, the sign bit and an all-ones value, and
// the low-bit flip with the checksum left broken); per byte of the footer's length field and tag
// a changed character, and a few hostile length texts. Nothing for other files.
std::vector<DamageCase> FieldCases(const std::vector<std::uint8_t>& head,
                                   const std::vector<std::uint8_t>& tail, std::int64_t size, bool full);

// Writes the damaged copy of source to target: the first length bytes, the patch, the checksum.
bool WriteDamagedCopy(const std::string& source, const std::string& target, const DamageCase& damage);
