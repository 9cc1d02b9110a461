// Files that once made the shell extension's calls cost without bound, written for its tests and
// its benchmark: damaged preview footers, a preview claimed far larger than a thumbnail, a long
// note and a container of 65,536 images. Each is a valid file apart from what it is meant to show.
#pragma once

#include <string>

namespace shellfixtures {

inline constexpr int kDeclaredChannels = 999000;
inline constexpr int kLargePreviewSide = 6000;
inline constexpr int kContainerImages = 65536;
inline constexpr std::size_t kLongNoteBytes = std::size_t{16} << 20;

// Image files whose footers fill nearly the 999,999 bytes the length field allows:
// - ManyChannels: version 2, 999,000 channels declared, as many named (with their offset keys)
//   as fit, all pointing at one 64 x 64 preview;
// - DenseEntries: version 2, 999,000 declared, one named channel and the rest of the text tiny
//   entries, the most a footer can hold;
// - ManyCurves: a force footer with as many curves as ExtendStart keys fit, all the same curve.
bool WriteManyChannelsFooter(const std::string& path);
bool WriteDenseEntriesFooter(const std::string& path);
bool WriteManyCurvesFooter(const std::string& path);

// A 36 MB image file whose one channel is a 6000 x 6000 preview, all of it in the file.
bool WriteLargePreview(const std::string& path);

// An image file with a preview footer and a 16 MB note of short lines.
bool WriteLongNote(const std::string& path);

// A container of 65,536 images, each with a channel name and an 8 x 8 thumbnail.
bool WriteManyImagesContainer(const std::string& path);

} // namespace shellfixtures
