#include "shellext/CIBWPreview.h"

#include "shellext/BuildIBWPreviewDescriptor.h"
#include "shellext/CFileByteSource.h"
#include "shellext/ReadIBWPreviewTail.h"
#include "shellext/ReadZeroFilled.h"

#include <cstdint>
#include <vector>

namespace {

// A span that cannot fit in the file is no preview: it is not loaded rather than allocated.
bool Fits(std::uint64_t fileSize, std::int32_t start, std::int64_t length) {
    return start >= 0 && length > 0 && static_cast<std::uint64_t>(length) <= fileSize;
}

template <typename T>
void LoadSpan(CByteSource& source, std::int32_t start, std::int64_t length, std::vector<T>* data) {
    data->resize(static_cast<std::size_t>(length));
    ReadZeroFilled(source, static_cast<std::uint64_t>(start), data->size(), data->data());
}

std::shared_ptr<CByteSource> OpenFile(const std::filesystem::path& path) {
    auto file = std::make_shared<CFileByteSource>(path);
    if (!file->IsOpen()) {
        return nullptr;
    }
    return file;
}

} // namespace

int CIBWPreview::Load(const std::filesystem::path& path, int channel) {
    return Read(OpenFile(path), channel, true);
}

int CIBWPreview::Load(std::shared_ptr<CByteSource> source, int channel) {
    return Read(std::move(source), channel, true);
}

int CIBWPreview::LoadFooter(const std::filesystem::path& path) {
    return Read(OpenFile(path), 0, false);
}

int CIBWPreview::LoadFooter(std::shared_ptr<CByteSource> source) {
    return Read(std::move(source), 0, false);
}

int CIBWPreview::Read(std::shared_ptr<CByteSource> source, int channel, bool loadData) {
    m_descriptor.reset();
    m_source = std::move(source);
    m_channel = loadData ? channel : -1;
    if (!m_source) {
        return kIBWPreviewNone;
    }
    const std::uint64_t fileSize = m_source->Size();
    std::string footer;
    const int kind = ReadIBWPreviewTail(*m_source, &footer);
    IBWPreviewDescriptor descriptor;
    const bool built = (kind == kIBWPreviewImage && BuildImagePreviewDescriptor(footer, &descriptor)) ||
                       (kind == kIBWPreviewForce && BuildForcePreviewDescriptor(footer, &descriptor));
    if (!built) {
        return kIBWPreviewNone;
    }
    if (!loadData) {
        m_descriptor = std::move(descriptor);
        return kind;
    }
    // Channels past the kept records count as outside the descriptor.
    const std::size_t records =
        kind == kIBWPreviewImage ? descriptor.imageChannels.size() : descriptor.forceChannels.size();
    if (channel < 0 || static_cast<std::size_t>(channel) >= records) {
        m_channel = 0;
    }
    const auto index = static_cast<std::size_t>(m_channel);
    if (kind == kIBWPreviewImage) {
        IBWImagePreview& record = descriptor.imageChannels[index];
        if (Fits(fileSize, record.fileStart, record.dataLength)) {
            if (record.dataLength <= kIBWPreviewHeldBytes) {
                LoadSpan(*m_source, record.fileStart, record.dataLength, &record.data);
            } else {
                record.dataInSource = true;
            }
        }
    } else {
        IBWForcePreview& record = descriptor.forceChannels[index];
        const std::int64_t length = std::int64_t{record.extendLength} + record.retractLength;
        if (record.extendLength >= 0 && record.retractLength >= 0 && length <= kIBWPreviewHeldBytes &&
            Fits(fileSize, record.extendStart, length)) {
            LoadSpan(*m_source, record.extendStart, length, &record.data);
        }
    }
    m_descriptor = std::move(descriptor);
    return kind;
}

int CIBWPreview::GetKind() const {
    return m_descriptor ? m_descriptor->kind : kIBWPreviewNone;
}

int CIBWPreview::GetChannelCount() const {
    return m_descriptor ? m_descriptor->count : 0;
}

std::optional<std::string> CIBWPreview::GetChannelName(int i) const {
    if (!m_descriptor || i < 0 || i >= m_descriptor->count) {
        return std::nullopt;
    }
    const auto index = static_cast<std::size_t>(i);
    if (m_descriptor->kind == kIBWPreviewImage) {
        return index < m_descriptor->imageChannels.size() ? m_descriptor->imageChannels[index].name
                                                          : std::string();
    }
    return index < m_descriptor->forceChannels.size() ? m_descriptor->forceChannels[index].name
                                                      : std::string();
}
