#include "files/FileOutput.h"

#include "data/Abbinamento.h"
#include "data/Cp1252.h"
#include "data/StatoHome.h"
#include "data/Testo.h"
#include "files/ErroreFile.h"
#include "files/LettoreRighe.h"
#include "files/ScritturaSicura.h"

#include <algorithm>
#include <filesystem>
#include <string_view>
#include <sys/stat.h>
#include <unordered_map>

namespace zelvano {

namespace {
// One line that restores something: a state, for an internal code, maybe a pair.
struct RigaStato {
    std::size_t numero;
    std::string stato, codInt, codProd;
    std::string linea; // columns 52-54 as written, the line code of the catalogue record
};

// Catalogue records by code, and by code and line code, in table order, handing out the
// first still free. Only the codes the output file asks for are indexed.
class IndiceCatalogo {
  public:
    IndiceCatalogo(const StatoHome& h, const std::vector<RigaStato>& righe)
        : h_(h), prossimo_(static_cast<std::size_t>(h.NumProd) + 1, 0),
          prossimoLinea_(prossimo_.size(), 0) {
        // A blank code names no catalogue article, however many blank lines the
        // catalogue has.
        for (const RigaStato& r : righe)
            if (r.stato == "A" && !r.codProd.empty())
                primo_.try_emplace(r.codProd, Testa{0, static_cast<uint32_t>(primo_.size())});
        for (int32_t j = h.NumProd; j >= 1; --j) {
            const RecArticolo& p = h.ArtProd[j];
            const auto it = primo_.find(p.CdProd);
            if (it == primo_.end())
                continue;
            prossimo_[j] = it->second.j;
            it->second.j = j;
            int32_t& testa = primoLinea_[Chiave(it->second.codice, p.LineaProd)];
            prossimoLinea_[j] = testa;
            testa = j;
        }
    }
    int32_t PrimoLibero(std::string_view codice) {
        const auto it = primo_.find(codice);
        return it == primo_.end() ? 0 : Libero(it->second.j, prossimo_);
    }
    int32_t LiberoConLinea(std::string_view codice, std::string_view linea) {
        const auto it = primo_.find(codice);
        if (it == primo_.end())
            return 0;
        const auto conLinea = primoLinea_.find(Chiave(it->second.codice, linea));
        return conLinea == primoLinea_.end() ? 0 : Libero(conLinea->second, prossimoLinea_);
    }

  private:
    struct Testa {
        int32_t j;
        uint32_t codice; // the code's number among those asked for
    };
    // The code's number and the three bytes of the line code, as the output file holds them.
    static uint64_t Chiave(uint32_t codice, std::string_view linea) {
        uint64_t chiave = codice;
        for (std::size_t k = 0; k < 3; ++k)
            chiave = chiave << 8 | (k < linea.size() ? static_cast<uint8_t>(linea[k]) : ' ');
        return chiave;
    }
    // Records are only ever taken during a read-back, so a head can move past them.
    int32_t Libero(int32_t& testa, const std::vector<int32_t>& prossimo) const {
        while (testa != 0 && h_.ArtProd[testa].PCdInt != 0)
            testa = prossimo[testa];
        return testa;
    }

