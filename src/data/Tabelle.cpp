#include "data/Tabelle.h"

#include "data/Cp1252.h"

#include <algorithm>
#include <cstdint>
#include <sys/mman.h>

namespace zelvano {

void CreaTabella(std::vector<RecArticolo>& tab, int32_t& dim) {
    dim = std::max(dim, CapacitaIniziale);
    if (tab.empty())
        tab.resize(1);
}

void AccodaRecord(std::vector<RecArticolo>& tab, int32_t& num, int32_t& dim, RecArticolo&& rec) {
    ++num;
    if (num > dim)
        dim += PassoCrescita;
    // Slots past the last record ever stored would only hold empty records, so they are
    // made when first reached rather than all at once with the capacity.
    const auto indice = static_cast<std::size_t>(num);
    if (indice < tab.size()) {
        tab[indice] = std::move(rec);
        return;
    }
    tab.resize(indice);
    tab.push_back(std::move(rec));
}

void PagineGrandi(const std::vector<RecArticolo>& tab) {
    constexpr std::uintptr_t Pagina = 2u << 20;
    const auto inizio = reinterpret_cast<std::uintptr_t>(tab.data());
    const std::uintptr_t fine = inizio + tab.capacity() * sizeof(RecArticolo);
    const std::uintptr_t primo = (inizio + Pagina - 1) & ~(Pagina - 1);
    if (fine > primo + Pagina)
        ::madvise(reinterpret_cast<void*>(primo), (fine - primo) & ~(Pagina - 1), MADV_HUGEPAGE);
}

void TestiMaiuscoli::Azzera() {
    testo_.clear();
    fini_.assign(1, 0);
}

void TestiMaiuscoli::Riserva(std::size_t testi, std::size_t byte) {
    fini_.reserve(testi + 1);
    testo_.reserve(byte);
}

void TestiMaiuscoli::Aggiungi(std::string_view testo) {
    const std::size_t inizio = testo_.size();
    testo_.append(testo);
    for (std::size_t i = inizio; i < testo_.size(); ++i)
        testo_[i] = static_cast<char>(MaiuscolaCp1252(static_cast<unsigned char>(testo_[i])));
    fini_.push_back(testo_.size());
}

std::string_view TestiMaiuscoli::operator[](int32_t indice) const {
    const std::size_t inizio = Inizio(indice);
    return std::string_view(testo_).substr(inizio, Fine(indice) - inizio);
}

int32_t TestiMaiuscoli::IndiceDi(std::size_t pos) const {
    // fini_[j] is the end of record j: the record holding pos is the first whose end is
    // past it.
    const auto it = std::upper_bound(fini_.begin(), fini_.end(), pos);
    return static_cast<int32_t>(it - fini_.begin());
}

} // namespace zelvano
