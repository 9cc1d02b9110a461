#include "shellext/CIBWPreview.h"

#include "shellext/BuildIBWPreviewDescriptor.h"
#include "shellext/ReadIBWPreviewTail.h"
#include "shellext/ReadZeroFilled.h"

#include <cstdint>
#include <fstream>
#include <vector>

namespace {

// A span that cannot fit in the file is no preview: it is not loaded rather than allocated.
template <typename T>
void LoadSpan(std::istream& file, std::uint64_t fileSize, std::int32_t start, std::int64_t length,
              std::vector<T>* data) {
    data->clear();
    if (start < 0 || length <= 0 || static_cast<std::uint64_t>(length) > fileSize) {
        return;
    }
    data->resize(static_cast<std::size_t>(length));
    ReadZeroFilled(file, fileSize, static_cast<std::uint64_t>(start), data->size(), data->data());
}

} // namespace

int CIBWPreview::Load(const std::filesystem::path& path, int channel) {
    m_descriptor.reset();
    m_path = path;
    m_channel = channel;
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return kIBWPreviewNone;
    }
    return Load(file, channel);
}

int CIBWPreview::Load(std::istream& file, int channel) {
    m_descriptor.reset();
    m_channel = channel;
    file.seekg(0, std::ios::end);
    std::streamoff end = file.tellg();
    if (end < 0) {
        return kIBWPreviewNone;
    }
    std::uint64_t fileSize = static_cast<std::uint64_t>(end);

    std::string footer;
    int kind = ReadIBWPreviewTail(file, fileSize, &footer);
    IBWPreviewDescriptor descriptor;
    if (kind == kIBWPreviewImage) {
        if (!BuildImagePreviewDescriptor(footer, &descriptor)) {
            return kIBWPreviewNone;
        }
    } else if (kind == kIBWPreviewForce) {
        if (!BuildForcePreviewDescriptor(footer, &descriptor)) {
            return kIBWPreviewNone;
        }
    } else {
        return kIBWPreviewNone;
    }

    if (channel < 0 || channel >= descriptor.count) {
        m_channel = 0;
    }
    std::size_t index = static_cast<std::size_t>(m_channel);
    if (kind == kIBWPreviewImage) {
        IBWImagePreview& record = descriptor.imageChannels[index];
        LoadSpan(file, fileSize, record.fileStart, record.dataLength, &record.data);
    } else {
        IBWForcePreview& record = descriptor.forceChannels[index];
        std::int64_t length = std::int64_t{record.extendLength} + record.retractLength;
        if (record.extendLength >= 0 && record.retractLength >= 0) {
            LoadSpan(file, fileSize, record.extendStart, length, &record.data);
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
    std::size_t index = static_cast<std::size_t>(i);
    if (m_descriptor->kind == kIBWPreviewImage) {
        return m_descriptor->imageChannels[index].name;
    }
    return m_descriptor->forceChannels[index].name;
}
