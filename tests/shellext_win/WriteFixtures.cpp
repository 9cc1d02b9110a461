// Writes the wave files of the Windows tests into one folder (see FixtureSet.h).
#include "tests/shellext_win/FixtureSet.h"

#include "shellext/linux/FileThumbnail.h"
#include "tools/ibwgen/IbwGen.h"
#include "tools/qvdfgen/QvdfGen.h"
#include "tools/shellfixtures/ShellFixtures.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>

namespace {

std::string NoteText(std::span<const char* const> lines) {
    std::string text;
    for (const char* line : lines) {
        text += line;
        text += '\r';
    }
    return text;
}

ibwgen::WaveSpec Wave(int columns, int rows, int layers, std::span<const char* const> note) {
    ibwgen::WaveSpec waveSpec;
    waveSpec.dims = {columns, rows, layers, 0};
    waveSpec.spacing = {1e-8, 1e-8, 1, 1};
    waveSpec.dimUnits = {"m", "m", "", ""};
    waveSpec.values.resize(static_cast<std::size_t>(columns) * rows * layers);
    for (std::size_t i = 0; i < waveSpec.values.size(); ++i) {
        waveSpec.values[i] = static_cast<float>(i);
    }
    waveSpec.note = NoteText(note);
    return waveSpec;
}

// A pattern that differs per row, column and channel, so shear or a swapped channel shows.
std::vector<std::int8_t> Pattern(int width, int height, int channel) {
    std::vector<std::int8_t> pixels(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            pixels[static_cast<std::size_t>(y) * width + x] =
                static_cast<std::int8_t>(x * 3 + y * 5 + channel * 77);
        }
    }
    return pixels;
}

ibwgen::ImagePreviewFooter ImageFooter(int width, int height, std::span<const char* const> names) {
    ibwgen::ImagePreviewFooter footer;
    footer.width = width;
    footer.height = height;
    for (std::size_t c = 0; c < names.size(); ++c) {
        footer.channelNames.push_back(names[c]);
        footer.pixels.push_back(Pattern(width, height, static_cast<int>(c)));
    }
    return footer;
}

ibwgen::ForcePreviewFooter ForceFooter(int shift = 0) {
    ibwgen::ForcePreviewFooter footer;
    footer.dataLength = fixtures::kForceSamples;
    footer.extendLength = fixtures::kForceSamples;
    footer.retractLength = fixtures::kForceSamples;
    for (std::size_t c = 0; c < std::size(fixtures::kForceCurves); ++c) {
        footer.curveNames.push_back(fixtures::kForceCurves[c]);
        std::vector<std::uint8_t> samples;
        for (int i = 0; i < 2 * fixtures::kForceSamples; ++i) {
            samples.push_back(
                static_cast<std::uint8_t>((i < fixtures::kForceSamples ? i * 2 : 255 - i) + shift));
        }
        footer.samples.push_back(samples);
    }
    return footer;
}

// Asymmetric in x and y with NaN in the top left corner: a flip, a transposition or a wrong
// layer shows.
ibwgen::WaveSpec DataOnlyWave() {
    constexpr int kColumns = 180;
    constexpr int kRows = 120;
    ibwgen::WaveSpec waveSpec = Wave(kColumns, kRows, 2, fixtures::kImageNote);
    waveSpec.bigEndian = true;
    waveSpec.trailer = ibwgen::Trailer::None;
    for (int y = 0; y < kRows; ++y) {
        for (int x = 0; x < kColumns; ++x) {
            const bool corner = x < 30 && y >= kRows - 20;
            waveSpec.values[static_cast<std::size_t>(y) * kColumns + x] =
                corner ? NAN : static_cast<float>(x * x) + 80.0f * static_cast<float>(y);
        }
    }
    return waveSpec;
}

void PutInt32(std::ofstream& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) {
        out.put(static_cast<char>((value >> shift) & 0xFF));
    }
}

// The Linux thumbnailer's picture of the file at side x side, in the layout FixtureSet.h tells.
bool WriteLinuxThumbnail(const std::filesystem::path& wave, const std::filesystem::path& to, int side) {
    const std::optional<PaletteBitmap> picture = FileThumbnail(wave, side);
    std::ofstream out(to, std::ios::binary);
    if (!picture || !out) {
        return false;
    }
    PutInt32(out, static_cast<std::uint32_t>(picture->width));
    PutInt32(out, static_cast<std::uint32_t>(picture->height));
    for (std::uint32_t colour : picture->palette) {
        PutInt32(out, colour);
    }
    for (std::int32_t y = 0; y < picture->height; ++y) {
        for (std::int32_t x = 0; x < picture->width; ++x) {
            out.put(static_cast<char>(picture->At(x, y)));
        }
    }
    return static_cast<bool>(out);
}

