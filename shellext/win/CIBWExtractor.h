// The one COM class of the extension: Explorer hands it one file (a path, or a stream for the
// thumbnail provider and the property handler) and asks for a thumbnail, an icon, an info tip,
// column or property values or a property page. Apartment-threaded; the object's own count is
// plain, the module's is interlocked. Supports aggregation through its inner unknown.
#pragma once

#include "shellext/CByteSource.h"
#include "shellext/IBWPropertyValues.h"

#include "ibw/CIBWNote.h"

#include <windows.h>

#include <propsys.h>
#include <shlobj.h>
#include <shobjidl.h>
#include <thumbcache.h>

#include <memory>
#include <optional>
#include <string>

struct PropertyPageState;

class CIBWExtractor : public IExtractImage,
                      public IQueryInfo,
                      public IPersistFile,
                      public IExtractIconA,
                      public IShellExtInit,
                      public IShellPropSheetExt,
                      public IColumnProvider,
                      public IThumbnailProvider,
                      public IInitializeWithStream,
                      public IInitializeWithFile,
                      public IPropertyStore,
                      public IPropertyStoreCapabilities {
public:
    explicit CIBWExtractor(IUnknown* outer);
    virtual ~CIBWExtractor();
    CIBWExtractor(const CIBWExtractor&) = delete;
    CIBWExtractor& operator=(const CIBWExtractor&) = delete;

    // The non-delegating unknown: the object's identity for an aggregate, else its own.
    IUnknown* Inner() { return &m_inner; }

    // IUnknown, delegated to the controlling unknown
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IExtractImage
    STDMETHODIMP GetLocation(LPWSTR pathBuffer, DWORD pathSize, DWORD* priority, const SIZE* size,
                             DWORD colorDepth, DWORD* flags) override;
    STDMETHODIMP Extract(HBITMAP* bitmap) override;

    // IQueryInfo
    STDMETHODIMP GetInfoTip(DWORD flags, WCHAR** tip) override;
    STDMETHODIMP GetInfoFlags(DWORD* flags) override;

    // IPersistFile (IPersist)
    STDMETHODIMP GetClassID(CLSID* clsid) override;
    STDMETHODIMP IsDirty() override;
    STDMETHODIMP Load(LPCOLESTR fileName, DWORD mode) override;
    STDMETHODIMP Save(LPCOLESTR fileName, BOOL remember) override;
    STDMETHODIMP SaveCompleted(LPCOLESTR fileName) override;
    STDMETHODIMP GetCurFile(LPOLESTR* fileName) override;

    // IExtractIconA
    STDMETHODIMP GetIconLocation(UINT flags, PSTR iconFile, UINT iconFileSize, int* index,
                                 UINT* resultFlags) override;
    STDMETHODIMP Extract(PCSTR file, UINT index, HICON* large, HICON* small, UINT iconSize) override;

    // IShellExtInit
    STDMETHODIMP Initialize(PCIDLIST_ABSOLUTE folder, IDataObject* data, HKEY typeKey) override;

    // IShellPropSheetExt
    STDMETHODIMP AddPages(LPFNSVADDPROPSHEETPAGE addPage, LPARAM parameter) override;
    STDMETHODIMP ReplacePage(EXPPS pageId, LPFNSVADDPROPSHEETPAGE replaceWith, LPARAM parameter) override;

    // IColumnProvider
    STDMETHODIMP Initialize(LPCSHCOLUMNINIT init) override;
    STDMETHODIMP GetColumnInfo(DWORD index, SHCOLUMNINFO* info) override;
    STDMETHODIMP GetItemData(LPCSHCOLUMNID column, LPCSHCOLUMNDATA data, VARIANT* value) override;

    // IThumbnailProvider
    STDMETHODIMP GetThumbnail(UINT side, HBITMAP* bitmap, WTS_ALPHATYPE* alpha) override;

    // IInitializeWithStream, IInitializeWithFile: once per object
    STDMETHODIMP Initialize(IStream* stream, DWORD mode) override;
    STDMETHODIMP Initialize(LPCWSTR path, DWORD mode) override;

    // IPropertyStore: the five values, read-only
    STDMETHODIMP GetCount(DWORD* count) override;
    STDMETHODIMP GetAt(DWORD index, PROPERTYKEY* key) override;
    STDMETHODIMP GetValue(REFPROPERTYKEY key, PROPVARIANT* value) override;
    STDMETHODIMP SetValue(REFPROPERTYKEY key, REFPROPVARIANT value) override;
    STDMETHODIMP Commit() override;

    // IPropertyStoreCapabilities
    STDMETHODIMP IsPropertyWritable(REFPROPERTYKEY key) override;

    // For the property page, which lives on the Properties dialog's thread.
    const std::wstring& Path() const { return m_path; }
    CIBWNote* Note() { return m_note.get(); }
    void AttachPage(std::unique_ptr<PropertyPageState> page);
    void DetachPage();
    PropertyPageState* Page() { return m_page.get(); }

private:
    class CInnerUnknown : public IUnknown {
    public:
        explicit CInnerUnknown(CIBWExtractor* owner) : m_owner(owner) {}
        virtual ~CInnerUnknown() = default;
        STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
        STDMETHODIMP_(ULONG) AddRef() override;
        STDMETHODIMP_(ULONG) Release() override;

    private:
        CIBWExtractor* m_owner;
    };

    // A new file: the note and the values read from the last one go with it.
    void SetPath(const wchar_t* path);
    // The file's bytes: the stream when one was given, else the file at the path; null when the
    // path does not open.
    std::shared_ptr<CByteSource> OpenSource() const;
    void EnsureNote();
    const IBWPropertyValues& Properties();

    CInnerUnknown m_inner{this};
    IUnknown* m_outer;
    ULONG m_refs = 0;

    std::wstring m_path;
    IStream* m_stream = nullptr; // held from IInitializeWithStream until the object goes
    bool m_initialized = false;  // by IInitializeWithStream or IInitializeWithFile
    SIZE m_thumbnailSize = {0, 0};
    std::unique_ptr<CIBWNote> m_note;
    std::optional<IBWPropertyValues> m_properties;
    std::unique_ptr<PropertyPageState> m_page;
    IMalloc* m_shellAllocator = nullptr;
};
