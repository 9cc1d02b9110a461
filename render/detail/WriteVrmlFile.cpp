// VRML 2.0 text with CR LF line ends: every triangle's own three vertices, white walls and
// floor, per-vertex colours on the top.
#include "SolidTriangles.h"

#include "base/SafeFileWriter.h"
#include "FixedDecimal.h"

#include <charconv>
#include <cstring>
#include <string>
#include <string_view>

namespace {
// Buffers the text with CR LF line ends: Put turns every "\n" of a fixed text into CR LF, the
// number lines are made with CR LF at once.
class CrLfWriter {
public:
    explicit CrLfWriter(SafeFileWriter& f) : file(f) { text.reserve(kFlush + 512); }

    void Put(const char* s) {
        for (; *s != '\0'; ++s) {
            if (*s == '\n')
                text.push_back('\r');
            text.push_back(*s);
        }
        FlushWhenFull();
    }

    // A line that already ends in CR LF.
    void PutLine(std::string_view line) {
        text.append(line);
        FlushWhenFull();
    }

    // "\t\t\t%0.Nf %0.Nf %0.Nf,\n" in the "C" locale, whatever the process locale is: a
    // decimal comma would make the file unreadable.
    void PutFixedLine(float a, float b, float c, int decimals) {
        char line[256] = "\t\t\t";
        char* at = line + 3;
        char* const end = line + sizeof line - 4;
        for (float v : {a, b, c}) {
            if (at != line + 3)
                *at++ = ' ';
            at = WriteFixedDecimal(at, end, v, decimals);
        }
        std::memcpy(at, ",\r\n", 3);
        PutLine(std::string_view(line, static_cast<std::size_t>(at + 3 - line)));
    }

    void PutIndexLine(std::size_t first) {
        char line[96] = "\t\t\t";
        char* at = line + 3;
        for (std::size_t k = 0; k < 3; ++k) {
            at = std::to_chars(at, line + sizeof line, first + k).ptr;
            *at++ = ',';
            *at++ = ' ';
        }
        std::memcpy(at, "-1,\r\n", 5);
        PutLine(std::string_view(line, static_cast<std::size_t>(at + 5 - line)));
    }

    void Flush() {
        file.Write(text);
        text.clear();
    }

private:
    static constexpr std::size_t kFlush = 1 << 20;

    void FlushWhenFull() {
        if (text.size() >= kFlush)
            Flush();
    }

    SafeFileWriter& file;
    std::string text;
};

void WriteVrml(CrLfWriter& out, std::size_t cols, std::size_t rows, const float* positions,
               const float* colors, bool withColor) {
    for (const char* line :
         {"#VRML V2.0 utf8\n", "#\n", "# Quorvane\n", "#\n", "Transform {\n", "\tchildren Shape {\n",
          "\t\tgeometry IndexedFaceSet {\n", "\t\tcoord Coordinate {\n", "\t\t\tpoint [\n"})
        out.Put(line);
    std::size_t triangles = 0;
    std::size_t topTriangles = 0;
    ForEachSolidTriangle(cols, rows, positions, TopOrder::Vrml, [&](const SolidTriangle& t) {
        for (const SolidPoint& v : t.v)
            out.PutFixedLine(v.x, v.y, v.z, 6);
        ++triangles;
        if (t.face == SolidFace::Top)
            ++topTriangles;
    });
    out.Put("\t\t\t]\n");
    out.Put("\t\t}\n\n");
    out.Put("\t\tcoordIndex [\n");
    for (std::size_t k = 0; k < triangles; ++k)
        out.PutIndexLine(3 * k);
    out.Put("\t\t\t]\n");
    out.Put("\t\tcolor Color {\n");
    out.Put("\t\t\tcolor [\n");
    for (std::size_t k = 0; k < 3 * (triangles - topTriangles); ++k)
        out.PutLine("\t\t\t1.0 1.0 1.0,\r\n");
    if (withColor) {
        ForEachSolidTriangle(cols, rows, positions, TopOrder::Vrml, [&](const SolidTriangle& t) {
            if (t.face != SolidFace::Top)
                return;
            for (std::size_t index : t.grid) {
                const float* k = colors + index * kColorFloats;
                out.PutFixedLine(k[0], k[1], k[2], 3);
            }
        });
    }
    for (const char* line :
         {"\t\t\t]\n", "\t\t}\n", "\t\tcolorPerVertex TRUE\n", "\t\t}\n\n", "\t}\n", "}\n"})
        out.Put(line);
}
} // namespace

bool WriteVrmlFile(const char* path, std::size_t cols, std::size_t rows, const float* positions,
                   const float* colors, bool withColor, std::string* error) {
    SafeFileWriter file(path);
    if (file.Open()) {
        CrLfWriter out(file);
        WriteVrml(out, cols, rows, positions, colors, withColor);
        out.Flush();
    }
    if (!file.Commit()) {
        if (error != nullptr)
            *error = file.Error();
        return false;
    }
    return true;
}
