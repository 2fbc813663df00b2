#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "../support/Failures.h"
#include "../support/MessageBoxes.h"
#include "../support/Pump.h"
#include "programs/Program.h"
#include "ui/Form.h"
#include "ui/MessagePump.h"

namespace {

class TestForm : public ui::Form {
public:
    explicit TestForm(ui::Frame frame = ui::Frame::FixedDialog, bool taskbar = true)
        : ui::Form({.name = "frmTest",
                    .caption = "Form Test",
                    .clientWidth = 3000,
                    .clientHeight = 1500,
                    .frame = frame,
                    .showInTaskbar = taskbar}) {}
    int loads = 0;
    int unloads = 0;
    int goClicks = 0;
    int stopClicks = 0;
    int checkClicks = 0;
    int ticks = 0;

private:
    void OnLoad() override { ++loads; }
    void OnUnload() override { ++unloads; }
    void Go() { ++goClicks; }
    void Stop() { ++stopClicks; }
    void Check() { ++checkClicks; }
    void Tick() { ++ticks; }

    // clang-format off
    ui::Control& cmdGo = Add(ui::Button{.name = "cmdGo", .caption = "&Go",
        .left = 150, .top = 300, .width = 1500, .height = 375, .tabIndex = 2, .isDefault = true},
        &TestForm::Go);
    ui::Control& txtName = Add(ui::TextBox{.name = "txtName", .text = "first",
        .left = 150, .top = 0, .width = 1500, .height = 285, .tabIndex = 0});
    ui::Control& chkOn = Add(ui::CheckBox{.name = "chkOn", .caption = "On?",
        .left = 150, .top = 750, .width = 1500, .height = 255, .tabIndex = 1}, &TestForm::Check);
    ui::Control& cmdStop = Add(ui::Button{.name = "cmdStop", .caption = "Stop",
        .left = 1800, .top = 300, .width = 900, .height = 375, .tabIndex = 3, .isCancel = true},
        &TestForm::Stop);
    ui::Control& lblNote = Add(ui::Label{.name = "lblNote", .caption = "one\rtwo",
        .left = 150, .top = 1050, .width = 2700, .height = 405, .tabIndex = 4, .foreColour = 0x0000FF});
    ui::Control& tmrTick = Add(ui::Timer{.name = "tmrTick", .interval = 20}, &TestForm::Tick);
    const ui::Line& Line1 = Add(ui::Line{.name = "Line1", .x1 = 0, .y1 = 1470, .x2 = 3000,
        .y2 = 1470});
    // clang-format on
};

// Every window of a test is gone after it, and the quit message its last
// unload leaves behind with it.
class FormsTest : public ::testing::Test {
protected:
    void TearDown() override {
        ui::UnloadAllForms();
        DiscardQuit();
    }
};
using ProgramTest = FormsTest;

RECT ClientRectOf(HWND child) {
    RECT area;
    GetWindowRect(child, &area);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&area), 2);
    return area;
}

}  // namespace

TEST_F(FormsTest, TwipsBecomePixelsAtTheScreenResolution) {
    TestForm form;
    form.Show();
    ASSERT_EQ(form.Dpi(), 96);
    RECT client;
    GetClientRect(form.Hwnd(), &client);
    EXPECT_EQ(client.right, 200);
    EXPECT_EQ(client.bottom, 100);
    const RECT go = ClientRectOf(form["cmdGo"].Hwnd());
    EXPECT_EQ(go.left, 10);
    EXPECT_EQ(go.top, 20);
    EXPECT_EQ(go.right - go.left, 100);
    EXPECT_EQ(go.bottom - go.top, 25);
}

