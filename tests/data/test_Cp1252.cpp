#include "data/Cp1252.h"

#include <gtest/gtest.h>

#include <string>

namespace zelvano {
namespace {

TEST(Cp1252, EveryByteRoundTripsAndMapsToItsCodePoint) {
    for (int b = 0; b < 256; ++b)
        EXPECT_EQ(Cp1252DaUnicode(UnicodeDaCp1252(static_cast<unsigned char>(b))), b);

    // € at 0x80, a hole kept as its C1 control, Š, ™, Ÿ, NBSP, è, ÿ.
    EXPECT_EQ(
        Cp1252DaUtf8("A\xE2\x82\xAC\xC2\x81\xC5\xA0\xE2\x84\xA2\xC5\xB8\xC2\xA0\xC3\xA8\xC3\xBF"),
        "A\x80\x81\x8A\x99\x9F\xA0\xE8\xFF");
}

TEST(Cp1252, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    const std::pair<const char*, const char*> casi[] = {
        {"a\xE4\xB8\xAD"
         "b",
         "a?b"},                           // CJK ideograph
        {"\xF0\x9F\x98\x80!", "?!"},       // emoji
        {"\xC4\x80\xE2\x82\xAC", "?\x80"}, // Ā, then €
        {"\x80y x\xC3", "?y x?"},          // stray and cut sequences
    };
    for (const auto& [utf8, atteso] : casi) {
        SCOPED_TRACE(atteso);
        EXPECT_EQ(Cp1252DaUtf8(utf8), atteso);
    }
}

TEST(Cp1252, MaiuscoloRaisesLettersOnly) {
    // ÷ (0xF7), ß (0xDF), µ and the neighbours of a-z stay as they are.
    EXPECT_EQ(Maiuscolo("az\xE0\xE8\xF6\xF8\xFE\x9A\x9C\x9E\xFF AZ\xC8 \xF7\xDF\xB5`{@[19"),
              "AZ\xC0\xC8\xD6\xD8\xDE\x8A\x8C\x8E\x9F AZ\xC8 \xF7\xDF\xB5`{@[19");
}

} // namespace
} // namespace zelvano
