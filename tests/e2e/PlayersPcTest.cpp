#include <cstdint>
#include <cstring>
#include <optional>
#include <string>

#include "../support/Host.h"
#include "../support/ImageFiles.h"
#include "../support/Links.h"
#include "../support/RegistryValues.h"
#include "EndToEnd.h"
#include "core/exchange/RequestFiles.h"
#include "core/settings/SettingsTable.h"
#include "help/SysInfo.h"

using namespace driver;

// What a player's own PC brings: FreeImage.dll in whatever state, the game's
// and the System Information tool's keys in either registry view, a screen
// at another resolution.

TEST_F(EndToEnd, TheShippedFreeImageMakesRescaledAndFullSizeJpegs) {
    UseShotFolder();
    registry::SetText(HKEY_CURRENT_USER, kSettingsKey, "Resize", "1");
    registry::SetText(HKEY_CURRENT_USER, kSettingsKey, "WidthP", "800");
    registry::SetText(HKEY_CURRENT_USER, kSettingsKey, "HeightP", "600");
    ASSERT_TRUE(Exists(Built("FreeImage.dll")));
    driver::Program camera(Built("vdrcam.exe"));
    HWND main = StartMain(camera);
    Click(Child(main, "Take ScreenShot Now"));
    ASSERT_TRUE(WaitForFile(shots / "0.jpg"));
    ASSERT_TRUE(WaitFor([&] { return Reply() == "currentPhoto=0\r\n"; }));
    const JpegFacts rescaled = JpegFactsOf(ReadTestFile(shots / "0.jpg"));
    EXPECT_TRUE(rescaled.valid);
    EXPECT_EQ(rescaled.width, 800);
    EXPECT_EQ(rescaled.height, 600);
    EXPECT_TRUE(IsQuality100(rescaled));
    EXPECT_EQ(BmpFactsOf(ReadTestFile(shots / "_bmp_0.bmp")).width, Screen().cx);

    // Resizing off, JPEG on: the full-size JPEG.
    HWND options = OpenOptions(camera, main);
    HWND resize = Child(options, "Resize Screenshots?");
    HWND jpeg = Child(options, "Compress to JPEG?");
    EXPECT_TRUE(Checked(resize));
    EXPECT_TRUE(Checked(jpeg));
    EXPECT_FALSE(Enabled(jpeg));
    Click(resize);
    EXPECT_TRUE(WaitFor([&] { return Enabled(jpeg); }));
    Click(Child(options, "Apply"));
    ASSERT_TRUE(WaitForWindowGone(camera.Id(), "VDR Camera Options"));
    Click(Child(main, "Take ScreenShot Now"));
    ASSERT_TRUE(WaitFor([&] { return Reply() == "currentPhoto=1\r\n"; }));
    ASSERT_TRUE(WaitForFile(shots / "1.jpg"));  // made after the reply
    const JpegFacts full = JpegFactsOf(ReadTestFile(shots / "1.jpg"));
    EXPECT_TRUE(full.valid);
    EXPECT_EQ(full.width, Screen().cx);
    EXPECT_EQ(full.height, Screen().cy);
    EXPECT_TRUE(IsQuality100(full));
    EXPECT_EQ(ListFolder(shots.Path()), "0.jpg 1.jpg _bmp_0.bmp _bmp_1.bmp");
}

