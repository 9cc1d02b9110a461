#include "shellext/win/RegistryEntries.h"

#include "shellext/win/Guids.h"

std::vector<RegistryEntry> RegistryEntries(const std::wstring& modulePath) {
    const std::wstring clsid = kClsidText;
    const std::wstring clsidKey = L"CLSID\\" + clsid;
    const std::wstring shellex = L"ibwfile\\shellex\\";
    const std::wstring approved = kApprovedKey;

    auto key = [](HKEY root, std::wstring path, bool kept, bool recreated) {
        RegistryEntry entry;
        entry.root = root;
        entry.key = std::move(path);
        entry.kept = kept;
        entry.recreated = recreated;
        return entry;
    };
    auto valued = [&](HKEY root, std::wstring path, std::wstring value, bool kept, bool recreated) {
        RegistryEntry entry = key(root, std::move(path), kept, recreated);
        entry.hasDefault = true;
        entry.defaultValue = std::move(value);
        return entry;
    };

    RegistryEntry inproc =
        valued(HKEY_CLASSES_ROOT, clsidKey + L"\\InprocServer32", modulePath, false, false);
    inproc.valueName = L"ThreadingModel";
    inproc.value = L"Apartment";

    return {
        valued(HKEY_CLASSES_ROOT, L"IBWInfo.IBWExtractor.1", L"IBWExtractor Class", false, false),
        valued(HKEY_CLASSES_ROOT, L"IBWInfo.IBWExtractor.1\\CLSID", clsid, false, false),
        valued(HKEY_CLASSES_ROOT, L"IBWInfo.IBWExtractor", L"IBWExtractor Class", false, false),
        valued(HKEY_CLASSES_ROOT, L"IBWInfo.IBWExtractor\\CLSID", clsid, false, false),
        valued(HKEY_CLASSES_ROOT, L"IBWInfo.IBWExtractor\\CurVer", L"IBWInfo.IBWExtractor.1", false, false),
        key(HKEY_CLASSES_ROOT, L"CLSID", true, false),
        valued(HKEY_CLASSES_ROOT, clsidKey, L"IBWExtractor Class", false, true),
        valued(HKEY_CLASSES_ROOT, clsidKey + L"\\ProgID", L"IBWInfo.IBWExtractor.1", false, false),
        valued(HKEY_CLASSES_ROOT, clsidKey + L"\\VersionIndependentProgID", L"IBWInfo.IBWExtractor", false,
               false),
        key(HKEY_CLASSES_ROOT, clsidKey + L"\\Programmable", false, true),
        inproc,
        valued(HKEY_CLASSES_ROOT, clsidKey + L"\\TypeLib", kLibidText, false, false),
        valued(HKEY_CLASSES_ROOT, L".ibw", L"ibwfile", true, false),
        valued(HKEY_CLASSES_ROOT, L".qvdf", L"ibwfile", true, false),
        key(HKEY_CLASSES_ROOT, L"ibwfile", true, false),
        key(HKEY_CLASSES_ROOT, L"ibwfile\\shellex", true, false),
        valued(HKEY_CLASSES_ROOT, shellex + L"{BB2E617C-0920-11d1-9A0B-00C04FC2D6C1}", clsid, false, true),
        valued(HKEY_CLASSES_ROOT, shellex + L"{00021500-0000-0000-C000-000000000046}", clsid, false, true),
        valued(HKEY_CLASSES_ROOT, shellex + L"IconHandler", clsid, false, true),
        key(HKEY_CLASSES_ROOT, shellex + L"PropertySheetHandlers", true, false),
        key(HKEY_CLASSES_ROOT, shellex + L"PropertySheetHandlers\\" + clsid, false, true),
        key(HKEY_CLASSES_ROOT, L"Folder", true, false),
        key(HKEY_CLASSES_ROOT, L"Folder\\Shellex", true, false),
        key(HKEY_CLASSES_ROOT, L"Folder\\Shellex\\ColumnHandlers", true, false),
        valued(HKEY_CLASSES_ROOT, L"Folder\\Shellex\\ColumnHandlers\\" + clsid,
               L"Quorvane IBW Column Provider", false, true),
        key(HKEY_LOCAL_MACHINE, approved, true, false),
        valued(HKEY_LOCAL_MACHINE, approved + L"\\" + clsid, L"IBW information", false, true),
    };
}
