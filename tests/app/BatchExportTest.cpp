// The batch mode end to end: the program is started as a child process (under the test's X
// server) on a fixture and what it wrote is decoded.
#include "AppTestFiles.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <cmath>
#include <csignal>
#include <cstring>
#include <limits>
#include <fstream>
#include <sys/resource.h>
#include <unistd.h>

namespace {

struct Outcome {
    int status = -1;
    QString stderrText;
};

class BatchExport : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("config")));
        ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("runtime")));
        QFile::setPermissions(dir.filePath(QStringLiteral("runtime")),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

    // Runs the program with `arguments` and the fixture file last.
    Outcome Run(QStringList arguments, rlim_t fileSizeLimit = 0) {
        return RunOn(arguments << QString::fromStdString(wave.path()), fileSizeLimit);
    }

    // `fileSizeLimit` > 0 caps every file the child writes at that many bytes.
    Outcome RunOn(const QStringList& arguments, rlim_t fileSizeLimit = 0) {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        // The user's own preferences and caches stay out of the test.
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_CACHE_HOME"), dir.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir.filePath(QStringLiteral("runtime")));
        env.insert(QStringLiteral("MESA_SHADER_CACHE_DISABLE"), QStringLiteral("true"));
        // The batch mode picks its own platform, as it does for a user.
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        process.setProcessEnvironment(env);
        if (fileSizeLimit > 0) {
            process.setChildProcessModifier([fileSizeLimit] {
                std::signal(SIGXFSZ, SIG_IGN);
                const rlimit limit{fileSizeLimit, fileSizeLimit};
                setrlimit(RLIMIT_FSIZE, &limit);
            });
        }
        process.start(QStringLiteral(VISTREL_LIGHT), arguments);
        Outcome outcome;
        if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit) {
            return outcome;
        }
        outcome.status = process.exitCode();
        outcome.stderrText = QString::fromLocal8Bit(process.readAllStandardError());
        return outcome;
    }

    QString Out(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    // Two channels of 40 x 30: a slope, and values from 1200 on.
    apptest::TempFile wave{apptest::ImageSpec(40, 30, {"Height", "Amplitude"})};
    QTemporaryDir dir;
};

