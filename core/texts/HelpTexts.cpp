#include "core/texts/HelpTexts.h"

std::string InstructionText(const std::string& quote, Edition edition) {
    const char* remap = edition == Edition::Current
                            ? "or simply map it to another key (Default is H)"
                            : "or simply map it to another get (Default is H)";
    std::string text;
    text += "To use : Start Operation Veldrun Bulwark USING TIDEMARK, with this program running.";
    text += "\r";
    text +=
        "Then run the script supplied below (init.sqs is best way), and create a file called "
        "tidemark_check.sqf, containing the word false.";
    text += "\r";
    text +=
        "You can modify this script so you need to use a camera (Check fired ammo, if it is weak "
        "camera bullet, take photo), ";
    text += remap;
    text += "\r";
    text += "Code to take screenshot is : call loadFile format[ ";
    text += quote;
    text += ":file write takePhoto.db %1 %2 ";
    text += quote;
    text += ", ";
    text += quote;
    text += "take ";
    text += quote;
    text += ", 1]";
    return text;
}
