#include "tests/sweep/DamageCases.h"

#include "ibw/IBWHeaders.h"
#include "ibw/IBWRead.h"
#include "tests/sweep/HeaderFields.h"
#include "tools/ibwgen/IbwGen.h"

#include <algorithm>
#include <cstdlib>
#include <fcntl.h>
#include <set>
#include <unistd.h>

namespace {

constexpr std::int64_t kSampledTail = 16; // the footer's length field and tag, and a little before
constexpr std::int64_t kSampledStride = 97;
constexpr std::int64_t kSampledSpread = 256; // at most about this many strided lengths per file
constexpr std::int64_t kBulkRegion = 64 * 1024;
constexpr std::int64_t kBulkEdge = 2 * 1024;
constexpr std::int64_t kBulkStride = 509;
constexpr int kTailSize = 11; // footer length field and tag

bool IsWave(const std::vector<std::uint8_t>& head) {
    return head.size() >= static_cast<std::size_t>(kIBWHeadersSize) &&
           ((head[0] == 0 && head[1] >= 5) || (head[0] >= 5 && head[1] == 0));
}

bool BigEndian(const std::vector<std::uint8_t>& head) {
    return head[0] == 0;
}

std::int64_t SignedField(const std::vector<std::uint8_t>& head, int offset, bool big) {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) {
        value = value << 8 | head[static_cast<std::size_t>(offset + (big ? i : 3 - i))];
    }
    return static_cast<std::int32_t>(value);
}

// The footer block's length from the tail, 0 when the tail does not end a footer.
std::int64_t FooterLength(const std::vector<std::uint8_t>& tail, std::int64_t size) {
    if (tail.size() != static_cast<std::size_t>(kTailSize)) {
        return 0;
    }
    const std::string tag(tail.begin() + 6, tail.end());
    if (tag != "KTZ9W" && tag != "Force") {
        return 0;
    }
    const std::string digits(tail.begin(), tail.begin() + 6);
    const std::int64_t length = std::atoll(digits.c_str());
    return length > 0 && length <= size ? length : 0;
}

// The starts of the file's sections as its headers and tail declare them, inside 0..size.
std::set<std::int64_t> SectionEdges(const std::vector<std::uint8_t>& head,
                                    const std::vector<std::uint8_t>& tail, std::int64_t size) {
    std::set<std::int64_t> edges = {0, size};
    if (IsWave(head)) {
        const bool big = BigEndian(head);
        edges.insert(kIBWBinHeaderSize);
        edges.insert(kIBWHeadersSize);
        std::int64_t at = kIBWBinHeaderSize;
        for (int offset = 4; offset < kIBWBinHeaderSize; offset += 4) {
            at += std::max<std::int64_t>(SignedField(head, offset, big), 0);
            edges.insert(std::min(at, size));
        }
    }
    if (const std::int64_t footer = FooterLength(tail, size); footer > 0) {
        edges.insert(size - footer);
    }
    return edges;
}

DamageCase Prefix(std::int64_t length) {
    DamageCase damage;
    damage.label = "prefix " + std::to_string(length);
    damage.length = length;
    return damage;
}

DamageCase Patch(std::string label, std::int64_t size, std::int64_t offset, std::vector<std::uint8_t> bytes,
                 bool repair) {
    DamageCase damage;
    damage.label = std::move(label);
    damage.length = size;
    damage.patchOffset = offset;
    damage.patch = std::move(bytes);
    damage.repairChecksum = repair;
    return damage;
}

} // namespace

std::vector<DamageCase> PrefixCases(const std::vector<std::uint8_t>& head,
                                    const std::vector<std::uint8_t>& tail, std::int64_t size, bool full) {
    std::set<std::int64_t> lengths;
    if (!full) {
        auto add = [&](std::int64_t n) {
            if (n >= 0 && n <= size) {
                lengths.insert(n);
            }
        };
        for (const HeaderField& field : IBWHeaderFields()) {
            add(field.offset);
        }
        for (std::int64_t edge : SectionEdges(head, tail, size)) {
            add(edge - 1);
            add(edge);
            add(edge + 1);
        }
        const std::int64_t stride = std::max(kSampledStride, size / kSampledSpread | 1);
        for (std::int64_t n = stride; n <= size; n += stride) {
            add(n);
        }
        for (std::int64_t n = size - kSampledTail; n <= size; ++n) {
            add(n);
        }
    } else {
        std::int64_t regionStart = 0;
        for (std::int64_t edge : SectionEdges(head, tail, size)) {
            const bool bulk = edge - regionStart > kBulkRegion;
            for (std::int64_t n = regionStart; n <= edge; ++n) {
                if (!bulk || n - regionStart < kBulkEdge || edge - n < kBulkEdge || n % kBulkStride == 0) {
                    lengths.insert(n);
                }
            }
            regionStart = edge;
        }
    }
    std::vector<DamageCase> cases;
    for (std::int64_t n : lengths) {
        cases.push_back(Prefix(n));
    }
    return cases;
}

