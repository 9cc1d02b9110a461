// The batch command line: which lines start the viewer, which run exports, and which are refused.
#include "app/QV3DViewer/batch/BatchOptions.h"
#include "render/CColorTableHandler.h"

#include <gtest/gtest.h>

namespace {

BatchOptions Parse(const char* line) {
    QStringList arguments{QStringLiteral("vistrel-light")};
    const QString text = QString::fromUtf8(line);
    if (!text.isEmpty()) {
        arguments << text.split(QLatin1Char(' '));
    }
    return ParseBatchOptions(arguments);
}

TEST(BatchOptions, ModeOfEachCommandLine) {
    const std::pair<const char*, BatchOptions::Mode> cases[] = {
        {"", BatchOptions::gui},
        {"scan.ibw", BatchOptions::gui},
        {"-platform xcb scan.ibw", BatchOptions::gui}, // Qt's own options are left to Qt
        {"--help", BatchOptions::help},
        {"-h", BatchOptions::help},
        {"--version", BatchOptions::version},
        {"--export-image out.png scan.ibw", BatchOptions::run},
        {"--export-stl out.stl --export-vrml out.wrl --export-itx out.itx scan.ibw", BatchOptions::run},
        {"scan.ibw --export-image out.JPG --size 1600x1200 --channel Height --palette 3 --overlay 1 "
         "--rotate -45 --pitch 60.5 --zoom 2",
         BatchOptions::run},
        {"--export-image=out.bmp scan.ibw", BatchOptions::run},
        {"--bogus scan.ibw", BatchOptions::usageError},
        {"--export-image", BatchOptions::usageError},
        {"--size 10x10 scan.ibw", BatchOptions::usageError},
        {"--export-image out.gif scan.ibw", BatchOptions::usageError},
        {"--export-image out.png", BatchOptions::usageError},
        {"--export-image out.png a.ibw b.ibw", BatchOptions::usageError},
        {"--export-image a.png --export-image b.png scan.ibw", BatchOptions::usageError},
        {"--export-image out.png --size 0x10 scan.ibw", BatchOptions::usageError},
        {"--export-image out.png --size 8193x10 scan.ibw", BatchOptions::usageError},
        {"--export-image out.png --size 100 scan.ibw", BatchOptions::usageError},
        {"--export-image out.png --size 99999999999x1 scan.ibw", BatchOptions::usageError},
        {"--export-image out.png --palette 79 scan.ibw", BatchOptions::usageError},
        {"--export-image out.png --palette NoSuchTable scan.ibw", BatchOptions::usageError},
        {"--export-image out.png --rotate ten scan.ibw", BatchOptions::usageError},
        {"--export-image out.png --zoom nan scan.ibw", BatchOptions::usageError},
        {"--export-image out.png --pitch inf scan.ibw", BatchOptions::usageError},
    };
    for (const auto& [line, mode] : cases) {
        const BatchOptions options = Parse(line);
        EXPECT_EQ(options.mode, mode) << line << ": " << options.error.toStdString();
        // A refusal says why in one line.
        EXPECT_EQ(options.mode == BatchOptions::usageError, !options.error.isEmpty()) << line;
        EXPECT_FALSE(options.error.contains(QLatin1Char('\n'))) << line;
    }
}

TEST(BatchOptions, ValuesOfAFullCommandLine) {
    const BatchOptions options = Parse("scan.ibw --export-image out.JPG --size 1600x1200 --channel Height "
                                       "--palette rainbow --overlay 1 --rotate -45 --pitch 60.5 --zoom 2");
    ASSERT_EQ(options.mode, BatchOptions::run);
    EXPECT_EQ(options.file, QStringLiteral("scan.ibw"));
    EXPECT_EQ(options.imagePath, QStringLiteral("out.JPG"));
    EXPECT_EQ(options.imageFormat, 1);
    EXPECT_EQ(options.width, 1600);
    EXPECT_EQ(options.height, 1200);
    EXPECT_EQ(options.channel, QStringLiteral("Height"));
    EXPECT_EQ(options.palette, CColorTableHandler::FindByName("Rainbow")); // found ignoring case
    EXPECT_EQ(options.overlay, QStringLiteral("1"));
    EXPECT_FLOAT_EQ(options.rotate.value_or(0), -45.0f);
    EXPECT_FLOAT_EQ(options.pitch.value_or(0), 60.5f);
    EXPECT_FLOAT_EQ(options.zoom.value_or(0), 2.0f);
    EXPECT_TRUE(options.stlPath.isEmpty());
}

TEST(BatchOptions, DefaultsAndIndexes) {
    const BatchOptions options = Parse("--export-stl out.stl --palette 78 scan.ibw");
    ASSERT_EQ(options.mode, BatchOptions::run);
    EXPECT_EQ(options.stlPath, QStringLiteral("out.stl"));
    EXPECT_EQ(options.width, 1024);
    EXPECT_EQ(options.height, 768);
    EXPECT_EQ(options.palette, 78);
    EXPECT_TRUE(options.channel.isEmpty());
    EXPECT_FALSE(options.rotate.has_value());
    EXPECT_EQ(Parse("--export-stl out.stl scan.ibw").palette, -1);
    EXPECT_EQ(Parse("scan.ibw").file, QStringLiteral("scan.ibw"));
}

TEST(BatchOptions, HelpNamesEveryOption) {
    const QString help = BatchHelpText();
    for (const char* name :
         {"--export-image", "--export-stl", "--export-vrml", "--export-itx", "--size", "--channel",
          "--palette", "--overlay", "--rotate", "--pitch", "--zoom", "--help", "--version", "Exit status"}) {
        EXPECT_TRUE(help.contains(QString::fromLatin1(name))) << name;
    }
}

} // namespace
