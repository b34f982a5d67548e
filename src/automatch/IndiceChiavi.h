#pragma once
// The catalogue articles by key, for the automatic run: for every key an input article
// still to pair asks for, the catalogue articles with that key in table order, and a
// cursor past those already taken. It answers as a scan of the whole table would.

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace zelvano {

struct StatoHome;

class IndiceChiavi {
  public:
    // Built once, before the run: the run only ever takes articles, never frees one.
    explicit IndiceChiavi(const StatoHome& h);

    // The key chain input record i looks in; -1 when the run leaves i alone (already
    // paired, marked not associable, or an empty key).
    int CatenaDi(int32_t i) const { return catenaInt_[static_cast<std::size_t>(i)]; }
    // The first free catalogue article with the chain's key, in table order; 0 when all
    // are taken.
    int32_t PrimoLibero(int c);
    // The last catalogue article with the key, in table order, the one to copy; 0 when the
    // catalogue has none.
    int32_t Ultimo(int c) const;
    // A copy of Ultimo(c), the same article, was appended as record j.
    void AggiungiCopia(int c, int32_t j);

  private:
    struct Catena {
        std::size_t inizio = 0, fine = 0, cursore = 0; // into posizioni_
        int32_t copia = 0;                             // the latest copy made by the run
    };
    const StatoHome& h_;
    std::vector<int> catenaInt_; // per input record
    std::vector<Catena> catene_;
    std::vector<int32_t> posizioni_;
    std::vector<std::string> chiavi_;
};

} // namespace zelvano
