// Igor text export of one channel: header, one line per column, scaling commands, note commands.
#include "ibw/CIBWReader.h"

#include "base/SafeFileWriter.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

constexpr std::size_t kNoteLineLimit = 300; // characters per Igor note command
constexpr std::size_t kPairsPerGroup = 10;

// printf's %.*g in the "C" locale whatever the process locale is (a decimal comma would make
// the file unreadable); non-finite values are the words Igor reads back, not "-nan".
std::string FormatNumber(double value, int precision) {
    if (std::isnan(value)) {
        return "NaN";
    }
    if (std::isinf(value)) {
        return value > 0 ? "INF" : "-INF";
    }
    char text[64];
    const std::to_chars_result end =
        std::to_chars(text, text + sizeof text, value, std::chars_format::general, precision);
    return std::string(text, end.ptr);
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
            const auto& [key, value] = pairs[next + g];
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
                for (std::size_t at = 0; at < value.size(); at += kNoteLineLimit) {
                    if (at != 0) {
                        out.Write(opening);
                    }
                    out.Write(value.substr(at, kNoteLineLimit) + closing);
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
    SafeFileWriter out(path);
    if (out.Open()) {
        out.Write("IGOR\nWAVES/N=(" + std::to_string(channel->columns) + "," + std::to_string(channel->rows) +
                  ",1)\t" + waveName + "\nBEGIN\n");
        std::string line;
        for (std::int32_t i = 0; i < channel->columns; ++i) {
            line.clear();
            for (std::int32_t j = 0; j < channel->rows; ++j) {
                line += "\t";
                line += FormatNumber(
                    static_cast<double>(channel->data[i + std::int64_t{j} * channel->columns]), 6);
            }
            line += "\n";
            out.Write(line);
        }
        out.Write("END\n");
        out.Write("X SetScale/P x 0," + FormatNumber(channel->xExtent / (channel->columns - 1), 15) + ",\"" +
                  channel->xUnit + "\", " + waveName + "; SetScale/P y 0," +
                  FormatNumber(channel->yExtent / (channel->rows - 1), 15) + ",\"" + channel->yUnit + "\", " +
                  waveName + "; SetScale d 0,0,\"" + channel->zUnit + "\", " + waveName + "\n");
        if (noteWanted && note && !note->pairs.empty()) {
            WriteNoteLines(out, waveName, note->pairs);
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
