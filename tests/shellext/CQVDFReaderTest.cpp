// CQVDFReader and its walks on containers from the fixture writer: images, definitions,
// thumbnails and notes, the format's odd cases, and damaged files that must neither allocate
// beyond the file nor loop.
#include "shellext/CQVDFReader.h"
#include "shellext/QVDFSearch.h"
#include "tests/ibw/TestFiles.h"
#include "tools/qvdfgen/QvdfGen.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using testfiles::TempFile;

qvdfgen::Image ImageWithThumbnail(const std::string& name, std::uint16_t width, std::uint16_t height,
                                  std::vector<std::int8_t> pixels) {
    qvdfgen::Image image;
    image.channelName = name;
    qvdfgen::Thumbnail thumbnail;
    thumbnail.width = width;
    thumbnail.height = height;
    thumbnail.pixels = std::move(pixels);
    image.thumbnail = thumbnail;
    return image;
}

qvdfgen::ContainerSpec TwoImages() {
    qvdfgen::ContainerSpec containerSpec;
    containerSpec.images.push_back(ImageWithThumbnail("HeightRetrace", 4, 2, {-128, 0, 127, -1, 1, 2, 3, 4}));
    containerSpec.images.push_back(ImageWithThumbnail("Phase", 3, 3, {0, 1, 2, 3, 4, 5, 6, 7, 8}));
    containerSpec.images[1].dataBytes = 200;
    containerSpec.notes = std::string("A:1\rB:2:3\rGain : 5\rno colon\rC");
    return containerSpec;
}

struct Opened {
    bool ok = false;
    CQVDFReader reader;
};

Opened OpenBytes(const std::vector<std::uint8_t>& bytes) {
    TempFile file(bytes, ".qvdf");
    Opened opened;
    opened.ok = opened.reader.Open(file.path());
    return opened;
}

TEST(CQVDFReader, ReadsImagesDefinitionsThumbnailsAndNotes) {
    qvdfgen::Layout layout;
    std::vector<std::uint8_t> bytes = qvdfgen::BuildContainer(TwoImages(), &layout);
    Opened opened = OpenBytes(bytes);
    ASSERT_TRUE(opened.ok);
    const CQVDFReader& reader = opened.reader;
    ASSERT_EQ(reader.GetImageCount(), 2);
    EXPECT_TRUE(reader.HasThumbnail());
    EXPECT_STREQ(reader.GetChannelName(0), "HeightRetrace");
    EXPECT_STREQ(reader.GetChannelName(1), "Phase");
    EXPECT_EQ(reader.GetChannelName(2), nullptr);
    EXPECT_EQ(reader.GetChannelName(-1), nullptr);
    for (std::size_t i = 0; i < 2; ++i) {
        const QVDFImageEntry& image = reader.GetImages()[i];
        EXPECT_EQ(image.imageOffset, layout.images[i]);
        EXPECT_EQ(image.thumbnailOffset, layout.thumbnails[i]);
        EXPECT_EQ(image.definitionOffset, layout.definitions[i]);
        EXPECT_EQ(image.thumbnailSize, 32u + (i == 0 ? 8u : 9u));
    }

    // Carriage returns end lines; the text after the last one and lines without ':' are dropped,
    // and nothing is trimmed.
    const QVDFNotes expected = {{"A", "1"}, {"B", "2:3"}, {"Gain ", " 5"}};
    EXPECT_EQ(reader.GetNotes(), expected);

    std::optional<PaletteBitmap> bitmap = reader.GetThumbnailBitmap(0, {0, 0});
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(bitmap->width, 4);
    EXPECT_EQ(bitmap->height, 2);
    // The record's first row is the bottom row; signed values map onto the grey ramp.
    EXPECT_EQ(bitmap->At(0, 0), 0);
    EXPECT_EQ(bitmap->At(1, 0), 128);
    EXPECT_EQ(bitmap->At(2, 0), 255);
    EXPECT_EQ(bitmap->At(3, 0), 127);
    EXPECT_EQ(bitmap->At(0, 1), 129);
    std::optional<PaletteBitmap> square = reader.GetThumbnailBitmap(1, {0, 0});
    ASSERT_TRUE(square);
    EXPECT_EQ(square->rowLength, 4);
    EXPECT_EQ(square->At(0, 1), 131);
    std::optional<PaletteBitmap> fitted = reader.GetThumbnailBitmap(0, {96, 96});
    ASSERT_TRUE(fitted);
    EXPECT_EQ(fitted->width, 96);
    EXPECT_EQ(reader.GetThumbnailBitmap(2, {0, 0}), std::nullopt);

    std::optional<PaletteIcon> icon = reader.GetThumbnailIcon(1, {32, 32});
    ASSERT_TRUE(icon);
    EXPECT_EQ(icon->color.width, 32);
    EXPECT_EQ(icon->hotspotX, 16);
    EXPECT_EQ(icon->hotspotY, 16);
    EXPECT_EQ(reader.GetThumbnailIcon(5, {32, 32}), std::nullopt);
}

