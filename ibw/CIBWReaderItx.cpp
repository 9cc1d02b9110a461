// Igor text export of one channel: header, one line per column, scaling commands, note commands.
#include "ibw/CIBWReader.h"

#include "ibw/IgorTextSyntax.h"

#include "base/SafeFileWriter.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

namespace {

constexpr std::size_t kNoteLineLimit = 300; // characters per Igor note command
constexpr std::size_t kPairsPerGroup = 10;

// 9 significant digits read back as the same 32-bit float.
constexpr int kFloatDigits = 9;
constexpr int kStepDigits = 15;

// Non-finite values are the words Igor reads back, not "-nan".
std::string NonFiniteWord(double value) {
    if (std::isnan(value)) {
        return "NaN";
    }
    return value > 0 ? "INF" : "-INF";
}

// printf's %.*g in the "C" locale whatever the process locale is (a decimal comma would make
// the file unreadable).
std::string FormatNumber(double value, int precision) {
    if (!std::isfinite(value)) {
        return NonFiniteWord(value);
    }
    char text[64];
    const std::to_chars_result end =
        std::to_chars(text, text + sizeof text, value, std::chars_format::general, precision);
    return std::string(text, end.ptr);
}

// The shortest text that reads back as the same double.
std::string FormatExact(double value) {
    if (!std::isfinite(value)) {
        return NonFiniteWord(value);
    }
    char text[64];
    const std::to_chars_result end =
        std::to_chars(text, text + sizeof text, value, std::chars_format::general);
    return std::string(text, end.ptr);
}

// A note value too long for one command, in escaped pieces of at most the line limit; an escape
// is never cut in two.
std::vector<std::string> EscapedPieces(const std::string& value) {
    std::vector<std::string> pieces(1);
    for (char c : value) {
        const std::string escaped = IgorStringContents(std::string(1, c));
        if (pieces.back().size() + escaped.size() > kNoteLineLimit) {
            pieces.emplace_back();
        }
        pieces.back() += escaped;
    }
    return pieces;
}

void WriteNoteLines(SafeFileWriter& out, const std::string& waveName,
                    const std::vector<std::pair<std::string, std::string>>& pairs) {
    const std::string opening = "X Note " + waveName + ", \"";
    const std::string closing = "\"\n";
    std::size_t next = 0;
    while (next < pairs.size()) {
        std::size_t groupSize = std::min(pairs.size() - next, kPairsPerGroup);
        out.Write(opening);
        std::string line;
        bool piecesWritten = false;
        std::size_t g = 0;
        for (; g < groupSize; ++g) {
            const std::string key = IgorStringContents(pairs[next + g].first);
            const std::string& rawValue = pairs[next + g].second;
            const std::string value = IgorStringContents(rawValue);
            if (line.size() >= kNoteLineLimit) {
                break;
            }
            if (value.size() > kNoteLineLimit) {
                // A long value goes out in pieces, each closing its own note command.
                if (!line.empty()) {
                    out.Write(line + closing);
                    out.Write(opening);
                }
                out.Write(key + ": ");
                const std::vector<std::string> pieces = EscapedPieces(rawValue);
                for (std::size_t k = 0; k < pieces.size(); ++k) {
                    if (k != 0) {
                        out.Write(opening);
                    }
                    out.Write(pieces[k] + closing);
                }
                piecesWritten = true;
                ++g;
                break;
            }
            line += key + ": " + value;
            if (g + 1 < groupSize || next + g + 1 == pairs.size()) {
                line += "\\r";
            }
        }
        if (!piecesWritten && !line.empty()) {
            out.Write(line + closing);
        }
        next += g;
    }
}

} // namespace

bool CIBWReader::WriteItx(const std::string& path, const std::string& waveName, int index, bool noteWanted,
                          std::string* error) const {
    const CIBWChannel* channel = GetChannel(index);
    if (channel == nullptr) {
        if (error != nullptr) {
            *error = "no channel " + std::to_string(index);
        }
        return false;
    }
    const std::string name = IgorWaveNameInCommand(waveName);
    SafeFileWriter out(path);
    if (out.Open()) {
        out.Write("IGOR\nWAVES/N=(" + std::to_string(channel->columns) + "," + std::to_string(channel->rows) +
                  ",1)\t" + name + "\nBEGIN\n");
        std::string line;
        for (std::int32_t i = 0; i < channel->columns; ++i) {
            line.clear();
            for (std::int32_t j = 0; j < channel->rows; ++j) {
                line += "\t";
                line += FormatNumber(
                    static_cast<double>(channel->data[i + std::int64_t{j} * channel->columns]), kFloatDigits);
            }
            line += "\n";
            out.Write(line);
        }
        out.Write("END\n");
        const auto axis = [&](const char* letter, double start, double extent, std::int32_t count,
                              const std::string& unit) {
            return std::string("SetScale/P ") + letter + " " + FormatExact(start) + "," +
                   FormatNumber(extent / (count - 1), kStepDigits) + ",\"" + IgorStringContents(unit) +
                   "\", " + name;
        };
        out.Write("X " + axis("x", channel->xStart, channel->xExtent, channel->columns, channel->xUnit) +
                  "; " + axis("y", channel->yStart, channel->yExtent, channel->rows, channel->yUnit) +
                  "; SetScale d 0,0,\"" + IgorStringContents(channel->zUnit) + "\", " + name + "\n");
        if (noteWanted && note && !note->pairs.empty()) {
            WriteNoteLines(out, name, note->pairs);
        }
    }
    if (!out.Commit()) {
        if (error != nullptr) {
            *error = out.Error();
        }
        return false;
    }
    return true;
}
