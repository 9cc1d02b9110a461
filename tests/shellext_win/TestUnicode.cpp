#include "tests/shellext_win/TestUnicode.h"

#include "tests/shellext_win/Check.h"
#include "tests/shellext_win/DibPixels.h"
#include "tests/shellext_win/FixtureSet.h"
#include "tests/shellext_win/PropertyValues.h"
#include "tests/shellext_win/StreamFiles.h"
#include "tests/shellext_win/TestColumns.h"
#include "tests/shellext_win/TestQueryInfo.h"

#include <shlobj.h>
#include <shobjidl.h>

#include <variant>

namespace {

void CheckTip(const TestContext& context, const char* name, const std::wstring& expected) {
    ComPtr<IQueryInfo> info = LoadedExtractor<IQueryInfo>(context, context.Fixture(name));
    HRESULT result = E_FAIL;
    bool none = true;
    std::wstring tip = InfoTip(info.Get(), &result, &none);
    Check(result == S_OK && tip == expected, "info tip of " + Narrow(FromUtf8(name)) + ": " + Narrow(tip));
}

void CheckColumns(const TestContext& context, const char* name, const std::vector<std::wstring>& expected) {
    ComPtr<IColumnProvider> provider = CreateExtractor<IColumnProvider>(context);
    std::vector<std::wstring> values;
    for (DWORD pid = 0; provider && pid < 5; ++pid) {
        HRESULT result = E_FAIL;
        values.push_back(ItemData(provider.Get(), context.Fixture(name), L".ibw", pid, &result));
    }
    std::string shown;
    for (const std::wstring& value : values) {
        shown += Narrow(value) + "; ";
    }
    Check(values == expected, "columns of " + Narrow(FromUtf8(name)) + ": " + shown);
}

void CheckProperties(const TestContext& context, const char* name, double size, const wchar_t* direction,
                     unsigned long points) {
    StoreValues read = ReadStore(PathExtractor<IPropertyStore>(context, context.Fixture(name)).Get());
    const double* scanSize = read.values.size() == 5 ? std::get_if<double>(&read.values[0]) : nullptr;
    Check(read.result == S_OK && scanSize && *scanSize > size * 0.999999 && *scanSize < size * 1.000001 &&
              read.values[1] == PropertyValue(std::wstring(direction)) &&
              read.values[3] == PropertyValue(points),
          "properties of " + Narrow(FromUtf8(name)) + " are its own");
}

// The thumbnail of the file, not of its twin: the core's picture of this very path.
void CheckThumbnail(const TestContext& context, const char* name) {
    ComPtr<IExtractImage> image = LoadedExtractor<IExtractImage>(context, context.Fixture(name));
    HBITMAP bitmap = nullptr;
    if (image) {
        image->Extract(&bitmap);
    }
    std::optional<PaletteBitmap> actual = ReadDib(bitmap);
    std::optional<PaletteBitmap> expected = CorePicture(context.Fixture(name), 0, {0, 0});
    std::string why = actual && expected ? "" : "no picture";
    Check(actual && expected && SamePicture(*actual, *expected, &why),
          "thumbnail of " + Narrow(FromUtf8(name)) + " is its own " + why);
    if (bitmap) {
        DeleteObject(bitmap);
    }
}

} // namespace

void TestUnicode(const TestContext& context) {
    // A name with a letter the Western code page lacks, beside its ASCII twin of other values.
    CheckTip(context, fixtures::kLatinName,
             L"Scan Size(QV)\t0.300 "
             L"\u00B5m\nDirection(QV)\tDown\nMode(QV)\tAC\nPoints(QV)\t300\nChannels(QV)\t2\n");
    CheckTip(
        context, fixtures::kLatinTwin,
        L"Scan Size(QV)\t0.900 \u00B5m\nDirection(QV)\tUp\nMode(QV)\tDC\nPoints(QV)\t900\nChannels(QV)\t2\n");
    CheckColumns(context, fixtures::kLatinName, {L"0.300 \u00B5m", L"Down", L"AC", L" 300", L"2"});
    CheckProperties(context, fixtures::kLatinName, 0.3, L"Down", 300);
    CheckThumbnail(context, fixtures::kLatinName);

    // A Cyrillic name: no ANSI copy of it opens anything.
    CheckTip(context, fixtures::kCyrillicName,
             L"Scan Size(QV)\t40.000 "
             L"\u00B5m\nDirection(QV)\tDown\nMode(QV)\tAC\nPoints(QV)\t128\nChannels(QV)\t2\n");
    CheckColumns(context, fixtures::kCyrillicName, {L"40.000 \u00B5m", L"Down", L"AC", L" 128", L"2"});
    CheckProperties(context, fixtures::kCyrillicName, 40.0, L"Down", 128);
    CheckThumbnail(context, fixtures::kCyrillicName);
}
