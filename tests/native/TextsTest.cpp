#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "core/photo/PhotoFiles.h"
#include "core/texts/CaptureTexts.h"
#include "core/texts/EarlyTexts.h"
#include "core/texts/GameScript.h"
#include "core/texts/HelpTexts.h"
#include "core/texts/OptionsTexts.h"

namespace {

std::vector<std::string> Split(const std::string& text, const std::string& separator) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t at; (at = text.find(separator, start)) != std::string::npos;) {
        parts.push_back(text.substr(start, at - start));
        start = at + separator.size();
    }
    parts.push_back(text.substr(start));
    return parts;
}

}  // namespace

TEST(GameScript, NineteenCrLfLinesWithTheirQuirks) {
    const std::string script = kGameScript;
    EXPECT_EQ(script.size(), 378u);
    EXPECT_EQ(script.substr(script.size() - 2), "\r\n");
    const auto lines = Split(script, "\r\n");
    ASSERT_EQ(lines.size(), 20u);  // 19 lines and nothing after the last CR LF
    EXPECT_EQ(lines[19], "");
    EXPECT_EQ(std::count(script.begin(), script.end(), '\n'), 19);
    EXPECT_EQ(std::count(script.begin(), script.end(), '\r'), 19);
    for (char c : script) {
        EXPECT_TRUE((c >= 32 && c < 127) || c == '\r' || c == '\n') << int(c);
    }
    EXPECT_EQ(lines[0], "?!ZAR_Tidemark : goto \"NoTIDEMARK\"");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], "#loop");
    EXPECT_EQ(lines[3], "call loadFile format[\":file delete takePhoto.db\"]");
    EXPECT_EQ(lines[4], "_x = call loadfile \":input agetkey h\"");
    EXPECT_EQ(lines[5], "?(_x > 0):goto \"take\"");
    EXPECT_EQ(lines[6], "~1");
    EXPECT_EQ(lines[7], "goto \"Loop\"");
    EXPECT_EQ(lines[8], "");
    EXPECT_EQ(lines[9], "#take");
    EXPECT_EQ(lines[10], "call loadFile format[\":file write takePhoto.db %1 %2\", \"take\", 1]");
    EXPECT_EQ(lines[11], "~1");
    EXPECT_EQ(lines[12], "goto \"loop\"");
    EXPECT_EQ(lines[13], "");
    EXPECT_EQ(lines[14], "#NoTIDEMARK");
    EXPECT_EQ(lines[15], "HINTC \"TIDEMARK not found, please check ReadMe\\nMission will NOT ");
    EXPECT_EQ(lines[16], "work properly.\"");
    EXPECT_EQ(lines[17], "~3");
    EXPECT_EQ(lines[18], "exit ");
}

TEST(HelpText, FourParagraphsAfterLoneCarriageReturns) {
    const std::string text = InstructionText("\"", Edition::Current);
    EXPECT_EQ(text.find('\n'), std::string::npos);
    const auto paragraphs = Split(text, "\r");
    ASSERT_EQ(paragraphs.size(), 4u);
    EXPECT_EQ(
        paragraphs[0],
        "To use : Start Operation Veldrun Bulwark USING TIDEMARK, with this program running.");
    EXPECT_EQ(paragraphs[1],
              "Then run the script supplied below (init.sqs is best way), and create a file called "
              "tidemark_check.sqf, containing the word false.");
    EXPECT_EQ(paragraphs[2],
              "You can modify this script so you need to use a camera (Check fired ammo, if it is "
              "weak camera bullet, take photo), or simply map it to another key (Default is H)");
    EXPECT_EQ(paragraphs[3],
              "Code to take screenshot is : call loadFile format[ \":file write takePhoto.db %1 %2 "
              "\", \"take \", 1]");
}

