#include "tests/shellext_win/TestPropertyStore.h"

#include "tests/shellext_win/Check.h"
#include "tests/shellext_win/FixtureSet.h"
#include "tests/shellext_win/PropertyValues.h"
#include "tests/shellext_win/StreamFiles.h"

#include <cmath>

namespace {

bool SameValues(const std::vector<PropertyValue>& actual, const std::vector<PropertyValue>& expected) {
    if (actual.size() != expected.size()) {
        return false;
    }
    for (std::size_t i = 0; i < actual.size(); ++i) {
        const double* a = std::get_if<double>(&actual[i]);
        const double* e = std::get_if<double>(&expected[i]);
        if (a && e ? std::fabs(*a - *e) > 1e-9 * std::fabs(*e) : actual[i] != expected[i]) {
            return false;
        }
    }
    return true;
}

std::string DescribeAll(const std::vector<PropertyValue>& values) {
    std::string text;
    for (const PropertyValue& value : values) {
        text += (text.empty() ? "" : ", ") + Describe(value);
    }
    return text;
}

void CheckValues(const TestContext& context, const char* name, const std::vector<PropertyValue>& expected) {
    const std::wstring path = context.Fixture(name);
    const struct {
        const char* how;
        ComPtr<IPropertyStore> store;
    } ways[] = {
        {"a file stream", StreamExtractor<IPropertyStore>(context, FileStream(path).Get())},
        {"a memory stream", StreamExtractor<IPropertyStore>(context, MemoryStream(path).Get())},
        {"the path", PathExtractor<IPropertyStore>(context, path)},
    };
    std::size_t present = 0;
    for (const PropertyValue& value : expected) {
        present += std::holds_alternative<std::monostate>(value) ? 0 : 1;
    }
    for (const auto& way : ways) {
        StoreValues read = ReadStore(way.store.Get());
        Check(read.result == S_OK && SameValues(read.values, expected),
              std::string("properties of ") + name + " from " + way.how + ": " + DescribeAll(read.values));
        bool keysListed = read.keys.size() == present;
        for (const PROPERTYKEY& key : read.keys) {
            keysListed =
                keysListed && IsEqualGUID(key.fmtid, IbwPropertyKey(0).fmtid) && key.pid >= 2 && key.pid <= 6;
        }
        Check(keysListed,
              std::string(name) + " from " + way.how + ": GetCount and GetAt list the values it has");
    }
}

} // namespace

void TestPropertyStore(const TestContext& context) {
    using V = std::vector<PropertyValue>;
    CheckValues(context, fixtures::kImage, V{20.0, std::wstring(L"Up"), std::wstring(L"AC"), 256ul, 2ul});
    CheckValues(context, fixtures::kForce, V{0.15, std::wstring(L"Down"), std::wstring(L"DC"), 2000ul, 2ul});
    // The exact keys, as the info tip: ScanSize, not FastScanSize; the first ScanPoints.
    CheckValues(context, fixtures::kFastScan,
                V{20.0, std::wstring(L"Down"), std::wstring(L"DC"), 512ul, 1ul});
    CheckValues(context, fixtures::kNoFooter,
                V{20.0, std::wstring(L"Up"), std::wstring(L"AC"), 256ul, std::monostate{}});
    CheckValues(context, fixtures::kContainer, V(5, std::monostate{}));

    ComPtr<IPropertyStore> store = PathExtractor<IPropertyStore>(context, context.Fixture(fixtures::kImage));
    PROPVARIANT value;
    PropVariantInit(&value);
    value.vt = VT_UI4;
    value.ulVal = 7;
    Check(store && store->SetValue(IbwPropertyKey(3), value) == STG_E_ACCESSDENIED &&
              store->Commit() == STG_E_ACCESSDENIED,
          "the properties cannot be written: SetValue and Commit are STG_E_ACCESSDENIED");
    ComPtr<IPropertyStoreCapabilities> capabilities;
    if (store) {
        store.As(&capabilities);
    }
    Check(capabilities && capabilities->IsPropertyWritable(IbwPropertyKey(0)) == S_FALSE,
          "IsPropertyWritable is S_FALSE");
    PROPERTYKEY other{};
    PROPVARIANT empty;
    PropVariantInit(&empty);
    Check(store && store->GetValue(other, &empty) == S_OK && empty.vt == VT_EMPTY,
          "a key of another property set is an empty value");
    PROPERTYKEY key{};
    Check(store && store->GetAt(99, &key) == E_INVALIDARG, "GetAt past the values is E_INVALIDARG");
}
