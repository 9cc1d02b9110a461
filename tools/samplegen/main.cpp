// samplegen OUTPUT: writes the bundled sample image (data/sample.ibw).
#include "tools/samplegen/SampleWave.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: samplegen OUTPUT\n");
        return 2;
    }
    if (!ibwgen::WriteWaveFile(argv[1], SampleWave())) {
        std::fprintf(stderr, "samplegen: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
