#include "ibw/CIBWReader.h"

#include "ibw/UnitForChannelName.h"

#include <algorithm>
#include <cstring>

namespace {

std::string UnitText(const char (&unit)[4]) {
    return std::string(unit, strnlen(unit, sizeof unit));
}

// The layers must lie inside the data read: no negative size, no more points than the wave holds.
// Empty dimensions count as 1, so a header of empty layers cannot ask for billions of channels.
bool LayersFit(const WaveHeader5& h) {
    std::int64_t points = 1;
    for (int d = 0; d < 3; ++d) {
        if (h.nDim[d] < 0) {
            return false;
        }
        points *= std::max<std::int64_t>(h.nDim[d], 1);
        if (points > h.npnts) {
            return false;
        }
    }
    return true;
}

} // namespace

CIBWReader::~CIBWReader() {
    Close();
}

void CIBWReader::Close() {
    channelCount = 0;
    channels.clear();
    waveData.reset();
    pointCount = 0;
    note.reset();
    waveHeader = WaveHeader5{};
}

bool CIBWReader::Open(const std::string& path) {
    note = std::make_unique<CIBWNote>(path, true);
    std::FILE* file = nullptr;
    if (IBWFileOpen(path, false, &file) != kIBWFileOK) {
        return false;
    }
    if (ReadIBWTrailerKind(file) != kIBWTrailerImage) {
        IBWFileClose(file);
        Close();
        return false;
    }
    int type = 0;
    IBWBuffer data;
    WaveHeader5 header{};
    int err = ReadIBWWave(file, &type, &pointCount, &data, &header);
    if (err == 0 && type == kIBWTypeFloat32 && header.nDim[2] != 0 && !LayersFit(header)) {
        std::printf("The dimensions (%d x %d x %d) hold more points than the wave (%d).\n", header.nDim[0],
                    header.nDim[1], header.nDim[2], header.npnts);
        err = -1;
    }
    IBWFileClose(file);
    if (err != 0) {
        Close();
        return false;
    }

    waveHeader = header;
    waveData = std::move(data);
    if (type == kIBWTypeFloat32 && header.nDim[2] > 0) {
        const auto* values = reinterpret_cast<const float*>(waveData.get());
        CIBWChannel channel;
        channel.columns = header.nDim[0];
        channel.rows = header.nDim[1];
        channel.points = channel.columns * channel.rows;
        channel.xExtent = (channel.columns - 1) * header.sfA[0];
        channel.xStart = header.sfB[0];
        channel.yExtent = (channel.rows - 1) * header.sfA[1];
        channel.yStart = header.sfB[1];
        channel.xUnit = UnitText(header.dimUnits[0]);
        channel.yUnit = UnitText(header.dimUnits[1]);
        const std::vector<std::string>& names = note->dimLabels[2];
        for (std::int32_t k = 0; k < header.nDim[2]; ++k) {
            // A layer without a label keeps an empty name.
            channel.name = static_cast<std::size_t>(k) < names.size() ? names[k] : std::string();
            channel.zUnit = UnitForChannelName(channel.name);
            channel.data = values + std::int64_t{k} * channel.points;
            channels.push_back(channel);
        }
        channelCount = static_cast<std::int32_t>(channels.size());
    }
    return true;
}

const CIBWChannel* CIBWReader::GetChannel(int index) const {
    if (index < 0 || index >= channelCount) {
        return nullptr;
    }
    return &channels[static_cast<std::size_t>(index)];
}

std::string CIBWReader::GetNoteValue(const std::string& key) const {
    return note ? note->GetValue(key) : std::string();
}
