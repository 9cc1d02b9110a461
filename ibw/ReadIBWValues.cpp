#include "ibw/ReadIBWValues.h"

#include "ibw/IBWSections.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

namespace {

// Small enough to stay in a core's cache between the read, the swap and the conversion.
constexpr std::size_t kSliceBytes = 256 * 1024;

template <typename T> T Load(const unsigned char* at) {
    T value;
    std::memcpy(&value, at, sizeof value);
    return value;
}

// Integers of up to 16 bits are exact as floats; 32-bit ones past 2^24 may not be.
template <typename T>
void ConvertIntegers(const unsigned char* from, float* to, std::size_t count, IBWPrecisionLoss* loss) {
    for (std::size_t i = 0; i < count; ++i) {
        const T value = Load<T>(from + i * sizeof(T));
        to[i] = static_cast<float>(value);
        if constexpr (sizeof(T) == 4) {
            if (static_cast<double>(to[i]) != static_cast<double>(value)) {
                ++loss->rounded;
                loss->largestRounded = std::max(loss->largestRounded, std::abs(static_cast<double>(value)));
            }
        }
    }
}

void ConvertDoubles(const unsigned char* from, float* to, std::size_t count, IBWPrecisionLoss* loss) {
    constexpr float kInfinity = std::numeric_limits<float>::infinity();
    for (std::size_t i = 0; i < count; ++i) {
        const double value = Load<double>(from + i * sizeof(double));
        const double magnitude = std::abs(value);
        if (magnitude > FLT_MAX && magnitude != HUGE_VAL) {
            ++loss->beyondRange;
            loss->largestBeyond = std::max(loss->largestBeyond, magnitude);
            to[i] = value > 0 ? kInfinity : -kInfinity;
            continue;
        }
        to[i] = static_cast<float>(value);
        if (to[i] == 0 && value != 0) {
            ++loss->tooSmall;
        }
    }
}

using Converter = void (*)(const unsigned char* from, float* to, std::size_t count, IBWPrecisionLoss* loss);

// Null for a type that is not converted: 32-bit floats are read as they are.
Converter ConverterFor(int type) {
    switch (type) {
    case kIBWTypeFloat64:
        return ConvertDoubles;
    case kIBWTypeInt8:
        return ConvertIntegers<std::int8_t>;
    case kIBWTypeInt8 | kIBWTypeUnsigned:
        return ConvertIntegers<std::uint8_t>;
    case kIBWTypeInt16:
        return ConvertIntegers<std::int16_t>;
    case kIBWTypeInt16 | kIBWTypeUnsigned:
        return ConvertIntegers<std::uint16_t>;
    case kIBWTypeInt32:
        return ConvertIntegers<std::int32_t>;
    case kIBWTypeInt32 | kIBWTypeUnsigned:
        return ConvertIntegers<std::uint32_t>;
    default:
        return nullptr;
    }
}

} // namespace

int ReadIBWValues(IBWStream& file, const IBWWaveInfo& info, IBWBuffer* values, IBWPrecisionLoss* loss,
                  IBWProblem* problem) {
    *loss = {};
    const int elementSize = IBWElementSize(info.type);
    const bool floats = info.type == kIBWTypeFloat32;
    const Converter convert = ConverterFor(info.type);
    if (!floats && convert == nullptr) {
        std::printf("Invalid wave type (0x%x).\n", info.type);
        return ReportProblem(problem, IBWProblem::invalidType, -1);
    }
    if (info.points < 0) {
        std::printf("Invalid number of points (%d).\n", info.points);
        return ReportProblem(problem, IBWProblem::badPointCount, -1);
    }
    const std::int64_t dataBytes = std::int64_t{info.points} * elementSize;
    if (!IBWFits(info.fileSize, info.dataStart, dataBytes)) {
        std::printf("The wave data (%lld bytes) extends past the end of the file.\n",
                    static_cast<long long>(dataBytes));
        return ReportProblem(problem, IBWProblem::dataPastEnd, -1);
    }
    // A wave size too small for the data would put the note inside it: such a header is damaged.
    if (info.dataRoom < dataBytes) {
        std::printf("The wave size leaves %lld bytes for the wave data, which takes %lld.\n",
                    static_cast<long long>(info.dataRoom), static_cast<long long>(dataBytes));
        return ReportProblem(problem, IBWProblem::sizesDisagree, -1);
    }
    int err = file.SetPosition(info.dataStart, kIBWFromStart);
    if (err != kIBWFileOK) {
        return ReportProblem(problem, IBWProblem::unreadable, err);
    }
    if (floats) {
        return ReadIBWData(file, info.type, info.points, info.dataRoom, info.needSwap, values, problem);
    }

    const std::uint64_t floatBytes = static_cast<std::uint64_t>(info.points) * sizeof(float);
    IBWBuffer buffer(floatBytes <= SIZE_MAX ? static_cast<unsigned char*>(std::malloc(std::max<std::size_t>(
                                                  static_cast<std::size_t>(floatBytes), 8)))
                                            : nullptr);
    if (!buffer) {
        std::printf("Unable to allocate %lld bytes to store data.\n", static_cast<long long>(floatBytes));
        return ReportProblem(problem, IBWProblem::noMemory, -1);
    }
    auto* out = reinterpret_cast<float*>(buffer.get());
    const std::size_t sliceCount = kSliceBytes / static_cast<std::size_t>(elementSize);
    std::vector<unsigned char> slice(
        static_cast<std::size_t>(std::min<std::int64_t>(dataBytes, kSliceBytes)));
    for (std::size_t done = 0; done < static_cast<std::size_t>(info.points);) {
        const std::size_t count = std::min(sliceCount, static_cast<std::size_t>(info.points) - done);
        const std::size_t wanted = count * static_cast<std::size_t>(elementSize);
        std::size_t got = 0;
        err = file.Read(wanted, slice.data(), &got);
        // The file was found to hold the data: a short read means it changed or failed under us.
        if (err == kIBWFileOK && got != wanted) {
            err = kIBWFileEOFError;
        }
        if (err != kIBWFileOK) {
            std::printf("Error %d occurred while reading the wave data.\n", err);
            return ReportProblem(problem, IBWProblem::unreadable, err);
        }
        if (info.needSwap != 0) {
            SwapUnitBytes(slice.data(), elementSize, static_cast<std::int64_t>(count));
        }
        convert(slice.data(), out + done, count, loss);
        done += count;
    }
    *values = std::move(buffer);
    return 0;
}
