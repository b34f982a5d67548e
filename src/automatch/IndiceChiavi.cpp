#include "automatch/IndiceChiavi.h"

#include "automatch/ProvaAbbinamenti.h"
#include "data/StatoHome.h"

#include <functional>
#include <string_view>

namespace zelvano {

namespace {
struct HashTesto {
    using is_transparent = void;
    std::size_t operator()(std::string_view t) const noexcept {
        return std::hash<std::string_view>{}(t);
    }
};
} // namespace

IndiceChiavi::IndiceChiavi(const StatoHome& h) : h_(h) {
    const auto numInt = static_cast<std::size_t>(h.NumInt);
    catenaInt_.assign(numInt + 1, -1);
    std::unordered_map<std::string, int, HashTesto, std::equal_to<>> perChiave;
    std::string chiave;
    for (std::size_t i = 1; i <= numInt; ++i) {
        const RecArticolo& in = h.ArtInt[i];
        // A pair is never touched, a mark or a saved pair on hold is the user's decision,
        // and an empty key would only meet catalogue lines without a code.
        if (in.PCdProd != 0 || in.Stato == "X" || !in.RigaSalvata.empty())
            continue;
        ChiaveAbbinamento(in.CdProd, chiave);
        if (chiave.empty())
            continue;
        const auto [it, nuova] = perChiave.try_emplace(chiave, static_cast<int>(catene_.size()));
        if (nuova) {
            catene_.emplace_back();
            chiavi_.push_back(chiave);
        }
        catenaInt_[i] = it->second;
    }
    if (catene_.empty())
        return;

    // The catalogue articles of each chain, in table order, packed one chain after another.
    const auto numProd = static_cast<std::size_t>(h.NumProd);
    std::vector<int> catenaProd(numProd + 1, -1);
    std::vector<std::size_t> conta(catene_.size() + 1, 0);
    for (std::size_t j = 1; j <= numProd; ++j) {
        ChiaveAbbinamento(h.ArtProd[j].CdProd, chiave);
        const auto it = perChiave.find(std::string_view(chiave));
        if (it == perChiave.end())
            continue;
        catenaProd[j] = it->second;
        ++conta[static_cast<std::size_t>(it->second) + 1];
    }
    for (std::size_t c = 0; c < catene_.size(); ++c) {
        conta[c + 1] += conta[c];
        catene_[c].inizio = catene_[c].fine = catene_[c].cursore = conta[c];
    }
    posizioni_.resize(conta.back());
    for (std::size_t j = 1; j <= numProd; ++j)
        if (catenaProd[j] >= 0)
            posizioni_[catene_[static_cast<std::size_t>(catenaProd[j])].fine++] =
                static_cast<int32_t>(j);
}

int32_t IndiceChiavi::PrimoLibero(int c) {
    Catena& k = catene_[static_cast<std::size_t>(c)];
    while (k.cursore < k.fine &&
           h_.ArtProd[static_cast<std::size_t>(posizioni_[k.cursore])].PCdInt != 0)
        ++k.cursore;
    if (k.cursore < k.fine)
        return posizioni_[k.cursore];
    // Past the table's own articles only the run's copies remain, each taken as it is made.
    if (k.copia != 0 && h_.ArtProd[static_cast<std::size_t>(k.copia)].PCdInt == 0)
        return k.copia;
    return 0;
}

int32_t IndiceChiavi::Ultimo(int c) const {
    const Catena& k = catene_[static_cast<std::size_t>(c)];
    if (k.copia != 0)
        return k.copia;
    return k.fine > k.inizio ? posizioni_[k.fine - 1] : 0;
}

void IndiceChiavi::AggiungiCopia(int c, int32_t j) {
    catene_[static_cast<std::size_t>(c)].copia = j;
}

} // namespace zelvano
