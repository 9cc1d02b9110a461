#include "IgorTextReader.h"

#include <cctype>
#include <charconv>
#include <limits>
#include <sstream>

namespace igortext {
namespace {

// Walks one line of the file, keeping the first reason it is not what Igor reads.
class Cursor {
public:
    Cursor(const std::string& text, std::string& error) : s(text), err(error) {}

    bool AtEnd() const { return at >= s.size(); }
    void SkipSpaces() {
        while (at < s.size() && s[at] == ' ') {
            ++at;
        }
    }
    bool Expect(const std::string& literal) {
        SkipSpaces();
        if (s.compare(at, literal.size(), literal) != 0) {
            return Fail("expected \"" + literal + "\" at " + std::to_string(at) + " of: " + s);
        }
        at += literal.size();
        return true;
    }
    // A standard name, or a liberal name in single quotes (which cannot hold a quote).
    bool Name(std::string& name) {
        SkipSpaces();
        if (at < s.size() && s[at] == '\'') {
            const std::size_t end = s.find('\'', at + 1);
            if (end == std::string::npos) {
                return Fail("unterminated quoted name in: " + s);
            }
            name = s.substr(at + 1, end - at - 1);
            for (char c : name) {
                if (c == '"' || c == ':' || c == ';' || static_cast<unsigned char>(c) < 0x20) {
                    return Fail("a liberal name cannot hold '" + std::string(1, c) + "'");
                }
            }
            at = end + 1;
            return !name.empty() || Fail("empty name");
        }
        const std::size_t from = at;
        while (at < s.size() && (std::isalnum(static_cast<unsigned char>(s[at])) != 0 || s[at] == '_')) {
            ++at;
        }
        name = s.substr(from, at - from);
        if (name.empty() || std::isalpha(static_cast<unsigned char>(name[0])) == 0) {
            return Fail("not a standard name at " + std::to_string(from) + " of: " + s);
        }
        return true;
    }
    bool Number(double& value) {
        SkipSpaces();
        return ParseNumber(s, at, value) || Fail("expected a number at " + std::to_string(at) + " of: " + s);
    }
    // A double-quoted string with Igor's escapes.
    bool String(std::string& value) {
        if (!Expect("\"")) {
            return false;
        }
        value.clear();
        while (at < s.size() && s[at] != '"') {
            char c = s[at++];
            if (c == '\\') {
                if (at >= s.size()) {
                    return Fail("a backslash ends the line");
                }
                const char e = s[at++];
                switch (e) {
                case '\\':
                case '"':
                case '\'':
                    c = e;
                    break;
                case 't':
                    c = '\t';
                    break;
                case 'n':
                    c = '\n';
                    break;
                case 'r':
                    c = '\r';
                    break;
                default:
                    return Fail(std::string("unknown escape \\") + e);
                }
            }
            value += c;
        }
        return Expect("\"");
    }

    // Igor's number words as well as decimal numbers, read in any locale.
    static bool ParseNumber(const std::string& s, std::size_t& at, double& value) {
        for (const auto& [word, v] :
             {std::pair<const char*, double>{"NaN", std::numeric_limits<double>::quiet_NaN()},
              {"-INF", -std::numeric_limits<double>::infinity()},
              {"INF", std::numeric_limits<double>::infinity()}}) {
            const std::string w = word;
            if (s.compare(at, w.size(), w) == 0) {
                value = v;
                at += w.size();
                return true;
            }
        }
        const std::from_chars_result r = std::from_chars(s.data() + at, s.data() + s.size(), value);
        if (r.ec != std::errc()) {
            return false;
        }
        at = static_cast<std::size_t>(r.ptr - s.data());
        return true;
    }

