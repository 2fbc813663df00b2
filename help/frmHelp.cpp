#include "help/frmHelp.h"

#include "core/texts/GameScript.h"

namespace {

using ui::Kind;

constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kGrey = 0x808080;

// Control tables stay one row per control.
// clang-format off
ui::FormDesign Design() {
    return {
        .name = "frmHelp",
        .caption = "About MyApp",
        .clientWidth = 5760,
        .clientHeight = 3900,
        .frame = ui::Frame::FixedDialog,
        .showInTaskbar = false,
        .controls =
            {
                {.kind = Kind::Button, .name = "cmdOK", .caption = "OK",
                 .left = 4440, .top = 3480, .width = 1260, .height = 345, .tabIndex = 0,
                 .isDefault = true, .isCancel = true},
                {.kind = Kind::Button, .name = "cmdSysInfo", .caption = "&System Info...",
                 .left = 3120, .top = 3480, .width = 1245, .height = 345, .tabIndex = 1},
                {.kind = Kind::Label, .name = "lblDescription",
                 .left = 120, .top = 240, .width = 5445, .height = 1890, .tabIndex = 2,
                 .foreColour = kBlack},
                {.kind = Kind::TextBox, .name = "frmScript", .caption = kGameScript,
                 .left = 120, .top = 2280, .width = 5415, .height = 975, .tabIndex = 3,
                 .multiLine = true, .verticalScroll = true},
                // Far below the client area; the source of every double quote in the label.
                {.kind = Kind::TextBox, .name = "quote", .caption = "\"",
                 .left = 4560, .top = 245745, .width = 255, .height = 285, .tabIndex = 4},
                {.kind = Kind::Line, .name = "Line2",
                 .left = 120, .top = 2160, .x2 = 5640, .y2 = 2160},
                {.kind = Kind::Line, .name = "Line1(0)",
                 .left = 105, .top = 2460, .x2 = 5654, .y2 = 2460,
                 .foreColour = kWhite, .lineWidth = 2},
                {.kind = Kind::Line, .name = "Line1(1)",
                 .left = 120, .top = 3360, .x2 = 5684, .y2 = 3360,
                 .foreColour = kGrey},
                {.kind = Kind::Line, .name = "Line1(2)",
                 .left = 0, .top = 0, .x2 = 5564, .y2 = 0,
                 .foreColour = kGrey},
            },
    };
}
// clang-format on

}  // namespace

FrmHelp::FrmHelp(Edition edition) : ui::Form(Design()), edition_(edition) {
    Bind("cmdOK", [this] { frmHelp_cmdOK_Click(); });
    Bind("cmdSysInfo", [this] { frmHelp_cmdSysInfo_Click(); });
}

void FrmHelp::frmHelp_Form_Load() {
    SetCaption(kHelpCaption);
    (*this)["lblDescription"].SetText(InstructionText((*this)["quote"].Text(), edition_));
}

void FrmHelp::frmHelp_cmdOK_Click() { Unload(); }

void FrmHelp::frmHelp_cmdSysInfo_Click() { StartSysInfo(); }
