// The page's channel lists keep each name's channel index, so a list position after a left-out
// name still leads to its own channel.
#include "shellext/CIBWPreview.h"
#include "shellext/CQVDFReader.h"
#include "shellext/ChannelListNames.h"
#include "tests/ibw/TestFiles.h"
#include "tools/qvdfgen/QvdfGen.h"

#include <gtest/gtest.h>

namespace {

using testfiles::TempFile;

TEST(ChannelListNames, EntriesKeepTheirChannelsPastUnnamedOnes) {
    qvdfgen::ContainerSpec containerSpec;
    for (const char* name : {"Height", "", "Phase"}) {
        qvdfgen::Image image;
        image.channelName = name;
        containerSpec.images.push_back(image);
    }
    TempFile container(qvdfgen::BuildContainer(containerSpec), ".qvdf");
    EXPECT_EQ(ChannelListNames(CQVDFReader(container.path())),
              (std::vector<ChannelListEntry>{{0, "Height"}, {2, "Phase"}}));

    // The first listed channel has no offset key: no name, so Phase is listed first.
    ibwgen::WaveSpec waveSpec = testfiles::ImageSpec(2, 2, 1);
    waveSpec.rawFooterText = "Version:2;NumberOfFiles:3;DataTypeList:Height,Phase,AmplitudeFileStart,;"
                             "PhaseFileStart:0;AmplitudeFileStartFileStart:0;";
    TempFile wave(waveSpec);
    CIBWPreview preview;
    preview.LoadFooter(wave.path());
    EXPECT_EQ(ChannelListNames(preview), (std::vector<ChannelListEntry>{{1, "Phase"}, {2, "Amplitude"}}));
}

} // namespace
