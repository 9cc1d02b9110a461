// The wave files the Windows tests open: written on the build machine by the fixture writer and
// read by the test program under Wine. Names and note texts are shared so both sides agree.
#pragma once

namespace fixtures {

// Image file ("KTZ9W" trailer): two channels, a version-2 footer with 128 x 64 previews.
inline constexpr char kImage[] = "image.ibw";
// The same bytes under a name the column provider and the icon handler do not take.
inline constexpr char kImageOtherExtension[] = "image.dat";
// A 64 x 128 preview, one channel.
inline constexpr char kTall[] = "tall.ibw";
// Force file ("Force" trailer): two curves of 100 samples per trace.
inline constexpr char kForce[] = "force.ibw";
// A note but no preview footer.
inline constexpr char kNoFooter[] = "nofooter.ibw";
// FastScanSize before ScanSize: the raw search and the parsed lookup disagree.
inline constexpr char kFastScan[] = "fastscan.ibw";

// QVDF containers: three images (the second without a channel name) with thumbnails and text
// notes; and one image without a thumbnail.
inline constexpr char kContainer[] = "container.qvdf";
inline constexpr char kContainerWithoutThumbnail[] = "nothumbnail.qvdf";
inline constexpr const char* kContainerChannels[] = {"Height", "", "Phase"};
inline constexpr char kContainerNotes[] = "Operator:Ada\rSample: mica\r";

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
