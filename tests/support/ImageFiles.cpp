#include "ImageFiles.h"

namespace {

uint32_t Little32(const std::string& bytes, size_t at) {
    return static_cast<uint32_t>(static_cast<uint8_t>(bytes[at])) |
           static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 1])) << 8 |
           static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 2])) << 16 |
           static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 3])) << 24;
}

int Big16(const std::string& bytes, size_t at) {
    return static_cast<uint8_t>(bytes[at]) << 8 | static_cast<uint8_t>(bytes[at + 1]);
}

}  // namespace

BmpFacts BmpFactsOf(const std::string& bytes) {
    BmpFacts facts;
    // A header that gives another file size than the file has is broken too.
    if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M' ||
        Little32(bytes, 2) != bytes.size()) {
        return facts;
    }
    const uint32_t offset = Little32(bytes, 10);
    facts.width = static_cast<int>(Little32(bytes, 18));
    facts.height = static_cast<int>(Little32(bytes, 22));
    facts.bitsPerPixel = static_cast<uint8_t>(bytes[28]);
    if (facts.bitsPerPixel < 24 || facts.width <= 0 || facts.height <= 0) {
        return facts;
    }
    const size_t bytesPerPixel = static_cast<size_t>(facts.bitsPerPixel / 8);
    const size_t stride = ((static_cast<size_t>(facts.width) * facts.bitsPerPixel + 31) / 32) * 4;
    const size_t centre = offset + stride * static_cast<size_t>(facts.height / 2) +
                          static_cast<size_t>(facts.width / 2) * bytesPerPixel;
    if (centre + 4 <= bytes.size()) {
        facts.centre = Little32(bytes, centre) & 0xFFFFFF;
    }
    if (facts.bitsPerPixel == 32 && offset + stride * facts.height <= bytes.size()) {
        facts.fourthBytesZero = true;
        facts.oneColour = true;
        for (size_t at = offset; at < offset + stride * facts.height; at += 4) {
            const uint32_t pixel = Little32(bytes, at);
            facts.fourthBytesZero = facts.fourthBytesZero && (pixel >> 24) == 0;
            facts.oneColour = facts.oneColour && (pixel & 0xFFFFFF) == facts.centre;
        }
        // Stored from the bottom row up.
        const auto middle = [&](int fromTop) {
            return Little32(bytes, offset +
                                       stride * static_cast<size_t>(facts.height - 1 - fromTop) +
                                       static_cast<size_t>(facts.width / 2) * 4) &
                   0xFFFFFF;
        };
        for (int row = 1; row < facts.height; ++row) {
            if (middle(row) != middle(row - 1)) {
                facts.colourChanges.push_back(row);
            }
        }
    }
    return facts;
}

JpegFacts JpegFactsOf(const std::string& bytes) {
    JpegFacts facts;
    if (bytes.size() < 4 || static_cast<uint8_t>(bytes[0]) != 0xFF ||
        static_cast<uint8_t>(bytes[1]) != 0xD8) {
        return facts;
    }
    size_t at = 2;
    while (at + 4 <= bytes.size() && static_cast<uint8_t>(bytes[at]) == 0xFF) {
        const int marker = static_cast<uint8_t>(bytes[at + 1]);
        const size_t length = static_cast<size_t>(Big16(bytes, at + 2));
        const size_t body = at + 4;
        const size_t end = at + 2 + length;
        if (length < 2 || end > bytes.size()) {
            return facts;
        }
        if (marker == 0xDB) {  // quantisation tables
            for (size_t table = body; table < end;) {
                const bool wide = (static_cast<uint8_t>(bytes[table]) >> 4) != 0;
                if (table + 1 + 64 * (wide ? 2 : 1) > end) {
                    return facts;
                }
                std::vector<int> entries;
                for (int i = 0; i < 64; ++i) {
                    const size_t entry = table + 1 + static_cast<size_t>(i) * (wide ? 2 : 1);
                    entries.push_back(wide ? Big16(bytes, entry)
                                           : static_cast<uint8_t>(bytes[entry]));
                }
                facts.quantisation.push_back(entries);
                table += 1 + 64 * (wide ? 2 : 1);
            }
        } else if (marker >= 0xC0 && marker <= 0xC3) {  // frame header
            facts.height = Big16(bytes, body + 1);
            facts.width = Big16(bytes, body + 3);
        } else if (marker == 0xDA) {  // scan data follows
            facts.valid = facts.width > 0 && !facts.quantisation.empty();
            return facts;
        }
        at = end;
    }
    return facts;
}

bool IsQuality100(const JpegFacts& jpeg) {
    if (jpeg.quantisation.empty()) {
        return false;
    }
    for (const auto& table : jpeg.quantisation) {
        for (int entry : table) {
            if (entry != 1) {
                return false;
            }
        }
    }
    return true;
}
