// Code page 949 conversion, formatted printing and the emulated display.
#include <QGuiApplication>
#include <QScreen>
#include <QString>

#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "testing/Testing.h"
#include "win32/Window.h"

TEST(Cp949Test, KoreanTextRoundTrips)
{
    EXPECT_EQ(testhooks::Cp949("가"), "\xB0\xA1");
    EXPECT_EQ(testhooks::Utf8("\xB0\xA1"), "가");
    const std::string text = "바탕화면의 색이 반드시 16비트이어야 합니다";
    std::string bytes = testhooks::Cp949(text);
    EXPECT_EQ(bytes.size(), 42u);  // 18 syllables of two bytes, 6 other bytes
    EXPECT_EQ(testhooks::Utf8(bytes), text);
    EXPECT_EQ(win32::FromCp949(bytes.c_str()), QString::fromUtf8(text.c_str()));
    EXPECT_EQ(win32::FromCp949(bytes.c_str(), 4), QString::fromUtf8("바탕"));
    EXPECT_EQ(win32::FromCp949(nullptr), QString());
    EXPECT_EQ(testhooks::Cp949(""), "");
}

TEST(Cp949Test, WhatCodePage949CannotHoldBecomesAQuestionMark)
{
    EXPECT_EQ(testhooks::Cp949("aกb"), "a?b");                // Thai
    EXPECT_EQ(testhooks::Cp949("x😀y가"), "x?y\xB0\xA1");      // one mark per character
    EXPECT_EQ(testhooks::Utf8("a\xFF" "b"), "a?b");            // no such byte
    EXPECT_EQ(testhooks::Utf8("a\xB0"), "a?");                 // cut short
    EXPECT_EQ(win32::ToCp949(QString::fromUtf8("이름")).size(), 4);
}

TEST(WsprintfTest, FormatsWithinTheBound)
{
    char buffer[1024];
    EXPECT_EQ(wsprintfA(buffer, "%d", 1500), 4);
    EXPECT_STREQ(buffer, "1500");
    EXPECT_EQ(wsprintfA(buffer, "%s  -  %s", "Vantrel", "none.stg"), 20);
    EXPECT_STREQ(buffer, "Vantrel  -  none.stg");

    std::string longText(3000, 'x');
    EXPECT_EQ(wsprintfA(buffer, "%s", longText.c_str()), 1023);
    EXPECT_EQ(buffer[1023], '\0');
    EXPECT_EQ(strlen(buffer), 1023u);
}

TEST(DisplaySettingsTest, ReportsTheEmulatedDisplay)
{
    testhooks::ResetAll();
    DEVMODEA mode = {};
    mode.dmSize = sizeof mode;
    ASSERT_TRUE(EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &mode));
    EXPECT_EQ(mode.dmBitsPerPel, 16u);
    QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(mode.dmPelsWidth, DWORD(screen.width()));
    EXPECT_EQ(mode.dmPelsHeight, DWORD(screen.height()));
    EXPECT_EQ(win32::DisplayBitsPerPixel(), 16);
    EXPECT_TRUE(win32::DisplayIs565());

    testhooks::SetDisplayBitsPerPixel(32);
    testhooks::SetDisplayFormat565(false);
    ASSERT_TRUE(EnumDisplaySettings(nullptr, ENUM_CURRENT_SETTINGS, &mode));
    EXPECT_EQ(mode.dmBitsPerPel, 32u);
    EXPECT_FALSE(win32::DisplayIs565());

    EXPECT_FALSE(EnumDisplaySettingsA(nullptr, 0, &mode));
    EXPECT_FALSE(EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, nullptr));

    testhooks::ResetDisplay();
    EXPECT_EQ(win32::DisplayBitsPerPixel(), 16);
    EXPECT_TRUE(win32::DisplayIs565());
}
