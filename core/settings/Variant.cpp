#include "core/settings/Variant.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::optional<double> ParseRadix(const std::string& digits, int radix) {
    if (digits.empty() || digits.size() > (radix == 16 ? 8u : 11u)) {
        return std::nullopt;
    }
    uint64_t value = 0;
    for (char c : digits) {
        int digit;
        if (std::isdigit(static_cast<unsigned char>(c))) {
            digit = c - '0';
        } else if (radix == 16 && std::isxdigit(static_cast<unsigned char>(c))) {
            digit = std::toupper(static_cast<unsigned char>(c)) - 'A' + 10;
        } else {
            return std::nullopt;
        }
        if (digit >= radix) {
            return std::nullopt;
        }
        value = value * radix + digit;
    }
    if (value > 0xFFFFFFFFull) {
        return std::nullopt;
    }
    // Hex and octal literals are 32-bit patterns: &HFFFFFFFF is -1.
    return static_cast<double>(static_cast<int32_t>(static_cast<uint32_t>(value)));
}

}  // namespace

std::optional<double> ParseNumber(const std::string& text) {
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && IsBlank(text[begin])) {
        ++begin;
    }
    while (end > begin && IsBlank(text[end - 1])) {
        --end;
    }
    const std::string body = text.substr(begin, end - begin);
    if (body.empty()) {
        return std::nullopt;
    }
    if (body.size() > 2 && body[0] == '&') {
        const char kind = static_cast<char>(std::toupper(static_cast<unsigned char>(body[1])));
        if (kind == 'H') {
            return ParseRadix(body.substr(2), 16);
        }
        if (kind == 'O') {
            return ParseRadix(body.substr(2), 8);
        }
        return std::nullopt;
    }

    size_t i = 0;
    if (body[i] == '+' || body[i] == '-') {
        ++i;
    }
    size_t digits = 0;
    while (i < body.size() && std::isdigit(static_cast<unsigned char>(body[i]))) {
        ++i;
        ++digits;
    }
    if (i < body.size() && body[i] == '.') {
        ++i;
        while (i < body.size() && std::isdigit(static_cast<unsigned char>(body[i]))) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) {
        return std::nullopt;
    }
    if (i < body.size() && (body[i] == 'e' || body[i] == 'E')) {
        size_t j = i + 1;
        if (j < body.size() && (body[j] == '+' || body[j] == '-')) {
            ++j;
        }
        size_t expDigits = 0;
        while (j < body.size() && std::isdigit(static_cast<unsigned char>(body[j]))) {
            ++j;
            ++expDigits;
        }
        if (expDigits == 0) {
            return std::nullopt;
        }
        i = j;
    }
    if (i != body.size()) {
        return std::nullopt;
    }
    const double value = std::strtod(body.c_str(), nullptr);
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<int32_t> RoundToLong(double value) {
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    // Banker's rounding, independent of the current floating-point mode.
    double whole = std::floor(value);
    const double fraction = value - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) {
        whole += 1.0;
    }
    if (whole < static_cast<double>(std::numeric_limits<int32_t>::min()) ||
        whole > static_cast<double>(std::numeric_limits<int32_t>::max())) {
        return std::nullopt;
    }
    return static_cast<int32_t>(whole);
}

std::optional<int32_t> WholeNumberFromOne(const std::string& text) {
    const auto value = ParseNumber(text);
    if (!value || *value < 1 || *value != std::floor(*value)) {
        return std::nullopt;
    }
    return RoundToLong(*value);
}

Variant::Variant(int number)
    : type_(number >= INT16_MIN && number <= INT16_MAX ? Type::Integer : Type::Long),
      number_(number) {}

std::string Variant::Text() const {
    switch (type_) {
        case Type::Empty:
            return {};
        case Type::Text:
            return text_;
        case Type::Integer:
        case Type::Long:
            return std::to_string(number_);
    }
    return {};
}

size_t Variant::TextLength() const { return type_ == Type::Text ? text_.size() : Text().size(); }

std::optional<double> Variant::Number() const {
    switch (type_) {
        case Type::Empty:
            return 0.0;
        case Type::Text:
            return ParseNumber(text_);
        case Type::Integer:
        case Type::Long:
            return static_cast<double>(number_);
    }
    return std::nullopt;
}

bool Variant::Equals(int number) const {
    const auto value = Number();
    return value && *value == number;
}

std::optional<int32_t> Variant::ToLong() const {
    const auto value = Number();
    if (!value) {
        return std::nullopt;
    }
    return RoundToLong(*value);
}

void Variant::Increment() {
    if (type_ != Type::Integer && type_ != Type::Long) {
        *this = Variant(ToLong().value_or(0));
    }
    ++number_;
    if (number_ > INT16_MAX) {
        type_ = Type::Long;
    }
}
