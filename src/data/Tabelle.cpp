#include "data/Tabelle.h"

#include "data/Cp1252.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <sys/mman.h>

namespace zelvano {

namespace {
// MaiuscolaCp1252 of every byte, looked up rather than worked out byte by byte.
const std::array<unsigned char, 256> Maiuscole = [] {
    std::array<unsigned char, 256> t{};
    for (std::size_t b = 0; b < t.size(); ++b)
        t[b] = MaiuscolaCp1252(static_cast<unsigned char>(b));
    return t;
}();
} // namespace

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
    PagineGrandi(tab.data(), tab.capacity() * sizeof(RecArticolo));
}

void PagineGrandi(const void* dove, std::size_t byte) {
    constexpr std::uintptr_t Pagina = 2u << 20;
    const auto inizio = reinterpret_cast<std::uintptr_t>(dove);
    const std::uintptr_t fine = inizio + byte;
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
    PagineGrandi(fini_.data(), fini_.capacity() * sizeof(std::size_t));
    PagineGrandi(testo_.data(), testo_.capacity());
}

void TestiMaiuscoli::Aggiungi(std::string_view testo) {
    const std::size_t inizio = testo_.size();
    testo_.append(testo);
    for (std::size_t i = inizio; i < testo_.size(); ++i)
        testo_[i] = static_cast<char>(Maiuscole[static_cast<unsigned char>(testo_[i])]);
    fini_.push_back(testo_.size());
}

void TestiMaiuscoli::AccodaTutti(const TestiMaiuscoli& altri) {
    const std::size_t base = testo_.size();
    testo_.append(altri.testo_);
    fini_.reserve(fini_.size() + altri.fini_.size() - 1);
    for (std::size_t k = 1; k < altri.fini_.size(); ++k)
        fini_.push_back(base + altri.fini_[k]);
}

void CostruisciMaiuscoli(const std::vector<RecArticolo>& tab, int32_t num, TestiMaiuscoli& codici,
                         TestiMaiuscoli& descrizioni) {
    std::size_t byteCodici = 0, byteDescr = 0;
    for (int32_t j = 1; j <= num; ++j) {
        byteCodici += tab[static_cast<std::size_t>(j)].CdProd.size();
        byteDescr += tab[static_cast<std::size_t>(j)].Descr.size();
    }
    codici.Azzera();
    descrizioni.Azzera();
    codici.Riserva(static_cast<std::size_t>(num), byteCodici);
    descrizioni.Riserva(static_cast<std::size_t>(num), byteDescr);
    for (int32_t j = 1; j <= num; ++j)
        AggiungiMaiuscoli(tab[static_cast<std::size_t>(j)], codici, descrizioni);
}

std::string_view TestiMaiuscoli::operator[](int32_t indice) const {
    const std::size_t inizio = Inizio(indice);
    return std::string_view(testo_).substr(inizio, Fine(indice) - inizio);
}

} // namespace zelvano
