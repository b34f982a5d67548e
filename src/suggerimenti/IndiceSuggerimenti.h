#pragma once
// The catalogue made ready for the ranked suggestions: each article's code key
// (ChiaveCodice) and, for every trigram of a key, the articles whose key holds it; the words
// of the descriptions (PerParola), sorted, each with how rare it is in the catalogue and the
// articles that hold it. Built once per opening from ArtProd 1..NumProd in packed arrays;
// copies of catalogue lines appended later join it without a rebuild.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zelvano {

struct StatoHome;

class IndiceSuggerimenti {
  public:
    // Brings the index in step with h's catalogue; call it before Classifica whenever the
    // catalogue may have changed. After an opening (h.Apertura is not the opening the index
    // was built for) it is built anew: about 0.3 s at 500,000 articles.
    // When only NumProd grew, by copies of catalogue lines, just the new records are added;
    // when nothing changed it costs nothing.
    void Aggiorna(const StatoHome& h);

    // Catalogue records covered: 1..Conta().
    int32_t Conta() const { return conta_; }
    // The opening the index was built for.
    uint64_t Apertura() const { return apertura_; }
    // Bytes held by the index's arrays.
    std::size_t Byte() const;

    // -- What the ranking reads --

    std::string_view Chiave(int32_t j) const {
        return std::string_view(chiavi_).substr(fineChiave_[j - 1],
                                                fineChiave_[j] - fineChiave_[j - 1]);
    }
    // Records 1..ContaBase() are in the lists below; those after it, added by Aggiorna
    // since the build, are few and are looked at one by one.
    int32_t ContaBase() const { return contaBase_; }
    std::span<const int32_t> ConTrigramma(uint32_t t) const {
        return Tratto(recordTrigramma_, inizioTrigramma_, t, t + 1);
    }

    static constexpr uint32_t NessunaParola = UINT32_MAX;
    // Words are numbered in byte order, so the words that begin with a text are a range.
    uint32_t Parola(std::string_view parola) const;
    std::pair<uint32_t, uint32_t> ConPrefisso(std::string_view prefisso) const;
    // The words one slip away from parola (a letter added, dropped, replaced, or two
    // neighbours swapped), for words of at least MinSimile bytes; parola itself is not one.
    static constexpr std::size_t MinSimile = 4;
    void Simili(std::string_view parola, std::vector<uint32_t>& simili) const;
    // Articles holding word w, and holding any word in [da, a) (an article once per word).
    std::span<const int32_t> ConParola(uint32_t w) const { return ConParole(w, w + 1); }
    std::span<const int32_t> ConParole(uint32_t da, uint32_t a) const {
        return Tratto(recordParola_, inizioRecordParola_, da, a);
    }
    // How rare word w is: the logarithm of the catalogue's size over its articles with w.
    float Rarita(uint32_t w) const { return rarita_[w]; }
    // The sum of the rarities of the distinct words of article j's description.
    float PesoDescrizione(int32_t j) const { return pesoDescr_[static_cast<std::size_t>(j)]; }
    // The known words of an article added after the build (j > ContaBase()).
    std::span<const uint32_t> ParoleAggiunte(int32_t j) const;

  private:
    void Costruisci(const StatoHome& h);
    void Aggiungi(const StatoHome& h, int32_t j);
    void CostruisciVarianti();
    std::string_view TestoParola(uint32_t w) const {
        return std::string_view(testoParole_)
            .substr(inizioParola_[w], inizioParola_[w + 1] - inizioParola_[w]);
    }
    template <class T>
    static std::span<const T> Tratto(const std::vector<T>& v, const std::vector<uint32_t>& inizi,
                                     uint32_t da, uint32_t a) {
        return std::span<const T>(v).subspan(inizi[da], inizi[a] - inizi[da]);
    }

    bool costruito_ = false;
    uint64_t apertura_ = 0;
    int32_t conta_ = 0, contaBase_ = 0;
    // Keys packed end to end; key j ends at fineChiave_[j].
    std::string chiavi_;
    std::vector<uint32_t> fineChiave_{0};
    std::vector<uint32_t> inizioTrigramma_;
    std::vector<int32_t> recordTrigramma_;
    // The sorted words packed end to end, and per word its articles.
    std::string testoParole_;
    std::vector<uint32_t> inizioParola_{0};
    std::vector<uint32_t> inizioRecordParola_{0};
    std::vector<int32_t> recordParola_;
    std::vector<float> rarita_;
    // Each word of at least MinSimile bytes, and each way of dropping one of its bytes, as
    // the text's hash in the high half and the word in the low half, sorted.
    std::vector<uint64_t> varianti_;
    std::vector<float> pesoDescr_{0.0F};
    // Words of the records added since the build.
    std::vector<uint32_t> paroleAggiunte_;
    std::vector<uint32_t> inizioAggiunte_{0};
};

} // namespace zelvano
