#include "core/texts/EarlyTexts.h"

#include <cmath>
#include <cstdio>

std::string FormatSingle(float value) {
    if (std::isfinite(value) && value == std::trunc(value) && std::fabs(value) < 1e7f) {
        return std::to_string(static_cast<long>(value));
    }
    char text[32];
    std::snprintf(text, sizeof text, "%.7G", static_cast<double>(value));
    return text;
}

std::string SizeMessage(float widthTwips, float heightTwips) {
    return FormatSingle(widthTwips) + " by " + FormatSingle(heightTwips);
}
