#include "tools/samplegen/SampleWave.h"

#include "tools/ibwgen/ImagePreview.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>

namespace {

constexpr int kSize = 512;
constexpr double kScan = 5e-6;   // metres
constexpr double kPitch = 1e-6;  // grating period
constexpr double kDepth = 20e-9; // pit depth
constexpr double kEdge = 40e-9;  // width of the tip-broadened pit walls
constexpr int kParticles = 40;
constexpr std::uint32_t kSeed = 20240607;

// mt19937 is fully specified; the distributions of <random> are not, so they are built here.
class Noise {
public:
    double Uniform() { return static_cast<double>(m_engine() >> 8) * (1.0 / 16777216.0); }
    // Sum of four uniforms: near-Gaussian with unit variance, without libm.
    double Gauss() { return (Uniform() + Uniform() + Uniform() + Uniform() - 2.0) * std::sqrt(3.0); }

private:
    std::mt19937 m_engine{kSeed};
};

struct Particle {
    double x, y, radius, height;
};

// Depth profile of one pit coordinate: positive inside the pit's half of the period.
double InsidePit(double coordinate) {
    double u = std::fmod(coordinate, kPitch) / kPitch;
    return std::min(u - 0.25, 0.75 - u) * kPitch;
}

} // namespace

ibwgen::WaveSpec SampleWave() {
    Noise noise;
    std::vector<Particle> particles;
    for (int p = 0; p < kParticles; ++p) {
        Particle particle;
        particle.x = noise.Uniform() * kScan;
        particle.y = noise.Uniform() * kScan;
        particle.radius = 30e-9 + noise.Uniform() * 60e-9;
        particle.height = 8e-9 + noise.Uniform() * 22e-9;
        particles.push_back(particle);
    }

    const std::size_t n = static_cast<std::size_t>(kSize) * kSize;
    std::vector<double> surface(n);  // the ideal sample: grating and particles
    std::vector<double> coverage(n); // how much of a particle lies under the tip, 0..1
    const double step = kScan / (kSize - 1);
    for (int j = 0; j < kSize; ++j) {
        for (int i = 0; i < kSize; ++i) {
            double x = i * step;
            double y = j * step;
            double inside = std::min(InsidePit(x), InsidePit(y));
            double h = -kDepth * std::clamp(inside / kEdge + 0.5, 0.0, 1.0);
            double bump = 0;
            double cover = 0;
            for (const Particle& p : particles) {
                double d2 = (x - p.x) * (x - p.x) + (y - p.y) * (y - p.y);
                double r2 = p.radius * p.radius;
                if (d2 < r2) {
                    double t = 1.0 - d2 / r2;
                    bump = std::max(bump, p.height * t * t);
                    cover = std::max(cover, t);
                }
            }
            surface[i + j * static_cast<std::size_t>(kSize)] = h + bump;
            coverage[i + j * static_cast<std::size_t>(kSize)] = cover;
        }
    }

    ibwgen::WaveSpec waveSpec;
    waveSpec.waveName = "Grating0001";
    waveSpec.dims = {kSize, kSize, 4, 0};
    waveSpec.spacing = {step, step, 1, 1};
    waveSpec.start = {0, 0, 0, 0};
    waveSpec.dimUnits = {"m", "m", "", ""};
    waveSpec.dimLabels[2] = {"HeightRetrace", "AmplitudeRetrace", "PhaseRetrace", "ZSensorRetrace"};
    waveSpec.values.resize(4 * n);
    float* height = waveSpec.values.data();
    float* amplitude = height + n;
    float* phase = amplitude + n;
    float* zsensor = phase + n;
    for (int j = 0; j < kSize; ++j) {
        double lineOffset = 0.6e-9 * noise.Gauss(); // scan-line noise: each line levelled differently
        double creep = 2e-9 * (j / double(kSize)) * (j / double(kSize));
        for (int i = 0; i < kSize; ++i) {
            std::size_t k = i + j * static_cast<std::size_t>(kSize);
            double tilt = 3e-3 * (i * step) - 1.5e-3 * (j * step);
            double slope = surface[std::min(k + 1, n - 1)] - surface[k == 0 ? 0 : k - 1];
            height[k] = static_cast<float>(surface[k] + tilt + lineOffset + 0.15e-9 * noise.Gauss());
            amplitude[k] = static_cast<float>(0.2 * slope + 0.05e-9 * noise.Gauss());
            phase[k] = static_cast<float>(90.0 + 15.0 * coverage[k] + 0.3 * noise.Gauss());
            zsensor[k] = static_cast<float>(surface[k] + tilt + creep + 0.05e-9 * noise.Gauss());
        }
    }
    // A few points where the feedback lost the surface.
    for (int j = 400; j < 406; ++j) {
        for (int i = 60; i < 70; ++i) {
            height[i + j * static_cast<std::size_t>(kSize)] = std::numeric_limits<float>::quiet_NaN();
        }
    }

    waveSpec.note =
        "ScanSize: 5e-06\rFastScanSize: 5e-06\rSlowScanSize: 5e-06\rScanRate: 1\rScanPoints: 512\r"
        "ScanLines: 512\rScanAngle: 0\rImagingMode: 1\rScanDown: 0\rSetpoint: 0.8\r"
        "DriveAmplitude: 0.12\rTime: 10:42:17\r"
        "Display Range 0: 7e-08\rDisplay Offset 0: 5e-09\rColorMap 0: VioletOrangeYellow\r"
        "Display Range 1: 8e-09\rDisplay Offset 1: 0\rColorMap 1: Grays256\r"
        "Display Range 2: 20\rDisplay Offset 2: 96\rColorMap 2: Copper\r"
        "Display Range 3: 7e-08\rDisplay Offset 3: 5e-09\rColorMap 3: Terrain256\r";
    waveSpec.trailer = ibwgen::Trailer::KTZ9W;

    ibwgen::ImagePreviewFooter footer;
    footer.version = 2;
    footer.width = 128;
    footer.height = 128;
    footer.channelNames = waveSpec.dimLabels[2];
    for (int layer = 0; layer < 4; ++layer) {
        footer.pixels.push_back(ibwgen::MakeImagePreview(waveSpec.values.data() + layer * n, kSize, kSize,
                                                         footer.width, footer.height));
    }
    waveSpec.imageFooter = footer;
    return waveSpec;
}
