#include "GeneraDati.h"

#include "ArticoliRealistici.h"
#include "Generatore.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace zelvano::bench {

namespace {

constexpr std::array<std::string_view, 10> Linee = {
    "FERRAMENTA", "IDRAULICA", "ELETTRICO", "BULLONERIA", "UTENSILI",
    "EDILIZIA",   "MINUTERIA", "GIARDINO",  "VERNICI",    ""};

constexpr std::array<std::string_view, 12> LineeProd = {"A01", "A02", "B10", "VIT", "DAD", "RON",
                                                        "TB ", "RC ", "X9",  "Z  ", "M08", "INX"};

std::string Normalizzato(std::string_view codice) {
    std::string s;
    for (char c : codice)
        if (c != ' ' && c != '/' && c != '.')
            s += c;
    return s;
}

std::string Minuscolo(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return s;
}

// Catalogue codes, distinct once blanks, slashes and dots are gone, except for the
// deliberate duplicates (about 1%); the rare codes are spread over the whole file. visti
// gets every code without blanks, slashes and dots.
std::vector<std::string> CodiciPredefiniti(Generatore& g, int32_t righeProd,
                                           std::unordered_set<std::string>& visti) {
    const int32_t rari = std::max<int32_t>(1, static_cast<int32_t>(righeProd / 12500));
    std::vector<std::string> codici;
    codici.reserve(static_cast<std::size_t>(righeProd));
    visti.reserve(static_cast<std::size_t>(righeProd) * 2);
    for (int32_t i = 0; i < righeProd; ++i) {
        if (i > 0 && g.Prob(1)) {
            codici.push_back(codici[g.Tra(static_cast<uint32_t>(codici.size()))]);
            continue;
        }
        if (i % (righeProd / rari) == righeProd / rari / 2) {
            std::string raro = std::string(CodiceRaro) + g.Cifre(4);
            while (!visti.insert(raro).second)
                raro = std::string(CodiceRaro) + g.Cifre(4);
            codici.push_back(raro);
            continue;
        }
        std::string c = g.CodiceCatalogo();
        while (!visti.insert(Normalizzato(c)).second)
            c = g.CodiceCatalogo();
        codici.push_back(std::move(c));
    }
    return codici;
}

// The supplier code of a plain customer article: about 70% a catalogue code with blanks,
// slashes or dots added, 8% the same lower-cased, 5% a hyphen more or less, 7% empty, 10%
// a code the catalogue does not hold.
std::string CodicePredefinito(Generatore& g, const std::vector<std::string>& codici,
                              const std::unordered_set<std::string>& visti) {
    std::string cdProd;
    const uint32_t caso = g.Tra(100);
    const std::string& rif = codici[g.Tra(static_cast<uint32_t>(codici.size()))];
    if (caso < 70) { // the same code once blanks, slashes and dots are gone
        cdProd = g.Decorato(rif, 30);
    } else if (caso < 78) { // case differs
        cdProd = Minuscolo(g.Decorato(rif, 30));
    } else if (caso < 83) { // a hyphen more or less
        cdProd = rif;
        auto p = cdProd.find('-');
        if (p != std::string::npos)
            cdProd.erase(p, 1);
        else
            cdProd.insert(cdProd.size() / 2, 1, '-');
    } else if (caso < 90) { // left empty
        cdProd.clear();
    } else { // a code the catalogue does not hold
        do
            cdProd = g.CodiceCatalogo();
        while (visti.count(Normalizzato(cdProd)) != 0);
    }
    return cdProd;
}

// The text cut to n bytes or padded with blanks to n.
void Accoda(std::string& riga, std::string_view testo, std::size_t n) {
    riga.append(testo.substr(0, n));
    if (testo.size() < n)
        riga.append(n - testo.size(), ' ');
}

class Scrittore {
  public:
    explicit Scrittore(const std::string& percorso) : percorso_(percorso) {
        f_ = std::fopen(percorso.c_str(), "wb");
        if (f_ == nullptr)
            throw std::runtime_error("cannot create " + percorso);
        buf_.reserve(Blocco + 1024);
    }
    ~Scrittore() {
        if (f_ != nullptr)
            std::fclose(f_);
    }
    Scrittore(const Scrittore&) = delete;
    Scrittore& operator=(const Scrittore&) = delete;

    void Riga(const std::string& riga) {
        buf_ += riga;
        buf_ += "\r\n";
        if (buf_.size() >= Blocco)
            Svuota();
    }
    uint64_t Chiudi() {
        Svuota();
        if (std::fclose(f_) != 0) {
            f_ = nullptr;
            throw std::runtime_error("cannot write " + percorso_);
        }
        f_ = nullptr;
        return scritti_;
    }

  private:
    static constexpr std::size_t Blocco = 1 << 20;
    void Svuota() {
        if (std::fwrite(buf_.data(), 1, buf_.size(), f_) != buf_.size())
            throw std::runtime_error("cannot write " + percorso_);
        scritti_ += buf_.size();
        buf_.clear();
    }
    std::string percorso_;
    std::FILE* f_ = nullptr;
    std::string buf_;
    uint64_t scritti_ = 0;
};

} // namespace

