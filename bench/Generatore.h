#pragma once
// The random source of the generated files, with the small draws they are made of: letters,
// digits, catalogue codes in the shapes suppliers use, descriptions, decorated codes. Its
// sequence of draws is what makes the same seed give the same bytes.

#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>

namespace zelvano::bench {

// Descriptions are drawn from this vocabulary; a few words carry Windows-1252 bytes (à, €,
// °) so the readers and the upper-casing meet non-ASCII text.
inline constexpr std::array<std::string_view, 48> Vocabolario = {"VITE",
                                                                 "DADO",
                                                                 "RONDELLA",
                                                                 "ACCIAIO",
                                                                 "INOX",
                                                                 "ZINCATO",
                                                                 "M4",
                                                                 "M5",
                                                                 "M6",
                                                                 "M8",
                                                                 "M10",
                                                                 "M12",
                                                                 "10X20",
                                                                 "8X40",
                                                                 "6X30",
                                                                 "12X60",
                                                                 "BULLONE",
                                                                 "TUBO",
                                                                 "RACCORDO",
                                                                 "GOMITO",
                                                                 "90\xB0",
                                                                 "FLANGIA",
                                                                 "GUARNIZIONE",
                                                                 "OTTONE",
                                                                 "RAME",
                                                                 "PVC",
                                                                 "TESTA",
                                                                 "ESAGONALE",
                                                                 "CILINDRICA",
                                                                 "SVASATA",
                                                                 "TASSELLO",
                                                                 "NYLON",
                                                                 "CHIAVE",
                                                                 "PINZA",
                                                                 "FILETTATO",
                                                                 "BARRA",
                                                                 "CERNIERA",
                                                                 "MOLLA",
                                                                 "QUALIT\xE0",
                                                                 "UNIT\xE0",
                                                                 "\x80",
                                                                 "CONF.",
                                                                 "PZ",
                                                                 "DIN933",
                                                                 "UNI5739",
                                                                 "BRUNITO",
                                                                 "AUTOFILETTANTE",
                                                                 "TORX"};

// Letters of generated codes: no Q, which only the planted rare codes use.
inline constexpr std::string_view Lettere = "ABCDEFGHIJKLMNOPRSTUVWXYZ";

class Generatore {
  public:
    explicit Generatore(uint32_t seme) : rng_(seme) {}

    // 0..n-1; mt19937 output is the same everywhere, and the plain modulo keeps it so.
    uint32_t Tra(uint32_t n) { return static_cast<uint32_t>(rng_() % n); }
    bool Prob(uint32_t percento) { return Tra(100) < percento; }
    char Lettera() { return Lettere[Tra(static_cast<uint32_t>(Lettere.size()))]; }
    char Cifra() { return static_cast<char>('0' + Tra(10)); }
    std::string Cifre(int n) {
        std::string s;
        for (int i = 0; i < n; ++i)
            s += Cifra();
        return s;
    }

    // A catalogue code in one of the shapes suppliers use.
    std::string CodiceCatalogo() {
        std::string s;
        switch (Tra(6)) {
        case 0: // AB1234
            s += Lettera();
            s += Lettera();
            s += Cifre(4);
            break;
        case 1: // X/200.15
            s += Lettera();
            s += '/';
            s += Cifre(3);
            s += '.';
            s += Cifre(2);
            break;
        case 2: // K 77-3
            s += Lettera();
            s += ' ';
            s += Cifre(2);
            s += '-';
            s += Cifre(1);
            break;
        case 3: // 12.345.67
            s += Cifre(2);
            s += '.';
            s += Cifre(3);
            s += '.';
            s += Cifre(2);
            break;
        case 4: // ZN-M8/20
            s += Lettera();
            s += Lettera();
            s += "-M";
            s += Cifre(1 + static_cast<int>(Tra(2)));
            s += '/';
            s += Cifre(2);
            break;
        default: // RON12345
            s += Lettera();
            s += Lettera();
            s += Lettera();
            s += Cifre(5);
            break;
        }
        return s;
    }

    std::string Descrizione(std::size_t massimo) {
        std::string s;
        const uint32_t parole = 2 + Tra(5);
        for (uint32_t i = 0; i < parole; ++i) {
            std::string_view p = Vocabolario[Tra(static_cast<uint32_t>(Vocabolario.size()))];
            if (s.size() + 1 + p.size() > massimo)
                break;
            if (!s.empty())
                s += ' ';
            s += p;
        }
        return s;
    }

    // The catalogue code as a customer might type it: blanks, slashes and dots added.
    std::string Decorato(const std::string& codice, std::size_t massimo) {
        std::string s;
        if (Prob(5))
            s += ' ';
        for (std::size_t i = 0; i < codice.size(); ++i) {
            if (i > 0 && Prob(15)) {
                static constexpr std::string_view Separatori = " /.";
                s += Separatori[Tra(3)];
            }
            s += codice[i];
        }
        if (s.size() > massimo)
            return codice;
        return s;
    }

  private:
    std::mt19937 rng_;
};

} // namespace zelvano::bench