TEST(CQVDFReader, WalksFindTheWritersRecords) {
    qvdfgen::Layout layout;
    TempFile file(qvdfgen::BuildContainer(TwoImages(), &layout), ".qvdf");
    QVDFFile qvdf;
    ASSERT_TRUE(qvdf.Open(file.path()));
    EXPECT_EQ(FindTopLevelRecord(qvdf, 0, QVDFType("TTOC")), layout.textTable);
    EXPECT_EQ(FindTopLevelRecord(qvdf, 0, QVDFType("NONE")), 0u);
    EXPECT_EQ(FindRecord(qvdf, false, layout.textTable, QVDFType("TOFF"), 0, 0), layout.textOffsetEntry);
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(FindRecord(qvdf, true, layout.images[i], QVDFType("THMB"), 1, 24), layout.thumbnails[i]);
        EXPECT_EQ(FindRecord(qvdf, false, layout.images[i], QVDFType("IDEF"), 1, 24), layout.definitions[i]);
        // One entry of 24 bytes after the 32-byte table header.
        EXPECT_EQ(SkipTable(qvdf, layout.images[i]), layout.images[i] + 56);
    }
    // The first image's group ends where the second begins: its walk does not reach "DATA". An open
    // walk also gives up on a record followed by less than the size of the one before it.
    EXPECT_EQ(FindRecord(qvdf, false, layout.images[0], QVDFType("DATA"), 0, 0), 0u);
    EXPECT_EQ(FindRecord(qvdf, false, layout.images[1], QVDFType("DATA"), 0, 0), layout.definitions[1] + 184);
    // A bounded walk examines as many records after the table as the table has entries.
    EXPECT_EQ(FindRecord(qvdf, false, layout.images[1], QVDFType("DATA"), 1, 24), 0u);
}

TEST(CQVDFReader, TopLevelWalkSkipsGroupsAndStopsShortOfTheEnd) {
    for (std::uint32_t tail : {0u, 400u}) {
        SCOPED_TRACE(tail);
        qvdfgen::ContainerSpec containerSpec = TwoImages();
        containerSpec.images[1].dataBytes = 64;
        containerSpec.tailBytes = tail;
        qvdfgen::Layout layout;
        std::vector<std::uint8_t> bytes = qvdfgen::BuildContainer(containerSpec, &layout);
        // A group record without the table flag is stepped over by its table's entries.
        qvdfgen::Put16(&bytes, layout.images[0] + 14, 0x0002);
        TempFile file(bytes, ".qvdf");
        QVDFFile qvdf;
        ASSERT_TRUE(qvdf.Open(file.path()));
        // The second definition is followed by less than twice its own size unless the tail is
        // there, and then the walk gives up before it reaches the data record.
        EXPECT_EQ(FindTopLevelRecord(qvdf, layout.images[0], QVDFType("DATA")),
                  tail == 0 ? 0u : layout.definitions[1] + 184);
        EXPECT_EQ(FindTopLevelRecord(qvdf, layout.images[0], QVDFType("IMAG")), layout.images[0]);
    }
}

TEST(CQVDFReader, WriterComputesEachRecordsCrc) {
    qvdfgen::Layout layout;
    std::vector<std::uint8_t> bytes = qvdfgen::BuildContainer(TwoImages(), &layout);
    const std::uint8_t check[] = {'1', '2', '3', '4', '5', '6', '7', '8', '9'};
    EXPECT_EQ(qvdfgen::Crc32(check, sizeof(check)), 0xCBF43926u);
    // A table's crc covers its 32-byte header alone.
    EXPECT_EQ(ReadLE32(bytes.data() + layout.toc), qvdfgen::Crc32(bytes.data() + layout.toc + 4, 28));
    const std::uint64_t t = layout.thumbnails[0];
    EXPECT_EQ(ReadLE32(bytes.data() + t), qvdfgen::Crc32(bytes.data() + t + 4, 32 + 8 - 4));
}

