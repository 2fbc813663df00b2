// The registry's text rules, as they meet values of any type and bytes that
// any program or hand may have stored. The first byte picks the type.
#include <cstdint>
#include <string>
#include <string_view>

#include "Check.h"
#include "core/settings/RegistryText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    if (size == 0) {
        return 0;
    }
    // Mostly the types read, sometimes any other.
    const uint32_t types[] = {kRegText, kRegExpandableText, kRegNumber, bytes[0]};
    const uint32_t type = types[bytes[0] % 4];
    // The rules get exactly the value's bytes: a read past them is caught.
    const std::string_view data(reinterpret_cast<const char*>(bytes + 1), size - 1);
    const std::string_view beforeZero = data.substr(0, data.find('\0'));

    const auto text = TextUpToZero(type, data);
    Check(text.has_value() == (type == kRegText));
    Check(!text || *text == beforeZero);

    // A text written with trailing zeros and junk after its first zero reads
    // as the text before it.
    const std::string padded = std::string(beforeZero) + std::string("\0\0", 2) + "junk";
    Check(!text || TextUpToZero(type, padded) == *text);

    const auto same = [](const std::string& unexpanded) { return unexpanded; };
    const auto expanded = ExpandedText(type, data, same);
    Check(expanded.has_value() == (type == kRegText || type == kRegExpandableText));
    Check(!expanded || *expanded == beforeZero);

    const auto shown = ShownText(type, data);
    Check(shown.has_value() == (type == kRegText || type == kRegNumber));
    if (shown && type == kRegText) {
        const bool oneZeroDropped = !data.empty() && data.back() == '\0';
        Check(*shown == data.substr(0, data.size() - (oneZeroDropped ? 1 : 0)));
    }

    const auto number = Dword(type, data);
    Check(number.has_value() == (type == kRegNumber && data.size() == 4));
    if (number) {
        Check(shown == std::to_string(*number));
    }
    return 0;
}
