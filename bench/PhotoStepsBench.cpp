// Where one photo's time goes, on the camera's own path: vdrcam's windows
// made in this process as the program makes them, the button pressed, and
// each step's end told by the path itself (the previous photo's bitmap
// reused, as from the second photo on). Beside it, in the same run, the
// bare screen copy and BMP write. Median and 95th percentile, in ms.
//   photo_steps_bench [PHOTOS]
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "../tests/support/RegistryValues.h"
#include "../tests/support/TestFolder.h"
#include "BareCopy.h"
#include "Stats.h"
#include "core/photo/PhotoSteps.h"
#include "core/settings/SettingsTable.h"
#include "programs/vdrcam/Forms.h"
#include "ui/Form.h"
#include "ui/MessageBox.h"

namespace {

using Steady = std::chrono::steady_clock;
std::vector<std::pair<const char*, Steady::time_point>> gEnded;

void Record(const char* step) { gEnded.emplace_back(step, Steady::now()); }

double Ms(Steady::duration duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
}

void Print(const char* what, const std::vector<double>& samples) {
    std::printf("  %-34s %7.1f  %7.1f\n", what, Median(samples), Percentile(samples, 95));
}

}  // namespace

int main(int argc, char** argv) {
    const int photos = argc > 1 ? std::atoi(argv[1]) : 30;
    TestFolder game("vdrcam-steps-game");
    TestFolder shots("vdrcam-steps-shots");
    CreateDirectoryA((game / "tidemark").c_str(), nullptr);
    CreateDirectoryA((game / "tidemark\\mdb").c_str(), nullptr);
    registry::SetText(HKEY_CURRENT_USER, kSettingsKey, "VeldrunFolder", game.Path());
    registry::SetText(HKEY_CURRENT_USER, kSettingsKey, "ScreenDir", shots.Path());
    ui::SetAppTitle("vdrcam");
    ui::InitializeForms(GetModuleHandleA(nullptr));

    std::vector<const char*> order;
    std::vector<std::vector<double>> steps;
    std::vector<double> bare, toReply, whole;
    {
        VdrcamForms forms;
        forms.frmScreenshot.Show();
        forms.frmScreenshot.frmScreenshot_Timer1_Timer();  // as the timer ticks after the start
        const auto press = [&] {
            gEnded.clear();
            const Steady::time_point start = Steady::now();
            forms.frmScreenshot.frmScreenshot_ManualTake_Click();
            return start;
        };
        // The run's first photo, told apart: what the camera has not made yet.
        ListenToPhotoSteps(Record);
        Steady::time_point last = press();
        std::printf("the run's first photo, each step from the end of the one before (ms):\n");
        for (const auto& [step, at] : gEnded) {
            std::printf("  step: %-28s %7.1f\n", step, Ms(at - last));
            last = at;
        }
        for (int i = 1; i < 3; ++i) {  // warm-up: the files cached
            press();
        }
        const std::string barePath = shots / "bare.bmp";
        for (int i = 0; i < photos; ++i) {
            bare.push_back(BareCopyAndWrite(barePath));
            DeleteFileA(barePath.c_str());
            Steady::time_point last = press();
            const Steady::time_point start = last;
            for (const auto& [step, at] : gEnded) {
                size_t index = 0;
                while (index < order.size() && std::string(order[index]) != step) {
                    ++index;
                }
                if (index == order.size()) {
                    order.push_back(step);
                    steps.emplace_back();
                }
                steps[index].push_back(Ms(at - last));
                if (std::string(step) == "reply") {
                    toReply.push_back(Ms(at - start));
                }
                last = at;
            }
            whole.push_back(Ms(last - start));
            DeleteFileA((shots / ("_bmp_" + std::to_string(i + 3) + ".bmp")).c_str());
        }
        ListenToPhotoSteps(nullptr);
        ui::UnloadAllForms();
    }
    registry::DeleteTree(HKEY_CURRENT_USER, kSettingsKey);

    const double reference = Median(bare);
    std::printf(
        "screen %dx%d, %d photos by the button, %d-bit build (median, 95th percentile ms)\n",
        GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), photos,
        static_cast<int>(sizeof(void*) * 8));
    Print("bare screen copy + BMP write", bare);
    for (size_t index = 0; index < order.size(); ++index) {
        Print((std::string("step: ") + order[index]).c_str(), steps[index]);
    }
    Print("press to reply", toReply);
    Print("whole press", whole);
    std::printf("  press to reply / bare copy: median %.2fx (+%.1f ms), 95th %.2fx\n",
                Median(toReply) / reference, Median(toReply) - reference,
                Percentile(toReply, 95) / Percentile(bare, 95));
    return 0;
}