TEST(HelpText, EveryQuoteComesFromTheQuoteText) {
    const std::string text = InstructionText("|", Edition::Current);
    EXPECT_EQ(text.find('"'), std::string::npos);
    EXPECT_NE(text.find("format[ |:file write takePhoto.db %1 %2 |, |take |, 1]"),
              std::string::npos);
}

TEST(HelpText, FirstEditionSaysGetInsteadOfKey) {
    const auto current = Split(InstructionText("\"", Edition::Current), "\r");
    const auto first = Split(InstructionText("\"", Edition::First), "\r");
    ASSERT_EQ(first.size(), 4u);
    EXPECT_EQ(first[0], current[0]);
    EXPECT_EQ(first[1], current[1]);
    EXPECT_EQ(first[3], current[3]);
    EXPECT_EQ(first[2],
              "You can modify this script so you need to use a camera (Check fired ammo, if it is "
              "weak camera bullet, take photo), or simply map it to another get (Default is H)");
}

TEST(Texts, EveryMessageWordForWord) {
    const std::pair<std::string, std::string> texts[] = {
        {kPathHint, "No end \\ in paths"},
        {kWidthMissing, "Width Must be filled in"},
        {kHeightMissing, "Height Must be filled in"},
        {kGameFolderWrong, "*Veldrun Folder Is Incorrect"},
        {kShotFolderNotMade, "*ScreenShot Dir Could Not Be Created"},
        {kMarker, "*"},
        {kFolderCreated, " - Folder created"},
        {kHelpGameFolder,
         "The Veldrun Folder is where you have installed VDR, this should contain the tidemark "
         "folder"},
        {kHelpShotFolder, "The ScreenShot Folder is where you want your photos to be stored"},
        {kHelpUninstall,
         "Uninstall removes all enteries relating to VDR Camera from registery (Mainly remebering "
         "paths to Screenshot Dir and Veldrun Folder)"},
        {kUninstallQuestion, "Do you want to remove VDRCamera from Registery and exit?"},
        {kUninstallDone, "Sucessfully removed, click okay to exit"},
        {kEarlyHelpText, std::string(kHelpGameFolder) + "\r" + kHelpShotFolder},
        {kHelpCaption, "VDR Camera Help"},
        {kSysInfoUnavailable, "System Information Is Unavailable At This Time"},
        {kGameFolderNotFull, "*Veldrun Folder Must Be A Full Path"},
        {kShotFolderNotFull, "*ScreenShot Dir Must Be A Full Path"},
        {kGameFolderDotOrSpace, "*Veldrun Folder: Name Ends In . Or Space"},
        {kShotFolderDotOrSpace, "*ScreenShot Dir: Name Ends In . Or Space"},
        {GameFolderTooLong(230), "*Veldrun Folder: At Most 230 Characters"},
        {ShotFolderTooLong(239), "*ScreenShot Dir: At Most 239 Characters"},
        // The capture window's caption, the gravest sign first.
        {CaptionFor({}), "VDR Camera"},
        {CaptionFor({.notStored = NotStored::NoPicture, .gameFolder = FolderFault::TooLong}),
         "VDR Camera - photos not stored: the screen could not be copied"},
        {CaptionFor({.notStored = NotStored::NoFolder}),
         "VDR Camera - photos not stored: ScreenShot Dir is missing"},
        {CaptionFor({.notStored = NotStored::NotAFolder}),
         "VDR Camera - photos not stored: ScreenShot Dir is a file"},
        {CaptionFor({.notStored = NotStored::TooLong}),
         "VDR Camera - photos not stored: ScreenShot Dir is too long"},
        {CaptionFor({.notStored = NotStored::DiskFull}),
         "VDR Camera - photos not stored: ScreenShot Dir's drive is full"},
        {CaptionFor({.notStored = NotStored::NotWritten}),
         "VDR Camera - photos not stored: ScreenShot Dir cannot be written"},
        {CaptionFor({.notStored = NotStored::NotFullPath}),
         "VDR Camera - photos not stored: ScreenShot Dir is not a full path"},
        {CaptionFor({.notStored = NotStored::NameEndsInDotOrSpace}),
         "VDR Camera - photos not stored: ScreenShot Dir has a name ending in . or space"},
        {CaptionFor(
             {.gameFolder = FolderFault::TooLong, .leftAlone = LeftAlone::Link, .untold = "4"}),
         "VDR Camera - requests not seen: Veldrun Folder is too long"},
        {CaptionFor({.gameFolder = FolderFault::NotFull}),
         "VDR Camera - requests not seen: Veldrun Folder is not a full path"},
        {CaptionFor({.gameFolder = FolderFault::DotOrSpace}),
         "VDR Camera - requests not seen: Veldrun Folder has a name ending in . or space"},
        {CaptionFor({.leftAlone = LeftAlone::Link, .untold = "4"}),
         "VDR Camera - takePhoto.db is a link, left where it is"},
        {CaptionFor({.leftAlone = LeftAlone::ReadOnly}),
         "VDR Camera - takePhoto.db is read-only, left where it is"},
        {CaptionFor({.leftAlone = LeftAlone::Folder}),
         "VDR Camera - takePhoto.db is a folder, not a request"},
        {CaptionFor({.untold = "4", .jpegNotMade = JpegNotMadeSign({3, JpegOutcome::NoLibrary})}),
         "VDR Camera - the game was not told of photo 4: currentPhoto.db could not be written"},
        {CaptionFor({.jpegNotMade = JpegNotMadeSign({3, JpegOutcome::NoLibrary})}),
         "VDR Camera - 3.jpg not made: FreeImage.dll is missing"},
        {CaptionFor({.jpegNotMade = JpegNotMadeSign({3, JpegOutcome::UnusableLibrary})}),
         "VDR Camera - 3.jpg not made: FreeImage.dll cannot be used"},
        {CaptionFor({.jpegNotMade = JpegNotMadeSign({3, JpegOutcome::ImpossibleSize})}),
         "VDR Camera - 3.jpg not made: the rescale size cannot be made"},
        {CaptionFor({.jpegNotMade = JpegNotMadeSign({3, JpegOutcome::NoBitmap})}),
         "VDR Camera - 3.jpg not made: its bitmap file could not be read"},
        {CaptionFor({.jpegNotMade = JpegNotMadeSign({3, JpegOutcome::DiskFull})}),
         "VDR Camera - 3.jpg not made: ScreenShot Dir's drive is full"},
        {CaptionFor({.jpegNotMade = JpegNotMadeSign({3, JpegOutcome::NotWritten})}),
         "VDR Camera - 3.jpg not made: it could not be written"},
        {FinishingCaption(3), "VDR Camera - finishing 3 JPEGs"},
        {FinishingCaption(1), "VDR Camera - finishing 1 JPEG"},
        {FinishingJpegs(3), "Finishing 3 JPEGs"},
    };
    for (const auto& [text, expected] : texts) {
        EXPECT_EQ(text, expected);
    }
}

TEST(EarlyTexts, SizeMessageInTwips) {
    EXPECT_EQ(SizeMessage(1024 * 15.0f, 768 * 15.0f), "15360 by 11520");
    EXPECT_EQ(SizeMessage(1280 * 15.0f, 1024 * 15.0f), "19200 by 15360");
    EXPECT_EQ(SizeMessage(1920 * 12.0f, 1080 * 12.0f), "23040 by 12960");
    EXPECT_EQ(FormatSingle(1280 * (1440.0f / 110.0f)), "16756.36");
    EXPECT_EQ(FormatSingle(0.5f), "0.5");
}

TEST(EarlyTexts, PhotoPathsAreTheNumberAlone) {
    EXPECT_EQ(EarlyPhotoPath("C:\\ScreenShots", 7), "C:\\ScreenShots\\7.bmp");
    EXPECT_EQ(EarlyPhotoPath("C:\\ScreenShots", 32767), "C:\\ScreenShots\\32767.bmp");
}
