// The large scans the viewer benchmarks open: side x side points in up to four channels, gentle
// waves so the surface is not flat, the same shape at every size.
#pragma once

#include "tools/ibwgen/IbwGen.h"

#include <QString>
#include <QTemporaryDir>

#include <cmath>
#include <string>
#include <vector>

// Writes the wave into `dir` and returns its path.
inline QString WriteSurfaceWave(const QTemporaryDir& dir, int side, int layers) {
    ibwgen::WaveSpec waveSpec;
    waveSpec.dims = {side, side, layers, 0};
    waveSpec.spacing = {1e-8, 1e-8, 1, 1};
    waveSpec.dimUnits = {"m", "m", "", ""};
    const std::vector<std::string> names = {"HeightRetrace", "AmplitudeRetrace", "PhaseRetrace",
                                            "ZSensorRetrace"};
    waveSpec.dimLabels[2].assign(names.begin(), names.begin() + layers);
    waveSpec.values.resize(static_cast<std::size_t>(side) * side * layers);
    for (std::size_t i = 0; i < waveSpec.values.size(); ++i) {
        const double x = static_cast<double>(i % side) * 2048.0 / side;
        const double y = static_cast<double>((i / side) % side) * 2048.0 / side;
        waveSpec.values[i] = static_cast<float>(1e-8 * (std::sin(x * 0.01) + std::cos(y * 0.013)));
    }
    const QString path = dir.filePath(QStringLiteral("wave%1x%2.ibw").arg(side).arg(layers));
    ibwgen::WriteWaveFile(path.toStdString(), waveSpec);
    return path;
}