std::string ReadAll(const QString& path) {
    std::ifstream in(path.toStdString(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string FirstLine(const QString& path) {
    const std::string text = ReadAll(path);
    const std::string line = text.substr(0, text.find('\n'));
    return !line.empty() && line.back() == '\r' ? line.substr(0, line.size() - 1) : line;
}

// One line ending in a line feed, from the program.
void ExpectOneErrorLine(const Outcome& outcome) {
    EXPECT_TRUE(outcome.stderrText.startsWith(QStringLiteral("vistrel-light: ")))
        << outcome.stderrText.toStdString();
    EXPECT_EQ(outcome.stderrText.count(QLatin1Char('\n')), 1) << outcome.stderrText.toStdString();
}

TEST_F(BatchExport, PicturesOfEachFormatHaveTheAskedSize) {
    for (const char* name : {"view.png", "view.jpg", "view.tif", "view.bmp"}) {
        const Outcome outcome =
            Run({QStringLiteral("--export-image"), Out(name), QStringLiteral("--size"),
                 QStringLiteral("160x120"), QStringLiteral("--rotate"), QStringLiteral("30")});
        ASSERT_EQ(outcome.status, 0) << name << ": " << outcome.stderrText.toStdString();
        EXPECT_TRUE(outcome.stderrText.isEmpty()) << outcome.stderrText.toStdString();
        const QImage image(Out(name));
        ASSERT_FALSE(image.isNull()) << name;
        EXPECT_EQ(image.size(), QSize(160, 120)) << name;
        // Something was drawn: a background of one colour and a surface of many.
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); y += 3) {
            for (int x = 0; x < image.width(); x += 3) {
                colours.insert(image.pixel(x, y));
            }
        }
        EXPECT_GT(colours.size(), 20) << name;
    }
}

TEST_F(BatchExport, SolidsAndIgorTextOfTheChosenChannel) {
    const Outcome outcome =
        Run({QStringLiteral("--export-stl"), Out("surface.stl"), QStringLiteral("--export-vrml"),
             Out("surface.wrl"), QStringLiteral("--export-itx"), Out("amplitude.itx"),
             QStringLiteral("--channel"), QStringLiteral("Amplitude")});
    ASSERT_EQ(outcome.status, 0) << outcome.stderrText.toStdString();

    const std::string stl = ReadAll(Out("surface.stl"));
    ASSERT_GE(stl.size(), 84u);
    EXPECT_EQ(stl.substr(0, 80), std::string(80, ' '));
    std::uint32_t count = 0;
    std::memcpy(&count, stl.data() + 80, 4);
    EXPECT_EQ(stl.size(), 84u + 50u * count);
    EXPECT_GT(count, 2u * 39u * 29u); // the top and the closing walls and floor

    EXPECT_EQ(FirstLine(Out("surface.wrl")), "#VRML V2.0 utf8");

    const std::string itx = ReadAll(Out("amplitude.itx"));
    EXPECT_EQ(FirstLine(Out("amplitude.itx")), "IGOR");
    EXPECT_NE(itx.find("WAVES/N=(40,30,1)\tamplitude\n"), std::string::npos);
    // The second channel's first value.
    EXPECT_NE(itx.find("BEGIN\n\t1200\t"), std::string::npos);
}

// A wave whose spacings cannot be drawn is exported over its element indices with one line
// that says so; before, the VRML file held "-nan" and nothing was said.
TEST_F(BatchExport, UndrawableSpacingIsToldAndExportedAsOne) {
    for (const auto& [x, y] : {std::pair{0.0, 2e-8}, {1e-8, std::numeric_limits<double>::quiet_NaN()}}) {
        SCOPED_TRACE(std::to_string(x) + ", " + std::to_string(y));
        ibwgen::WaveSpec waveSpec = apptest::ImageSpec(6, 5, {"Height"});
        waveSpec.spacing = {x, y, 1, 1};
        const apptest::TempFile odd(waveSpec, "-odd.ibw");
        const Outcome outcome = RunOn(
            {QStringLiteral("--export-stl"), Out("odd.stl"), QStringLiteral("--export-vrml"), Out("odd.wrl"),
             QStringLiteral("--export-itx"), Out("odd.itx"), QString::fromStdString(odd.path())});
        ASSERT_EQ(outcome.status, 0) << outcome.stderrText.toStdString();
        EXPECT_EQ(outcome.stderrText.count(QLatin1Char('\n')), 1) << outcome.stderrText.toStdString();
        EXPECT_TRUE(
            outcome.stderrText.contains(QStringLiteral("it is drawn and exported with a spacing of 1")))
            << outcome.stderrText.toStdString();

        const std::string wrl = ReadAll(Out("odd.wrl"));
        EXPECT_EQ(wrl.find("nan"), std::string::npos);
        EXPECT_EQ(wrl.find("inf"), std::string::npos);
        const std::string stl = ReadAll(Out("odd.stl"));
        ASSERT_EQ(stl.size(), 84u + 50u * (2u * 5u * 4u + 6u * 6u + 6u * 5u - 12u));
        for (std::size_t at = 84; at + 50 <= stl.size(); at += 50) {
            for (std::size_t k = 0; k < 12; ++k) {
                float v = 0;
                std::memcpy(&v, stl.data() + at + 4 * k, 4);
                ASSERT_TRUE(std::isfinite(v)) << "facet at " << at;
            }
        }
        const std::string itx = ReadAll(Out("odd.itx"));
        EXPECT_NE(itx.find(x == 0 ? "SetScale/P x " : "SetScale/P y "), std::string::npos);
        EXPECT_NE(itx.find(x == 0 ? ",1,\"m\", odd; SetScale/P y" : ",1,\"m\", odd; SetScale d"),
                  std::string::npos)
            << itx.substr(itx.find("X SetScale"));
    }
}

TEST_F(BatchExport, FailuresExitNonZeroWithOneLine) {
    const std::pair<QStringList, int> cases[] = {
        {{QStringLiteral("--export-image"), Out("x.png"), QStringLiteral("--bogus")}, 2},
        {{QStringLiteral("--export-image"), Out("x.png"), QStringLiteral("--palette"),
          QStringLiteral("NoSuch")},
         2},
        {{QStringLiteral("--export-image"), Out("x.png"), QStringLiteral("--channel"),
          QStringLiteral("Phase")},
         1},
        {{QStringLiteral("--export-image"), Out("x.png"), QStringLiteral("--channel"), QStringLiteral("2")},
         1},
        {{QStringLiteral("--export-image"), Out("missing-folder/x.png")}, 1},
        {{QStringLiteral("--export-stl"), Out("missing-folder/x.stl")}, 1},
        {{QStringLiteral("--export-vrml"), Out("missing-folder/x.wrl")}, 1},
        {{QStringLiteral("--export-itx"), Out("missing-folder/x.itx")}, 1},
    };
    for (const auto& [arguments, status] : cases) {
        const Outcome outcome = Run(arguments);
        EXPECT_EQ(outcome.status, status) << arguments.join(QLatin1Char(' ')).toStdString();
        ExpectOneErrorLine(outcome);
    }
    const apptest::TempFile text(std::vector<std::uint8_t>{'n', 'o', 't', ' ', 'a', ' ', 'w', 'a', 'v', 'e'},
                                 ".ibw");
    for (const QString& file :
         {dir.filePath(QStringLiteral("absent.ibw")), QString::fromStdString(text.path())}) {
        const Outcome outcome = RunOn({QStringLiteral("--export-image"), Out("x.png"), file});
        EXPECT_EQ(outcome.status, 1) << file.toStdString();
        ExpectOneErrorLine(outcome);
    }
    EXPECT_EQ(RunOn({QStringLiteral("--export-image"), Out("x.png"), QString::fromStdString(wave.path()),
                     QString::fromStdString(text.path())})
                  .status,
              2)
        << "two wave files";
    EXPECT_FALSE(QFile::exists(Out("x.png")));
}

TEST_F(BatchExport, AFileThatCannotBeShownIsNamedWithWhatItHolds) {
    ibwgen::WaveSpec force = apptest::ImageSpec(16, 2, {});
    force.dims = {16, 2, 0, 0};
    force.values.resize(32);
    force.trailer = ibwgen::Trailer::Force;
    const apptest::TempFile file(force);
    const QString path = QString::fromStdString(file.path());
    const Outcome outcome = RunOn({QStringLiteral("--export-image"), Out("x.png"), path});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(
        outcome.stderrText,
        QStringLiteral("vistrel-light: cannot show '%1': it holds a force curve of 16 points in 2 channels\n")
            .arg(path));
}

TEST_F(BatchExport, FailedWriteLeavesTheExistingFileUntouched) {
    const QString target = Out("figure.bmp");
    {
        QFile existing(target);
        ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
        existing.write("the figure of last week");
    }
    // The write breaks off after 4 KB, well inside the 360 KB picture.
    const Outcome outcome =
        Run({QStringLiteral("--export-image"), target, QStringLiteral("--size"), QStringLiteral("400x300")},
            4096);
    EXPECT_EQ(outcome.status, 1);
    ExpectOneErrorLine(outcome);
    EXPECT_EQ(ReadAll(target), "the figure of last week");
    const QStringList left =
        QDir(dir.path()).entryList({QStringLiteral("figure*")}, QDir::Files | QDir::Hidden);
    EXPECT_EQ(left, QStringList{QStringLiteral("figure.bmp")}) << "no partial file is left beside it";

    if (geteuid() != 0) {
        // A folder the user may not write to; root could write anyway.
        ASSERT_TRUE(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        const Outcome locked = Run({QStringLiteral("--export-image"), target});
        QFile::setPermissions(dir.path(),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        EXPECT_EQ(locked.status, 1);
        ExpectOneErrorLine(locked);
        EXPECT_EQ(ReadAll(target), "the figure of last week");
    }
}

} // namespace
