#include "shellext/win/RegistryEntries.h"

#include "shellext/win/Guids.h"
#include "shellext/win/PropertyKeys.h"
#include "shellext/win/ResourceIds.h"

namespace {

// Interface identifiers that name shell handler slots.
constexpr wchar_t kExtractImage[] = L"{BB2E617C-0920-11d1-9A0B-00C04FC2D6C1}";
constexpr wchar_t kThumbnailProvider[] = L"{e357fccd-a995-4576-b01f-234630154e96}";
constexpr wchar_t kQueryInfo[] = L"{00021500-0000-0000-C000-000000000046}";

constexpr wchar_t kPropertyHandlers[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\PropertySystem\\PropertyHandlers";

// "prop:" lists of the five properties, between the system's own where Explorer shows those.
std::wstring PropertyList(const std::wstring& before, const std::wstring& after) {
    std::wstring list = L"prop:" + before;
    for (int i = 0; i < kPropertyCount; ++i) {
        list += PropertyName(i);
        list += L';';
    }
    return list + after;
}

std::vector<RegistryValue> PropertyLists() {
    return {
        {L"FullDetails", PropertyList(L"System.PropGroup.Description;",
                                      L"System.PropGroup.FileSystem;System.ItemNameDisplay;System.ItemType;"
                                      L"System.ItemFolderPathDisplay;System.Size;System.DateCreated;"
                                      L"System.DateModified;System.FileAttributes")},
        {L"PreviewDetails", PropertyList(L"", L"System.DateModified;System.Size")},
        {L"InfoTip", PropertyList(L"System.ItemType;", L"System.Size")},
    };
}

RegistryEntry Key(HKEY root, std::wstring path, KeyRole role, std::vector<RegistryValue> values = {},
                  bool recreated = false) {
    RegistryEntry entry;
    entry.root = root;
    entry.key = std::move(path);
    entry.role = role;
    entry.values = std::move(values);
    entry.recreated = recreated;
    return entry;
}

RegistryEntry Valued(std::wstring path, std::wstring value, bool recreated = false) {
    return Key(HKEY_CLASSES_ROOT, std::move(path), KeyRole::Ours, {{L"", std::move(value)}}, recreated);
}

std::wstring IconOf(const std::wstring& modulePath, int id) {
    return modulePath + L",-" + std::to_wstring(id);
}

} // namespace

std::vector<RegistryEntry> RegistryEntries(const std::wstring& modulePath) {
    const std::wstring clsid = kClsidText;
    const std::wstring clsidKey = L"CLSID\\" + clsid;
    const std::wstring ibw = L"SystemFileAssociations\\.ibw";
    const std::wstring qvdf = L"SystemFileAssociations\\.qvdf";
    const std::wstring approved = kApprovedKey;
    const HKEY hkcr = HKEY_CLASSES_ROOT;
    const HKEY hklm = HKEY_LOCAL_MACHINE;

    return {
        Valued(L"IBWInfo.IBWExtractor.1", L"IBWExtractor Class"),
        Valued(L"IBWInfo.IBWExtractor.1\\CLSID", clsid),
        Valued(L"IBWInfo.IBWExtractor", L"IBWExtractor Class"),
        Valued(L"IBWInfo.IBWExtractor\\CLSID", clsid),
        Valued(L"IBWInfo.IBWExtractor\\CurVer", L"IBWInfo.IBWExtractor.1"),
        Key(hkcr, L"CLSID", KeyRole::Kept),
        Valued(clsidKey, L"IBWExtractor Class", true),
        Valued(clsidKey + L"\\ProgID", L"IBWInfo.IBWExtractor.1"),
        Valued(clsidKey + L"\\VersionIndependentProgID", L"IBWInfo.IBWExtractor"),
        Key(hkcr, clsidKey + L"\\Programmable", KeyRole::Ours, {}, true),
        Key(hkcr, clsidKey + L"\\InprocServer32", KeyRole::Ours,
            {{L"", modulePath}, {L"ThreadingModel", L"Apartment"}}),
        Valued(clsidKey + L"\\TypeLib", kLibidText),
        // The ProgIDs the extensions get when nothing owns them, with the icons bundled in the module.
        Key(hkcr, L"ibwfile", KeyRole::Ours, PropertyLists()),
        Valued(L"ibwfile\\DefaultIcon", IconOf(modulePath, IDI_IBWFILE)),
        Key(hkcr, L"qvdffile", KeyRole::Ours),
        Valued(L"qvdffile\\DefaultIcon", IconOf(modulePath, IDI_QVDFFILE)),
        // The handlers, where they apply whatever program owns the extension.
        Key(hkcr, L"SystemFileAssociations", KeyRole::Kept),
        Key(hkcr, ibw, KeyRole::Shared, PropertyLists()),
        Key(hkcr, ibw + L"\\ShellEx", KeyRole::Shared),
        Key(hkcr, ibw + L"\\ShellEx\\PropertySheetHandlers", KeyRole::Shared),
        Key(hkcr, ibw + L"\\ShellEx\\PropertySheetHandlers\\" + clsid, KeyRole::Ours, {}, true),
        Key(hkcr, qvdf, KeyRole::Shared),
        Key(hkcr, qvdf + L"\\ShellEx", KeyRole::Shared),
        Key(hkcr, qvdf + L"\\ShellEx\\PropertySheetHandlers", KeyRole::Shared),
        Key(hkcr, qvdf + L"\\ShellEx\\PropertySheetHandlers\\" + clsid, KeyRole::Ours, {}, true),
        // Details columns of shells before the property system.
        Key(hkcr, L"Folder", KeyRole::Kept),
        Key(hkcr, L"Folder\\Shellex", KeyRole::Kept),
        Key(hkcr, L"Folder\\Shellex\\ColumnHandlers", KeyRole::Kept),
        Valued(L"Folder\\Shellex\\ColumnHandlers\\" + clsid, L"Quorvane IBW Column Provider", true),
        Key(hklm, approved, KeyRole::Kept),
        Key(hklm, approved + L"\\" + clsid, KeyRole::Ours, {{L"", L"IBW information"}}, true),
        Key(hklm, kPropertyHandlers, KeyRole::Kept),
    };
}

std::vector<RegistryClaim> RegistryClaims() {
    const std::wstring clsid = kClsidText;
    const std::wstring ibwHandlers = L"SystemFileAssociations\\.ibw\\ShellEx\\";
    const std::wstring qvdfHandlers = L"SystemFileAssociations\\.qvdf\\ShellEx\\";
    return {
        {HKEY_CLASSES_ROOT, L".ibw", L"ibwfile", ClaimKind::ProgId, L""},
        {HKEY_CLASSES_ROOT, L".qvdf", L"qvdffile", ClaimKind::ProgId, L"ibwfile"},
        {HKEY_CLASSES_ROOT, ibwHandlers + kExtractImage, clsid, ClaimKind::Clsid, L""},
        {HKEY_CLASSES_ROOT, ibwHandlers + kThumbnailProvider, clsid, ClaimKind::Clsid, L""},
        {HKEY_CLASSES_ROOT, ibwHandlers + kQueryInfo, clsid, ClaimKind::Clsid, L""},
        {HKEY_CLASSES_ROOT, ibwHandlers + L"IconHandler", clsid, ClaimKind::Clsid, L""},
        {HKEY_CLASSES_ROOT, qvdfHandlers + L"IconHandler", clsid, ClaimKind::Clsid, L""},
        {HKEY_LOCAL_MACHINE, std::wstring(kPropertyHandlers) + L"\\.ibw", clsid, ClaimKind::Clsid, L""},
    };
}

std::vector<std::wstring> LegacyHandlerKeys() {
    const std::wstring shellex = L"ibwfile\\shellex\\";
    return {
        shellex + kExtractImage,
        shellex + kQueryInfo,
        shellex + L"IconHandler",
        shellex + L"PropertySheetHandlers\\" + kClsidText,
    };
}
