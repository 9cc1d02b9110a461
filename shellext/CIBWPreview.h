// The preview footer of one IBW file: the channel descriptor and the data of one channel.
#pragma once

#include "shellext/IBWPreviewDescriptor.h"

#include <filesystem>
#include <istream>
#include <optional>
#include <string>

class CIBWPreview {
public:
    CIBWPreview() = default;
    virtual ~CIBWPreview() = default;

    // Reads the footer and the data of one channel (channel 0 when the index is out of range).
    // Returns the kind, 1 image or 2 force curve, or 0 when the file has no usable footer.
    // Data is loaded only when its length is positive and no larger than the file; bytes of it
    // past the end of the file read as zero.
    int Load(const std::filesystem::path& path, int channel);
    // The same on a file's bytes in a stream (a file's, or memory's); its position is left anywhere.
    int Load(std::istream& file, int channel);

    int GetKind() const;
    int GetChannelCount() const;
    std::optional<std::string> GetChannelName(int i) const; // none outside 0..count-1
    int GetLoadedChannel() const { return m_channel; }      // the channel whose record holds data
    const std::optional<IBWPreviewDescriptor>& GetDescriptor() const { return m_descriptor; }

private:
    std::filesystem::path m_path;
    int m_channel = 0;
    std::optional<IBWPreviewDescriptor> m_descriptor;
};
