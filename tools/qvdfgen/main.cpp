// qvdfgen: writes a QVDF container from key=value arguments.
#include "tools/qvdfgen/QvdfGen.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// NAME or NAME:WxH; the thumbnail is a diagonal ramp over the whole signed range.
bool ParseImage(const std::string& value, qvdfgen::Image* image) {
    std::size_t colon = value.find(':');
    image->channelName = value.substr(0, colon);
    if (colon == std::string::npos) {
        return true;
    }
    unsigned width = 0;
    unsigned height = 0;
    if (std::sscanf(value.c_str() + colon + 1, "%ux%u", &width, &height) != 2 || width == 0 || height == 0 ||
        width > 4096 || height > 4096) {
        return false;
    }
    qvdfgen::Thumbnail thumbnail;
    thumbnail.width = static_cast<std::uint16_t>(width);
    thumbnail.height = static_cast<std::uint16_t>(height);
    for (unsigned r = 0; r < height; ++r) {
        for (unsigned c = 0; c < width; ++c) {
            thumbnail.pixels.push_back(
                static_cast<std::int8_t>((r + c) * 255 / (width + height - 2 + 1) - 128));
        }
    }
    image->thumbnail = thumbnail;
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: qvdfgen OUTPUT [key=value]...\n"
                             "keys: image=NAME[:WxH] (repeatable; WxH adds a thumbnail)\n"
                             "      note=KEY:VALUE (repeatable) misc=N spare=N tail=N\n");
        return 2;
    }
    qvdfgen::ContainerSpec containerSpec;
    for (int i = 2; i < argc; ++i) {
        std::string arg = argv[i];
        std::size_t eq = arg.find('=');
        std::string key = arg.substr(0, eq);
        std::string value = eq == std::string::npos ? std::string() : arg.substr(eq + 1);
        qvdfgen::Image image;
        if (key == "image" && ParseImage(value, &image)) {
            containerSpec.images.push_back(image);
        } else if (key == "note") {
            containerSpec.notes = containerSpec.notes.value_or("") + value + "\r";
        } else if (key == "misc") {
            containerSpec.textMisc = static_cast<std::uint16_t>(std::atoi(value.c_str()));
        } else if (key == "spare") {
            containerSpec.spareEntries = static_cast<std::uint32_t>(std::atoi(value.c_str()));
        } else if (key == "tail") {
            containerSpec.tailBytes = static_cast<std::uint32_t>(std::atoi(value.c_str()));
        } else {
            std::fprintf(stderr, "qvdfgen: cannot use %s\n", arg.c_str());
            return 1;
        }
    }
    if (!qvdfgen::WriteContainerFile(argv[1], containerSpec)) {
        std::fprintf(stderr, "qvdfgen: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
