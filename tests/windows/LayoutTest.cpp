#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "../support/Host.h"
#include "../support/RegistrySandbox.h"
#include "../support/WindowSuite.h"
#include "core/settings/SettingsTable.h"
#include "programs/vdrcam-early/Forms.h"
#include "programs/vdrcam/Forms.h"

namespace {

VdrcamForms current;
EarlyForms first;

struct Place {
    const char* control;
    RECT pixels;          // left, top, right, bottom in the client area
    bool sunken = false;  // drawn with a sunken edge
};

// Every form at 96 dpi, worked out by hand from its twips (15 to a pixel).
struct Layout {
    const char* name;
    ui::Form* form;
    SIZE client;
    std::vector<Place> places;
};

// The folder fields at the top of both editions' options windows.
std::vector<Place> FolderFields(std::vector<Place> more) {
    std::vector<Place> places = {
        {"Label1", {8, 0, 137, 17}},
        {"VeldrunFolderU", {16, 16, 201, 35}, true},
        {"VeldFolderWrong", {200, 16, 209, 33}},
        {"Label2", {8, 40, 129, 57}},
        {"ScreenDirU", {16, 56, 201, 75}, true},
        {"ScreenDirWrong", {200, 56, 209, 73}},
    };
    places.insert(places.end(), more.begin(), more.end());
    return places;
}

std::vector<Layout> Layouts() {
    return {
        {"vdrcam_frmScreenshot",
         &current.frmScreenshot,
         {182, 76},
         {{"ManualTake", {8, 8, 177, 25}},
          {"Options", {8, 32, 177, 49}},
          {"cmdRun", {8, 56, 177, 73}},
          {"picScreen", {40, 96, 169, 161}, true}}},
        {"vdrcam_frmOptions",
         &current.frmOptions,
         {211, 203},
         FolderFields({{"resizeU", {16, 80, 169, 97}},
                       {"Label3", {16, 96, 57, 113}},
                       {"Label4", {72, 96, 129, 113}},
                       {"WidthU", {16, 112, 49, 131}, true},
                       {"Label6", {48, 112, 57, 129}},
                       {"HeightU", {72, 112, 105, 131}, true},
                       {"Label7", {104, 112, 113, 129}},
                       {"AsJPEGU", {16, 136, 185, 153}},
                       {"msgError", {0, 160, 209, 177}},
                       {"cmdApply", {144, 176, 209, 201}},
                       {"cmdCancel", {80, 176, 145, 201}},
                       {"cmdRemoveReg", {24, 176, 81, 201}},
                       {"cmdHelp", {0, 184, 17, 201}}})},
        {"frmHelp",
         &current.frmHelp,
         {384, 260},
         {{"cmdOK", {296, 232, 380, 255}},
          {"cmdSysInfo", {208, 232, 291, 255}},
          {"lblDescription", {8, 16, 371, 142}},
          {"frmScript", {8, 152, 369, 217}, true},
          {"quote", {304, 16383, 321, 16402}, true}}},
        {"vdrcam_early_frmScreenshot",
         &first.frmScreenshot,
         {198, 69},
         {{"ManualTake", {24, 0, 193, 17}},
          {"Options", {24, 24, 193, 41}},
          {"cmdRun", {24, 48, 193, 65}}}},
        {"vdrcam_early_frmOptions",
         &first.frmOptions,
         {210, 125},
         FolderFields({{"msgError", {0, 80, 209, 97}},
                       {"cmdApply", {144, 96, 209, 121}},
                       {"cmdCancel", {80, 96, 145, 121}},
                       {"cmdHelp", {0, 104, 17, 121}}})},
    };
}

class LayoutTest : public WindowSuite, public ::testing::WithParamInterface<Layout> {
protected:
    void SetUp() override {
        WindowSuite::SetUp();
        registry::SetText(HKEY_CURRENT_USER, kSettingsKey, "ScreenDir", shots.Path());
    }
};

}  // namespace

TEST_P(LayoutTest, TwipsBecomePixelsAt96Dpi) {
    if (std::string(GetParam().name) == "vdrcam_early_frmScreenshot" &&
        !MayUseTheDefaultShotFolder()) {
        GTEST_SKIP() << "its start-up would make C:\\ScreenShots on this Windows";
    }
    ui::Form& form = *GetParam().form;
    form.Load();
    ASSERT_EQ(form.Dpi(), 96);
    RECT client{};
    GetClientRect(form.Hwnd(), &client);
    EXPECT_EQ(client.right, GetParam().client.cx);
    EXPECT_EQ(client.bottom, GetParam().client.cy);
    for (const Place& place : GetParam().places) {
        RECT area{};
        GetWindowRect(form[place.control].Hwnd(), &area);
        MapWindowPoints(nullptr, form.Hwnd(), reinterpret_cast<POINT*>(&area), 2);
        EXPECT_EQ(area.left, place.pixels.left) << place.control;
        EXPECT_EQ(area.top, place.pixels.top) << place.control;
        EXPECT_EQ(area.right, place.pixels.right) << place.control;
        EXPECT_EQ(area.bottom, place.pixels.bottom) << place.control;
        const LONG_PTR exStyle = GetWindowLongPtrA(form[place.control].Hwnd(), GWL_EXSTYLE);
        EXPECT_EQ((exStyle & WS_EX_CLIENTEDGE) != 0, place.sunken) << place.control;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryForm, LayoutTest, ::testing::ValuesIn(Layouts()),
                         [](const ::testing::TestParamInfo<Layout>& info) {
                             return std::string(info.param.name);
                         });
