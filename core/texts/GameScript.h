#pragma once

// The game-side script that turns a press of H into a photo request. The
// player copies it into a mission; it is carried here character for
// character, quirks included ("loadfile", "Loop", trailing spaces).
inline constexpr char kGameScript[] =
    "?!ZAR_Tidemark : goto \"NoTIDEMARK\"\r\n"
    "\r\n"
    "#loop\r\n"
    "call loadFile format[\":file delete takePhoto.db\"]\r\n"
    "_x = call loadfile \":input agetkey h\"\r\n"
    "?(_x > 0):goto \"take\"\r\n"
    "~1\r\n"
    "goto \"Loop\"\r\n"
    "\r\n"
    "#take\r\n"
    "call loadFile format[\":file write takePhoto.db %1 %2\", \"take\", 1]\r\n"
    "~1\r\n"
    "goto \"loop\"\r\n"
    "\r\n"
    "#NoTIDEMARK\r\n"
    "HINTC \"TIDEMARK not found, please check ReadMe\\nMission will NOT \r\n"
    "work properly.\"\r\n"
    "~3\r\n"
    "exit \r\n";
