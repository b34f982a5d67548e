#pragma once
// How much of a customer's description a catalogue article holds, for choosing among the
// articles a code may mean and for judging the evidence: the customer's words weighed by
// how rare they are in the catalogue, a shortened word standing for the longer ones it
// starts, a word one slip away counting as found, a missing word with a digit in it (a
// size, a norm) speaking against the article.

#include "suggerimenti/IndiceSuggerimenti.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zelvano {

// A word of the customer's description and what finding it in an article weighs: its
// rarity in the catalogue. corta: it may stand for longer words (a dot follows it, or the
// catalogue lacks it as a whole word).
struct ParolaCliente {
    std::string testo;
    bool corta = false;
    float peso = 0;
    std::size_t articoli = 0; // catalogue articles that may hold it
    uint32_t w = IndiceSuggerimenti::NessunaParola;
    std::pair<uint32_t, uint32_t> prefisso{0, 0};
};

// The distinct words of a customer's description, each weighed.
std::vector<ParolaCliente> ParoleDelCliente(const IndiceSuggerimenti& x, std::string_view descr);

// How much of the customer's description an article holds: the share by weight, and
// whether a word of the customer's with a digit in it (a size, a norm) is missing, which
// speaks against the article more than any common word it lacks.
struct Somiglianza {
    float quota = 0;
    float peso = 0;       // the weight found
    uint32_t trovate = 0; // which of the customer's first 32 words were found
    bool contraddetta = false;
    // For ranking: a contradicted article loses a quarter.
    float Punti() const { return quota - (contraddetta ? 0.25F : 0.0F); }
};

Somiglianza SomiglianzaDescrizione(const std::vector<ParolaCliente>& cliente,
                                   std::string_view descr);

// Nearly all of the description, with words rare enough to tell families apart (a product
// line's name, a size) and none with a digit missing; most of it so; some; little.
uint8_t LivelloDescrizione(const Somiglianza& s);

} // namespace zelvano
