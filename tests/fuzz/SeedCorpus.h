// The corpus folder a seed generator fills, taken from its one argument, and the numbered names
// of the seeds it writes there.
#pragma once

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

class SeedCorpus {
public:
    // The folder named by the only argument, created; nothing (after a usage line) otherwise.
    static std::optional<SeedCorpus> FromArguments(int argc, char** argv, const char* program) {
        if (argc != 2) {
            std::fprintf(stderr, "usage: %s CORPUS_DIR\n", program);
            return std::nullopt;
        }
        std::error_code error;
        std::filesystem::create_directories(argv[1], error);
        if (error) {
            std::fprintf(stderr, "%s: cannot create %s: %s\n", program, argv[1], error.message().c_str());
            return std::nullopt;
        }
        return SeedCorpus(argv[1]);
    }

    // A path for the next seed: seed_N followed by the extension.
    std::string NextPath(const std::string& extension = "") {
        return (dir / ("seed_" + std::to_string(count++) + extension)).string();
    }

    const std::filesystem::path& Folder() const { return dir; }

private:
    explicit SeedCorpus(std::filesystem::path folder) : dir(std::move(folder)) {}

    std::filesystem::path dir;
    int count = 0;
};
