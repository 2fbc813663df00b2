// The ordinary conversion of text to a number, as it meets sizes typed in
// Options or set by hand in the registry, and what a capture makes of them.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>

#include "Check.h"
#include "core/photo/StorePhoto.h"
#include "core/settings/Variant.h"

namespace {

// Blanks, a sign and up to 15 digits, nothing else: an independent reading.
std::optional<long long> PlainWhole(const std::string& text) {
    size_t begin = text.find_first_not_of(" \t");
    size_t end = text.find_last_not_of(" \t");
    if (begin == std::string::npos) {
        return std::nullopt;
    }
    const std::string body = text.substr(begin, end - begin + 1);
    const size_t digits = body.find_first_not_of("+-") == 1 ? 1 : 0;
    if (body.size() <= digits || body.size() - digits > 15 ||
        body.find_first_not_of("0123456789", digits) != std::string::npos ||
        (digits == 1 && body[0] != '+' && body[0] != '-')) {
        return std::nullopt;
    }
    return std::strtoll(body.c_str(), nullptr, 10);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::optional<double> number = ParseNumber(text);
    if (const auto plain = PlainWhole(text)) {
        Check(number && *number == static_cast<double>(*plain));
    }
    if (number) {
        Check(*number == *number);  // never NaN
    }

    // Taken as a size only when it is exactly a whole number from 1 up.
    if (const std::optional<int32_t> whole = WholeNumberFromOne(text)) {
        Check(number && *number == *whole && *whole >= 1);
    } else {
        Check(!number || *number < 1 || *number != std::floor(*number) ||
              *number > std::numeric_limits<int32_t>::max());
    }

    // The stored width and height as a capture takes them: both halves of
    // the input, a rescale of their rounded numbers or of none.
    const std::string width = text.substr(0, size / 2);
    const std::string height = text.substr(size / 2);
    const CaptureSettings settings{
        .shotFolder = "C:\\Shots", .resizeShots = 1, .shotWidth = width, .shotHeight = height};
    const std::optional<JpegJob> job = JpegAskedFor(settings, 7);
    Check(job && job->rescale);
    const auto w = Variant(width).ToLong();
    const auto h = Variant(height).ToLong();
    if (w && h) {
        Check(job->rescale->width == *w && job->rescale->height == *h);
    } else {
        Check(!IsPossibleSize(*job->rescale));
    }
    return 0;
}
