// An opened image wave: the channels (layers) of its data as 32-bit floats, and its note.
// Instrument images (a three-dimensional 32-bit float wave of version 5 ending in "KTZ9W") are
// read as the instrument writes them; every other two- or three-dimensional numeric wave of
// versions 1, 2, 3 and 5 is read too, its values converted to floats. A wave that cannot be
// shown is refused with the reason in plain words.
#pragma once

#include "ibw/CIBWChannel.h"
#include "ibw/CIBWFile.h"
#include "ibw/CIBWNote.h"
#include "ibw/IBWPrecisionLoss.h"
#include "ibw/IBWRead.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct IBWWaveInfo;

class CIBWReader : public CIBWFile {
public:
    CIBWReader() = default;
    ~CIBWReader() override;
    // A reader is moved whole: the channels keep pointing into the buffer they came with.
    CIBWReader(CIBWReader&&) = default;
    CIBWReader& operator=(CIBWReader&&) = default;

    // Each open starts by closing. True when the file gave at least one channel; false with
    // nothing held (but an empty note when the file could not be opened) and the reason kept.
    bool Open(const std::string& path) override;
    // The one entry every open goes through, whatever holds the bytes: the stream is read from
    // wherever it stands and may be used again afterwards.
    bool Open(IBWStream& stream);
    // A file's bytes held in memory, which need not outlive the call.
    bool OpenBytes(const void* bytes, std::size_t size);
    // Releases everything; closing an empty reader does nothing. The last refusal stays.
    virtual void Close();

    const CIBWChannel* GetChannel(int index) const; // null outside 0 <= index < channelCount
    std::string GetNoteValue(const std::string& key) const;
    // Why the last open failed, a clause such as "it holds a text wave"; empty after a success.
    const std::string& RefusalReason() const { return refusal; }
    // What became of values that 32-bit floats cannot hold, as one line; empty when nothing did.
    std::string PrecisionNote() const { return PrecisionLossText(precisionLoss); }
    // Why the channels are drawn with a spacing of 1 instead of the wave's own, as one line;
    // empty when the wave's spacings are used.
    const std::string& SpacingNote() const { return spacingNote; }

    // Writes channel `index` as Igor text, replacing `path` only once the whole text is on disk.
    // A wave name that is not a standard Igor name is written quoted. False for an index that is not a
    // channel or a file that could not be written, with the reason in `error` when given.
    bool WriteItx(const std::string& path, const std::string& waveName, int index, bool noteWanted,
                  std::string* error = nullptr) const;

    std::int32_t channelCount = 0;
    std::vector<CIBWChannel> channels;
    IBWBuffer waveData; // the whole wave as floats; the channels point into it
    std::int32_t pointCount = 0;
    std::unique_ptr<CIBWNote> note;
    WaveHeader5 waveHeader{}; // of the open file, in the machine's byte order
    IBWPrecisionLoss precisionLoss;

private:
    bool OpenInstrumentImage(IBWStream& stream);
    bool OpenWave(IBWStream& stream, const IBWWaveInfo& info);
    bool Refuse(const std::string& reason);

    std::string refusal;
    std::string spacingNote;
};
