#pragma once

#include <cstdint>
#include <optional>
#include <string>

// A program-wide value that is empty, a text or a whole number. Numbers start
// 16 bits wide and widen to 32 bits when arithmetic passes 32767, so a counter
// never overflows in practice. Comparisons with numbers are numeric: the text
// "1" equals 1, an empty value equals 0.
class Variant {
public:
    enum class Type { Empty, Text, Integer, Long };

    Variant() = default;
    Variant(const char* text) : type_(Type::Text), text_(text) {}
    Variant(std::string text) : type_(Type::Text), text_(std::move(text)) {}
    Variant(int number);

    Type GetType() const { return type_; }

    // The value as text: "" when empty, plain decimal digits for numbers.
    std::string Text() const;
    // Its length, without making the text.
    size_t TextLength() const;

    // The value as a number, when it has one: empty is 0, a text converts by
    // the ordinary numeric conversion, otherwise there is none.
    std::optional<double> Number() const;

    // Numeric equality; a text that is no number equals nothing.
    bool Equals(int number) const;

    // Conversion to a 32-bit integer: round half to even; no number, or a
    // value outside the 32-bit range, gives nothing.
    std::optional<int32_t> ToLong() const;

    // Adds one, widening a 16-bit number to 32 bits past 32767.
    void Increment();

private:
    Type type_ = Type::Empty;
    std::string text_;
    int64_t number_ = 0;
};

// The ordinary conversion of text to a number: surrounding blanks, a sign,
// digits with an optional fraction and exponent, or &H / &O notation.
std::optional<double> ParseNumber(const std::string& text);

// Round half to even and check the 32-bit range.
std::optional<int32_t> RoundToLong(double value);

// The text's number, by the ordinary conversion, when it is a whole number
// from 1 up within the 32-bit range.
std::optional<int32_t> WholeNumberFromOne(const std::string& text);
