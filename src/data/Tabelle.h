#pragma once
// Growth of the record tables, and the upper-cased texts kept beside the catalogue.

#include "data/RecArticolo.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zelvano {

constexpr int32_t CapacitaIniziale = 100000;
constexpr int32_t PassoCrescita = 10000;

// Gives a table its initial capacity, CapacitaIniziale, as the window does at load.
void CreaTabella(std::vector<RecArticolo>& tab, int32_t& dim);
// Stores a record at index num + 1, growing the capacity by PassoCrescita when num passes
// it.
void AccodaRecord(std::vector<RecArticolo>& tab, int32_t& num, int32_t& dim, RecArticolo&& rec);
// Asks the system to back a large table with huge pages: fewer page faults on a big load.
void PagineGrandi(const std::vector<RecArticolo>& tab);
// The same for any block of memory, of which only the whole huge pages inside count.
void PagineGrandi(const void* inizio, std::size_t byte);

// One text per record index, packed in a single buffer; index 0 is an empty text.
class TestiMaiuscoli {
  public:
    void Azzera();
    void Riserva(std::size_t testi, std::size_t byte);
    void Aggiungi(std::string_view testo); // upper-cases it
    // Every text of another, in order, after this one's.
    void AccodaTutti(const TestiMaiuscoli& altri);
    std::string_view operator[](int32_t indice) const;
    int32_t Conta() const { return static_cast<int32_t>(fini_.size()) - 1; }
    const std::string& Buffer() const { return testo_; }
    std::size_t Inizio(int32_t indice) const { return indice == 0 ? 0 : fini_[indice - 1]; }
    std::size_t Fine(int32_t indice) const { return fini_[indice]; }

  private:
    std::string testo_;
    std::vector<std::size_t> fini_{0};
};

// Appends a catalogue record's upper-cased code and description: the one way the filter's
// texts are made, whether by a load, a line appended to the catalogue or a table made anew.
inline void AggiungiMaiuscoli(const RecArticolo& r, TestiMaiuscoli& codici,
                              TestiMaiuscoli& descrizioni) {
    codici.Aggiungi(r.CdProd);
    descrizioni.Aggiungi(r.Descr);
}

// The upper-cased codes and descriptions of records 1..num, made anew.
void CostruisciMaiuscoli(const std::vector<RecArticolo>& tab, int32_t num, TestiMaiuscoli& codici,
                         TestiMaiuscoli& descrizioni);

} // namespace zelvano
