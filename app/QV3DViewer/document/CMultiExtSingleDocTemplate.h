// CMultiExtSingleDocTemplate: the one document template; its filter-extension field may list
// several extensions separated by ";" (".ibw;.vtl").
#pragma once

#include <string>

class CQV3DViewerDoc;

class CMultiExtSingleDocTemplate {
public:
    // Fields of the template string, in its order.
    enum DocStringIndex {
        windowTitle = 0,
        docName,
        fileNewName,
        filterName,
        filterExt,
        regFileTypeId,
        regFileTypeName,
    };
    // Confidences of MatchDocType.
    enum Confidence { maybeAttemptForeign = 3, yesAttemptNative = 4, yesAlreadyOpen = 5 };

    // The template string of resource 128, fields separated by line feeds.
    static constexpr const char* kTemplateString = "Vistrel Light\n\nVistrelLight\nVistrel Files "
                                                   "(*.ibw;*.vtl)\n.ibw;.vtl\nVistrelLight.Document\n"
                                                   "VistrelLight.Document";

    explicit CMultiExtSingleDocTemplate(CQV3DViewerDoc* document);
    virtual ~CMultiExtSingleDocTemplate() = default;

    // Always true, also for an empty or missing field (which gives an empty text).
    bool GetDocString(std::string& out, int index) const;
    // Sets `match` to the open document when it already has exactly this path.
    int MatchDocType(const std::string& path, CQV3DViewerDoc*& match) const;

    CQV3DViewerDoc* GetDocument() const { return document; }

private:
    CQV3DViewerDoc* document;
};
