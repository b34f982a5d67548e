#include "proposte/SomiglianzaDescrizione.h"

#include "proposte/RicercaCodici.h"
#include "suggerimenti/ParoleDescrizione.h"

#include <algorithm>
#include <cmath>

namespace zelvano {

namespace {

bool Corrisponde(const ParolaCliente& p, std::string_view c) {
    if (p.testo == c)
        return true;
    if (p.corta && p.testo.size() >= 2 && c.size() > p.testo.size() &&
        c.substr(0, p.testo.size()) == p.testo)
        return true;
    return p.testo.size() >= 4 && c.size() >= 4 && UnoScarto(p.testo, c);
}

} // namespace

std::vector<ParolaCliente> ParoleDelCliente(const IndiceSuggerimenti& x, std::string_view descr) {
    std::vector<ParolaCliente> v;
    const double n = std::max(x.ContaBase(), 1);
    PerParola(descr, [&](std::string_view p, bool puntata) {
        if (std::any_of(v.begin(), v.end(), [&](const ParolaCliente& q) { return q.testo == p; }))
            return;
        ParolaCliente q;
        q.testo = p;
        q.w = x.Parola(p);
        q.corta = puntata || q.w == IndiceSuggerimenti::NessunaParola;
        if (q.w != IndiceSuggerimenti::NessunaParola) {
            q.articoli = x.ConParola(q.w).size();
            q.peso = x.Rarita(q.w);
        }
        if (q.corta && p.size() >= 2) {
            q.prefisso = x.ConPrefisso(p);
            if (q.prefisso.first == q.w)
                ++q.prefisso.first;
            const std::size_t volte = x.ConParole(q.prefisso.first, q.prefisso.second).size();
            q.articoli += volte;
            if (q.w == IndiceSuggerimenti::NessunaParola && volte > 0)
                q.peso = static_cast<float>(std::log(1.0 + n / static_cast<double>(volte)));
        }
        // A word of the customer's own, or one typed with a slip: as rare as a word held by
        // a few hundred articles.
        if (q.peso == 0)
            q.peso = static_cast<float>(std::log(1.0 + n / 1000.0));
        v.push_back(std::move(q));
    });
    return v;
}

Somiglianza SomiglianzaDescrizione(const std::vector<ParolaCliente>& cliente,
                                   std::string_view descr) {
    float tutto = 0, trovato = 0;
    Somiglianza s;
    std::vector<std::string> parole;
    PerParola(descr, [&](std::string_view p, bool) { parole.emplace_back(p); });
    for (std::size_t k = 0; k < cliente.size(); ++k) {
        const ParolaCliente& q = cliente[k];
        tutto += q.peso;
        if (std::any_of(parole.begin(), parole.end(),
                        [&](const std::string& c) { return Corrisponde(q, c); })) {
            trovato += q.peso;
            if (k < 32)
                s.trovate |= 1u << k;
        } else if (ConCifra(q.testo)) {
            s.contraddetta = true;
        }
    }
    s.quota = tutto > 0 ? trovato / tutto : 0.0F;
    s.peso = trovato;
    return s;
}

uint8_t LivelloDescrizione(const Somiglianza& s) {
    if (s.quota >= 0.85F && !s.contraddetta && s.peso >= 15)
        return 0;
    if (s.quota >= 0.6F && !s.contraddetta && s.peso >= 10)
        return 1;
    return s.quota >= 0.3F && s.peso >= 5 ? 2 : 3;
}

} // namespace zelvano
