// Taking and giving back the single-valued slots of registration (RegistryClaim): an extension's
// ProgID or a handler slot becomes ours only when nothing that exists holds it, the holder before
// is recorded under HKEY_LOCAL_MACHINE\Software\Quorvane\QVIBWInfo\Claims, and removal restores it
// while the slot still names us.
#pragma once

#include "shellext/win/RegistryEntries.h"

HRESULT TakeClaim(const RegistryClaim& claim);
HRESULT ReleaseClaim(const RegistryClaim& claim);
// The record key and its parents, each once nothing is left in it.
HRESULT RemoveEmptyClaimRecords();