// Wine lets a Linux program write over a library a program has loaded; the
// camera runs FreeImage from a copy of its own, which nothing writes over.
TEST_F(EndToEnd, FreeImageWrittenOverUnderTheRunningCameraIsNotWhatItRuns) {
    UseShotFolder();
    registry::SetText(HKEY_CURRENT_USER, kSettingsKey, "Resize", "1");
    TestFolder install{"vdrcam-e2e-install"};
    for (const char* file : {"vdrcam.exe", "FreeImage.dll"}) {
        ASSERT_TRUE(CopyFileA(Built(file).c_str(), (install / file).c_str(), FALSE));
    }
    driver::Program camera(install / "vdrcam.exe");
    HWND main = StartMain(camera);
    Click(Child(main, "Take ScreenShot Now"));
    ASSERT_TRUE(WaitForFile(shots / "0.jpg"));
    if (!EmptyInPlace(install / "FreeImage.dll")) {
        GTEST_SKIP() << "a loaded library cannot be written over here";
    }
    Click(Child(main, "Take ScreenShot Now"));
    EXPECT_TRUE(WaitForFile(shots / "1.jpg"));
    EXPECT_TRUE(camera.Running());
    EXPECT_EQ(Text(main), "VDR Camera");
}

TEST_F(EndToEnd, TheShippedFreeImageKeepsItsFormatNumbersAndVersion) {
    const std::string dll = Built("FreeImage.dll");
    HMODULE library = LoadLibraryExA(dll.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    ASSERT_NE(library, nullptr);
    using FromFormat = int(__stdcall*)(const char*);
    using Version = const char*(__stdcall*)();
    auto fromFormat = reinterpret_cast<FromFormat>(
        reinterpret_cast<void*>(GetProcAddress(library, "FreeImage_GetFIFFromFormat")));
    auto version = reinterpret_cast<Version>(
        reinterpret_cast<void*>(GetProcAddress(library, "FreeImage_GetVersion")));
    ASSERT_NE(fromFormat, nullptr);
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(fromFormat("BMP"), 0);
    EXPECT_EQ(fromFormat("JPEG"), 2);
    EXPECT_EQ(fromFormat("PNG"), 13);  // formats not built keep their numbers
    EXPECT_STREQ(version(), "3.18.0");
    FreeLibrary(library);

    DWORD ignored = 0;
    std::string info(GetFileVersionInfoSizeA(dll.c_str(), &ignored), '\0');
    ASSERT_FALSE(info.empty());
    ASSERT_TRUE(GetFileVersionInfoA(dll.c_str(), 0, static_cast<DWORD>(info.size()), info.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(18, 3));
}

TEST_F(EndToEnd, WithoutAUsableFreeImageOnlyTheBitmapIsStoredAndTheCaptionSaysWhy) {
    UseShotFolder();
    registry::SetText(HKEY_CURRENT_USER, kSettingsKey, "Resize", "1");
    // No program loads a DLL of the other bitness; the machine field is what it goes by.
    std::string otherBitness = ReadTestFile(Built("FreeImage.dll"));
    ASSERT_GT(otherBitness.size(), 0x100u);
    const uint32_t peHeader = *reinterpret_cast<const uint32_t*>(otherBitness.data() + 0x3C);
    const uint16_t machine =
        sizeof(void*) == 8 ? IMAGE_FILE_MACHINE_I386 : IMAGE_FILE_MACHINE_AMD64;
    std::memcpy(otherBitness.data() + peHeader + 4, &machine, sizeof machine);
    char system[MAX_PATH] = {};
    GetSystemDirectoryA(system, sizeof system);
    const struct {
        const char* name;
        std::string dll;  // empty: no FreeImage.dll at all
        const char* caption;
    } cases[] = {
        {"missing", "", "VDR Camera - 1.jpg not made: FreeImage.dll is missing"},
        {"no DLL at all", "This is not a library.\r\n",
         "VDR Camera - 1.jpg not made: FreeImage.dll cannot be used"},
        {"a copy of the other bitness", otherBitness,
         "VDR Camera - 1.jpg not made: FreeImage.dll cannot be used"},
        {"another library renamed", ReadTestFile(std::string(system) + "\\version.dll"),
         "VDR Camera - 1.jpg not made: FreeImage.dll cannot be used"},
        {"saves that fail", ReadTestFile(BinFolder() + "\\..\\failing-freeimage\\FreeImage.dll"),
         "VDR Camera - 1.jpg not made: it could not be written"},
    };
    for (const auto& example : cases) {
        SCOPED_TRACE(example.name);
        TestFolder install{"vdrcam-e2e-install"};
        TestFolder photos{"vdrcam-e2e-photos"};
        registry::SetText(HKEY_CURRENT_USER, kSettingsKey, "ScreenDir", photos.Path());
        ASSERT_TRUE(
            CopyFileA(Built("vdrcam.exe").c_str(), (install / "vdrcam.exe").c_str(), FALSE));
        if (!example.dll.empty()) {
            WriteTestFile(install / "FreeImage.dll", example.dll);
        }
        // A working copy on the search path is no copy of the program's own either.
        driver::Program camera(install / "vdrcam.exe", "", BinFolder());
        HWND main = StartMain(camera);
        for (int photo = 0; photo < 2; ++photo) {
            Click(Child(main, "Take ScreenShot Now"));
            const std::string reply = "currentPhoto=" + std::to_string(photo) + "\r\n";
            ASSERT_TRUE(WaitFor([&] { return Reply() == reply; }));
        }
        EXPECT_TRUE(WaitFor([&] { return Text(main) == example.caption; })) << Text(main);
        EXPECT_FALSE(AnyMessageBox(camera.Id()));
        EXPECT_TRUE(camera.Running());
        // The player puts a working copy back: the next photo's JPEG is made with it.
        const bool putBack =
            std::string(example.caption).find("FreeImage.dll") != std::string::npos;
        if (putBack) {
            ASSERT_TRUE(CopyFileA(Built("FreeImage.dll").c_str(),
                                  (install / "FreeImage.dll").c_str(), FALSE));
            Click(Child(main, "Take ScreenShot Now"));
            EXPECT_TRUE(WaitFor([&] { return Text(main) == "VDR Camera"; })) << Text(main);
        }
        PostMessageA(main, WM_CLOSE, 0, 0);
        EXPECT_TRUE(camera.WaitForExit(5000));  // every JPEG tried by then
        EXPECT_EQ(ListFolder(photos.Path()),
                  putBack ? "2.jpg _bmp_0.bmp _bmp_1.bmp _bmp_2.bmp" : "_bmp_0.bmp _bmp_1.bmp");
    }
}

TEST_F(EndToEnd, TheGamesFolderIsFoundInEitherRegistryView) {
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, kGameKey);
    TestFolder other{"vdrcam-e2e-other-game"};
    CreateDirectoryA((other / "tidemark").c_str(), nullptr);
    CreateDirectoryA((other / "tidemark\\mdb").c_str(), nullptr);
    const struct {
        const char* name;
        const char* in32;  // the folder the game's key names in each view; null: no key
        const char* in64;
        const char* expected;
    } cases[] = {
        {"32-bit view only", "game", nullptr, "game"},
        {"64-bit view only", nullptr, "game", "game"},
        {"both views", "game", "other", "game"},
        {"neither", nullptr, nullptr, ""},
    };
    const auto folder = [&](const char* which) {
        return std::string(which) == "game" ? game.Path() : other.Path();
    };
    for (const auto& example : cases) {
        SCOPED_TRACE(example.name);
        RegDeleteTreeA(HKEY_CURRENT_USER, kSettingsKey);
        for (REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY}) {
            registry::DeleteTree(HKEY_LOCAL_MACHINE, kGameKey, view);
        }
        for (REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY}) {
            const char* which = view == KEY_WOW64_32KEY ? example.in32 : example.in64;
            if (which) {
                registry::SetText(HKEY_LOCAL_MACHINE, kGameKey, kGameFolderValue, folder(which),
                                  view);
            }
        }
        // With one view, the 64-bit side's folder was written there last.
        const char* found = TwoRegistryViews() || !example.in64 ? example.expected : example.in64;
        const std::string expected = *found ? folder(found) : "";
        {
            driver::Program camera(Built("vdrcam.exe"));
            HWND main = StartMain(camera);
            EXPECT_EQ(RegistryText("VeldrunFolder"), expected);
            if (!expected.empty()) {  // and the game's requests are served
                const std::string request = RequestPath(expected);
                WriteTestFile(request, "take 1");
                EXPECT_TRUE(WaitFor([&] { return !Exists(request); }));
            }
            PostMessageA(main, WM_CLOSE, 0, 0);
            EXPECT_TRUE(camera.WaitForExit(5000));
        }
        // The first edition reads the same key, each time its options window loads.
        driver::Program early(Built("vdrcam-early.exe"));
        HWND main = StartMain(early);
        HWND options = OpenOptions(early, main);
        ASSERT_NE(options, nullptr);
        EXPECT_EQ(Text(NthChild(options, "Edit", 0)), expected);
        PostMessageA(main, WM_CLOSE, 0, 0);
        EXPECT_TRUE(early.WaitForExit(5000));
    }
    for (REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY}) {
        registry::DeleteTree(HKEY_LOCAL_MACHINE, kGameKey, view);
    }
}

