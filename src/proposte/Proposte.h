#pragma once
// Proposed pairs for the input articles still to pair: for each, its best free catalogue
// article, how sure the program is of it, and the difference that explains it, gathered in
// groups by that difference so the user can accept a whole group at once.

#include <cstdint>
#include <string>
#include <vector>

namespace zelvano {

class IndiceSuggerimenti;
struct StatoHome;

// The one difference between the customer's supplier code and the catalogue code that
// explains a proposal, most harmless first.
enum class Ragione : uint8_t {
    SoloMaiuscole,       // the codes differ in case only
    SoloSegni,           // blanks, hyphens, slashes, dots and the like only
    ZeriIniziali,        // leading zeros
    OZeroIUno,           // an O for a 0 or an I for a 1
    Prefisso,            // a maker's prefix (testo says which)
    Suffisso,            // a suffix (testo says which)
    Scambio,             // two neighbouring characters swapped
    Mancante,            // one character missing
    InPiu,               // one character too many
    Diverso,             // one character mistyped
    CodiceInDescrizione, // the customer's code is a word of the catalogue description
    SoloDescrizione,     // no supplier code: the description singles the article out
};

struct Proposta {
    int32_t i = 0;      // input record
    int32_t j = 0;      // catalogue record, free when proposed
    double fiducia = 0; // 0..100: among proposals at or above it, at least this share is right
    Ragione ragione = Ragione::SoloDescrizione;
    std::string testo; // the prefix or suffix, Windows-1252, empty otherwise
    // The strength of the evidence, 0 the strongest (ProvaProposta in CalibrazioneProposte.h);
    // with ragione it picks the measured share of right proposals that fiducia comes from.
    uint8_t prova = 0;
};

struct GruppoProposte {
    Ragione ragione = Ragione::SoloDescrizione;
    std::string testo;              // as in Proposta
    std::vector<Proposta> proposte; // in input table order
    double fiduciaMinima = 0;       // the lowest fiducia among proposte
};

// Every input article still to do (not paired, not "X", no saved pair kept on hold) gets at
// most one proposal; groups come largest first. Reads the tables only; the index must be in
// step with h (Aggiorna).
std::vector<GruppoProposte> CalcolaProposte(const IndiceSuggerimenti& indice, const StatoHome& h);

// The group's caption for the window and the report, Windows-1252, e.g.
// "Prefisso FAB tolto: 1.204 articoli, fiducia minima 99,6%".
std::string DescriviGruppo(const GruppoProposte& g);
// A confidence as the window and the captions show it: "99,6%", cut to tenths.
std::string TestoFiducia(double fiducia);

} // namespace zelvano
