// An opened image file of the instrument: the channels (layers) of its float wave and its note.
#pragma once

#include "ibw/CIBWChannel.h"
#include "ibw/CIBWFile.h"
#include "ibw/CIBWNote.h"
#include "ibw/IBWRead.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CIBWReader : public CIBWFile {
public:
    CIBWReader() = default;
    ~CIBWReader() override;

    // True when the file was read as an instrument image (which may still give no channel).
    bool Open(const std::string& path) override;
    // Releases everything; closing an empty reader does nothing.
    virtual void Close();

    const CIBWChannel* GetChannel(int index) const; // null outside 0 <= index < channelCount
    std::string GetNoteValue(const std::string& key) const;

    // Writes channel `index` as Igor text, replacing `path` only once the whole text is on disk.
    // False for an index that is not a channel or a file that could not be written, with the
    // reason in `error` when given.
    bool WriteItx(const std::string& path, const std::string& waveName, int index, bool noteWanted,
                  std::string* error = nullptr) const;

    std::int32_t channelCount = 0;
    std::vector<CIBWChannel> channels;
    IBWBuffer waveData; // the whole wave; the channels point into it
    std::int32_t pointCount = 0;
    std::unique_ptr<CIBWNote> note;
    WaveHeader5 waveHeader{}; // of the open file, in the machine's byte order
};
