#pragma once
// The blind sample of a group of proposals: which proposals to show, and what the user's
// answers say about the group's error rate, as a 95% Wilson score interval. The Wilson
// interval stays inside 0..1 and is honest at 0 or all errors, where the plain normal one
// collapses to a point.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace zelvano {

constexpr std::size_t CampionePredefinito = 20;

// Positions 0..dimensione-1 of n proposals drawn without repetition (all of them, shuffled,
// when there are fewer), in the order to show them; the same seed draws the same ones.
std::vector<std::size_t> EstraiCampione(std::size_t dimensione, std::size_t n, uint64_t seme);

struct Intervallo {
    double basso = 0, alto = 1; // shares, 0..1
};
// The 95% Wilson score interval of the error rate after errati wrong of esaminati.
Intervallo IntervalloWilson(int32_t errati, int32_t esaminati);

struct GiudizioCampione {
    double errore = 0; // errati / esaminati
    Intervallo intervallo;
    // The interval reaches above the error the group's confidence allows.
    bool oltreDichiarato = false;
    // What the window shows, Windows-1252: the rate, the interval and any warning.
    std::string testo;
};
GiudizioCampione GiudicaCampione(int32_t errati, int32_t esaminati, double fiduciaMinima);

// "12,3%": a share of 100 with one decimal and a decimal comma.
std::string Percento(double valore);

} // namespace zelvano
