#include "InputConCopie.h"

#include "automatch/ProvaAbbinamenti.h"
#include "data/Testo.h"
#include "files/LettoreRighe.h"

#include <fstream>
#include <random>
#include <stdexcept>
#include <unordered_set>
#include <vector>

namespace zelvano::bench {

EsitoInputConCopie InputConCopie(const std::string& fileInt, const std::string& fileProd,
                                 double quota, const std::string& destinazione, uint32_t seme) {
    std::unordered_set<std::string> chiaviCatalogo;
    std::string chiave;
    {
        LettoreRighe catalogo(fileProd);
        std::string_view riga;
        while (catalogo.Leggi(riga)) {
            ChiaveAbbinamento(CampoVista(riga, 1, 25), chiave);
            chiaviCatalogo.insert(chiave);
        }
    }
    std::vector<std::string> righe;
    {
        LettoreRighe input(fileInt);
        std::string_view riga;
        while (input.Leggi(riga))
            righe.emplace_back(riga);
    }
    std::mt19937 caso(seme);
    std::bernoulli_distribution ripeti(quota);
    EsitoInputConCopie esito;
    std::vector<std::size_t> conCatalogo; // earlier lines whose code the catalogue holds
    for (std::size_t k = 0; k < righe.size(); ++k) {
        std::string& riga = righe[k];
        if (!conCatalogo.empty() && ripeti(caso)) {
            const std::string& altra = righe[conCatalogo[caso() % conCatalogo.size()]];
            riga.resize(std::max<std::size_t>(riga.size(), 112), ' ');
            riga.replace(82, 30, Colonne(altra, 83, 112));
            ++esito.ripetute;
            continue;
        }
        ChiaveAbbinamento(CampoVista(riga, 83, 112), chiave);
        if (!chiave.empty() && chiaviCatalogo.count(chiave) != 0)
            conCatalogo.push_back(k);
    }
    std::ofstream f(destinazione, std::ios::binary | std::ios::trunc);
    for (const std::string& riga : righe)
        f << riga << "\r\n";
    if (!f)
        throw std::runtime_error("cannot write " + destinazione);
    esito.righe = static_cast<int32_t>(righe.size());
    return esito;
}

} // namespace zelvano::bench
