#pragma once
// The catalogue filter: the code box, and the words or the quoted phrase of the
// description box joined by AND or OR.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zelvano {

class TestiMaiuscoli;

struct FiltroProd {
    FiltroProd(std::string_view codice, std::string_view descrizione, bool usaOr);
    bool PassaDescr(std::string_view descrMaiuscola) const;

    std::string codice;              // upper-cased; empty passes everything
    std::vector<std::string> parole; // upper-cased; empty = no description test
    bool conDescr = false;
    bool usaOr = false;
};

// Indexes 1..num whose code and description pass, in index order.
std::vector<int32_t> Filtra(const FiltroProd& f, const TestiMaiuscoli& codici,
                            const TestiMaiuscoli& descrizioni, int32_t num);

// A contains B: B occurs in A; an empty B is in every non-empty A and in no empty A.
bool Contiene(std::string_view a, std::string_view b);

} // namespace zelvano