qvdfgen::ContainerSpec Container() {
    qvdfgen::ContainerSpec containerSpec;
    int side = 40;
    for (const char* name : fixtures::kContainerChannels) {
        qvdfgen::Image image;
        image.channelName = name;
        qvdfgen::Thumbnail thumbnail;
        thumbnail.width = static_cast<std::uint16_t>(side);
        thumbnail.height = static_cast<std::uint16_t>(side / 2);
        thumbnail.pixels = Pattern(side, side / 2, side);
        image.thumbnail = thumbnail;
        containerSpec.images.push_back(image);
        side -= 10;
    }
    containerSpec.notes = fixtures::kContainerNotes;
    return containerSpec;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: shellext_win_fixtures FOLDER\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    bool ok = true;
    auto write = [&](const char* name, const ibwgen::WaveSpec& waveSpec) {
        ok = ibwgen::WriteWaveFile((folder / name).string(), waveSpec) && ok;
    };

    ibwgen::WaveSpec image = Wave(16, 8, 2, fixtures::kImageNote);
    image.dimLabels[2] = {"HeightTrace", "PhaseTrace"};
    image.imageFooter =
        ImageFooter(fixtures::kPreviewWidth, fixtures::kPreviewHeight, fixtures::kImageChannels);
    write(fixtures::kImage, image);
    write(fixtures::kImageOtherExtension, image);

    ibwgen::WaveSpec tall = Wave(8, 16, 1, fixtures::kImageNote);
    const char* const tallChannels[] = {"Height"};
    tall.imageFooter = ImageFooter(fixtures::kPreviewHeight, fixtures::kPreviewWidth, tallChannels);
    write(fixtures::kTall, tall);

    ibwgen::WaveSpec force = Wave(2 * fixtures::kForceSamples, 1, 2, fixtures::kForceNote);
    force.trailer = ibwgen::Trailer::Force;
    force.forceFooter = ForceFooter();
    write(fixtures::kForce, force);

    write(fixtures::kNoFooter, Wave(4, 4, 1, fixtures::kImageNote));
    write(fixtures::kDataOnly, DataOnlyWave());
    ibwgen::WaveSpec oneDimensional = Wave(16, 1, 1, fixtures::kImageNote);
    oneDimensional.dims = {16, 0, 0, 0};
    oneDimensional.trailer = ibwgen::Trailer::None;
    write(fixtures::kOneDimensional, oneDimensional);
    for (const char* name : {fixtures::kNoFooter, fixtures::kDataOnly}) {
        for (int side : fixtures::kLinuxThumbnailSides) {
            ok =
                WriteLinuxThumbnail(folder / name, folder / fixtures::LinuxThumbnailName(name, side), side) &&
                ok;
        }
    }

    ibwgen::WaveSpec fastScan = Wave(4, 2, 1, fixtures::kFastScanNote);
    const char* const fastChannels[] = {"Height"};
    fastScan.imageFooter = ImageFooter(4, 2, fastChannels);
    write(fixtures::kFastScan, fastScan);

    // Names outside ASCII, and texts with the code page's letters and signs.
    ibwgen::WaveSpec latin = Wave(2 * fixtures::kForceSamples, 1, 1, fixtures::kLatinNote);
    latin.trailer = ibwgen::Trailer::Force;
    latin.forceFooter = ForceFooter();
    write(fixtures::kLatinName, latin);
    ibwgen::WaveSpec twin = Wave(2 * fixtures::kForceSamples, 1, 1, fixtures::kTwinNote);
    twin.trailer = ibwgen::Trailer::Force;
    twin.forceFooter = ForceFooter(40);
    write(fixtures::kLatinTwin, twin);
    ibwgen::WaveSpec cyrillic = Wave(16, 8, 2, fixtures::kCyrillicNote);
    cyrillic.imageFooter =
        ImageFooter(fixtures::kPreviewWidth, fixtures::kPreviewHeight, fixtures::kCyrillicChannels);
    write(fixtures::kCyrillicName, cyrillic);

    const std::pair<const char*, bool (*)(const std::string&)> bounded[] = {
        {fixtures::kManyChannels, shellfixtures::WriteManyChannelsFooter},
        {fixtures::kDenseEntries, shellfixtures::WriteDenseEntriesFooter},
        {fixtures::kManyCurves, shellfixtures::WriteManyCurvesFooter},
        {fixtures::kLargePreview, shellfixtures::WriteLargePreview},
        {fixtures::kLongNote, shellfixtures::WriteLongNote},
        {fixtures::kManyImages, shellfixtures::WriteManyImagesContainer},
    };
    for (const auto& [name, writer] : bounded) {
        ok = writer((folder / name).string()) && ok;
    }

    ok = qvdfgen::WriteContainerFile((folder / fixtures::kContainer).string(), Container()) && ok;
    qvdfgen::ContainerSpec bare;
    bare.images.emplace_back();
    ok = qvdfgen::WriteContainerFile((folder / fixtures::kContainerWithoutThumbnail).string(), bare) && ok;

    if (!ok) {
        std::fprintf(stderr, "shellext_win_fixtures: cannot write into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
