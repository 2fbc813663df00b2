#pragma once

#include "settings/OptionsForm.h"

namespace early {

// The first edition's options: the two folders, kept for the run only.
class FrmOptions : public OptionsForm {
public:
    FrmOptions();

    void frmOptions_Form_Load();
    void frmOptions_cmdApply_Click() override;

private:
    void OnLoad() override { frmOptions_Form_Load(); }
};

}  // namespace early
