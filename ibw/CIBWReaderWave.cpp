// The general reading path: any two- or three-dimensional numeric wave, its values as floats, its
// units from its header and its channels named by their layer labels or by the wave's own name.
#include "ibw/CIBWReader.h"

#include "ibw/ChannelGrid.h"
#include "ibw/IBWRefusalText.h"
#include "ibw/IBWSections.h"
#include "ibw/IBWWaveInfo.h"
#include "ibw/ReadIBWValues.h"

namespace {

// The dimensions in use must be non-negative and hold no more points than the wave.
bool ShapeFits(const IBWWaveInfo& info) {
    std::int64_t points = 1;
    for (int d = 0; d < UsedDimensions(info); ++d) {
        const std::int32_t size = info.dims[d];
        if (size < 0) {
            return false;
        }
        points *= size;
        if (points > info.points) {
            return false;
        }
    }
    return true;
}

std::string ChannelName(const std::vector<std::string>& labels, const std::string& waveName,
                        std::int32_t layer, std::int32_t layers) {
    const auto k = static_cast<std::size_t>(layer);
    if (k < labels.size() && !labels[k].empty()) {
        return labels[k];
    }
    // Layers without labels are told apart by their number.
    return layers > 1 ? waveName + " " + std::to_string(layer) : waveName;
}

} // namespace

bool CIBWReader::OpenWave(IBWStream& stream, const IBWWaveInfo& info) {
    if (!ShapeFits(info)) {
        std::printf("The dimensions (%d x %d x %d) hold more points than the wave (%d).\n", info.dims[0],
                    info.dims[1], info.dims[2], info.points);
        return Refuse(ProblemText(IBWProblem::layersPastData));
    }
    IBWProblem problem = IBWProblem::none;
    IBWBuffer values;
    if (ReadIBWValues(stream, info, &values, &precisionLoss, &problem) != 0) {
        return Refuse(ProblemText(problem));
    }
    // The sections the note and the labels are read from must be whole: a file cut short is not
    // shown as if it had neither.
    if (info.version >= 5 && !IBWSectionsFit(info.bin5, info.fileSize)) {
        std::printf("The wave note, units or dimension labels extend past the end of the file.\n");
        return Refuse(ProblemText(IBWProblem::sectionsPastEnd));
    }
    note = info.version >= 5 ? std::make_unique<CIBWNote>(stream, true) : std::make_unique<CIBWNote>();

    waveHeader = info.header5;
    waveData = std::move(values);
    pointCount = info.points;
    const auto* floats = reinterpret_cast<const float*>(waveData.get());
    CIBWChannel channel = ChannelGrid(info.dims[0], info.dims[1], {info.spacing[0], info.spacing[1]},
                                      {info.start[0], info.start[1]}, &spacingNote);
    channel.xUnit = info.dimUnits[0];
    channel.yUnit = info.dimUnits[1];
    channel.zUnit = info.dataUnits;
    const std::int32_t layers = UsedDimensions(info) == 3 ? info.dims[2] : 1;
    for (std::int32_t k = 0; k < layers; ++k) {
        channel.name = ChannelName(note->dimLabels[2], info.name, k, layers);
        channel.data = floats + std::int64_t{k} * channel.points;
        channels.push_back(channel);
    }
    channelCount = static_cast<std::int32_t>(channels.size());
    return true;
}
