// Module state: the instance handle that resources are loaded from and the interlocked lock count
// (live objects plus class-factory locks) that decides whether the DLL may be unloaded.
#pragma once

#include <windows.h>

#include <string>

void SetModuleInstance(HINSTANCE instance);
HINSTANCE ModuleInstance();

void ModuleLock();
void ModuleUnlock();
LONG ModuleLockCount();

// The full path of the module file, empty when it cannot be read.
std::wstring ModuleFilePath();
