#include "shellext/linux/InfoReport.h"

#include "shellext/CIBWPreview.h"
#include "shellext/CQVDFReader.h"
#include "shellext/ChannelListNames.h"
#include "shellext/ColumnText.h"
#include "shellext/InfoTipText.h"
#include "shellext/LoadShellNote.h"

#include "base/Windows1252.h"
#include "ibw/CIBWNote.h"
#include "ibw/CIBWReader.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <optional>

namespace {

// The shell's rule: the text after the last '.', compared without regard to case.
std::string LowerExtension(const std::filesystem::path& path) {
    std::string name = path.filename().string();
    std::string extension = name.substr(name.rfind('.') + 1);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

void Line(std::string* report, const std::string& text) {
    *report += Windows1252ToUtf8(text, Undefined1252::Replacement);
    *report += '\n';
}

void Channels(std::string* report, const std::vector<ChannelListEntry>& entries) {
    Line(report, "Channels:");
    for (const ChannelListEntry& entry : entries) {
        Line(report, "  " + entry.name);
    }
}

template <typename Pairs> void NoteItems(std::string* report, const Pairs& pairs) {
    Line(report, "Note items:");
    for (const auto& [key, value] : pairs) {
        Line(report, "  " + key + "\t" + value);
    }
}

bool IbwReport(const std::filesystem::path& path, std::string* report) {
    CIBWPreview preview;
    const int kind = preview.Load(path, 0);
    Line(report, std::string("Kind: ") + (kind == kIBWPreviewImage   ? "IBW image"
                                          : kind == kIBWPreviewForce ? "IBW force curve"
                                                                     : "IBW without preview"));
    // What the viewer makes of the wave, when it cannot show it or shows it with less precision.
    CIBWReader reader;
    if (!reader.Open(path.string())) {
        Line(report, "Cannot be shown: " + reader.RefusalReason());
    } else if (const std::string loss = reader.PrecisionNote(); !loss.empty()) {
        Line(report, "Shown with less precision: " + loss);
    }
    reader.Close();
    Channels(report, ChannelListNames(preview));

    Line(report, "Columns:");
    for (int pid = 0; pid < kColumnCount; ++pid) {
        Line(report, std::string("  ") + ColumnAt(pid)->title + "\t" + ColumnValueForFile(pid, path));
    }

    const CIBWNote note = LoadShellNote(path, true);
    std::optional<std::string> tip = MakeInfoTip(preview, &note);
    Line(report, tip ? "Info tip:" : "Info tip: none");
    if (tip) {
        // Each of the tip's lines ends in a line feed of its own.
        for (std::size_t at = 0, end; (end = tip->find('\n', at)) != std::string::npos; at = end + 1) {
            Line(report, "  " + tip->substr(at, end - at));
        }
    }
    NoteItems(report, note.pairs);
    return true;
}

bool QvdfReport(const std::filesystem::path& path, std::string* report) {
    CQVDFReader reader;
    if (!reader.Open(path)) {
        Line(report, "not a QVDF container");
        return false;
    }
    Line(report, "Kind: QVDF, " + std::to_string(reader.GetImageCount()) + " images");
    Channels(report, ChannelListNames(reader));
    Line(report, "Columns: none");
    Line(report, "Info tip: none");
    NoteItems(report, reader.GetNotes());
    return true;
}

} // namespace

bool InfoReport(const std::filesystem::path& path, std::string* report) {
    report->clear();
    if (!std::ifstream(path, std::ios::binary)) {
        Line(report, "cannot read the file");
        return false;
    }
    const std::string extension = LowerExtension(path);
    if (extension == "ibw") {
        return IbwReport(path, report);
    }
    if (extension == "qvdf") {
        return QvdfReport(path, report);
    }
    Line(report, "neither an .ibw nor a .qvdf file");
    return false;
}
