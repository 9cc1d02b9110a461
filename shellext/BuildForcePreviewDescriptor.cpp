#include "shellext/BuildIBWPreviewDescriptor.h"

#include "shellext/FooterNumber.h"
#include "shellext/IBWFooterKeys.h"

#include <algorithm>
#include <cstddef>
#include <string>

namespace {

// Only this much of "DataTypes" names curves.
constexpr std::size_t kCurveNamesMax = 255;

std::int32_t NumberOr(const IBWFooterKeys& keys, std::string_view key, std::int32_t fallback) {
    const std::optional<std::string_view> value = keys.Find(key);
    return value ? FooterNumber(*value) : fallback;
}

std::int32_t ForceDataType(const std::optional<std::string_view>& value) {
    if (!value) {
        return 0;
    }
    if (*value == "Byte") {
        return -1;
    }
    return *value == "UByte" ? 1 : 0;
}

} // namespace

bool BuildForcePreviewDescriptor(std::string_view footerText, IBWPreviewDescriptor* out) {
    *out = IBWPreviewDescriptor{};
    IBWFooterKeys keys = IBWFooterKeys::Parse(footerText);
    const std::int32_t count = FooterFileCount(keys, footerText);
    // Every curve needs an entry of its own start.
    if (count == 0 || static_cast<std::size_t>(count) > keys.Size()) {
        return false;
    }
    IBWForcePreview common;
    common.dataType = ForceDataType(keys.Find("DataType"));
    common.forceDir = NumberOr(keys, "ForceDir", 1);
    common.dataLength = NumberOr(keys, "DataLength", 0);
    common.extendLength = NumberOr(keys, "ExtendLength", 0);
    common.retractLength = NumberOr(keys, "RetractLength", 0);

    IBWPreviewDescriptor d;
    d.kind = kIBWPreviewForce;
    d.footerVersion = NumberOr(keys, "FooterVersion", 0);
    d.count = count;
    d.forceChannels.assign(std::min(static_cast<std::size_t>(count), kIBWPreviewMaxRecords), common);

    std::string_view names;
    if (const std::optional<std::string_view> list = keys.Find("DataTypes")) {
        names = list->substr(0, kCurveNamesMax);
    }
    std::size_t start = 0;
    for (IBWForcePreview& curve : d.forceChannels) {
        std::size_t comma = names.find(',', start);
        if (comma == std::string_view::npos) {
            break;
        }
        curve.name = std::string(names.substr(start, std::min(comma - start, kIBWPreviewNameMax)));
        start = comma + 1;
    }
    for (std::int32_t i = 1; i <= count; ++i) {
        const std::optional<std::string_view> offset = keys.Find("ExtendStart" + std::to_string(i));
        if (!offset || offset->empty()) {
            return false;
        }
        if (static_cast<std::size_t>(i - 1) < d.forceChannels.size()) {
            d.forceChannels[static_cast<std::size_t>(i - 1)].extendStart = FooterNumber(*offset);
        }
    }
    *out = std::move(d);
    return true;
}
