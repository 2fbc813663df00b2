#pragma once

#include <cstdint>
#include <string>
#include <vector>

// What the tests read back from the photo files the programs write, given
// the files' bytes.

struct BmpFacts {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    uint32_t centre = 0;             // colour of the middle pixel, 0x00RRGGBB (24 and 32 bits)
    bool fourthBytesZero = false;    // 32 bits: every pixel's unused byte is 0
    bool oneColour = false;          // 32 bits: every pixel has the middle one's colour
    std::vector<int> colourChanges;  // 32 bits: rows, from the top, whose middle pixel differs
                                     // from the one above it
};

// Zeroes when the bytes are no BMP, or one whose header misstates its size.
BmpFacts BmpFactsOf(const std::string& bytes);

struct JpegFacts {
    bool valid = false;
    int width = 0;
    int height = 0;
    // Every quantisation table of the file, 64 entries each.
    std::vector<std::vector<int>> quantisation;
};

// The frame size and the quantisation tables from the file's own markers.
JpegFacts JpegFactsOf(const std::string& bytes);

// Whether every quantisation entry is 1, which is what quality 100 gives.
bool IsQuality100(const JpegFacts& jpeg);
