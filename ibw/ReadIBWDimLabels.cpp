#include "ibw/IBWRead.h"
#include "ibw/IBWSections.h"

namespace {

void ReadLabel(IBWStream& file, IBWLabel& label) {
    // A short read leaves zeros; the last byte stays zero so the text is always terminated.
    file.Read(label.size() - 1, label.data(), nullptr);
    file.SetPosition(1, kIBWFromCurrent);
}

} // namespace

int ReadIBWDimLabels(IBWStream& file, IBWDimLabels* labels) {
    BinHeader5 bin;
    if (ReadIBWHeaders(file, nullptr, &bin, nullptr) != 0) {
        return -1;
    }
    if (labels == nullptr) {
        return 1;
    }
    std::int64_t end = 0;
    std::int64_t at = 0;
    if (file.EndPosition(&end) != kIBWFileOK) {
        return -1;
    }
    bool fits = IBWLabelsStart(bin, end, &at);
    for (int d = 0; fits && d < 4; ++d) {
        fits = IBWFits(end, at, bin.dimLabelsSize[d]);
        at += fits ? bin.dimLabelsSize[d] : 0;
    }
    if (!fits) {
        std::printf("The dimension labels extend past the end of the file.\n");
        return -1;
    }

    IBWDimLabels result;
    IBWLabelsStart(bin, end, &at);
    for (int d = 0; d < 4; ++d) {
        std::int32_t size = bin.dimLabelsSize[d];
        if (size == 0) {
            continue;
        }
        file.SetPosition(at, kIBWFromStart);
        at += size;
        std::int32_t count = size / kIBWLabelSize - 1;
        result.count[d] = count;
        ReadLabel(file, result.name[d]);
        if (count > 0) {
            result.labels[d].resize(static_cast<std::size_t>(count), IBWLabel{});
            for (IBWLabel& label : result.labels[d]) {
                ReadLabel(file, label);
            }
        }
    }
    *labels = std::move(result);
    return 0;
}
