#include <gtest/gtest.h>

#include "core/settings/Variant.h"

TEST(Variant, EmptyTextAndNumbersCompareNumerically) {
    EXPECT_TRUE(Variant().Equals(0));
    EXPECT_FALSE(Variant().Equals(1));
    EXPECT_TRUE(Variant("1").Equals(1));
    EXPECT_TRUE(Variant("0").Equals(0));
    EXPECT_FALSE(Variant("0").Equals(1));
    EXPECT_TRUE(Variant(1).Equals(1));
    EXPECT_TRUE(Variant(" 1 ").Equals(1));
    EXPECT_FALSE(Variant("yes").Equals(1));
    EXPECT_FALSE(Variant("yes").Equals(0));
    EXPECT_FALSE(Variant("").Equals(0));  // an empty text is no number, unlike an empty value
    EXPECT_FALSE(Variant("2").Equals(1));
}

TEST(Variant, TextOfEachKind) {
    EXPECT_EQ(Variant().Text(), "");
    EXPECT_EQ(Variant("C:\\ScreenShots").Text(), "C:\\ScreenShots");
    EXPECT_EQ(Variant(0).Text(), "0");
    EXPECT_EQ(Variant(-5).Text(), "-5");
}

TEST(Variant, CounterWidensPast32767AndKeepsPlainDigits) {
    Variant number = 32766;
    EXPECT_EQ(number.GetType(), Variant::Type::Integer);
    number.Increment();
    EXPECT_EQ(number.Text(), "32767");
    EXPECT_EQ(number.GetType(), Variant::Type::Integer);
    number.Increment();
    EXPECT_EQ(number.Text(), "32768");
    EXPECT_EQ(number.GetType(), Variant::Type::Long);
    for (int i = 0; i < 100000; ++i) {
        number.Increment();
    }
    EXPECT_EQ(number.Text(), "132768");
}

TEST(Variant, IncrementOfEmptyStartsFromZero) {
    Variant number;
    number.Increment();
    EXPECT_EQ(number.Text(), "1");
}

TEST(Variant, ConversionToLongRoundsHalfToEven) {
    EXPECT_EQ(Variant("800").ToLong(), 800);
    EXPECT_EQ(Variant("2.5").ToLong(), 2);
    EXPECT_EQ(Variant("3.5").ToLong(), 4);
    EXPECT_EQ(Variant("-2.5").ToLong(), -2);
    EXPECT_EQ(Variant("799.6").ToLong(), 800);
    EXPECT_EQ(Variant("0.5").ToLong(), 0);
    EXPECT_EQ(Variant("1.5").ToLong(), 2);
    EXPECT_EQ(Variant("8e2").ToLong(), 800);
    EXPECT_EQ(Variant("&H320").ToLong(), 800);
    EXPECT_EQ(Variant().ToLong(), 0);
}

TEST(Variant, ConversionToLongFailsForNonNumbersAndOutOfRange) {
    EXPECT_FALSE(Variant("abc").ToLong());
    EXPECT_FALSE(Variant("").ToLong());
    EXPECT_FALSE(Variant("12px").ToLong());
    EXPECT_FALSE(Variant("1,000").ToLong());
    EXPECT_FALSE(Variant("2147483648").ToLong());
    EXPECT_FALSE(Variant("2147483647.5").ToLong());  // rounds to 2147483648
    EXPECT_EQ(Variant("2147483647").ToLong(), 2147483647);
    EXPECT_EQ(Variant("-2147483648").ToLong(), INT32_MIN);
    EXPECT_FALSE(Variant("-2147483649").ToLong());
    EXPECT_FALSE(Variant("1e400").ToLong());
}

TEST(ParseNumber, AcceptsTheOrdinaryForms) {
    EXPECT_EQ(ParseNumber("42"), 42.0);
    EXPECT_EQ(ParseNumber("  -7 "), -7.0);
    EXPECT_EQ(ParseNumber("+3"), 3.0);
    EXPECT_EQ(ParseNumber(".5"), 0.5);
    EXPECT_EQ(ParseNumber("5."), 5.0);
    EXPECT_EQ(ParseNumber("1E3"), 1000.0);
    EXPECT_EQ(ParseNumber("&hff"), 255.0);
    EXPECT_EQ(ParseNumber("&HFFFFFFFF"), -1.0);
    EXPECT_EQ(ParseNumber("&O17"), 15.0);
}

TEST(ParseNumber, RejectsEverythingElse) {
    for (const char* text : {"", " ", "-", ".", "e5", "1e", "1e+", "&H", "&HG", "&O8", "&X1", "1 2",
                             "0x10", "--1", "&H123456789"}) {
        EXPECT_FALSE(ParseNumber(text)) << text;
    }
}
