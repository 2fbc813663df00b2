#pragma once

#include <windows.h>

#include "RegistryValues.h"  // what the tests read and write in the redirected roots

// Redirects HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE of this process to
// scratch keys, so tests never touch the real user's registry and can write
// the "machine" keys without rights.
namespace sandbox {

void Install();
void Remove();

// Empties both scratch roots.
void Clear();

}  // namespace sandbox
