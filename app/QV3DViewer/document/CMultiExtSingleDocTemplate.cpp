#include "app/QV3DViewer/document/CMultiExtSingleDocTemplate.h"

#include "app/QV3DViewer/document/CQV3DViewerDoc.h"
#include "app/QV3DViewer/document/EqualsNoCase.h"

#include <string_view>

CMultiExtSingleDocTemplate::CMultiExtSingleDocTemplate(CQV3DViewerDoc* document_) : document(document_) {}

bool CMultiExtSingleDocTemplate::GetDocString(std::string& out, int index) const {
    out.clear();
    std::string_view rest(kTemplateString);
    for (int i = 0; i < index; ++i) {
        const std::size_t lf = rest.find('\n');
        if (lf == std::string_view::npos) {
            return true;
        }
        rest.remove_prefix(lf + 1);
    }
    out = std::string(rest.substr(0, rest.find('\n')));
    return true;
}

int CMultiExtSingleDocTemplate::MatchDocType(const std::string& path, CQV3DViewerDoc*& match) const {
    match = nullptr;
    if (document != nullptr && !document->GetPathName().empty() && document->GetPathName() == path) {
        match = document;
        return yesAlreadyOpen;
    }
    std::string list;
    GetDocString(list, filterExt);
    if (list.empty()) {
        return maybeAttemptForeign;
    }
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos) {
        return maybeAttemptForeign;
    }
    const std::string_view extension(path.data() + dot, path.size() - dot);
    const std::size_t semicolon = list.find(';');
    if (semicolon == std::string::npos) {
        return EqualsNoCase(extension, list) ? yesAttemptNative : maybeAttemptForeign;
    }
    const std::string_view first(list.data(), semicolon);
    const std::string_view second(list.data() + semicolon + 1, list.size() - semicolon - 1);
    return EqualsNoCase(extension, first) || EqualsNoCase(extension, second) ? yesAttemptNative
                                                                             : maybeAttemptForeign;
}
