// The preview footer of one IBW file: the channel descriptor and the data of one channel.
#pragma once

#include "shellext/CByteSource.h"
#include "shellext/IBWPreviewDescriptor.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

class CIBWPreview {
public:
    CIBWPreview() = default;
    virtual ~CIBWPreview() = default;

    // Reads the footer and the data of one channel (channel 0 when the index is out of range).
    // Returns the kind, 1 image or 2 force curve, or 0 when the file has no usable footer.
    // Data is loaded only when its length is positive and no larger than the file; bytes of it
    // past the end of the file read as zero. The source stays with the preview: an image channel
    // larger than kIBWPreviewHeldBytes is read from it when drawn.
    int Load(const std::filesystem::path& path, int channel);
    int Load(std::shared_ptr<CByteSource> source, int channel);
    // The tail and the footer only, for what the descriptor tells: no channel's data is read
    // (GetLoadedChannel is -1).
    int LoadFooter(const std::filesystem::path& path);
    int LoadFooter(std::shared_ptr<CByteSource> source);

    int GetKind() const;
    int GetChannelCount() const;                            // as the footer declares it
    std::optional<std::string> GetChannelName(int i) const; // none outside 0..count-1
    int GetLoadedChannel() const { return m_channel; }      // the channel whose record holds data
    const std::optional<IBWPreviewDescriptor>& GetDescriptor() const { return m_descriptor; }
    CByteSource* Source() const { return m_source.get(); }

private:
    int Read(std::shared_ptr<CByteSource> source, int channel, bool loadData);

    std::shared_ptr<CByteSource> m_source;
    int m_channel = -1;
    std::optional<IBWPreviewDescriptor> m_descriptor;
};