TEST_F(FormsTest, FramesAndTaskbar) {
    TestForm dialog(ui::Frame::FixedDialog, false);
    TestForm single(ui::Frame::FixedSingle, true);
    dialog.Load();
    single.Load();
    const LONG_PTR dialogStyle = GetWindowLongPtrA(dialog.Hwnd(), GWL_STYLE);
    const LONG_PTR singleStyle = GetWindowLongPtrA(single.Hwnd(), GWL_STYLE);
    EXPECT_FALSE(dialogStyle & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
    EXPECT_TRUE(GetWindowLongPtrA(dialog.Hwnd(), GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);
    EXPECT_TRUE(singleStyle & WS_MINIMIZEBOX);
    EXPECT_FALSE(singleStyle & (WS_MAXIMIZEBOX | WS_THICKFRAME));
    EXPECT_NE(GetWindow(dialog.Hwnd(), GW_OWNER), nullptr);  // no taskbar button
    EXPECT_EQ(GetWindow(single.Hwnd(), GW_OWNER), nullptr);
    EXPECT_TRUE(GetWindowLongPtrA(single.Hwnd(), GWL_EXSTYLE) & WS_EX_APPWINDOW);
}

TEST_F(FormsTest, LoadShowHideUnload) {
    TestForm form;
    EXPECT_FALSE(form.IsLoaded());
    form.Show();  // loads first
    EXPECT_TRUE(form.IsLoaded());
    EXPECT_TRUE(form.IsVisible());
    EXPECT_EQ(form.loads, 1);
    form["txtName"].SetText("edited");
    form.Hide();
    EXPECT_TRUE(form.IsLoaded());
    EXPECT_FALSE(form.IsVisible());
    form.Show();  // only made visible again
    EXPECT_EQ(form.loads, 1);
    EXPECT_EQ(form["txtName"].Text(), "edited");
    const int before = ui::LoadedFormCount();
    form.Unload();
    EXPECT_EQ(form.unloads, 1);
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_EQ(ui::LoadedFormCount(), before - 1);
    form.Unload();  // not loaded: nothing happens
    EXPECT_EQ(form.unloads, 1);
    form.Show();  // loaded afresh from the table
    EXPECT_EQ(form.loads, 2);
    EXPECT_EQ(form["txtName"].Text(), "first");
}

TEST_F(FormsTest, CloseBoxUnloadsAndTheLastFormEndsTheLoop) {
    TestForm form;
    form.Show();
    ASSERT_EQ(ui::LoadedFormCount(), 1);
    PostMessageA(form.Hwnd(), WM_CLOSE, 0, 0);
    EXPECT_EQ(ui::RunMessageLoop(), 0);  // returns because the last form went
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_EQ(form.unloads, 1);
}

TEST_F(FormsTest, ClicksReachTheirHandlers) {
    TestForm form;
    form.Show();
    Click(form["cmdGo"]);
    Click(form["cmdGo"]);
    Click(form["cmdStop"]);
    EXPECT_EQ(form.goClicks, 2);
    EXPECT_EQ(form.stopClicks, 1);
}

TEST_F(FormsTest, CheckBoxStateFromCodeRunsTheClickHandlerOnChange) {
    TestForm form;
    form.Show();
    ui::Control& box = form["chkOn"];
    box.SetValue(1);
    EXPECT_EQ(box.Value(), 1);
    EXPECT_EQ(form.checkClicks, 1);
    box.SetValue(1);  // no change, no click
    EXPECT_EQ(form.checkClicks, 1);
    Click(box);  // the user's click toggles it
    EXPECT_EQ(box.Value(), 0);
    EXPECT_EQ(form.checkClicks, 2);
}

TEST_F(FormsTest, EnterPressesTheDefaultButtonAndEscapeTheCancelButton) {
    TestForm form;
    form.Show();
    HWND text = form["txtName"].Hwnd();
    PostMessageA(text, WM_KEYDOWN, VK_RETURN, 0);
    ui::DoEvents();
    EXPECT_EQ(form.goClicks, 1);
    PostMessageA(text, WM_KEYDOWN, VK_ESCAPE, 0);
    ui::DoEvents();
    EXPECT_EQ(form.stopClicks, 1);
}

TEST_F(FormsTest, TabOrderFollowsTheTabIndex) {
    TestForm form;
    form.Show();
    HWND first = GetNextDlgTabItem(form.Hwnd(), nullptr, FALSE);
    EXPECT_EQ(first, form["txtName"].Hwnd());
    HWND second = GetNextDlgTabItem(form.Hwnd(), first, FALSE);
    EXPECT_EQ(second, form["chkOn"].Hwnd());
    EXPECT_EQ(GetNextDlgTabItem(form.Hwnd(), second, FALSE), form["cmdGo"].Hwnd());
}

TEST_F(FormsTest, TimerTicksWhileMessagesArePumped) {
    TestForm form;
    form.Show();
    ui::PumpFor(300);
    EXPECT_GE(form.ticks, 3);
    form.Unload();
    const int ticks = form.ticks;
    ui::PumpFor(100);
    EXPECT_EQ(form.ticks, ticks);  // the timer ends with its window
    // A one-shot pump leaves the quit message for the loop, so the program still ends.
    ui::DoEvents();
    MSG quit;
    EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
}

TEST_F(FormsTest, LabelKeepsItsTextAsGiven) {
    TestForm form;
    form.Show();
    EXPECT_EQ(form["lblNote"].Text(), "one\rtwo");
    form["lblNote"].SetText("*");
    EXPECT_EQ(form["lblNote"].Text(), "*");
}

TEST_F(FormsTest, AFailingHandlerIsReportedOnceAndTheProgramGoesOn) {
    MessageBoxes boxes;
    TestForm form;
    form.Show();
    form["cmdGo"].OnEvent([] { throw std::runtime_error("disk full"); });
    Click(form["cmdGo"]);
    ASSERT_EQ(boxes.Texts().size(), 1u);
    EXPECT_EQ(boxes.Texts()[0], "frmTest_cmdGo_Click failed: disk full");
    EXPECT_TRUE(form.IsLoaded());
}

TEST_F(FormsTest, UnknownControlNameIsAnError) {
    TestForm form;
    EXPECT_THROW(form["nothing"], std::out_of_range);
}

TEST_F(FormsTest, AFormWhoseLoadFailsIsLeftUnloadedWithNoWindowBehind) {
    for (const Failure failure : kFailures) {
        SCOPED_TRACE(static_cast<int>(failure));
        FailingLoad form({.name = "frmTest", .caption = "Form Test"}, failure, "no settings");
        const int before = ui::LoadedFormCount();
        EXPECT_ANY_THROW(form.Show());
        EXPECT_FALSE(form.IsLoaded());
        EXPECT_EQ(form.Hwnd(), nullptr);
        EXPECT_EQ(ui::LoadedFormCount(), before);
        EXPECT_EQ(CountThreadWindowsTitled("Form Test"), 0);
        form.Unload();  // nothing to undo: no quit for a form that never was
        MSG quit;
        EXPECT_FALSE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    }
}

TEST_F(FormsTest, UnloadingEveryFormGoesFromTheNewestToTheOldest) {
    std::vector<std::string> order;
    struct Recording : TestForm {
        Recording(std::vector<std::string>& order, std::string name)
            : order_(order), name_(std::move(name)) {}
        void OnUnload() override { order_.push_back(name_); }
        std::vector<std::string>& order_;
        std::string name_;
    } first(order, "first"), second(order, "second"), third(order, "third");
    first.Load();
    third.Load();
    second.Load();
    ui::UnloadAllForms();
    EXPECT_EQ(order, (std::vector<std::string>{"second", "third", "first"}));
    EXPECT_EQ(ui::LoadedFormCount(), 0);
    MSG quit;
    EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));  // the program ends
}

