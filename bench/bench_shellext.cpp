// bench_shellext: how long the shell extension's portable core takes on the files that once made
// its calls unbounded, each timed as Explorer would ask (median of several rounds, wall clock):
// the icon of a container of 65,536 images (goal: within 200 ms), the channel list and thumbnail
// of footers declaring 999,000 channels, and a 256 x 256 thumbnail of a 6000 x 6000 preview.
#include "bench/BenchRow.h"
#include "shellext/CIBWPreview.h"
#include "shellext/CQVDFReader.h"
#include "shellext/ChannelListNames.h"
#include "shellext/RenderLoadedPreview.h"
#include "tools/shellfixtures/ShellFixtures.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kRounds = 7;

double MedianMs(const std::function<bool()>& call, bool* ok) {
    std::vector<double> times;
    for (int i = 0; i < kRounds; ++i) {
        const auto start = std::chrono::steady_clock::now();
        *ok = call() && *ok;
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

bool FooterCalls(const std::string& path) {
    CIBWPreview footer;
    footer.LoadFooter(path);
    ChannelListNames(footer);
    CIBWPreview preview;
    return preview.Load(path, 0) != kIBWPreviewNone && RenderLoadedPreview(preview, {256, 256}).has_value();
}

} // namespace

int main() {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("bench_shellext_" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const std::string container = (folder / "images.qvdf").string();
    const std::string channels = (folder / "channels.ibw").string();
    const std::string dense = (folder / "dense.ibw").string();
    const std::string large = (folder / "large.ibw").string();
    bool ok = shellfixtures::WriteManyImagesContainer(container) &&
              shellfixtures::WriteManyChannelsFooter(channels) &&
              shellfixtures::WriteDenseEntriesFooter(dense) && shellfixtures::WriteLargePreview(large);
    if (!ok) {
        std::fprintf(stderr, "bench_shellext: cannot write the files into %s\n", folder.c_str());
        return 1;
    }

    const double icon = MedianMs(
        [&] {
            CQVDFReader reader(container);
            return reader.HasThumbnail() && reader.GetThumbnailBitmap(0, {48, 48}) &&
                   reader.GetThumbnailBitmap(0, {16, 16});
        },
        &ok);
    PrintBenchRow("icon of a .qvdf of 65,536 images", icon, "ms", "<", 200, "open, both icon sizes");
    PrintBenchRow("999,000 channels declared, list and thumbnail",
                  MedianMs([&] { return FooterCalls(channels); }, &ok), "ms", "-", 0, "footer of 1 MB");
    PrintBenchRow("999,000 channels among tiny entries, list and thumbnail",
                  MedianMs([&] { return FooterCalls(dense); }, &ok), "ms", "-", 0, "footer of 1 MB");
    PrintBenchRow("thumbnail of a 6000 x 6000 preview", MedianMs([&] { return FooterCalls(large); }, &ok),
                  "ms", "-", 0, "256 x 256, 36 MB file");

    std::filesystem::remove_all(folder);
    if (!ok) {
        std::fprintf(stderr, "bench_shellext: a call gave no answer\n");
        return 1;
    }
    return 0;
}
