#pragma once

#include <windows.h>

#include "RegistryValues.h"

// Redirects HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE of this process to
// scratch keys, so tests never touch the real user's registry and can write
// the "machine" keys without rights.
namespace sandbox {

void Install();
void Remove();

// Empties both scratch roots.
void Clear();

using registry::KeyExists;
using registry::SetDword;
using registry::SetRaw;
using registry::SetText;
using registry::Text;
using registry::ValueCount;

}  // namespace sandbox
