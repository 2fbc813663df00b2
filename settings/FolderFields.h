#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "ui/Form.h"

// What both editions' options windows have at their top: the game folder and
// the screenshot folder, each with the marker beside it, and Apply's checks
// of the two.
class FolderFieldsForm : public ui::Form {
protected:
    // The screenshot folder's marker takes the given place in the tab order;
    // the longest screenshot folder is the edition's.
    FolderFieldsForm(ui::FormDesign design, int shotMarkerTabIndex, size_t longestShotFolder)
        : ui::Form(std::move(design)),
          shotMarkerTabIndex_(shotMarkerTabIndex),
          longestShotFolder_(longestShotFolder) {}

    // Apply's folder checks, in their order: the game folder must leave room
    // for the exchange's files and exist; the screenshot folder must leave
    // room for the photos' files, and one that is not there is made, and
    // " - Folder created" said only once it exists and can be written. False,
    // with the error in the message line and the marker beside the field,
    // when one fails.
    bool FoldersReady(ui::Control& message, std::string& gameFolder, std::string& shotFolder);

    using Kind = ui::Kind;
    // Colours of the markers and the message line (0x00BBGGRR).
    static constexpr uint32_t kDarkRed = 0x0000C0;
    static constexpr uint32_t kRed = 0x0000FF;

private:
    const int shotMarkerTabIndex_;
    const size_t longestShotFolder_;

protected:
    // One row per control; geometry in twips: left, top, width, height.
    // clang-format off
    ui::Control& Label1 = Add({.kind = Kind::Label, .name = "Label1", .caption = "Veldrun Folder",
        .left = 120, .top = 0, .width = 1935, .height = 255, .tabIndex = 2});
    ui::Control& VeldrunFolderU = Add({.kind = Kind::TextBox, .name = "VeldrunFolderU",
        .left = 240, .top = 240, .width = 2775, .height = 285, .tabIndex = 0});
    ui::Control& VeldFolderWrong = Add({.kind = Kind::Label, .name = "VeldFolderWrong",
        .left = 3000, .top = 240, .width = 135, .height = 255, .tabIndex = 8, .foreColour = kDarkRed});
    ui::Control& Label2 = Add({.kind = Kind::Label, .name = "Label2", .caption = "ScreenShot Dir",
        .left = 120, .top = 600, .width = 1815, .height = 255, .tabIndex = 4});
    ui::Control& ScreenDirU = Add({.kind = Kind::TextBox, .name = "ScreenDirU",
        .left = 240, .top = 840, .width = 2775, .height = 285, .tabIndex = 3});
    ui::Control& ScreenDirWrong = Add({.kind = Kind::Label, .name = "ScreenDirWrong",
        .left = 3000, .top = 840, .width = 135, .height = 255, .tabIndex = shotMarkerTabIndex_,
        .foreColour = kDarkRed});
    // clang-format on
};
