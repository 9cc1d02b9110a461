#include "ibw/CIBWReader.h"

#include "ibw/ChannelGrid.h"
#include "ibw/IBWRefusalText.h"
#include "ibw/IBWWaveInfo.h"
#include "ibw/UnitForChannelName.h"

#include <algorithm>
#include <cerrno>
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

// What the instrument writes: its trailer on a version-5 wave of 32-bit floats in layers.
bool IsInstrumentImage(const IBWWaveInfo& info, int trailerKind) {
    return info.version >= 5 && trailerKind == kIBWTrailerImage && info.type == kIBWTypeFloat32 &&
           info.dims[2] != 0 && info.dims[3] == 0;
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
    precisionLoss = IBWPrecisionLoss{};
    spacingNote.clear();
}

bool CIBWReader::Open(const std::string& path) {
    std::FILE* file = nullptr;
    if (IBWFileOpen(path, false, &file) != kIBWFileOK) {
        const std::string why = std::strerror(errno);
        Refuse("it could not be opened (" + why + ")");
        note = std::make_unique<CIBWNote>(); // the note of a path that cannot be read: empty
        return false;
    }
    IBWStream stream(file);
    const bool opened = Open(stream);
    IBWFileClose(file);
    return opened;
}

bool CIBWReader::OpenBytes(const void* bytes, std::size_t size) {
    IBWStream stream(bytes, size);
    return Open(stream);
}

bool CIBWReader::Refuse(const std::string& reason) {
    Close();
    refusal = reason;
    return false;
}

bool CIBWReader::Open(IBWStream& stream) {
    Close();
    refusal.clear();
    IBWWaveInfo info;
    IBWProblem problem = IBWProblem::none;
    if (ReadIBWWaveInfo(stream, &info, &problem) != 0) {
        return Refuse(ProblemText(problem));
    }
    const int trailerKind = ReadIBWTrailerKind(stream);
    if (IsInstrumentImage(info, trailerKind)) {
        return OpenInstrumentImage(stream);
    }
    if (const std::string reason = UnshowableWaveText(info, trailerKind); !reason.empty()) {
        return Refuse(reason);
    }
    return OpenWave(stream, info);
}

bool CIBWReader::OpenInstrumentImage(IBWStream& stream) {
    note = std::make_unique<CIBWNote>(stream, true);
    int type = 0;
    IBWBuffer data;
    WaveHeader5 header{};
    IBWProblem problem = IBWProblem::none;
    int err = ReadIBWWave(stream, &type, &pointCount, &data, &header, &problem);
    if (err == 0 && !LayersFit(header)) {
        std::printf("The dimensions (%d x %d x %d) hold more points than the wave (%d).\n", header.nDim[0],
                    header.nDim[1], header.nDim[2], header.npnts);
        problem = IBWProblem::layersPastData;
        err = -1;
    }
    if (err != 0) {
        return Refuse(ProblemText(problem));
    }

    waveHeader = header;
    waveData = std::move(data);
    const auto* values = reinterpret_cast<const float*>(waveData.get());
    CIBWChannel channel = ChannelGrid(header.nDim[0], header.nDim[1], {header.sfA[0], header.sfA[1]},
                                      {header.sfB[0], header.sfB[1]}, &spacingNote);
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
