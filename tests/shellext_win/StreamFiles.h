// Streams over the fixtures, as the shell hands them to IInitializeWithStream: one on the file, and
// one on a copy of its bytes in memory, which has no path at all.
#pragma once

#include "tests/shellext_win/TestContext.h"

#include <objidl.h>

ComPtr<IStream> FileStream(const std::wstring& path);
ComPtr<IStream> MemoryStream(const std::wstring& path);

// A new extractor initialised with the stream, asked for iid; null when any step fails.
template <typename Interface> ComPtr<Interface> StreamExtractor(const TestContext& context, IStream* stream) {
    ComPtr<IInitializeWithStream> init = CreateExtractor<IInitializeWithStream>(context);
    ComPtr<Interface> object;
    if (init && stream && SUCCEEDED(init->Initialize(stream, STGM_READ))) {
        init.As(&object);
    }
    return object;
}

// The same through IInitializeWithFile.
template <typename Interface>
ComPtr<Interface> PathExtractor(const TestContext& context, const std::wstring& path) {
    ComPtr<IInitializeWithFile> init = CreateExtractor<IInitializeWithFile>(context);
    ComPtr<Interface> object;
    if (init && SUCCEEDED(init->Initialize(path.c_str(), STGM_READ))) {
        init.As(&object);
    }
    return object;
}
