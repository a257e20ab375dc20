#include <gtest/gtest.h>

#include "app/text.h"

namespace tarvenel {
namespace {

TEST(DropLastCharacter, DropsAWholeCharacterNotAByte) {
    EXPECT_EQ(DropLastCharacter("2026年"), "2026");
    EXPECT_EQ(DropLastCharacter("9日"), "9");
    EXPECT_EQ(DropLastCharacter("0时"), "0");
    EXPECT_EQ(DropLastCharacter("12M"), "12");
    EXPECT_EQ(DropLastCharacter("年"), "");
    EXPECT_EQ(DropLastCharacter(""), "");
    EXPECT_EQ(DropLastCharacter("5\xF0\x9F\x98\x80"), "5"); // four-byte character
}

TEST(ToInt16, ReadsDecimalText) {
    EXPECT_EQ(ToInt16("0"), 0);
    EXPECT_EQ(ToInt16("23"), 23);
    EXPECT_EQ(ToInt16("-1"), -1);
    EXPECT_EQ(ToInt16("+7"), 7);
    EXPECT_EQ(ToInt16(" 8 "), 8);
    EXPECT_EQ(ToInt16("007"), 7);
    EXPECT_EQ(ToInt16("32767"), 32767);
    EXPECT_EQ(ToInt16("-32768"), -32768);
}

TEST(ToInt16, RoundsFractionsToEven) {
    EXPECT_EQ(ToInt16("2.5"), 2);
    EXPECT_EQ(ToInt16("3.5"), 4);
    EXPECT_EQ(ToInt16("3.49"), 3);
    EXPECT_EQ(ToInt16("-2.5"), -2);
}

TEST(ToInt16, RefusesWhatIsNoSixteenBitNumber) {
    EXPECT_FALSE(ToInt16(""));
    EXPECT_FALSE(ToInt16("   "));
    EXPECT_FALSE(ToInt16("x"));
    EXPECT_FALSE(ToInt16("12x"));
    EXPECT_FALSE(ToInt16("1 2"));
    EXPECT_FALSE(ToInt16("-"));
    EXPECT_FALSE(ToInt16("."));
    EXPECT_FALSE(ToInt16("32768"));
    EXPECT_FALSE(ToInt16("-32769"));
    EXPECT_FALSE(ToInt16("99999999999999999999"));
    EXPECT_FALSE(ToInt16("2026年"));
}

TEST(Utf16, ConvertsBothWaysAndMarksWhatIsMalformed) {
    const std::string text = "定时 A\xF0\x9F\x98\x80"; // a character outside the BMP at the end
    const std::u16string wide = Utf16Of(text);
    EXPECT_EQ(wide, (std::u16string{u'定', u'时', u' ', u'A', 0xD83D, 0xDE00}));
    EXPECT_EQ(Utf8Of(wide), text);
    // A cut-off sequence, an overlong one and a lone surrogate.
    EXPECT_EQ(Utf16Of("a\xE5\xAE"), (std::u16string{u'a', 0xFFFD}));
    EXPECT_EQ(Utf16Of("\xC0\xAF"), (std::u16string{0xFFFD, 0xFFFD}));
    EXPECT_EQ(Utf8Of(std::u16string{0xD800, u'x'}), "\xEF\xBF\xBDx");
}

} // namespace
} // namespace tarvenel
