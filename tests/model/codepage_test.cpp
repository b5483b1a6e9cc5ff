#include "model/codepage.h"

#include <gtest/gtest.h>

using namespace zeva::model;

TEST(Codepage, EveryByteDecodesAndComesBackUnchanged) {
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        const std::string utf8 = utf8FromWindows1252(byte);
        EXPECT_FALSE(utf8.empty()) << b;
        EXPECT_EQ(windows1252FromUtf8(utf8), byte) << b;
    }
}

TEST(Codepage, SpanishTextsAndTheEuroSign) {
    EXPECT_EQ(utf8FromWindows1252("Cu\xE1" "nto \xF1" "and\xFA"), "Cuánto ñandú");
    EXPECT_EQ(windows1252FromUtf8("ángulo(valor)"), "\xE1ngulo(valor)");
    EXPECT_EQ(windows1252FromUtf8("€"), "\x80");
    EXPECT_EQ(utf8FromWindows1252("\x80\x99"), "€™");
}

TEST(Codepage, CharactersOutsideThePageBecomeQuestionMarks) {
    EXPECT_EQ(windows1252FromUtf8("a→b"), "a?b");
    EXPECT_EQ(windows1252FromUtf8("π"), "?");
    EXPECT_EQ(windows1252FromUtf8("😀x"), "?x");
    // malformed UTF-8: a lone continuation byte and a truncated sequence
    EXPECT_EQ(windows1252FromUtf8("\x80z"), "?z");
    EXPECT_EQ(windows1252FromUtf8("ok\xC3"), "ok?");
}
