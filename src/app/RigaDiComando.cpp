#include "app/RigaDiComando.h"

#include "app/Cp1252Qt.h"
#include "app/PiattaformaConsole.h"
#include "data/StatoHome.h"
#include "data/Testo.h"
#include "files/FileOutput.h"
#include "proposte/AccettaProposte.h"
#include "proposte/Campione.h"
#include "proposte/Proposte.h"
#include "sessione/EventiFinestra.h"
#include "sessione/LeggiArchivi.h"
#include "sessione/SalvaArchivio.h"
#include "suggerimenti/IndiceSuggerimenti.h"

#include <charconv>
#include <cstdio>
#include <exception>
#include <optional>
#include <string>
#include <string_view>

namespace {

constexpr int EsitoRifiutato = 1, EsitoUso = 2;

const char* const Uso = "Uso: zelvano --batch --input FILE --catalogue FILE --output FILE "
                        "[--accept-proposals FIDUCIA_MINIMA]\n";

void Stampa(const std::string& testoCp1252) {
    const QByteArray utf8 = (DaCp1252(testoCp1252) + u'\n').toUtf8();
    std::fwrite(utf8.constData(), 1, static_cast<std::size_t>(utf8.size()), stdout);
}

// "99", "99.5" or "99,5", from 0 to 100.
std::optional<double> Fiducia(std::string testo) {
    for (char& c : testo)
        if (c == ',')
            c = '.';
    double valore = 0;
    const auto [fine, errore] = std::from_chars(testo.data(), testo.data() + testo.size(), valore);
    if (errore != std::errc() || fine != testo.data() + testo.size() || !(valore >= 0) ||
        valore > 100)
        return std::nullopt;
    return valore;
}

struct Argomenti {
    std::string input, catalogo, output;
    std::optional<double> fiduciaMinima;
};

std::optional<Argomenti> Leggi(int argc, char** argv) {
    Argomenti a;
    for (int k = 1; k < argc; ++k) {
        const std::string_view nome = argv[k];
        if (nome == "--batch")
            continue;
        if (k + 1 >= argc)
            return std::nullopt;
        const std::string valore = argv[++k];
        if (nome == "--input")
            a.input = valore;
        else if (nome == "--catalogue")
            a.catalogo = valore;
        else if (nome == "--output")
            a.output = valore;
        else if (nome == "--accept-proposals" && Fiducia(valore))
            a.fiduciaMinima = Fiducia(valore);
        else
            return std::nullopt;
    }
    if (a.input.empty() || a.catalogo.empty() || a.output.empty())
        return std::nullopt;
    return a;
}

int Esegui(const Argomenti& a) {
    using namespace zelvano;
    PiattaformaConsole pf(a.input, a.catalogo, a.output);
    StatoHome h(pf);
    PreparaFinestra(h);
    const uint64_t apertura = h.Apertura;
    LeggiArchivi(h);
    if (h.Apertura == apertura)
        return EsitoRifiutato; // LeggiArchivi has said why
    Stampa(h.Testi.MessaggioStato);

    IndiceSuggerimenti indice;
    indice.Aggiorna(h);
    for (const GruppoProposte& g : CalcolaProposte(indice, h)) {
        std::string riga = DescriviGruppo(g);
        if (a.fiduciaMinima) {
            GruppoProposte scelte = g;
            std::erase_if(scelte.proposte,
                          [&](const Proposta& p) { return p.fiducia < *a.fiduciaMinima; });
            const auto sotto = static_cast<int64_t>(g.proposte.size() - scelte.proposte.size());
            const EsitoAccettazione esito = AccettaGruppo(h, scelte);
            riga += ": accettati " + NumeroConPunti(esito.accettate) + ", saltati " +
                    NumeroConPunti(esito.saltate) + ", sotto il " + Percento(*a.fiduciaMinima) +
                    " " + NumeroConPunti(sotto);
        }
        Stampa(riga);
    }
    if (!SalvaArchivio(h))
        return EsitoRifiutato;
    Stampa(h.Testi.MessaggioStato);
    Stampa("Articoli: " + NumeroConPunti(h.NumInt) +
           "; associati: " + NumeroConPunti(h.NumAssociati) +
           "; non associabili: " + NumeroConPunti(h.NumNonAssociabili) +
           "; da associare: " + NumeroConPunti(h.NumInt - h.NumAssociati - h.NumNonAssociabili));
    return 0;
}

} // namespace

int EseguiRigaDiComando(int argc, char** argv) {
    const std::optional<Argomenti> argomenti = Leggi(argc, argv);
    if (!argomenti) {
        std::fputs(Uso, stderr);
        return EsitoUso;
    }
    try {
        return Esegui(*argomenti);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", DaCp1252(e.what()).toUtf8().constData());
        return EsitoRifiutato;
    }
}