TEST_F(ProgramTest, AMainWindowThatCannotBeBuiltIsReportedAndEndsTheProgram) {
    MessageBoxes boxes;
    // A misspelt control name is found while the forms are built.
    const int code = RunProgram(GetModuleHandleA(nullptr), "vdrcam", []() -> ui::Form& {
        static TestForm form;
        form["cmdGoo"];
        return form;
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{
                                 "frmScreenshot_Form_Load failed: no control cmdGoo on frmTest"});
    EXPECT_EQ(ui::LoadedFormCount(), 0);
}

TEST_F(FormsTest, AnUnloadThatThrowsIsReportedAndTheFormStillGoes) {
    MessageBoxes boxes;
    struct ThrowingUnload : TestForm {
        void OnUnload() override { throw 3; }
    } form;
    for (int round = 1; round <= 2; ++round) {  // the unload guard is clear again
        form.Show();
        form.Unload();
        EXPECT_FALSE(form.IsLoaded());
        EXPECT_EQ(boxes.Texts().size(), static_cast<size_t>(round));
    }
    EXPECT_EQ(boxes.Texts()[0], "frmTest_Form_Unload failed: an unexpected error");
}

TEST_F(ProgramTest, AMainWindowWhoseLoadFailsTakesWhatItLoadedWithIt) {
    MessageBoxes boxes;
    static TestForm loadedByTheMain;
    struct FailingMain : TestForm {
        void OnLoad() override {
            loadedByTheMain.Show();
            loadedByTheMain.Hide();
            throw std::runtime_error("no screen");
        }
    };
    const int code = RunProgram(GetModuleHandleA(nullptr), "vdrcam", []() -> ui::Form& {
        static FailingMain main;
        return main;
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"frmScreenshot_Form_Load failed: no screen"});
    EXPECT_FALSE(loadedByTheMain.IsLoaded());  // no hidden window keeps the program alive
    EXPECT_EQ(ui::LoadedFormCount(), 0);
}
