#pragma once

#include <windows.h>

#include <stdexcept>
#include <string>

#include "core/texts/HelpTexts.h"
#include "ui/Form.h"

// A registry value that cannot be used at all (it has no data).
struct RegistryValueError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The help window: instructions, the game-side script to copy, and a
// launcher for the System Information tool.
class FrmHelp : public ui::Form {
public:
    explicit FrmHelp(Edition edition);

    // Finds and starts System Information, or says it is unavailable.
    void StartSysInfo();

    // Reads a registry value (at most 1024 bytes) as text; false when the key
    // or value is missing. Strings come back as text, 32-bit numbers as
    // decimal text; other types leave keyValue as it was. A value without
    // data raises RegistryValueError. The view picks HKEY_LOCAL_MACHINE's
    // 32-bit or 64-bit side (KEY_WOW64_32KEY, KEY_WOW64_64KEY), or neither.
    bool GetKeyValue(HKEY keyRoot, const std::string& keyName, const std::string& subKeyRef,
                     std::string& keyValue, REGSAM view = 0);

    void frmHelp_Form_Load();
    void frmHelp_cmdOK_Click();
    void frmHelp_cmdSysInfo_Click();

private:
    void OnLoad() override { frmHelp_Form_Load(); }

    Edition edition_;
};
