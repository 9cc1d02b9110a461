// ibwgen: writes a wave file from key=value arguments or from @FILE (one key=value per line).
#include "tools/ibwgen/ParseWaveSpec.h"

#include <cstdio>
#include <fstream>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: ibwgen OUTPUT [key=value | @FILE]...\n"
                             "keys: byteorder version type name dims spacing start dataunits dimunits\n"
                             "      dimname0..3 labels0..3 note trailer fill values preview footerversion\n"
                             "      points wavesize notesize checksumdelta\n");
        return 2;
    }
    std::vector<std::string> lines;
    for (int i = 2; i < argc; ++i) {
        std::string arg = argv[i];
        if (!arg.starts_with("@")) {
            lines.push_back(arg);
            continue;
        }
        std::ifstream in(arg.substr(1));
        if (!in) {
            std::fprintf(stderr, "ibwgen: cannot read %s\n", arg.c_str() + 1);
            return 1;
        }
        for (std::string line; std::getline(in, line);) {
            lines.push_back(line);
        }
    }
    ibwgen::WaveSpec waveSpec;
    std::string error;
    if (!ibwgen::ParseWaveSpec(lines, &waveSpec, &error)) {
        std::fprintf(stderr, "ibwgen: %s\n", error.c_str());
        return 1;
    }
    if (!ibwgen::WriteWaveFile(argv[1], waveSpec)) {
        std::fprintf(stderr, "ibwgen: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