TEST_F(EndToEnd, SystemInformationIsFoundInEitherRegistryViewTheSystemsFirst) {
    const std::string toolKey = kToolKey;
    TestFolder tools{"vdrcam-e2e-tools"};
    const std::string native = tools / "native.exe";
    const std::string thirtyTwo = tools / "wow64.exe";
    for (const std::string& path : {native, thirtyTwo}) {
        ASSERT_TRUE(CopyFileA(Built("sysinfo_probe.exe").c_str(), path.c_str(), FALSE));
    }
    const struct {
        const char* name;
        bool in64;
        bool in32;
        std::string started;
    } cases[] = {
        {"64-bit view only", true, false, native},
        {"32-bit view only", false, true, thirtyTwo},
        {"both views", true, true, native},
    };
    driver::Program camera(Built("vdrcam.exe"));
    HWND main = StartMain(camera);
    Click(Child(main, "Instructions"));
    HWND help = WaitForWindow(camera.Id(), "VDR Camera Help");
    ASSERT_NE(help, nullptr);
    for (const auto& example : cases) {
        SCOPED_TRACE(example.name);
        DeleteFileA((native + ".ran").c_str());
        DeleteFileA((thirtyTwo + ".ran").c_str());
        registry::DeleteTree(HKEY_LOCAL_MACHINE, toolKey, KEY_WOW64_64KEY);
        registry::DeleteTree(HKEY_LOCAL_MACHINE, toolKey, KEY_WOW64_32KEY);
        if (example.in64) {
            registry::SetText(HKEY_LOCAL_MACHINE, toolKey, kToolValue, native, KEY_WOW64_64KEY);
        }
        if (example.in32) {
            registry::SetText(HKEY_LOCAL_MACHINE, toolKey, kToolValue, thirtyTwo, KEY_WOW64_32KEY);
        }
        // With one view, the 32-bit side's path was written there last.
        const std::string started =
            TwoRegistryViews() || !example.in32 ? example.started : thirtyTwo;
        Click(Child(help, "&System Info..."));
        EXPECT_TRUE(WaitForFile(started + ".ran"));
        Sleep(300);
        EXPECT_EQ(Exists(native + ".ran"), started == native);
        EXPECT_EQ(Exists(thirtyTwo + ".ran"), started == thirtyTwo);
        EXPECT_FALSE(AnyMessageBox(camera.Id()));
    }
    registry::DeleteTree(HKEY_LOCAL_MACHINE, toolKey, KEY_WOW64_64KEY);
    registry::DeleteTree(HKEY_LOCAL_MACHINE, toolKey, KEY_WOW64_32KEY);
}