std::vector<DamageCase> FieldCases(const std::vector<std::uint8_t>& head,
                                   const std::vector<std::uint8_t>& tail, std::int64_t size, bool full) {
    std::vector<DamageCase> cases;
    if (!IsWave(head)) {
        return cases;
    }
    const bool big = BigEndian(head);
    for (const HeaderField& field : IBWHeaderFields()) {
        if (field.offset + field.size > static_cast<int>(head.size())) {
            continue;
        }
        const auto at = head.begin() + field.offset;
        const std::vector<std::uint8_t> original(at, at + field.size);
        // The sign bit sits in the first byte of a big-endian number and the last of a little-endian one.
        const int signByte = big ? 0 : field.size - 1;
        const int lowByte = big ? field.size - 1 : 0;
        const bool repair = field.name != "checksum";
        auto flipped = [&](int byte, std::uint8_t mask) {
            std::vector<std::uint8_t> bytes = original;
            bytes[static_cast<std::size_t>(byte)] ^= mask;
            return bytes;
        };
        cases.push_back(Patch(field.name + " low bit", size, field.offset, flipped(lowByte, 0x01), repair));
        if (full) {
            cases.push_back(Patch(field.name + " all ones", size, field.offset,
                                  std::vector<std::uint8_t>(original.size(), 0xFF), repair));
            cases.push_back(Patch(field.name + " bit 4", size, field.offset, flipped(lowByte, 0x10), repair));
            cases.push_back(
                Patch(field.name + " sign bit", size, field.offset, flipped(signByte, 0x80), repair));
            cases.push_back(Patch(field.name + " low bit, checksum broken", size, field.offset,
                                  flipped(lowByte, 0x01), false));
        }
    }
    if (FooterLength(tail, size) > 0) {
        const std::int64_t lengthField = size - kTailSize;
        const std::pair<const char*, const char*> lengths[] = {
            {"999999", "footer length 999999"}, {"     0", "footer length 0"},
            {"-00001", "footer length -1"},     {"000011", "footer length 11"},
            {"      ", "footer length blank"},  {"000012", "footer length 12"}};
        for (const auto& [text, label] : lengths) {
            cases.push_back(
                Patch(label, size, lengthField, std::vector<std::uint8_t>(text, text + 6), false));
        }
        for (int i = 0; i < kTailSize; ++i) {
            std::vector<std::uint8_t> byte = {
                static_cast<std::uint8_t>(tail[static_cast<std::size_t>(i)] ^ 0x01)};
            cases.push_back(
                Patch("tail byte " + std::to_string(i) + " low bit", size, lengthField + i, byte, false));
        }
    }
    return cases;
}

bool WriteDamagedCopy(const std::string& source, const std::string& target, const DamageCase& damage) {
    if (!damage.content.empty()) {
        return ibwgen::WriteBytes(target, damage.content);
    }
    const int in = open(source.c_str(), O_RDONLY);
    const int out = open(target.c_str(), O_RDWR | O_CREAT | O_TRUNC, 0644);
    bool ok = in >= 0 && out >= 0;
    for (std::int64_t left = damage.length; ok && left > 0;) {
        const ssize_t copied = copy_file_range(in, nullptr, out, nullptr, static_cast<std::size_t>(left), 0);
        ok = copied > 0;
        left -= copied;
    }
    if (ok && damage.patchOffset >= 0) {
        ok = pwrite(out, damage.patch.data(), damage.patch.size(), damage.patchOffset) ==
             static_cast<ssize_t>(damage.patch.size());
    }
    if (ok && damage.repairChecksum) {
        std::vector<std::uint8_t> headers(static_cast<std::size_t>(kIBWHeadersSize));
        ok = pread(out, headers.data(), headers.size(), 0) == static_cast<ssize_t>(headers.size());
        if (ok) {
            // The header words must sum to 0: solve for the checksum word at offset 2.
            // The reader takes a first byte of 0 for the other byte order; the repair follows it.
            const bool big = headers[0] == 0;
            headers[2] = headers[3] = 0;
            const std::uint16_t sum = IBWChecksum(headers.data(), kIBWHeadersSize, big ? 1 : 0, 0);
            const std::uint16_t word = static_cast<std::uint16_t>(0u - sum);
            const std::uint8_t bytes[2] = {static_cast<std::uint8_t>(big ? word >> 8 : word & 0xFF),
                                           static_cast<std::uint8_t>(big ? word & 0xFF : word >> 8)};
            ok = pwrite(out, bytes, 2, 2) == 2;
        }
    }
    if (in >= 0) {
        close(in);
    }
    if (out >= 0) {
        close(out);
    }
    return ok;
}
