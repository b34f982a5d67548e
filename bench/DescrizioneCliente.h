#pragma once
// How a customer writes a catalogue article's description again in the generated files:
// the chances, in percent, and the habits that ArticoliRealistici draws from, and that
// VerosimiglianzaCliente weighs when it asks how likely a description came from an article.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

namespace zelvano::bench::cliente {

// Word by word, in the catalogue's order: once the packing is reached, the rest is left out
// with this chance at each of its words; a word is left out with a chance that depends on
// what it says.
constexpr uint32_t TroncaConfezione = 80;
constexpr uint32_t LasciaTipo = 5;    // the first word, the article type
constexpr uint32_t LasciaMisura = 15; // the size
constexpr uint32_t LasciaParola = 25; // any other word
// A word of letters only, of at least MinAbbreviata of them, is shortened with this chance:
// the habit's way when Abbreviazioni has one, otherwise cut after 3, 4 or 5 letters and a
// dot, each as likely.
constexpr uint32_t Abbrevia = 30;
constexpr std::size_t MinAbbreviata = 6;
constexpr std::size_t MinTaglio = 3, MaxTaglio = 5;
// Otherwise a word of letters only, of at least MinRefuso of them, holds a slip with this
// chance: at a place drawn evenly from the second letter to the last but one, that letter
// and the next swapped or that letter dropped, each as likely.
constexpr uint32_t Refuso = 8;
constexpr std::size_t MinRefuso = 5;
// The order: the size moved first, or else two neighbouring words swapped.
constexpr uint32_t MisuraPrima = 20;
constexpr uint32_t ScambioParole = 10;
// A word of the customer's own, one of ParoleCliente, before or after the others.
constexpr uint32_t ParolaPropria = 10;
// The words that fit in the field, in order, and then all of it in lower case now and then.
constexpr std::size_t MaxDescrizione = 45;
constexpr uint32_t Minuscole = 15;

constexpr std::array<std::string_view, 9> ParoleCliente = {
    "ART.", "NUOVO", "X CANTIERE", "MAG.", "SCAFF.B2", "RIORDINO", "VEDI NOTE", "C/O", "PROMO"};

// How customers shorten the longer words, where habit fixed one way.
constexpr std::array<std::pair<std::string_view, std::string_view>, 30> Abbreviazioni = {{
    {"ESAGONALE", "ES."},        {"ACCIAIO", "ACC."},          {"ZINCATO", "ZINC."},
    {"OTTONE", "OTT."},          {"AUTOBLOCCANTE", "AUTOBL."}, {"RONDELLA", "ROND."},
    {"RACCORDO", "RACC."},       {"MULTISTRATO", "MULTISTR."}, {"PROFESSIONALE", "PROF."},
    {"FILETTATA", "FIL."},       {"FILETTATO", "FIL."},        {"CROMATO", "CROM."},
    {"INTERRUTTORE", "INTERR."}, {"UNIPOLARE", "UNIP."},       {"MULTIPOLARE", "MULTIP."},
    {"COMBINATA", "COMB."},      {"DINAMOMETRICA", "DINAM."},  {"VALVOLA", "VALV."},
    {"MANICOTTO", "MANIC."},     {"DERIVAZIONE", "DERIV."},    {"TASSELLO", "TASS."},
    {"BRUNITO", "BRUN."},        {"NICHELATO", "NICH."},       {"POLIPROPILENE", "PP"},
    {"CHIAVE", "CH."},           {"PRIGIONIERO", "PRIG."},     {"FLESSIBILE", "FLESS."},
    {"TRONCHESE", "TRONCH."},    {"SCATOLA", "SCAT."},         {"AUTOFILETTANTE", "AUTOF."},
}};

// The words of a generated description: it separates them by single blanks.
inline std::vector<std::string_view> Spezza(std::string_view testo) {
    std::vector<std::string_view> v;
    std::size_t i = 0;
    while (i < testo.size()) {
        const std::size_t fine = std::min(testo.find(' ', i), testo.size());
        if (fine > i)
            v.push_back(testo.substr(i, fine - i));
        i = fine + 1;
    }
    return v;
}

constexpr bool SoloLettere(std::string_view p) {
    for (char c : p)
        if (c < 'A' || c > 'Z')
            return false;
    return true;
}

} // namespace zelvano::bench::cliente
