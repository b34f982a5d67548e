#include "suggerimenti/DifferenzeCodice.h"

#include <gtest/gtest.h>

#include <string>

namespace zelvano {
namespace {

// '^' under each marked byte of the catalogue code, '.' elsewhere.
std::string Segni(std::string_view cliente, std::string_view catalogo) {
    std::string t;
    for (bool d : DifferenzeCodice(cliente, catalogo))
        t += d ? '^' : '.';
    return t;
}

struct Caso {
    const char* cliente;
    const char* catalogo;
    const char* segni;
};

TEST(DifferenzeCodice, MarksWhatTheCustomerTypedDifferently) {
    const Caso casi[] = {
        {"AB1234", "AB1234", "......"},
        {"ab1234", "AB1234", "......"}, // case is no difference
        {"ab1243", "Ab1234", "....^^"},
        {"AB1243", "AB1234", "....^^"},         // both swapped digits
        {"AB123", "AB0123", "..^..."},          // the zero the customer left out
        {"AB12345", "AB1234", "......"},        // an extra character has no place to mark
        {"AC1O05", "AC1005", "...^.."},         // O typed for 0
        {"ORV-AB1234", "AB1234", "......"},     // the customer's prefix
        {"AB1234", "ORV-AB1234", "^^^^......"}, // the catalogue's own prefix
        {"AB1234", "AB-1234", "..^...."},       // a hyphen is a character like any other
        {"AB-1234", "AB1234", "......"},
        // Blanks, slashes and dots never count, on either side.
        {"AB 12/34", "AB1234", "......"},
        {"AB1234", "AB 12/3.4", "........."},
        {"AB1234", "AB 12/3.5", "........^"},
        {"", "AB 1", "...."}, // no code of the customer's: nothing to mark
        {" /.", "AB", ".."},
        {"AB1234", "", ""},
        // Letters of the code page, in either case.
        {"pi\xF9", "PI\xD9", "..."},
        {"pi\xF9", "PA\xD9", ".^."},
        // Everything different: every character of the catalogue code.
        {"XYZ", "AB12", "^^^^"},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(std::string("'") + c.cliente + "' against '" + c.catalogo + "'");
        EXPECT_EQ(Segni(c.cliente, c.catalogo), c.segni);
    }
}

} // namespace
} // namespace zelvano
