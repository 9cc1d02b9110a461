#include "tests/shellext_win/TestServer.h"

#include "tests/shellext_win/Check.h"

#include <propsys.h>
#include <shlobj.h>
#include <shobjidl.h>
#include <thumbcache.h>

#include <iterator>

namespace {

struct NamedIid {
    const IID* iid;
    const char* name;
};

// The interface map in the order QueryInterface tests it.
const NamedIid kInterfaceMap[] = {
    {&IID_IExtractImage, "IExtractImage"},
    {&IID_IQueryInfo, "IQueryInfo"},
    {&IID_IPersistFile, "IPersistFile"},
    {&IID_IExtractIconA, "IExtractIconA"},
    {&IID_IShellExtInit, "IShellExtInit"},
    {&IID_IShellPropSheetExt, "IShellPropSheetExt"},
    {&IID_IColumnProvider, "IColumnProvider"},
    {&__uuidof(IThumbnailProvider), "IThumbnailProvider"},
    {&IID_IInitializeWithStream, "IInitializeWithStream"},
    {&IID_IInitializeWithFile, "IInitializeWithFile"},
    {&IID_IPropertyStore, "IPropertyStore"},
    {&IID_IPropertyStoreCapabilities, "IPropertyStoreCapabilities"},
};

const NamedIid kNotAnswered[] = {
    {&IID_IPersist, "IPersist"},
    {&IID_IExtractIconW, "IExtractIconW"},
    {&IID_IClassFactory, "IClassFactory"},
};

// A controlling unknown for the aggregation checks: counts its references and answers
// IUnknown itself, everything else through the inner object.
class COuter : public IUnknown {
public:
    virtual ~COuter() = default;
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        if (IsEqualIID(iid, IID_IUnknown)) {
            *out = static_cast<IUnknown*>(this);
            AddRef();
            return S_OK;
        }
        return inner ? inner->QueryInterface(iid, out) : E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++refs; }
    STDMETHODIMP_(ULONG) Release() override { return --refs; }

    ULONG refs = 1;
    IUnknown* inner = nullptr;
};

bool SameObject(IUnknown* a, IUnknown* b) {
    ComPtr<IUnknown> identityA;
    ComPtr<IUnknown> identityB;
    return a && b && SUCCEEDED(a->QueryInterface(IID_PPV_ARGS(&identityA))) &&
           SUCCEEDED(b->QueryInterface(IID_PPV_ARGS(&identityB))) && identityA.Get() == identityB.Get();
}

void TestFactory(const TestContext& context) {
    CLSID other{};
    CLSIDFromString(L"{00000000-1111-2222-3333-444444444444}", &other);
    void* out = reinterpret_cast<void*>(1);
    Check(context.getClassObject(other, IID_IClassFactory, &out) == CLASS_E_CLASSNOTAVAILABLE && !out,
          "DllGetClassObject of another class is CLASS_E_CLASSNOTAVAILABLE and clears the result");
    Check(context.canUnloadNow() == S_OK, "DllCanUnloadNow is S_OK before any object exists");

    ComPtr<IClassFactory> first;
    ComPtr<IClassFactory> second;
    Check(SUCCEEDED(context.getClassObject(ExtractorClsid(), IID_PPV_ARGS(&first))) && first,
          "DllGetClassObject gives the class factory");
    context.getClassObject(ExtractorClsid(), IID_PPV_ARGS(&second));
    Check(first && first.Get() == second.Get(), "the class factory is cached");
    if (!first) {
        return;
    }
    first->LockServer(TRUE);
    Check(context.canUnloadNow() == S_FALSE, "DllCanUnloadNow is S_FALSE while the factory is locked");
    first->LockServer(FALSE);
    Check(context.canUnloadNow() == S_OK, "DllCanUnloadNow is S_OK after the lock is given back");

    ComPtr<IUnknown> object;
    Check(SUCCEEDED(first->CreateInstance(nullptr, IID_PPV_ARGS(&object))) && object,
          "CreateInstance gives an extractor");
    Check(context.canUnloadNow() == S_FALSE, "DllCanUnloadNow is S_FALSE while an extractor is alive");
    for (const NamedIid& entry : kInterfaceMap) {
        ComPtr<IUnknown> answer;
        bool ok = object && SUCCEEDED(object->QueryInterface(*entry.iid, &answer)) && answer;
        Check(ok && SameObject(answer.Get(), object.Get()),
              std::string("QueryInterface answers ") + entry.name + " on the same object");
    }
    for (const NamedIid& entry : kNotAnswered) {
        void* answer = reinterpret_cast<void*>(1);
        Check(object && object->QueryInterface(*entry.iid, &answer) == E_NOINTERFACE && !answer,
              std::string("QueryInterface refuses ") + entry.name);
    }
    object.Reset();
    Check(context.canUnloadNow() == S_OK, "DllCanUnloadNow is S_OK after the last extractor is released");
}

void TestAggregation(const TestContext& context) {
    ComPtr<IClassFactory> factory;
    context.getClassObject(ExtractorClsid(), IID_PPV_ARGS(&factory));
    if (!factory) {
        Check(false, "class factory for aggregation");
        return;
    }
    COuter outer;
    void* refused = reinterpret_cast<void*>(1);
    Check(factory->CreateInstance(&outer, IID_IExtractImage, &refused) == CLASS_E_NOAGGREGATION && !refused,
          "an aggregate asking for another interface than IUnknown is refused");

    IUnknown* inner = nullptr;
    Check(SUCCEEDED(factory->CreateInstance(&outer, IID_IUnknown, reinterpret_cast<void**>(&inner))) && inner,
          "CreateInstance makes an aggregated extractor");
    if (!inner) {
        return;
    }
    outer.inner = inner;
    IQueryInfo* info = nullptr;
    inner->QueryInterface(IID_PPV_ARGS(&info));
    Check(info != nullptr, "the inner unknown answers IQueryInfo");
    if (info) {
        // The interface's references go to the controlling unknown.
        ULONG before = outer.refs;
        info->AddRef();
        Check(outer.refs == before + 1, "an aggregated interface's AddRef reaches the outer object");
        info->Release();
        IUnknown* identity = nullptr;
        info->QueryInterface(IID_PPV_ARGS(&identity));
        Check(identity == &outer, "an aggregated interface's IUnknown is the outer object");
        if (identity) {
            identity->Release();
        }
        info->Release();
    }
    Check(context.canUnloadNow() == S_FALSE, "DllCanUnloadNow is S_FALSE while the aggregate lives");
    inner->Release();
    Check(context.canUnloadNow() == S_OK, "releasing the inner unknown ends the aggregated extractor");
}

} // namespace

void TestServer(const TestContext& context) {
    TestFactory(context);
    TestAggregation(context);
}
