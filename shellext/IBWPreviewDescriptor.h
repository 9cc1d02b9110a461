// The parsed preview footer of an IBW file: one record per image channel or force curve.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

constexpr int kIBWPreviewNone = 0;
constexpr int kIBWPreviewImage = 1;
constexpr int kIBWPreviewForce = 2;

// Names longer than this are cut.
constexpr std::size_t kIBWPreviewNameMax = 127;

// Records kept of a footer: instruments write a handful of channels, and a damaged count must not
// make millions of records. Channels past them keep no name, offset or data.
constexpr std::size_t kIBWPreviewMaxRecords = 4096;

// A channel's preview larger than this is not held in memory: an image is read row by row from
// the file when it is drawn, a force curve is not drawn.
constexpr std::int64_t kIBWPreviewHeldBytes = std::int64_t{4} << 20;

struct IBWImagePreview {
    std::int32_t dataType = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t dataLength = 0;
    std::string name;
    std::int32_t fileStart = 0;
    std::vector<std::int8_t> data; // dataLength bytes once loaded, empty otherwise
    bool dataInSource = false;     // loaded but too large to hold: read from the preview's source
};

struct IBWForcePreview {
    std::int32_t dataType = 0;
    std::int32_t forceDir = 1;
    std::int32_t dataLength = 0;
    std::int32_t extendLength = 0;
    std::int32_t retractLength = 0;
    std::string name;
    std::int32_t extendStart = 0;
    std::vector<std::uint8_t> data; // extend then retract samples once loaded, empty otherwise
};

struct IBWPreviewDescriptor {
    int kind = kIBWPreviewNone;
    std::int32_t footerVersion = 0;
    std::int32_t count = 0;                     // as the footer declares it
    std::vector<IBWImagePreview> imageChannels; // the first min(count, kIBWPreviewMaxRecords), kind 1
    std::vector<IBWForcePreview> forceChannels; // the same for kind 2
};
