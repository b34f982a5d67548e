#pragma once
// Articles as a supplier lists them and as a customer types them again, for measuring the
// ranked suggestions: a catalogue in product families (consecutive codes, one description
// per family with the size changing), and customer articles whose supplier codes carry the
// slips customers make and whose descriptions are the catalogue's shortened, reordered and
// abbreviated, each with the catalogue code it really is.

#include <cstdint>
#include <string>
#include <unordered_set>
#include <vector>

namespace zelvano::bench {

class Generatore;

struct ArticoloCatalogo {
    std::string codice;
    // The maker's model, for an article the supplier codes by its order number: it appears
    // only in the description, and it is what the customer types as the supplier code.
    std::string modello;
    std::string descrizione;                  // at most 50 bytes, words separated by one blank
    uint8_t parolaMisura = NessunaParola;     // the word giving the size
    uint8_t parolaConfezione = NessunaParola; // the first word of the packing, at the end
    static constexpr uint8_t NessunaParola = 255;
};

// How a customer's supplier code came out, against the true catalogue code.
enum class Differenza {
    Nessuna,      // the same code, blanks, slashes and dots aside
    Maiuscole,    // letters typed in lower case
    Trattino,     // a hyphen more or less
    ZeroIniziale, // a leading zero of a number left out, or one added
    Prefisso,     // a maker's prefix before the code
    Scambio,      // two neighbouring characters swapped
    LetteraO,     // the letter O for a zero (or I for a one)
    Refuso,       // a character dropped, or a digit mistyped
    Doppia,       // two of the slips above
    VuotoVero,    // left empty; the article is in the catalogue
    VuotoSenza,   // left empty; the article is not in the catalogue
    Estraneo,     // a code the catalogue does not hold, for an article it lacks
};

struct ArticoloCliente {
    std::string codice;      // at most 30 bytes
    std::string descrizione; // at most 45 bytes
    std::string vero;        // the true catalogue code; empty when the catalogue lacks it
    Differenza differenza = Differenza::Nessuna;
};

class ArticoliRealistici {
  public:
    // ordini: the share, in percent, of product families the supplier codes by order
    // numbers, with the maker's model only in the description; half of those families list
    // one model in several colours, siblings that differ by that one word. 0 gives the
    // files as they always were.
    explicit ArticoliRealistici(Generatore& g, uint32_t ordini = 0) : g_(g), ordini_(ordini) {}

    // righe catalogue articles, codes distinct once blanks, slashes and dots are gone except
    // for about 1% listed twice (another packing of the same article).
    const std::vector<ArticoloCatalogo>& GeneraCatalogo(int32_t righe);
    const std::vector<ArticoloCatalogo>& Catalogo() const { return catalogo_; }
    // The next customer article, drawn against the catalogue made by Catalogo.
    ArticoloCliente Cliente();

  private:
    struct Famiglia;
    Famiglia NuovaFamiglia(bool unica);
    std::string PrimoCodice();
    std::string CodiceDigitato(const std::string& vero, Differenza d);
    std::string Applica(std::string codice, Differenza d);
    std::string DescrizioneCliente(const ArticoloCatalogo& a);
    ArticoloCatalogo ArticoloAssente();
    std::string NuovoModello();

    Generatore& g_;
    uint32_t ordini_ = 0;
    std::unordered_set<std::string> modelli_;
    std::vector<ArticoloCatalogo> catalogo_;
    std::unordered_set<std::string> chiavi_; // the catalogue codes as the automatic run sees them
    std::unordered_set<std::string> famiglie_;
};

} // namespace zelvano::bench
