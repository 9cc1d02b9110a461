#pragma once

#include "tools/ibwgen/IbwGen.h"

// The bundled sample image: a 5 um scan of a calibration grating with particles, 512 x 512 points,
// four layers (HeightRetrace, AmplitudeRetrace, PhaseRetrace, ZSensorRetrace), a note of scan
// parameters and display hints, the instrument trailer and a version-2 preview footer.
// Generated from a fixed seed with arithmetic only, so the bytes are the same on every machine.
ibwgen::WaveSpec SampleWave();
