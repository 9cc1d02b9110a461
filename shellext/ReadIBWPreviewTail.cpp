#include "shellext/ReadIBWPreviewTail.h"

#include "shellext/FooterNumber.h"
#include "shellext/IBWPreviewDescriptor.h"

#include <algorithm>
#include <string_view>

namespace {

constexpr std::uint64_t kTailSize = 11;

bool ReadAt(CByteSource& file, std::uint64_t offset, std::string* bytes) {
    return file.ReadAt(offset, bytes->size(), bytes->data()) == bytes->size();
}

} // namespace

int ReadIBWPreviewTail(CByteSource& file, std::string* footerText) {
    footerText->clear();
    const std::uint64_t fileSize = file.Size();
    if (fileSize < kTailSize) {
        return kIBWPreviewNone;
    }
    std::string tag(5, '\0');
    if (!ReadAt(file, fileSize - 5, &tag)) {
        return kIBWPreviewNone;
    }
    int kind = kIBWPreviewNone;
    if (tag == "KTZ9W") {
        kind = kIBWPreviewImage;
    } else if (tag == "Force") {
        kind = kIBWPreviewForce;
    } else {
        return kIBWPreviewNone;
    }
    std::string lengthField(6, '\0');
    if (!ReadAt(file, fileSize - kTailSize, &lengthField)) {
        return kIBWPreviewNone;
    }
    // Only spaces may precede the digits; a sign or anything else gives no length.
    std::string_view digits(lengthField);
    digits.remove_prefix(std::min(digits.find_first_not_of(' '), digits.size()));
    if (digits.empty() || digits.front() < '0' || digits.front() > '9') {
        return kIBWPreviewNone;
    }
    std::int32_t length = FooterNumber(digits);
    if (length <= 0 || static_cast<std::uint64_t>(length) > fileSize) {
        return kIBWPreviewNone;
    }
    // The block holds the text, then the length field and the tag, which carry no entries.
    std::uint64_t textLength = static_cast<std::uint64_t>(length) > kTailSize ? length - kTailSize : 0;
    std::string text(static_cast<std::size_t>(textLength), '\0');
    if (!ReadAt(file, fileSize - static_cast<std::uint64_t>(length), &text)) {
        return kIBWPreviewNone;
    }
    text.resize(std::min(text.find('\0'), text.size()));
    *footerText = std::move(text);
    return kind;
}
