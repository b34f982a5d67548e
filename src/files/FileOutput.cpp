#include "files/FileOutput.h"

#include "data/Abbinamento.h"
#include "data/Cp1252.h"
#include "data/StatoHome.h"
#include "data/Testo.h"
#include "files/ErroreFile.h"
#include "files/LettoreRighe.h"
#include "files/ScritturaSicura.h"

#include <filesystem>
#include <string_view>
#include <unordered_map>

namespace zelvano {

namespace {
// One line that restores something: a state, for an internal code, maybe a pair.
struct RigaStato {
    std::size_t numero;
    std::string stato, codInt, codProd;
};

// Catalogue records by code, in table order, handing out the first still free. Only the
// codes the output file asks for are indexed.
class IndiceCatalogo {
  public:
    IndiceCatalogo(const StatoHome& h, const std::vector<RigaStato>& righe)
        : h_(h), prossimo_(static_cast<std::size_t>(h.NumProd) + 1, 0) {
        // A blank code names no catalogue article, however many blank lines the
        // catalogue has.
        for (const RigaStato& r : righe)
            if (r.stato == "A" && !r.codProd.empty())
                primo_.emplace(r.codProd, 0);
        for (int32_t j = h.NumProd; j >= 1; --j) {
            const auto it = primo_.find(h.ArtProd[j].CdProd);
            if (it != primo_.end()) {
                prossimo_[j] = it->second;
                it->second = j;
            }
        }
    }
    int32_t PrimoLibero(std::string_view codice) {
        const auto it = primo_.find(codice);
        if (it == primo_.end())
            return 0;
        // Records are only ever taken during a read-back, so the head can move past them.
        int32_t& j = it->second;
        while (j != 0 && h_.ArtProd[j].PCdInt != 0)
            j = prossimo_[j];
        return j;
    }

  private:
    const StatoHome& h_;
    std::unordered_map<std::string_view, int32_t> primo_;
    std::vector<int32_t> prossimo_;
};
} // namespace

std::vector<std::string> LeggiFileOutput(const std::string& percorso) {
    return LeggiRighe(percorso);
}

void ApplicaFileOutput(StatoHome& h, const std::vector<std::string>& righe) {
    h.FileOutVuoto = righe.empty();
    h.NomeFileOut = NomeSenzaCartella(h.FileOut);

    std::vector<RigaStato> daApplicare;
    for (std::size_t k = 1; k <= righe.size(); ++k) {
        const std::string& riga = righe[k - 1];
        std::string stato = Campo(riga, 51, 51);
        if (!stato.empty())
            daApplicare.push_back({k, std::move(stato), Campo(riga, 26, 50), Campo(riga, 1, 25)});
    }
    if (daApplicare.empty())
        return;

    std::unordered_map<std::string_view, int32_t> primoInt;
    primoInt.reserve(static_cast<std::size_t>(h.NumInt));
    for (int32_t i = h.NumInt; i >= 1; --i)
        primoInt[h.ArtInt[i].CdInt] = i;
    IndiceCatalogo catalogo(h, daApplicare);

    for (const RigaStato& r : daApplicare) {
        // Lines follow the input file, so a line goes to the record of its own number when
        // that record bears the code; only otherwise to the first record with it.
        int32_t i = 0;
        if (r.numero <= static_cast<std::size_t>(h.NumInt) &&
            h.ArtInt[r.numero].CdInt == r.codInt) {
            i = static_cast<int32_t>(r.numero);
        } else {
            const auto it = primoInt.find(r.codInt);
            i = it == primoInt.end() ? 0 : it->second;
        }
        // A record already restored by an earlier line keeps that state: counting it twice,
        // or linking it to two catalogue records, would break the totals and the pairs.
        if (i == 0 || !h.ArtInt[i].Stato.empty())
            continue;
        const int32_t j =
            r.stato == "A" && !r.codProd.empty() ? catalogo.PrimoLibero(r.codProd) : 0;
        if (j != 0)
            Collega(h, i, j, Origine::Ripristino);
        else if (r.stato == "X")
            Marca(h, i, Origine::Ripristino);
        else
            h.ArtInt[i].Stato = r.stato; // an "A" without its catalogue article, or any other
    }
}

void VerificaFileOutput(StatoHome& h) {
    ApplicaFileOutput(h, LeggiFileOutput(h.FileOut));
}

std::string TestoFileOutput(const StatoHome& h) {
    std::string testo;
    testo.reserve(static_cast<std::size_t>(h.NumInt) * 56);
    const std::string spazi(25, ' ');
    for (int32_t i = 1; i <= h.NumInt; ++i) {
        const RecArticolo& in = h.ArtInt[i];
        const int32_t j = in.PCdProd;
        const bool abbinato = j > 0 && j <= h.NumProd;
        testo += abbinato ? Riempi(h.ArtProd[j].CdProd, 25) : spazi;
        testo += Riempi(in.CdInt, 25);
        testo += in.Stato.empty() ? ' ' : in.Stato[0];
        testo += abbinato ? Riempi(h.ArtProd[j].LineaProd, 3) : std::string(3, ' ');
        testo += "\r\n";
    }
    return testo;
}

std::string CompletaNomeOutput(std::string nome) {
    const std::string m = Maiuscolo(nome);
    if (m.find(".TXT") == std::string::npos && m.find(".SMB") == std::string::npos)
        nome += ".txt";
    return nome;
}

bool StessoFile(const std::string& a, const std::string& b) {
    std::error_code ec;
    return std::filesystem::equivalent(a, b, ec);
}

bool SalvaArchivio(StatoHome& h) {
    if (h.FileOut.empty())
        return true;
    std::string destinazione = h.FileOut;
    for (;;) {
        try {
            ScriviFileSicuro(destinazione, TestoFileOutput(h), true, h.pf.CartellaDatiUtente());
            break;
        } catch (const ErroreFile& e) {
            h.pf.Messaggio(e.what());
        } catch (const std::bad_alloc&) {
            h.pf.Messaggio(TestoErroreFile("scrivere", destinazione, ErroreMemoria));
        }
        // The pairs are only in memory: another file must always be possible.
        if (h.pf.Domanda("Gli abbinamenti non sono stati salvati. Salvarli in un altro file?",
                         false) != Risposta::Si)
            return false;
        std::string altro = h.pf.SalvaFile("Salva il file di output Zelvano", "*.txt;");
        if (altro.empty())
            return false;
        altro = CompletaNomeOutput(altro);
        if (StessoFile(altro, h.FileInt) || StessoFile(altro, h.FileProd)) {
            h.pf.Messaggio(
                "Il file di output non pu\xF2 essere il file Database o il file Orvessa");
            continue;
        }
        destinazione = altro;
    }
    if (destinazione != h.FileOut) {
        // From now on the work is saved there.
        h.FileOut = destinazione;
        h.NomeFileOut = NomeSenzaCartella(h.FileOut);
        h.lblFileprod[4] = Cp1252DaUtf8(h.NomeFileOut);
    }
    h.DatiModificati = false;
    h.Decisioni.salvatiA = static_cast<int64_t>(h.Decisioni.annullabili.size());
    h.MessaggioStato =
        "Salvati " + Conta(h.NumAssociati, "abbinamento", "abbinamenti") + " e " +
        Conta(h.NumNonAssociabili, "articolo non associabile", "articoli non associabili") +
        " in " + Cp1252DaUtf8(NomeSenzaCartella(h.FileOut));
    return true;
}

} // namespace zelvano
