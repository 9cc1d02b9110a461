// The wave files the Windows tests open: written on the build machine by the fixture writer and
// read by the test program under Wine. Names and note texts are shared so both sides agree; names
// are UTF-8 (the files' names on the build machine), texts Windows-1252 (the files' bytes).
#pragma once

#include <string>

namespace fixtures {

// Image file ("KTZ9W" trailer): two channels, a version-2 footer with 128 x 64 previews.
inline constexpr char kImage[] = "image.ibw";
// The same bytes under a name the column provider and the icon handler do not take.
inline constexpr char kImageOtherExtension[] = "image.dat";
// A 64 x 128 preview, one channel.
inline constexpr char kTall[] = "tall.ibw";
// Force file ("Force" trailer): two curves of 100 samples per trace.
inline constexpr char kForce[] = "force.ibw";
// A note but no preview footer: its thumbnail is drawn from its 4 x 4 floats.
inline constexpr char kNoFooter[] = "nofooter.ibw";
// No preview footer: a big-endian 3-D wave of 180 x 120 floats with NaN in a corner, drawn from
// its first layer.
inline constexpr char kDataOnly[] = "dataonly.ibw";
// A 1-D wave without footer: nothing to draw.
inline constexpr char kOneDimensional[] = "onedim.ibw";
// What the Linux thumbnailer draws for those two at these sides, written beside them by the
// fixture writer: width and height (32-bit little-endian), the 256 palette entries (0x00RRGGBB,
// 32-bit little-endian), then the palette indices, bottom row first, width bytes a row.
inline constexpr int kLinuxThumbnailSides[] = {96, 160};
inline std::string LinuxThumbnailName(const char* name, int side) {
    return std::string(name) + "." + std::to_string(side) + ".thumbnail";
}
// FastScanSize before ScanSize: the raw search and the parsed lookup disagree.
inline constexpr char kFastScan[] = "fastscan.ibw";

// QVDF containers: three images (the second without a channel name) with thumbnails and text
// notes; and one image without a thumbnail.
inline constexpr char kContainer[] = "container.qvdf";
inline constexpr char kContainerWithoutThumbnail[] = "nothumbnail.qvdf";
inline constexpr const char* kContainerChannels[] = {"Height", "", "Phase"};
inline constexpr char kContainerNotes[] = "Operator:Ada\rSample: mica\r";

// Names outside ASCII: a force curve beside its ASCII twin of other values (an ANSI copy of the
// name would open the twin), and an image named in Cyrillic, which no Western code page holds.
// The Cyrillic one's note and channel names carry Windows-1252 letters and signs.
inline constexpr char kLatinName[] = "J\xC4\x81nis.ibw"; // J, a with macron, nis
inline constexpr char kLatinTwin[] = "Janis.ibw";
inline constexpr char kCyrillicName[] = "\xD0\x94\xD0\xB0\xD1\x80\xD1\x8C\xD1\x8F.ibw"; // Darya
inline constexpr const char* kLatinNote[] = {"ForceDist: 3e-07", "ForceDistSign: 1", "IsTriggered: 1",
                                             "NumPtsPerWave: 300"};
inline constexpr const char* kTwinNote[] = {"ForceDist: 9e-07", "ForceDistSign: 0", "IsTriggered: 0",
                                            "NumPtsPerWave: 900"};
inline constexpr const char* kCyrillicNote[] = {
    "ScanSize: 4e-05", "ScanDown: 1",         "ImagingMode: 1",
    "ScanPoints: 128", "Operator: M\xFCller", "Stage: 25\260C, 5 \265m"}; // octal: 0xB0, 0xB5
inline constexpr const char* kCyrillicChannels[] = {"H\xF6he", "Phase"};

// Files that once made calls cost without bound (tools/shellfixtures).
inline constexpr char kManyChannels[] = "channels.ibw";
inline constexpr char kDenseEntries[] = "dense.ibw";
inline constexpr char kManyCurves[] = "curves.ibw";
inline constexpr char kLargePreview[] = "large.ibw";
inline constexpr char kLongNote[] = "longnote.ibw";
inline constexpr char kManyImages[] = "images.qvdf";

inline constexpr int kPreviewWidth = 128;
inline constexpr int kPreviewHeight = 64;
inline constexpr int kForceSamples = 100;

// Note lines, each ended by a carriage return in the file.
inline constexpr const char* kImageNote[] = {"ScanSize: 2e-05", "ScanDown: 0", "ImagingMode: 1",
                                             "ScanPoints: 256", "ScanLines: 256"};
inline constexpr const char* kForceNote[] = {"ForceDist: 1.5e-07", "ForceDistSign: 1", "IsTriggered: 0",
                                             "NumPtsPerWave: 2000"};
inline constexpr const char* kFastScanNote[] = {"FastScanSize: 1e-05", "ScanSize: 2e-05", "ScanDown: 1",
                                                "ImagingMode: 0",      "ScanPoints: 512", "ScanPoints: 128"};
inline constexpr const char* kImageChannels[] = {"Height", "Phase"};
inline constexpr const char* kForceCurves[] = {"DeflFileStart", "ZSnsr"};

} // namespace fixtures
