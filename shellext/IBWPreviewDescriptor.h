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

struct IBWImagePreview {
    std::int32_t dataType = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t dataLength = 0;
    std::string name;
    std::int32_t fileStart = 0;
    std::vector<std::int8_t> data; // dataLength bytes once loaded, empty otherwise
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
    std::int32_t count = 0;
    std::vector<IBWImagePreview> imageChannels; // count records when kind is 1
    std::vector<IBWForcePreview> forceChannels; // count records when kind is 2
};