namespace {

// The screen's dots per inch for the programs started while it lives; Wine 8
// reads it from the registry when a program starts, Wine 10 when its session
// starts (the suite's runner starts one at 144 for this test).
class ScreenDpi {
public:
    explicit ScreenDpi(DWORD dpi) {
        previous_ = ReadDword();
        registry::SetDword(HKEY_CURRENT_USER, kDesktop, kLogPixels, dpi);
    }
    ~ScreenDpi() {
        if (previous_) {
            registry::SetDword(HKEY_CURRENT_USER, kDesktop, kLogPixels, *previous_);
        } else {
            DeleteValue();
        }
    }
    ScreenDpi(const ScreenDpi&) = delete;
    ScreenDpi& operator=(const ScreenDpi&) = delete;

private:
    static constexpr char kDesktop[] = "Control Panel\\Desktop";
    static constexpr char kLogPixels[] = "LogPixels";
    static std::optional<DWORD> ReadDword() {
        DWORD value = 0;
        DWORD size = sizeof value;
        if (RegGetValueA(HKEY_CURRENT_USER, kDesktop, kLogPixels, RRF_RT_REG_DWORD, nullptr, &value,
                         &size) != ERROR_SUCCESS) {
            return std::nullopt;
        }
        return value;
    }
    static void DeleteValue() { RegDeleteKeyValueA(HKEY_CURRENT_USER, kDesktop, kLogPixels); }
    std::optional<DWORD> previous_;
};

}  // namespace

