#include "help/frmHelp.h"

#include "core/settings/RegistryText.h"
#include "help/SysInfo.h"
#include "ui/MessageBox.h"
#include "ui/Registry.h"

FrmHelp::FrmHelp(Edition edition)
    : ui::Form({.name = "frmHelp",
                .caption = "About MyApp",
                .clientWidth = 5760,
                .clientHeight = 3900,
                .frame = ui::Frame::FixedDialog,
                .showInTaskbar = false}),
      edition_(edition) {}

void FrmHelp::frmHelp_Form_Load() {
    SetCaption(kHelpCaption);
    lblDescription.SetText(InstructionText(quote.Text(), edition_));
}

void FrmHelp::frmHelp_cmdOK_Click() { Unload(); }

void FrmHelp::frmHelp_cmdSysInfo_Click() { StartSysInfo(); }

bool FrmHelp::GetKeyValue(HKEY keyRoot, const std::string& keyName, const std::string& subKeyRef,
                          std::string& keyValue, REGSAM view) {
    constexpr size_t kLargest = 1024;
    const auto value = ui::ReadRegistryValue(keyRoot, keyName, subKeyRef, view);
    if (!value || value->data.size() > kLargest) {
        keyValue.clear();
        return false;
    }
    if (const auto text = ShownText(value->type, value->data)) {
        keyValue = *text;
    }
    return true;
}

void FrmHelp::StartSysInfo() {
    // Windows keeps the tool's entries in its own, 64-bit view; a 32-bit
    // set-up may have left them in the other one.
    const auto read = [this](const char* key, const char* value, std::string& text) {
        return GetKeyValue(HKEY_LOCAL_MACHINE, key, value, text, KEY_WOW64_64KEY) ||
               GetKeyValue(HKEY_LOCAL_MACHINE, key, value, text, KEY_WOW64_32KEY);
    };
    bool started = false;
    try {
        // A "PATH" that names nothing startable, even one without data,
        // ends here: the folder's key is not tried then.
        std::string path;
        if (read(kToolKey, kToolValue, path)) {
            started = StartProgram(path);
        } else if (read(kToolFolderKey, kToolFolderValue, path) &&
                   IsOrdinaryFile(path + kToolFile)) {
            started = StartProgram(path + kToolFile);
        }
    } catch (...) {
        started = false;
    }
    if (!started) {
        ui::MsgBox(kSysInfoUnavailable);
    }
}