    bool Fail(const std::string& why) {
        err = why;
        return false;
    }

private:
    const std::string& s;
    std::string& err;
    std::size_t at = 0;
};

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

bool ReadScale(Cursor& in, const std::string& waveName, Scale& scale) {
    std::string name;
    return in.Number(scale.start) && in.Expect(",") && in.Number(scale.step) && in.Expect(",") &&
           in.String(scale.unit) && in.Expect(",") && in.Name(name) &&
           (name == waveName || in.Fail("SetScale names another wave: " + name));
}

// One X line: commands separated by semicolons.
bool ReadCommands(const std::string& line, Wave& wave, bool& noteSeen, std::string& error) {
    Cursor in(line, error);
    if (!in.Expect("X ")) {
        return false;
    }
    while (true) {
        std::string name;
        if (in.Expect("SetScale/P x")) {
            if (!ReadScale(in, wave.name, wave.x)) {
                return false;
            }
        } else if (in.Expect("SetScale/P y")) {
            if (!ReadScale(in, wave.name, wave.y)) {
                return false;
            }
        } else if (in.Expect("SetScale d")) {
            double low = 0;
            double high = 0;
            if (!(in.Number(low) && in.Expect(",") && in.Number(high) && in.Expect(",") &&
                  in.String(wave.dataUnit) && in.Expect(",") && in.Name(name))) {
                return false;
            }
            if (name != wave.name) {
                return in.Fail("SetScale names another wave: " + name);
            }
        } else if (in.Expect("Note")) {
            std::string text;
            if (!(in.Name(name) && in.Expect(",") && in.String(text))) {
                return false;
            }
            if (name != wave.name) {
                return in.Fail("Note names another wave: " + name);
            }
            wave.note += (noteSeen ? "\r" : "") + text;
            noteSeen = true;
        } else {
            return in.Fail("unknown command in: " + line);
        }
        in.SkipSpaces();
        if (in.AtEnd()) {
            return true;
        }
        if (!in.Expect(";")) {
            return false;
        }
    }
}

} // namespace

bool Read(const std::string& text, Wave& wave, std::string& error) {
    wave = Wave{};
    const std::vector<std::string> lines = Lines(text);
    if (lines.size() < 3 || lines[0] != "IGOR") {
        error = "no IGOR line";
        return false;
    }
    Cursor header(lines[1], error);
    double columns = 0;
    double rows = 0;
    double layers = 0;
    if (!(header.Expect("WAVES/N=(") && header.Number(columns) && header.Expect(",") && header.Number(rows) &&
          header.Expect(",") && header.Number(layers) && header.Expect(")\t") && header.Name(wave.name))) {
        return false;
    }
    header.SkipSpaces();
    if (!header.AtEnd() || layers != 1) {
        error = "not one image wave: " + lines[1];
        return false;
    }
    wave.columns = static_cast<int>(columns);
    wave.rows = static_cast<int>(rows);
    if (lines[2] != "BEGIN" || lines.size() < 4 + static_cast<std::size_t>(wave.columns) ||
        lines[3 + wave.columns] != "END") {
        error = "no BEGIN, " + std::to_string(wave.columns) + " data lines and END";
        return false;
    }
    wave.values.assign(static_cast<std::size_t>(wave.columns) * wave.rows, 0.0f);
    // Each line is one element of the first dimension (a column); Igor stores the text's double
    // in the single-precision wave.
    for (int i = 0; i < wave.columns; ++i) {
        const std::string& line = lines[3 + i];
        std::size_t at = 0;
        for (int j = 0; j < wave.rows; ++j) {
            double v = 0;
            if (at >= line.size() || line[at] != '\t' || !Cursor::ParseNumber(line, ++at, v)) {
                error = "data line " + std::to_string(i) + " value " + std::to_string(j) + ": " + line;
                return false;
            }
            wave.values[i + static_cast<std::size_t>(j) * wave.columns] = static_cast<float>(v);
        }
        if (at != line.size()) {
            error = "data line " + std::to_string(i) + " holds more values: " + line;
            return false;
        }
    }
    bool noteSeen = false;
    for (std::size_t k = 4 + static_cast<std::size_t>(wave.columns); k < lines.size(); ++k) {
        if (!ReadCommands(lines[k], wave, noteSeen, error)) {
            return false;
        }
    }
    return true;
}

} // namespace igortext