TEST_F(EndToEnd, At144DpiWindowsScaleFromTwipsAndPhotosKeepTheScreensPixels) {
    SetProcessDPIAware();  // read the programs' windows in real pixels
    UseShotFolder();
    ScreenDpi dpi(144);
    {
        driver::Program camera(Built("vdrcam.exe"));
        HWND main = StartMain(camera);
        EXPECT_EQ(ClientSize(main).cx, 273);  // 2730 x 1140 twips, 10 to a pixel
        EXPECT_EQ(ClientSize(main).cy, 114);
        const RECT options = RectInParent(Child(main, "Options"));
        EXPECT_EQ(options.left, 12);
        EXPECT_EQ(options.top, 48);
        EXPECT_EQ(options.right - options.left, 254);  // 253.5 rounded
        EXPECT_EQ(options.bottom - options.top, 26);   // 25.5 rounded
        Click(Child(main, "Take ScreenShot Now"));
        ASSERT_TRUE(WaitFor([&] { return Reply() == "currentPhoto=0\r\n"; }));
        const BmpFacts photo = BmpFactsOf(ReadTestFile(shots / "_bmp_0.bmp"));
        EXPECT_EQ(photo.width, Screen().cx);
        EXPECT_EQ(photo.height, Screen().cy);
        PostMessageA(main, WM_CLOSE, 0, 0);
        EXPECT_TRUE(camera.WaitForExit(5000));
    }
    driver::Program early(Built("vdrcam-early.exe"));
    HWND main = StartMain(early);
    EXPECT_EQ(ClientSize(main).cx, 297);  // 2970 x 1035 twips
    EXPECT_EQ(ClientSize(main).cy, 104);
    HWND options = OpenOptions(early, main);
    ASSERT_NE(options, nullptr);
    Type(NthChild(options, "Edit", 1), shots.Path());
    Click(Child(options, "Apply"));
    ASSERT_TRUE(WaitForWindowGone(early.Id(), "VDR Camera Options"));
    Click(Child(main, "Take ScreenShot Now"));
    const MessageBoxSeen box = WaitForMessageBox(early.Id());
    EXPECT_EQ(box.text,
              std::to_string(Screen().cx * 10) + " by " + std::to_string(Screen().cy * 10));
    Answer(box, IDOK);
    ASSERT_TRUE(WaitForFile(shots / "0.bmp"));
    ASSERT_TRUE(WaitFor([&] { return BmpFactsOf(ReadTestFile(shots / "0.bmp")).width > 0; }));
    const BmpFacts photo = BmpFactsOf(ReadTestFile(shots / "0.bmp"));
    EXPECT_EQ(photo.width, Screen().cx);
    EXPECT_EQ(photo.height, Screen().cy);
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(early.WaitForExit(5000));
}
