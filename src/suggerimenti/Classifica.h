#pragma once
// The ranked suggestions for one input article: the catalogue articles most likely to be
// the same article, best first, for the articles the automatic run could not pair.
//
// An article's score adds up two likenesses. Its code against the customer's supplier code,
// both compared as keys (ChiaveCodice: case, blanks, signs, leading zeros and O for 0 do
// not count): first the trigrams the keys share find the close codes, then the slips
// between the keys (DistanzaCodici) rank them, so a swapped or missing character costs one
// slip. And its description words against the customer's, each word weighing by how rare it
// is in the catalogue; a customer's word the catalogue lacks counts as the start of longer
// words ("ACC." for "ACCIAIO"). Without a supplier code the description alone ranks.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zelvano {

class IndiceSuggerimenti;
struct StatoHome;

struct Suggerimento {
    int32_t j = 0; // catalogue record
    // 0..100: 100 when the code and the description words are all the customer's, less
    // for each slip and each word missing; the description alone gives at most 85.
    int punteggio = 0;
    // One flag per byte of ArtProd[j].CdProd: true where it differs from the customer's
    // supplier code (DifferenzeCodice).
    std::vector<bool> diversi;
};

// The best quanti catalogue articles for input record i, from its CdProd and Descr, best
// first. At equal punteggio a free article (PCdInt 0) comes before a taken one; the order
// is then by the unrounded score, then by catalogue index, so the same tables always give
// the same list. Empty when i is not an input record, when it has neither a code nor a
// description word, or when the index was not brought in step with h (Aggiorna) since the
// last opening. Reads the tables only; takes a few milliseconds at 500,000 articles.
std::vector<Suggerimento> Classifica(const IndiceSuggerimenti& indice, const StatoHome& h,
                                     int32_t i, std::size_t quanti = 10);

} // namespace zelvano