TEST(CQVDFReader, OddCasesOfTheFormat) {
    {
        SCOPED_TRACE("no entries");
        qvdfgen::ContainerSpec containerSpec;
        containerSpec.notes = std::string("K:V\r");
        Opened opened = OpenBytes(qvdfgen::BuildContainer(containerSpec));
        EXPECT_TRUE(opened.ok);
        EXPECT_EQ(opened.reader.GetImageCount(), 0);
        EXPECT_FALSE(opened.reader.HasThumbnail());
        EXPECT_EQ(opened.reader.GetChannelName(0), nullptr);
        EXPECT_EQ(opened.reader.GetNotes().size(), 1u);
    }
    {
        SCOPED_TRACE("an entry with crc 0 is the last one taken");
        qvdfgen::ContainerSpec containerSpec = TwoImages();
        containerSpec.images[0].entryCrcZero = true;
        Opened opened = OpenBytes(qvdfgen::BuildContainer(containerSpec));
        EXPECT_TRUE(opened.ok);
        ASSERT_EQ(opened.reader.GetImageCount(), 1);
        EXPECT_STREQ(opened.reader.GetChannelName(0), "HeightRetrace");
    }
    {
        SCOPED_TRACE("spare entries after the used ones");
        qvdfgen::ContainerSpec containerSpec = TwoImages();
        containerSpec.spareEntries = 3;
        Opened opened = OpenBytes(qvdfgen::BuildContainer(containerSpec));
        EXPECT_EQ(opened.reader.GetImageCount(), 2);
        EXPECT_STREQ(opened.reader.GetChannelName(1), "Phase");
    }
    {
        SCOPED_TRACE("TEXT with misc not 0");
        qvdfgen::ContainerSpec containerSpec = TwoImages();
        containerSpec.textMisc = 1;
        Opened opened = OpenBytes(qvdfgen::BuildContainer(containerSpec));
        EXPECT_TRUE(opened.ok);
        EXPECT_TRUE(opened.reader.GetNotes().empty());
        EXPECT_EQ(opened.reader.GetImageCount(), 2);
    }
    {
        SCOPED_TRACE("thumbnail records of size 0, no definition");
        qvdfgen::ContainerSpec containerSpec = TwoImages();
        containerSpec.images[0].thumbnail->sizeField = 0;
        containerSpec.images[1].thumbnail->sizeField = 0;
        containerSpec.images[1].hasDefinition = false;
        Opened opened = OpenBytes(qvdfgen::BuildContainer(containerSpec));
        EXPECT_TRUE(opened.ok);
        EXPECT_FALSE(opened.reader.HasThumbnail());
        EXPECT_EQ(opened.reader.GetThumbnailBitmap(0, {0, 0}), std::nullopt);
        EXPECT_STREQ(opened.reader.GetChannelName(1), "");
        EXPECT_EQ(opened.reader.GetImages()[1].definitionOffset, 0u);
    }
    {
        SCOPED_TRACE("a thumbnail record smaller than its pixels");
        qvdfgen::ContainerSpec containerSpec = TwoImages();
        containerSpec.images[0].thumbnail->sizeField = 32 + 7;
        Opened opened = OpenBytes(qvdfgen::BuildContainer(containerSpec));
        EXPECT_TRUE(opened.reader.HasThumbnail());
        EXPECT_EQ(opened.reader.GetThumbnailBitmap(0, {0, 0}), std::nullopt);
        EXPECT_TRUE(opened.reader.GetThumbnailBitmap(1, {0, 0}));
    }
}

TEST(CQVDFReader, RefusesFilesThatAreNoContainer) {
    qvdfgen::Layout layout;
    const std::vector<std::uint8_t> good = qvdfgen::BuildContainer(TwoImages(), &layout);
    struct Case {
        const char* what;
        std::uint64_t offset;
        std::uint32_t value;
    };
    const Case cases[] = {
        {"file header type 0", 8, 0},
        {"file header size below 16", 4, 15},
        {"table type 0", 16 + 8, 0},
        {"table size below 16", 16 + 4, 8},
        {"no table flag", 16 + 14, 0},
        {"totalSize low 32 bits 0", 16 + 16, 0},
        {"totalSize beyond the file", 16 + 16, 0xFFFFFFF0u},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::uint8_t> bytes = good;
        if (c.offset == 16 + 14) {
            qvdfgen::Put16(&bytes, c.offset, static_cast<std::uint16_t>(c.value));
        } else {
            qvdfgen::Put32(&bytes, c.offset, c.value);
        }
        Opened opened = OpenBytes(bytes);
        EXPECT_FALSE(opened.ok);
        EXPECT_EQ(opened.reader.GetImageCount(), 0);
        EXPECT_TRUE(opened.reader.GetNotes().empty());
    }
    // A table of contents that ends less than 32 bytes before the end of the file.
    qvdfgen::ContainerSpec empty;
    empty.tailBytes = 31;
    EXPECT_FALSE(OpenBytes(qvdfgen::BuildContainer(empty)).ok);
    empty.tailBytes = 32;
    EXPECT_TRUE(OpenBytes(qvdfgen::BuildContainer(empty)).ok);
    // The high 32 bits of totalSize are not used.
    std::vector<std::uint8_t> high = good;
    qvdfgen::Put32(&high, 16 + 20, 0x7FFFFFFF);
    EXPECT_TRUE(OpenBytes(high).ok);

    EXPECT_FALSE(OpenBytes(std::vector<std::uint8_t>(good.begin(), good.begin() + 15)).ok);
    CQVDFReader reader;
    EXPECT_FALSE(reader.Open(""));
    EXPECT_FALSE(reader.Open("/nonexistent/file.qvdf"));
}

