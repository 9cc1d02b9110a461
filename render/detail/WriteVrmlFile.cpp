// VRML 2.0 text with CR LF line ends: every triangle's own three vertices, white walls and
// floor, per-vertex colours on the top.
#include "render/detail/SolidTriangles.h"

#include "ibw/SafeFileWriter.h"

#include <cstdio>
#include <string>

namespace {
// Buffers the text and turns every "\n" into CR LF.
class CrLfWriter {
public:
    explicit CrLfWriter(SafeFileWriter& f) : file(f) { text.reserve(kFlush + 512); }

    void Put(const char* s) {
        for (; *s != '\0'; ++s) {
            if (*s == '\n')
                text.push_back('\r');
            text.push_back(*s);
        }
        if (text.size() >= kFlush)
            Flush();
    }

    template <class... Args> void Format(const char* format, Args... args) {
        char line[256];
        std::snprintf(line, sizeof line, format, args...);
        Put(line);
    }

    void Flush() {
        file.Write(text);
        text.clear();
    }

private:
    static constexpr std::size_t kFlush = 1 << 20;

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
            out.Format("\t\t\t%0.6f %0.6f %0.6f,\n", static_cast<double>(v.x), static_cast<double>(v.y),
                       static_cast<double>(v.z));
        ++triangles;
        if (t.face == SolidFace::Top)
            ++topTriangles;
    });
    out.Put("\t\t\t]\n");
    out.Put("\t\t}\n\n");
    out.Put("\t\tcoordIndex [\n");
    for (std::size_t k = 0; k < triangles; ++k) {
        const auto first = static_cast<long long>(3 * k);
        out.Format("\t\t\t%lld, %lld, %lld, -1,\n", first, first + 1, first + 2);
    }
    out.Put("\t\t\t]\n");
    out.Put("\t\tcolor Color {\n");
    out.Put("\t\t\tcolor [\n");
    for (std::size_t k = 0; k < 3 * (triangles - topTriangles); ++k)
        out.Put("\t\t\t1.0 1.0 1.0,\n");
    if (withColor) {
        ForEachSolidTriangle(cols, rows, positions, TopOrder::Vrml, [&](const SolidTriangle& t) {
            if (t.face != SolidFace::Top)
                return;
            for (std::size_t index : t.grid) {
                const float* k = colors + index * kColorFloats;
                out.Format("\t\t\t%0.3f %0.3f %0.3f,\n", static_cast<double>(k[0]), static_cast<double>(k[1]),
                           static_cast<double>(k[2]));
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
