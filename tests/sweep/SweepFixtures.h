// SweepFixtures: one small file of every kind the fixture writers make: wave images in both byte
// orders with either footer version, force curves, plain Igor waves of every data type, labels
// and formulas, and QVDF containers with and without thumbnails, definitions and notes.
#pragma once

#include "tests/sweep/DamageCases.h"

#include <cstdint>
#include <string>
#include <vector>

struct SweepFixture {
    std::string name; // file name, with the kind's extension
    std::vector<std::uint8_t> bytes;
    bool sampled = false;               // also part of the quick sampled sweep
    std::vector<DamageCase> extraCases; // changed fields the generic cases do not know of
};

std::vector<SweepFixture> SweepFixtures();
