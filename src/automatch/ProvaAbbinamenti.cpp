#include "automatch/ProvaAbbinamenti.h"

#include "automatch/IndiceChiavi.h"
#include "coppie/Decisioni.h"
#include "coppie/DuplicaRiga.h"
#include "data/Abbinamento.h"
#include "data/Cp1252.h"
#include "data/StatoHome.h"
#include "data/Testo.h"
#include "files/ErroreFile.h"
#include "files/FileCatalogo.h"

#include <chrono>
#include <optional>

namespace zelvano {

namespace {
// The bar moves and the windows repaint at most this often: painting a hundred thousand
// times would cost more than the pairing itself.
constexpr auto PassoProgresso = std::chrono::milliseconds(15);

// The copies of the run go through one opening of the catalogue file, made when the first
// copy is needed; a file that cannot be opened is not tried again for every article.
class Copie {
  public:
    explicit Copie(StatoHome& h) : h_(h) {}
    // The new record's index, or 0 when no copy could be made (motivo says why).
    int32_t Copia(int32_t j, std::string& motivo) {
        try {
            if (!erroreApertura_.empty()) {
                motivo = erroreApertura_;
                return 0;
            }
            if (!file_)
                file_.emplace(h_.File, [this] { return h_.pf.CartellaDatiUtente(); });
            const EsitoCopia esito = DuplicaRiga(*file_, h_, j);
            if (esito)
                return h_.NumProd;
            const std::string file = Cp1252DaUtf8(h_.File.FileProd);
            motivo = esito.tipo == EsitoCopia::RigaMancante
                         ? "la riga " + Numero(j) + " non c'\xE8 pi\xF9 nel file " + file
                         : "la riga " + Numero(j) + " del file " + file +
                               " non \xE8 pi\xF9 quella dell'articolo " + h_.ArtProd[j].CdProd;
            return 0;
        } catch (const ErroreFile& e) {
            motivo = e.what();
            if (!file_)
                erroreApertura_ = motivo;
            return 0;
        }
    }
    // The copies reach the disk; the reason when they could not.
    std::string Chiudi() {
        try {
            if (file_)
                file_->Chiudi();
        } catch (const ErroreFile& e) {
            return e.what();
        }
        return {};
    }

  private:
    StatoHome& h_;
    std::optional<CopieCatalogo> file_;
    std::string erroreApertura_;
};

struct SospendiRidisegno {
    explicit SospendiRidisegno(StatoHome& h) : h_(h) {
        h_.grd1.SetRedraw(false);
        h_.Grd2.SetRedraw(false);
    }
    ~SospendiRidisegno() {
        h_.grd1.SetRedraw(true);
        h_.Grd2.SetRedraw(true);
    }
    StatoHome& h_;
};
} // namespace

void ChiaveAbbinamento(std::string_view codice, std::string& chiave) {
    chiave.clear();
    for (char c : codice)
        if (c != ' ' && c != '/' && c != '.')
            chiave += c;
}

EsitoProva ProvaAbbinamenti(StatoHome& h, BarraProgresso& barra) {
    using Orologio = std::chrono::steady_clock;
    EsitoProva esito;
    const int32_t N = h.NumInt;
    IndiceChiavi indice(h);
    Copie copie(h);
    SospendiRidisegno sospeso(h);
    auto ultimoAggiornamento = Orologio::now() - PassoProgresso;
    for (int32_t i = 1; i <= N; ++i) {
        if (i == 1) {
            barra.ImpostaMinimo(1);
            barra.ImpostaMassimo(N > 1 ? static_cast<float>(N) : 10.0F);
        }
        const auto ora = Orologio::now();
        if (i == N || ora - ultimoAggiornamento >= PassoProgresso) {
            if (barra.Massimo() < static_cast<float>(i))
                barra.ImpostaMassimo(static_cast<float>(i));
            barra.ImpostaValore(static_cast<float>(i));
            barra.ElaboraEventi();
            ultimoAggiornamento = ora;
        }

        const int c = indice.CatenaDi(i);
        if (c < 0)
            continue;
        int32_t j = indice.PrimoLibero(c);
        if (j == 0) {
            const int32_t ultimo = indice.Ultimo(c);
            if (ultimo == 0)
                continue; // no catalogue article has the key
            std::string motivo;
            j = copie.Copia(ultimo, motivo);
            if (j == 0) {
                // This article is left as it was, and nothing of the copy is in the file;
                // the run goes on with the next one.
                if (esito.senzaCopia++ == 0)
                    esito.motivo = motivo;
                continue;
            }
            indice.AggiungiCopia(c, j);
            ++esito.copie;
        }
        Collega(h, i, j, Origine::Automatico);
        ++esito.associati;
    }
    if (std::string motivo = copie.Chiudi(); !motivo.empty() && esito.motivo.empty())
        esito.motivo = motivo;
    return esito;
}

EsitoProva AbbinaAutomaticamente(StatoHome& h) {
    EsitoProva esito;
    Decisione decisione(h, "associazioni automatiche");
    h.pf.MostraFrmPrgb("ProvaAbb",
                       [&](BarraProgresso& barra) { esito = ProvaAbbinamenti(h, barra); });
    decisione.Descrivi(
        Conta(esito.associati, "associazione automatica", "associazioni automatiche"));
    if (esito.senzaCopia > 0)
        h.pf.Messaggio(Numero(esito.senzaCopia) +
                       (esito.senzaCopia == 1 ? " articolo non \xE8 stato associato"
                                              : " articoli non sono stati associati") +
                       " automaticamente: non \xE8 stato possibile copiare la riga del catalogo "
                       "(" +
                       esito.motivo + ")");
    else if (!esito.motivo.empty())
        h.pf.Messaggio("Le copie delle righe del catalogo potrebbero non essere salvate su "
                       "disco (" +
                       esito.motivo + ")");
    return esito;
}

} // namespace zelvano