TEST(CQVDFReader, HostileSizesAndLoopsStayBounded) {
    qvdfgen::Layout layout;
    const std::vector<std::uint8_t> good = qvdfgen::BuildContainer(TwoImages(), &layout);
    const std::uint64_t thumbnail = layout.thumbnails[0];
    const std::uint64_t group = layout.images[0];
    const std::uint64_t definition = layout.definitions[0];
    struct Patch {
        const char* what;
        std::uint64_t offset;
        std::uint64_t value;
        int width; // bytes
    };
    const Patch patches[] = {
        // Every entry is the first one again: one image, not four billion.
        {"entry step 0 and a huge count", 16 + 24, 0xFFFFFFFFull << 32, 8},
        {"overlapping entries", 16 + 28, 1, 4},
        {"thumbnail size beyond the file", thumbnail + 4, 0xFFFFFFF0u, 4},
        {"thumbnail sides beyond the record", thumbnail + 16, 0xFFFFFFFFu, 4},
        {"group table of total size 0", group + 16, 0, 8},
        {"group table reaching past the end", group + 16, 0xFFFFFFFFFFFFFFFFull, 8},
        {"image entry count huge", group + 24, 0xFFFFFFFFu, 4},
        {"image pointer far away", layout.tocEntries[0] + 16, 0xFFFFFFFFFFFFFF00ull, 8},
        {"thumbnail pointer far away", group + 32 + 16, 0xFFFFFFFFFFFFFFF0ull, 8},
        {"definition of size 0 in an open walk", definition + 4, 0, 4},
        {"definition that is a table of itself", definition + 14, 1, 2},
        {"text offset far away", layout.textOffsetEntry + 24, 0xFFFFFFFFFFFFFFFFull, 8},
        {"text size beyond the file", layout.text + 4, 0xFFFFFFFFu, 4},
        {"top-level record of size 0", 4, 0, 4},
    };
    for (const Patch& p : patches) {
        SCOPED_TRACE(p.what);
        std::vector<std::uint8_t> bytes = good;
        if (p.width == 8) {
            qvdfgen::Put64(&bytes, p.offset, p.value);
        } else if (p.width == 4) {
            qvdfgen::Put32(&bytes, p.offset, static_cast<std::uint32_t>(p.value));
        } else {
            qvdfgen::Put16(&bytes, p.offset, static_cast<std::uint16_t>(p.value));
        }
        Opened opened = OpenBytes(bytes);
        EXPECT_LE(opened.reader.GetImageCount(), 2);
        for (int i = 0; i < opened.reader.GetImageCount(); ++i) {
            opened.reader.GetThumbnailBitmap(i, {16, 16});
        }
    }
}

TEST(CQVDFReader, ManyImagesSharingOneThumbnailEachDrawIt) {
    qvdfgen::ContainerSpec containerSpec;
    std::vector<std::int8_t> pixels(64 * 64, 5);
    containerSpec.images.push_back(ImageWithThumbnail("Height", 64, 64, pixels));
    for (int i = 0; i < 200; ++i) {
        containerSpec.images.push_back(containerSpec.images[0]);
        containerSpec.images.back().thumbnail.reset();
    }
    qvdfgen::Layout layout;
    std::vector<std::uint8_t> bytes = qvdfgen::BuildContainer(containerSpec, &layout);
    // Every entry of the table of contents points at the first image.
    for (std::uint64_t entry : layout.tocEntries) {
        qvdfgen::Put64(&bytes, entry + 16, layout.images[0]);
    }
    Opened opened = OpenBytes(bytes);
    ASSERT_EQ(opened.reader.GetImageCount(), 201);
    EXPECT_TRUE(opened.reader.GetThumbnailBitmap(0, {0, 0}));
    EXPECT_TRUE(opened.reader.GetThumbnailBitmap(200, {16, 16}));
}

} // namespace