    const StatoHome& h_;
    std::unordered_map<std::string_view, Testa> primo_;
    std::unordered_map<uint64_t, int32_t> primoLinea_;
    std::vector<int32_t> prossimo_, prossimoLinea_;
};

IdentitaFile Identita(const struct stat& st) {
    IdentitaFile id;
    id.nota = true;
    id.dispositivo = static_cast<uint64_t>(st.st_dev);
    id.inode = static_cast<uint64_t>(st.st_ino);
    id.dimensione = st.st_size;
    id.modificaNs = static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    return id;
}

} // namespace

IdentitaFile IdentitaDi(const std::string& percorso) {
    struct stat st {};
    return ::stat(percorso.c_str(), &st) == 0 ? Identita(st) : IdentitaFile{};
}

bool ScrittoDaAltri(const FileAperti& file) {
    if (!file.IdentitaOut.nota)
        return false;
    const IdentitaFile ora = IdentitaDi(file.FileOut);
    return ora.nota && ora != file.IdentitaOut;
}

FileOutputLetto LeggiFileOutput(const std::string& percorso) {
    FileOutputLetto letto;
    LettoreRighe lettore(percorso);
    // Taken before reading: whatever writes the file from now on changes what is seen here.
    struct stat st {};
    if (::fstat(lettore.Descrittore(), &st) == 0)
        letto.identita = Identita(st);
    std::string_view riga;
    while (lettore.Leggi(riga))
        letto.righe.emplace_back(riga);
    return letto;
}

EsitoRipristino ApplicaFileOutput(StatoHome& h, const FileOutputLetto& letto) {
    const std::vector<std::string>& righe = letto.righe;
    h.File.FileOutVuoto = righe.empty();
    h.File.NomeFileOut = NomeSenzaCartella(h.File.FileOut);
    h.File.IdentitaOut = letto.identita;
    EsitoRipristino esito;

    std::vector<RigaStato> daApplicare;
    for (std::size_t k = 1; k <= righe.size(); ++k) {
        const std::string& riga = righe[k - 1];
        std::string stato = Campo(riga, 51, 51);
        if (!stato.empty())
            daApplicare.push_back({k, std::move(stato), Campo(riga, 26, 50), Campo(riga, 1, 25),
                                   Colonne(riga, 52, 54)});
    }
    if (daApplicare.empty())
        return esito;

    std::unordered_map<std::string_view, int32_t> primoInt;
    primoInt.reserve(static_cast<std::size_t>(h.NumInt));
    for (int32_t i = h.NumInt; i >= 1; --i)
        primoInt[h.ArtInt[i].CdInt] = i;
    IndiceCatalogo catalogo(h, daApplicare);

    // A pair goes first to a catalogue record with its own line code; the pairs that find
    // none take what is left with their code once every line has had its own.
    std::vector<std::pair<const RigaStato*, int32_t>> senzaLinea;
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
        RecArticolo& in = h.ArtInt[i];
        if (i == 0 || !in.Stato.empty() || !in.RigaSalvata.empty())
            continue;
        if (r.stato == "A" && !r.codProd.empty()) {
            if (const int32_t j = catalogo.LiberoConLinea(r.codProd, r.linea)) {
                Collega(h, i, j, Origine::Ripristino);
            } else {
                // Kept until a record is found below, which the pair then replaces.
                in.RigaSalvata = righe[r.numero - 1];
                senzaLinea.emplace_back(&r, i);
            }
        } else if (r.stato == "X") {
            Marca(h, i, Origine::Ripristino);
        } else {
            in.Stato = r.stato; // an "A" without a catalogue code, or any other
        }
    }
    for (const auto& [r, i] : senzaLinea) {
        if (const int32_t j = catalogo.PrimoLibero(r->codProd)) {
            Collega(h, i, j, Origine::Ripristino);
            continue;
        }
        ++esito.sospesi;
        if (std::find(esito.codici.begin(), esito.codici.end(), r->codProd) != esito.codici.end())
            continue;
        if (esito.codici.size() < 5)
            esito.codici.push_back(r->codProd);
        else
            esito.altriCodici = true;
    }
    return esito;
}

std::string TestoFileOutput(const StatoHome& h) {
    std::string testo;
    testo.reserve(static_cast<std::size_t>(h.NumInt) * 56);
    const std::string spazi(25, ' ');
    for (int32_t i = 1; i <= h.NumInt; ++i) {
        const RecArticolo& in = h.ArtInt[i];
        if (!in.RigaSalvata.empty() && in.Stato.empty() && in.PCdProd == 0) {
            // A saved pair the catalogue did not offer: written back as it was read.
            testo += in.RigaSalvata.Vista();
            testo += "\r\n";
            continue;
        }
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

std::optional<ErroreFile> ScriviFileOutput(const StatoHome& h, const std::string& destinazione,
                                           const std::string& cartellaRiserva) {
    try {
        ScriviFileSicuro(destinazione, TestoFileOutput(h), true, cartellaRiserva);
    } catch (const ErroreFile& e) {
        return e;
    } catch (const std::bad_alloc&) {
        return ErroreFile(TestoErroreFile("scrivere", destinazione, ErroreMemoria));
    }
    return std::nullopt;
}

} // namespace zelvano
