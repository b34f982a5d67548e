#include "VerosimiglianzaCliente.h"

#include "DescrizioneCliente.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <unordered_map>
#include <utility>

namespace zelvano::bench {

namespace {

constexpr double MenoInfinito = -std::numeric_limits<double>::infinity();

double Quota(uint32_t percento) {
    return percento / 100.0;
}

// The chance of a pattern of kept words (bit k for word k) over a's words.
double LogScelta(const ArticoloCatalogo& a, const std::vector<std::string>& w, uint32_t tenute,
                 std::size_t lunghezza) {
    const std::size_t n = w.size();
    const std::size_t confezione = std::min<std::size_t>(
        a.parolaConfezione == ArticoloCatalogo::NessunaParola ? n : a.parolaConfezione, n);
    double lp = 0;
    for (std::size_t k = 0; k < confezione; ++k) {
        const double lascia = Quota(k == 0                ? cliente::LasciaTipo
                                    : k == a.parolaMisura ? cliente::LasciaMisura
                                                          : cliente::LasciaParola);
        if (tenute & (1u << k))
            lp += std::log(1 - lascia);
        else if (lunghezza + 1 + w[k].size() <= cliente::MaxDescrizione)
            lp += std::log(lascia);
    }
    // The packing, from its last word back: while every word after k is left out, the
    // chance of that is the stop at k, or no stop, k left out and the same further on.
    const double tronca = Quota(cliente::TroncaConfezione), lascia = Quota(cliente::LasciaParola);
    double nessuna = 1, conTenute = 0;
    bool tenutaDopo = false;
    for (std::size_t k = n; k-- > confezione;) {
        const bool tenuta = tenute & (1u << k);
        if (!tenutaDopo && !tenuta) {
            nessuna = tronca + (1 - tronca) * lascia * nessuna;
        } else if (!tenutaDopo) {
            tenutaDopo = true;
            conTenute = std::log((1 - tronca) * (1 - lascia)) + std::log(nessuna);
        } else {
            conTenute += std::log((1 - tronca) * (tenuta ? 1 - lascia : lascia));
        }
    }
    return lp + (tenutaDopo ? conTenute : std::log(nessuna));
}

} // namespace

double ProbForma(std::string_view w, std::string_view c) {
    double p = 0, resto = 1;
    const bool lettere = cliente::SoloLettere(w);
    if (lettere && w.size() >= cliente::MinAbbreviata) {
        const double abbrevia = Quota(cliente::Abbrevia);
        const auto it = std::find_if(cliente::Abbreviazioni.begin(), cliente::Abbreviazioni.end(),
                                     [&](const auto& x) { return x.first == w; });
        if (it != cliente::Abbreviazioni.end()) {
            p += c == it->second ? abbrevia : 0;
        } else {
            constexpr std::size_t Modi = cliente::MaxTaglio - cliente::MinTaglio + 1;
            for (std::size_t l = cliente::MinTaglio; l <= cliente::MaxTaglio; ++l)
                if (c.size() == l + 1 && c.back() == '.' && w.starts_with(c.substr(0, l)))
                    p += abbrevia / Modi;
        }
        resto -= abbrevia;
    }
    if (lettere && w.size() >= cliente::MinRefuso) {
        const double refuso = resto * Quota(cliente::Refuso);
        const double ciascuno = refuso / 2 / static_cast<double>(w.size() - 2);
        std::string s;
        for (std::size_t k = 1; k + 1 < w.size(); ++k) {
            s = w;
            std::swap(s[k], s[k + 1]);
            p += s == c ? ciascuno : 0;
            s = w;
            s.erase(k, 1);
            p += s == c ? ciascuno : 0;
        }
        resto -= refuso;
    }
    return p + (c == w ? resto : 0);
}

double LogVerosimiglianza(const ArticoloCatalogo& a, const std::vector<std::string>& w,
                          const std::vector<std::string>& c, std::size_t lunghezza) {
    const std::size_t n = w.size();
    if (n > 31)
        return MenoInfinito;
    // The customer's words that are all of his own: none, or one of ParoleCliente first or
    // last; the rest must each come from a different word of a.
    std::vector<std::pair<std::size_t, std::size_t>> tratti = {{0, c.size()}};
    std::vector<double> logProprie = {std::log(1 - Quota(cliente::ParolaPropria))};
    const double unaPropria = std::log(Quota(cliente::ParolaPropria) /
                                       static_cast<double>(cliente::ParoleCliente.size()) / 2);
    for (std::string_view frase : cliente::ParoleCliente) {
        const auto f = cliente::Spezza(frase);
        if (f.size() > c.size())
            continue;
        if (std::equal(f.begin(), f.end(), c.begin())) {
            tratti.emplace_back(f.size(), c.size());
            logProprie.push_back(unaPropria);
        }
        if (std::equal(f.begin(), f.end(), c.end() - static_cast<std::ptrdiff_t>(f.size()))) {
            tratti.emplace_back(0, c.size() - f.size());
            logProprie.push_back(unaPropria);
        }
    }
    std::vector<double> forma(c.size() * n);
    for (std::size_t i = 0; i < c.size(); ++i)
        for (std::size_t k = 0; k < n; ++k)
            forma[i * n + k] = ProbForma(w[k], c[i]);

    double migliore = MenoInfinito;
    std::unordered_map<uint32_t, double> stati, prossimi;
    for (std::size_t t = 0; t < tratti.size(); ++t) {
        // The likeliest way to give each customer word its catalogue word: the words used so
        // far, as a bit set, with the best chance of getting there.
        stati = {{0u, 0.0}};
        for (std::size_t i = tratti[t].first; i < tratti[t].second && !stati.empty(); ++i) {
            prossimi.clear();
            for (const auto& [usate, lp] : stati)
                for (std::size_t k = 0; k < n; ++k)
                    if (const double f = forma[i * n + k]; f > 0 && !(usate & (1u << k))) {
                        const auto [it, nuovo] =
                            prossimi.try_emplace(usate | (1u << k), lp + std::log(f));
                        if (!nuovo)
                            it->second = std::max(it->second, lp + std::log(f));
                    }
            std::swap(stati, prossimi);
        }
        for (const auto& [usate, lp] : stati)
            migliore = std::max(migliore, lp + LogScelta(a, w, usate, lunghezza) + logProprie[t]);
    }
    return migliore;
}

} // namespace zelvano::bench
