// seeds_fuzz_prefs CORPUS_DIR: stored preference texts as the store writes them (the formatter's
// own output for typical values) and the damaged forms a hand-edited settings file may hold.
#include "tests/fuzz/SeedCorpus.h"
#include "ui/PreferenceText.h"

#include <cstdio>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    std::optional<SeedCorpus> corpus = SeedCorpus::FromArguments(argc, argv, "seeds_fuzz_prefs");
    if (!corpus) {
        return 2;
    }

    std::vector<std::string> texts;
    for (float value : {0.5f, 0.3333f, 0.95f, -2.0f, 5.0f, 1e-6f, 123456.0f}) {
        texts.push_back(FormatPreferenceFloat(value));
    }
    for (ColorRGBA colour :
         {ColorRGBA{255, 255, 255, 0}, ColorRGBA{0, 176, 0, 255}, ColorRGBA{0, 0, 255, 255}}) {
        texts.push_back(FormatPreferenceColor(colour));
    }
    for (const char* text : {"  -1.5e-3", "+0x1.8p3", "1e39", "-inf", "nan", "7,5", "0x", "0XG1", "-0x00b000",
                             "12 34", "123456789ABCDEF0123", ".e5", "\t\n+.5e+"}) {
        texts.push_back(text);
    }
    for (const std::string& text : texts) {
        std::ofstream out(corpus->NextPath(), std::ios::binary);
        out << text;
        if (!out) {
            std::fprintf(stderr, "seeds_fuzz_prefs: cannot write into %s\n",
                         corpus->Folder().string().c_str());
            return 1;
        }
    }
    return 0;
}
