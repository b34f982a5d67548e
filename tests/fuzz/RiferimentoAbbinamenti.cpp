#include "RiferimentoAbbinamenti.h"

#include "RiferimentoFile.h"

namespace zelvano::fuzz {

CoppieRif::CoppieRif(std::size_t numInt, std::size_t numProd)
    : stato(numInt + 1), pcdProd(numInt + 1, 0), pcdInt(numProd + 1, 0), sospesa(numInt + 1) {}

CoppieRif CoppieRif::Di(const StatoHome& h) {
    CoppieRif c(static_cast<std::size_t>(h.NumInt), static_cast<std::size_t>(h.NumProd));
    for (int32_t i = 1; i <= h.NumInt; ++i) {
        c.stato[i] = h.ArtInt[i].Stato.str();
        c.pcdProd[i] = h.ArtInt[i].PCdProd;
        c.sospesa[i] = h.ArtInt[i].RigaSalvata.str();
    }
    for (int32_t j = 1; j <= h.NumProd; ++j)
        c.pcdInt[j] = h.ArtProd[j].PCdInt;
    c.associati = h.NumAssociati;
    c.nonAssociabili = h.NumNonAssociabili;
    return c;
}

std::string CoppieRif::Testo() const {
    std::string t = std::to_string(associati) + " " + std::to_string(nonAssociabili) + " |";
    for (std::size_t i = 1; i < stato.size(); ++i)
        t += " " + (sospesa[i].empty() ? stato[i] : "S") + std::to_string(pcdProd[i]);
    t += " |";
    for (std::size_t j = 1; j < pcdInt.size(); ++j)
        t += " " + std::to_string(pcdInt[j]);
    return t;
}

void CoppieRif::Collega(int32_t i, int32_t j) {
    stato[i] = "A";
    pcdProd[i] = j;
    pcdInt[j] = i;
    ++associati;
}

void RipristinoRif(CoppieRif& c, const std::vector<std::string>& cdInt,
                   const std::vector<std::string>& righeCatalogo,
                   const std::vector<std::string>& righe) {
    const std::size_t numInt = cdInt.size() - 1;
    const auto libero = [&](const std::string& codice, const std::string* linea) {
        for (std::size_t p = 1; p <= righeCatalogo.size(); ++p) {
            const ArticoloRif a = CatalogoRif(righeCatalogo[p - 1]);
            if (a.CdProd == codice && (!linea || a.LineaProd == *linea) && c.pcdInt[p] == 0)
                return p;
        }
        return std::size_t{0};
    };
    std::vector<std::pair<std::string, std::size_t>> senzaLinea; // code, input record
    for (std::size_t k = 1; k <= righe.size(); ++k) {
        const std::string& riga = righe[k - 1];
        const std::string stato = TrimRif(ColonneRif(riga, 51, 51));
        if (stato.empty())
            continue;
        const std::string codInt = TrimRif(ColonneRif(riga, 26, 50));
        const std::string codProd = TrimRif(ColonneRif(riga, 1, 25));
        const std::string linea = ColonneRif(riga, 52, 54);
        std::size_t i = 0;
        if (k <= numInt && cdInt[k] == codInt)
            i = k;
        for (std::size_t r = 1; i == 0 && r <= numInt; ++r)
            if (cdInt[r] == codInt)
                i = r;
        if (i == 0 || !c.stato[i].empty() || !c.sospesa[i].empty())
            continue;
        if (stato == "A" && !codProd.empty()) {
            if (const std::size_t j = libero(codProd, &linea)) {
                c.Collega(static_cast<int32_t>(i), static_cast<int32_t>(j));
            } else {
                c.sospesa[i] = riga;
                senzaLinea.emplace_back(codProd, i);
            }
        } else {
            c.stato[i] = stato;
            if (stato == "X")
                ++c.nonAssociabili;
        }
    }
    for (const auto& [codProd, i] : senzaLinea)
        if (const std::size_t j = libero(codProd, nullptr)) {
            c.sospesa[i].clear();
            c.Collega(static_cast<int32_t>(i), static_cast<int32_t>(j));
        }
}

namespace {
// The text with every occurrence of one character removed.
std::string TogliCharRif(const std::string& testo, char togli) {
    std::string out;
    for (const char ch : testo)
        if (ch != togli)
            out += ch;
    return out;
}
} // namespace

std::string ChiaveRif(const std::string& codice) {
    return TogliCharRif(TogliCharRif(TogliCharRif(codice, ' '), '/'), '.');
}

void ProvaRif(CoppieRif& c, const std::vector<std::string>& codiciInt,
              std::vector<std::string>& righeCatalogo) {
    // Each line's code is cut out once, as a load would; its key is made anew at every
    // comparison.
    std::vector<std::string> codici;
    for (const std::string& riga : righeCatalogo)
        codici.push_back(CatalogoRif(riga).CdProd);
    for (std::size_t i = 1; i < codiciInt.size(); ++i) {
        if (c.pcdProd[i] != 0 || c.stato[i] == "X" || !c.sospesa[i].empty())
            continue;
        const std::string chiave = ChiaveRif(codiciInt[i]);
        if (chiave.empty())
            continue;
        for (;;) {
            std::size_t libera = 0, presa = 0;
            for (std::size_t j = 1; j <= righeCatalogo.size(); ++j) {
                if (ChiaveRif(codici[j - 1]) != chiave)
                    continue;
                if (c.pcdInt[j] == 0) {
                    libera = j;
                    break;
                }
                presa = j;
            }
            if (libera != 0) {
                c.Collega(static_cast<int32_t>(i), static_cast<int32_t>(libera));
                break;
            }
            if (presa == 0)
                break;
            righeCatalogo.push_back(righeCatalogo[presa - 1]);
            codici.push_back(codici[presa - 1]);
            c.pcdInt.push_back(0);
        }
    }
}

} // namespace zelvano::fuzz