FileGenerati GeneraDati(int32_t righeInt, int32_t righeProd, const std::string& cartella,
                        uint32_t seme, bool conVerita, uint32_t ordini) {
    Generatore g(seme);
    FileGenerati esito;
    esito.fileInt = cartella + "/" + NomeFileInt;
    esito.fileProd = cartella + "/" + NomeFileProd;
    esito.righeInt = righeInt;
    esito.righeProd = righeProd;

    // With the truth the catalogue comes in product families and the customer's articles
    // are drawn from it; without, the files are the plainer ones the other benchmarks were
    // measured on, byte for byte.
    ArticoliRealistici realistici(g, ordini);
    std::vector<std::string> codici;
    std::unordered_set<std::string> visti;
    if (conVerita) {
        for (const ArticoloCatalogo& a : realistici.GeneraCatalogo(righeProd))
            codici.push_back(a.codice);
    } else {
        codici = CodiciPredefiniti(g, righeProd, visti);
    }

    {
        Scrittore out(esito.fileProd);
        std::string riga;
        for (int32_t i = 0; i < righeProd; ++i) {
            riga.clear();
            Accoda(riga, codici[static_cast<std::size_t>(i)], 25); // 1-25
            // 26-38: supplier's brand and packing
            Accoda(riga, g.Prob(50) ? "ORV  " + g.Cifre(4) : std::string(), 13);
            Accoda(riga, LineeProd[g.Tra(static_cast<uint32_t>(LineeProd.size()))], 3); // 39-41
            // 42-254: prices, discount, dates, unit and quantity, then blanks
            std::string resto;
            resto += g.Cifre(6) + "," + g.Cifre(2);       // list price
            resto += " " + g.Cifre(6) + "," + g.Cifre(2); // net price
            resto += " " + g.Cifre(2) + "," + g.Cifre(1); // discount
            resto += " 20" + g.Cifre(2) + "0" + std::to_string(1 + g.Tra(9)) + "1" +
                     std::to_string(g.Tra(10)); // valid from
            resto += g.Prob(30) ? " 20991231" : "         ";
            resto += g.Prob(70) ? " PZ " : " CF ";
            resto += g.Cifre(5);
            if (g.Prob(20))
                resto += " EUR \x80 " + g.Cifre(3) + "," + g.Cifre(2);
            Accoda(riga, resto, 213);
            Accoda(riga,
                   conVerita ? realistici.Catalogo()[static_cast<std::size_t>(i)].descrizione
                             : g.Descrizione(50),
                   50); // 255-304
            // 305+: a short tail of varying length
            const uint32_t coda = g.Tra(17);
            if (coda > 0) {
                std::string t = "IVA22 " + g.Cifre(10);
                riga.append(t.substr(0, coda));
            }
            out.Riga(riga);
        }
        esito.byteProd = out.Chiudi();
    }

    {
        Scrittore out(esito.fileInt);
        std::optional<Scrittore> verita;
        if (conVerita) {
            esito.fileVerita = cartella + "/" + NomeFileVerita;
            verita.emplace(esito.fileVerita);
        }
        std::vector<std::string> interni;
        interni.reserve(static_cast<std::size_t>(righeInt));
        std::string riga;
        for (int32_t i = 0; i < righeInt; ++i) {
            // 1-25: internal code, about 1% repeating an earlier one
            std::string cdInt;
            if (i > 0 && g.Prob(1)) {
                cdInt = interni[g.Tra(static_cast<uint32_t>(interni.size()))];
            } else {
                char numero[16];
                std::snprintf(numero, sizeof numero, "%07d", static_cast<int>(i) * 3 + 1);
                cdInt = g.Prob(20) ? std::string("F-") + numero : std::string("ART") + numero;
            }
            interni.push_back(cdInt);

            // 83-112: the supplier code as the customer typed it
            std::string cdProd, descr;
            if (conVerita) {
                ArticoloCliente a = realistici.Cliente();
                cdProd = std::move(a.codice);
                descr = std::move(a.descrizione);
                verita->Riga(cdInt + "\t" + a.vero);
            } else {
                cdProd = CodicePredefinito(g, codici, visti);
            }

            riga.clear();
            Accoda(riga, cdInt, 25);                                             // 1-25
            Accoda(riga, conVerita ? descr : g.Descrizione(45), 45);             // 26-70
            Accoda(riga, Linee[g.Tra(static_cast<uint32_t>(Linee.size()))], 12); // 71-82
            Accoda(riga, cdProd, 30);                                            // 83-112
            const uint32_t coda = g.Tra(19);                                     // 113+
            if (coda > 0) {
                std::string t = "  PZ " + g.Cifre(4) + " " + g.Cifre(8);
                riga.append(t.substr(0, coda));
            }
            out.Riga(riga);
        }
        esito.byteInt = out.Chiudi();
        if (verita)
            verita->Chiudi();
    }
    return esito;
}

double ScalaBench() {
    const char* v = std::getenv("ZELVANO_BENCH_SCALA");
    if (v == nullptr || *v == '\0')
        return 1.0;
    char* fine = nullptr;
    const double s = std::strtod(v, &fine);
    if (fine == v || !(s > 0.0) || s > 1.0)
        return 1.0;
    return s;
}

} // namespace zelvano::bench
