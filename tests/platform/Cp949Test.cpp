// Code page 949 conversion.
#include <QString>

#include <string>

#include <gtest/gtest.h>

#include "testing/Testing.h"
#include "win32/Window.h"

TEST(Cp949Test, KoreanRoundTripsAndWhatCannotBeHeldBecomesAQuestionMark)
{
    const std::string text = "바탕화면의 색이 반드시 16비트이어야 합니다";
    const std::string bytes = testhooks::Cp949(text);
    EXPECT_EQ(bytes.size(), 42u);  // 18 syllables of two bytes, 6 other bytes
    EXPECT_EQ(testhooks::Cp949("가"), "\xB0\xA1");
    EXPECT_EQ(testhooks::Utf8(bytes), text);
    EXPECT_EQ(win32::FromCp949(bytes.c_str(), 4), QString::fromUtf8("바탕"));
    EXPECT_EQ(win32::FromCp949(nullptr), QString());

    EXPECT_EQ(testhooks::Cp949("x😀y가"), "x?y\xB0\xA1");  // one mark per character
    EXPECT_EQ(testhooks::Utf8("a\xFF" "b"), "a?b");        // no such byte
    EXPECT_EQ(testhooks::Utf8("a\xB0"), "a?");             // cut short
}
