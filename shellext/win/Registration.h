// Machine-wide registration of the class, its ProgIDs, the file types and the shell handlers,
// written in code; unregistration removes them again and keeps the shared keys.
#pragma once

#include <windows.h>

HRESULT RegisterServer();
HRESULT UnregisterServer();
