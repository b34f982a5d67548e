#include "data/Cp1252.h"

#include <gtest/gtest.h>

#include <string>

namespace zelvano {
namespace {

TEST(Cp1252, EveryByteRoundTripsThroughUtf8) {
    std::string tutti;
    for (int b = 0; b < 256; ++b) {
        const std::string uno(1, static_cast<char>(b));
        EXPECT_EQ(Cp1252DaUtf8(Utf8DaCp1252(uno)), uno) << "byte " << b;
        tutti += uno;
    }
    EXPECT_EQ(Cp1252DaUtf8(Utf8DaCp1252(tutti)), tutti);
}

TEST(Cp1252, BytesMapToTheirCodePoints) {
    struct Caso {
        unsigned char byte;
        char16_t unicode;
        std::string utf8;
    };
    const Caso casi[] = {
        {0x41, u'A', "A"},
        {0x00, 0x0000, std::string(1, '\0')},
        {0x80, 0x20AC, "\xE2\x82\xAC"},
        {0x81, 0x0081, "\xC2\x81"},
        {0x8D, 0x008D, "\xC2\x8D"},
        {0x8F, 0x008F, "\xC2\x8F"},
        {0x90, 0x0090, "\xC2\x90"},
        {0x9D, 0x009D, "\xC2\x9D"},
        {0x8A, 0x0160, "\xC5\xA0"},
        {0x99, 0x2122, "\xE2\x84\xA2"},
        {0x9F, 0x0178, "\xC5\xB8"},
        {0xA0, 0x00A0, "\xC2\xA0"},
        {0xE8, 0x00E8, "\xC3\xA8"},
        {0xFF, 0x00FF, "\xC3\xBF"},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(testing::Message() << "byte 0x" << std::hex << int{c.byte});
        const std::string byte(1, static_cast<char>(c.byte));
        EXPECT_EQ(int{UnicodeDaCp1252(c.byte)}, int{c.unicode});
        EXPECT_EQ(Cp1252DaUnicode(c.unicode), int{c.byte});
        EXPECT_EQ(Utf8DaCp1252(byte), c.utf8);
        EXPECT_EQ(Cp1252DaUtf8(c.utf8), byte);
    }
}

TEST(Cp1252, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    struct Caso {
        const char* nome;
        std::string utf8;
        std::string atteso;
    };
    const Caso casi[] = {
        {"CJK ideograph",
         "a\xE4\xB8\xAD"
         "b",
         "a?b"},
        {"emoji", "\xF0\x9F\x98\x80!", "?!"},
        {"Latin Extended-A", "\xC4\x80", "?"},
        {"cut sequence at end", "x\xC3", "x?"},
        {"stray continuation byte", "\x80y", "?y"},
        {"mixed", "\xE2\x82\xAC 5 \xE2\x82\xB9", "\x80 5 ?"},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        EXPECT_EQ(Cp1252DaUtf8(c.utf8), c.atteso);
    }
    EXPECT_EQ(Cp1252DaUnicode(0x4E2D), -1);
    EXPECT_EQ(Cp1252DaUnicode(0x0100), -1);
}

TEST(Cp1252, MaiuscoloRaisesLettersOnly) {
    const std::string minuscole = "abcxyz\xE0\xE8\xE9\xF0\xF6\xF8\xFE\x9A\x9C\x9E\xFF";
    const std::string maiuscole = "ABCXYZ\xC0\xC8\xC9\xD0\xD6\xD8\xDE\x8A\x8C\x8E\x9F";
    EXPECT_EQ(Maiuscolo(minuscole), maiuscole);
    EXPECT_EQ(Maiuscolo(maiuscole), maiuscole);
    EXPECT_EQ(Maiuscolo("Caff\xE8 \xF7 \xDF \xB5 1-9 {}"), "CAFF\xC8 \xF7 \xDF \xB5 1-9 {}");

    // Everything that is not a lower-case letter stays as it is.
    for (int b = 0; b < 256; ++b) {
        const bool minuscola = (b >= 'a' && b <= 'z') || (b >= 0xE0 && b != 0xF7) || b == 0x9A ||
                               b == 0x9C || b == 0x9E;
        if (!minuscola) {
            EXPECT_EQ(int{MaiuscolaCp1252(static_cast<unsigned char>(b))}, b) << "byte " << b;
        }
    }
}

} // namespace
} // namespace zelvano
