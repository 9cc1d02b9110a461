// seeds_fuzz_qvdf CORPUS_DIR: small containers from the fixture writer, with images, thumbnails,
// notes and the format's odd cases, so the fuzzer starts past the table-of-contents checks.
#include "tests/fuzz/SeedCorpus.h"
#include "tools/qvdfgen/QvdfGen.h"

#include <optional>
#include <string>

namespace {

qvdfgen::Image Image(const std::string& name, std::uint16_t width, std::uint16_t height) {
    qvdfgen::Image image;
    image.channelName = name;
    if (width > 0) {
        qvdfgen::Thumbnail thumbnail;
        thumbnail.width = width;
        thumbnail.height = height;
        for (int i = 0; i < width * height; ++i) {
            thumbnail.pixels.push_back(static_cast<std::int8_t>(i * 37));
        }
        image.thumbnail = thumbnail;
    }
    return image;
}

} // namespace

int main(int argc, char** argv) {
    std::optional<SeedCorpus> corpus = SeedCorpus::FromArguments(argc, argv, "seeds_fuzz_qvdf");
    if (!corpus) {
        return 2;
    }
    auto write = [&](const qvdfgen::ContainerSpec& containerSpec) {
        qvdfgen::WriteContainerFile(corpus->NextPath(".qvdf"), containerSpec);
    };

    qvdfgen::ContainerSpec two;
    two.images = {Image("Height", 4, 2), Image("Phase", 3, 3)};
    two.images[1].dataBytes = 40;
    two.notes = std::string("A:1\rB:2:3\rGain : 5\rC");
    write(two);

    qvdfgen::ContainerSpec empty;
    empty.notes = std::string("K:V\r");
    write(empty);

    qvdfgen::ContainerSpec odd = two;
    odd.images[0].entryCrcZero = true;
    odd.textMisc = 1;
    odd.spareEntries = 2;
    write(odd);

    qvdfgen::ContainerSpec bare;
    bare.images = {Image("", 0, 0), Image("Amplitude", 2, 2)};
    bare.images[0].hasDefinition = false;
    bare.images[1].thumbnail->sizeField = 0;
    bare.tailBytes = 8;
    write(bare);
    return 0;
}
