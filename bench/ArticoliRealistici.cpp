#include "ArticoliRealistici.h"

#include "DescrizioneCliente.h"
#include "Generatore.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

namespace zelvano::bench {

namespace {

// A kind of goods: its article types, groups of attributes (a family takes at most one of
// each group, with the group's chance), its norms and its sizes in catalogue order.
struct GruppoAttributi {
    uint32_t percento;
    std::vector<std::string_view> valori;
};

struct Categoria {
    std::vector<std::string_view> tipi;
    std::vector<GruppoAttributi> attributi;
    uint32_t percentoNorma = 0;
    std::vector<std::string_view> norme;
    std::vector<std::string> misure;
};

std::vector<std::string> Misure(std::initializer_list<std::string_view> valori) {
    return {valori.begin(), valori.end()};
}

std::vector<std::string> MisureMetriche() {
    std::vector<std::string> v;
    for (int d : {3, 4, 5, 6, 8, 10, 12, 14, 16, 20, 24})
        for (int l : {6,  8,  10, 12, 16, 20,  25,  30,  35,  40, 45,
                      50, 60, 70, 80, 90, 100, 120, 140, 160, 200})
            if (l >= d * 2 && l <= d * 12)
                v.push_back("M" + std::to_string(d) + "X" + std::to_string(l));
    return v;
}

const std::vector<Categoria>& Categorie() {
    static const std::vector<Categoria> categorie = {
        {{"VITE TE", "VITE TCEI", "VITE TSPEI", "VITE TBEI", "VITE TCTC", "BULLONE TE",
          "BARRA FILETTATA", "PRIGIONIERO", "VITE AUTOFILETTANTE", "VITE TRUCIOLARE", "TIRAFONDO",
          "GOLFARE"},
         {{80, {"ACCIAIO", "INOX A2", "INOX A4", "OTTONE", "NYLON"}},
          {60, {"ZINCATO", "ZINCATO BIANCO", "ZINCATO NERO", "BRUNITO", "NICHELATO", "GREZZO"}},
          {40, {"4.8", "8.8", "10.9", "12.9"}},
          {20, {"PASSO FINE", "FILETTO PARZIALE", "FILETTO TOTALE"}}},
         70,
         {"DIN933", "DIN931", "DIN912", "DIN7991", "DIN7985", "DIN571", "ISO4017", "ISO4014",
          "ISO4762", "ISO7380", "UNI5739", "UNI5737", "UNI5931", "UNI7687"},
         MisureMetriche()},
        {{"DADO ESAGONALE", "DADO AUTOBLOCCANTE", "DADO CIECO", "DADO FLANGIATO", "RONDELLA PIANA",
          "RONDELLA GROWER", "RONDELLA DENTELLATA", "RONDELLA LARGA", "TASSELLO NYLON",
          "TASSELLO ACCIAIO", "ANCORANTE", "INSERTO FILETTATO"},
         {{80, {"ACCIAIO", "INOX A2", "INOX A4", "OTTONE", "NYLON"}},
          {60, {"ZINCATO", "ZINCATO BIANCO", "ZINCATO NERO", "BRUNITO", "NICHELATO", "GREZZO"}},
          {30, {"CLASSE 8", "CLASSE 10", "ALTO", "BASSO"}}},
         70,
         {"DIN934", "DIN985", "DIN1587", "DIN6923", "DIN125", "DIN127", "DIN9021", "DIN6798",
          "UNI5588", "UNI6592"},
         Misure({"M3",  "M4",  "M5",  "M6",  "M8",  "M10", "M12",  "M14",  "M16",  "M18", "M20",
                 "M22", "M24", "M27", "M30", "D.6", "D.8", "D.10", "D.12", "D.14", "D.16"})},
        {{"RACCORDO DIRITTO", "RACCORDO A PRESSARE", "GOMITO 90\xB0", "GOMITO 45\xB0", "MANICOTTO",
          "NIPPLO", "TEE", "RIDUZIONE", "TAPPO", "CALOTTA", "VALVOLA A SFERA", "VALVOLA DI RITEGNO",
          "RUBINETTO", "SARACINESCA", "FLANGIA", "GIUNTO DIELETTRICO"},
         {{90,
           {"OTTONE", "OTTONE CROMATO", "BRONZO", "ACCIAIO INOX", "GHISA", "PVC", "POLIPROPILENE",
            "RAME"}},
          {50, {"FF", "MF", "MM", "FILETTATO", "A SALDARE"}},
          {40, {"PN10", "PN16", "PN25", "PN40"}},
          {20, {"LEVA ROSSA", "FARFALLA", "PASSAGGIO TOTALE"}}},
         0,
         {},
         Misure({"1/4\"", "3/8\"", "1/2\"", "3/4\"", "1\"", "1.1/4\"", "1.1/2\"", "2\"", "2.1/2\"",
                 "3\"", "D.14", "D.16", "D.18", "D.20", "D.26", "D.32", "D.40"})},
        {{"TUBO MULTISTRATO", "TUBO RAME", "TUBO PVC", "TUBO PE", "TUBO FLESSIBILE", "GUAINA",
          "CANALINA"},
         {{60, {"RICOTTO", "CRUDO", "RIVESTITO", "PREISOLATO", "GRIGIO", "NERO", "BIANCO"}},
          {60, {"BARRA 4M", "ROTOLO 50M", "ROTOLO 100M", "BARRA 2M"}}},
         0,
         {},
         Misure({"10X1", "12X1", "14X2", "16X2", "18X2", "20X2", "22X1", "26X3", "28X1,5", "32X3",
                 "40X3,5", "50X4", "D.63", "D.75", "D.90", "D.110", "D.125", "D.160"})},
        {{"CAVO UNIPOLARE", "CAVO MULTIPOLARE", "CORDA", "MORSETTO", "MORSETTIERA", "INTERRUTTORE",
          "DEVIATORE", "PRESA", "SPINA", "SCATOLA DERIVAZIONE", "LAMPADA LED", "PLAFONIERA",
          "FASCETTA", "CAPICORDA", "TUBO CORRUGATO"},
         {{50, {"NERO", "BLU", "GRIGIO", "MARRONE", "GIALLO/VERDE", "BIANCO", "ROSSO"}},
          {40, {"IP20", "IP44", "IP55", "IP65", "IP67"}},
          {40, {"230V", "400V", "12V", "24V"}},
          {30, {"10A", "16A", "25A", "32A"}},
          {20, {"FG16OR16", "FS17", "H07RNF", "N07VK"}}},
         0,
         {},
         Misure({"1X1,5", "1X2,5", "1X4",   "1X6",  "1X10",   "3G1,5",   "3G2,5",
                 "3G4",   "5G1,5", "5G2,5", "5G6",  "2X0,75", "100X100", "150X110",
                 "D.16",  "D.20",  "D.25",  "D.32", "4W",     "6W",      "9W",
                 "12W",   "18W",   "24W",   "36W"})},
        {{"CHIAVE COMBINATA", "CHIAVE A BUSSOLA",
          "CHIAVE A BRUGOLA", "CHIAVE DINAMOMETRICA",
          "PUNTA HSS",        "PUNTA SDS PLUS",
          "PUNTA MURO",       "PUNTA LEGNO",
          "DISCO TAGLIO",     "DISCO LAMELLARE",
          "LAMA SEGHETTO",    "CACCIAVITE",
          "INSERTO",          "PINZA",
          "TRONCHESE",        "MARTELLO",
          "SCALPELLO",        "FRESA",
          "MASCHIO",          "FILIERA"},
         {{60, {"CROMO VANADIO", "HSS", "HSS-CO", "WIDIA", "ACCIAIO", "TITANIO", "DIAMANTATO"}},
          {40, {"PROFESSIONALE", "MANICO BIMATERIA", "CORTO", "LUNGO", "ISOLATO 1000V"}},
          {10, {"BLISTER", "VALIGETTA"}}},
         30,
         {"DIN338", "DIN3113", "DIN911", "DIN371", "DIN376"},
         Misure({"6MM",  "7MM",   "8MM",   "10MM",    "12MM",   "13MM", "14MM", "17MM",
                 "19MM", "22MM",  "D.3",   "D.3,5",   "D.4",    "D.5",  "D.6",  "D.8",
                 "D.10", "115X1", "125X1", "230X1,9", "115X22", "PH1",  "PH2",  "PZ2",
                 "TX20", "TX25",  "TX30",  "SW4",     "SW5",    "SW6"})},
    };
    return categorie;
}

constexpr std::array<std::string_view, 8> Confezioni = {
    "CONF.100", "CONF.50", "CONF.200", "CONF.25", "CONF.10", "PZ 1", "SCATOLA 500", "SACCO 1000"};

// Prefixes some customers put before a supplier's code: the maker as their own system
// names it.
constexpr std::array<std::string_view, 6> Produttori = {"ORV", "ZLV", "KTR", "BRX", "MFL", "TG"};
constexpr std::array<std::string_view, 5> SeparatoriPrefisso = {"", "-", " ", "/", "."};

// The one word that tells apart the siblings of a model sold in several colours.
const std::vector<std::string>& Colori() {
    static const std::vector<std::string> colori = {"NERO",  "CIANO", "MAGENTA", "GIALLO",
                                                    "ROSSO", "BLU",   "VERDE",   "GRIGIO"};
    return colori;
}

constexpr std::string_view Consonanti = "BCDFGLMNPRSTVZ";
constexpr std::string_view Vocali = "AEIOU";

std::string ChiaveAutomatica(std::string_view codice) {
    std::string s;
    for (char c : codice)
        if (c != ' ' && c != '/' && c != '.')
            s += c;
    return s;
}

bool Cifra(char c) {
    return c >= '0' && c <= '9';
}
bool Lettera(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool Alfanumerico(char c) {
    return Cifra(c) || Lettera(c);
}

// The words joined by blanks, as many as fit in massimo bytes.
std::string Unisci(const std::vector<std::string>& parole, std::size_t massimo) {
    std::string s;
    for (const std::string& p : parole) {
        if (s.size() + (s.empty() ? 0 : 1) + p.size() > massimo)
            break;
        if (!s.empty())
            s += ' ';
        s += p;
    }
    return s;
}

// The next code of a family: the last number in the code plus one, its width kept; empty
// when the number would need one more digit.
std::string Successivo(std::string codice) {
    std::size_t k = codice.size();
    while (k > 0 && !Cifra(codice[k - 1]))
        --k;
    if (k == 0)
        return {};
    for (std::size_t p = k; p > 0 && Cifra(codice[p - 1]); --p) {
        if (codice[p - 1] != '9') {
            ++codice[p - 1];
            return codice;
        }
        codice[p - 1] = '0';
    }
    return {};
}

} // namespace

struct ArticoliRealistici::Famiglia {
    std::vector<std::string> testa; // the type and the model, before the size
    std::vector<std::string> coda;  // attributes and norm, after the size
    const std::vector<std::string>* misure = nullptr;
    std::size_t primaMisura = 0;
};

std::string ArticoliRealistici::NuovoModello() {
    // A maker's model: letters, a hyphen, a number, a letter ("CLI-8M", "TRB-204K").
    for (;;) {
        std::string m;
        const uint32_t lettere = 2 + g_.Tra(2);
        for (uint32_t k = 0; k < lettere; ++k)
            m += g_.Lettera();
        m += '-';
        m += static_cast<char>('1' + g_.Tra(9));
        m += g_.Cifre(static_cast<int>(g_.Tra(3)));
        m += g_.Lettera();
        if (modelli_.insert(m).second)
            return m;
    }
}

ArticoliRealistici::Famiglia ArticoliRealistici::NuovaFamiglia(bool unica) {
    const auto& categorie = Categorie();
    for (int tentativo = 0;; ++tentativo) {
        const Categoria& c = categorie[g_.Tra(static_cast<uint32_t>(categorie.size()))];
        Famiglia f;
        for (std::string_view p :
             cliente::Spezza(c.tipi[g_.Tra(static_cast<uint32_t>(c.tipi.size()))]))
            f.testa.emplace_back(p);
        // Product lines carry a name of their own; past a few collisions every new family
        // gets one, so the supplier never lists one family twice.
        if (g_.Prob(60) || tentativo >= 3) {
            std::string nome;
            const uint32_t sillabe = 2 + g_.Tra(2);
            for (uint32_t s = 0; s < sillabe; ++s) {
                nome += Consonanti[g_.Tra(static_cast<uint32_t>(Consonanti.size()))];
                nome += Vocali[g_.Tra(static_cast<uint32_t>(Vocali.size()))];
            }
            if (g_.Prob(50))
                nome += "XRNK"[g_.Tra(4)];
            f.testa.push_back(std::move(nome));
        }
        for (const GruppoAttributi& a : c.attributi)
            if (g_.Prob(a.percento))
                for (std::string_view p :
                     cliente::Spezza(a.valori[g_.Tra(static_cast<uint32_t>(a.valori.size()))]))
                    f.coda.emplace_back(p);
        if (!c.norme.empty() && g_.Prob(c.percentoNorma))
            f.coda.emplace_back(c.norme[g_.Tra(static_cast<uint32_t>(c.norme.size()))]);
        f.misure = &c.misure;
        f.primaMisura = g_.Tra(static_cast<uint32_t>(c.misure.size()));
        if (!unica)
            return f;
        std::string firma;
        for (const auto& p : f.testa)
            firma += p + ' ';
        firma += '|';
        for (const auto& p : f.coda)
            firma += ' ' + p;
        if (famiglie_.insert(firma).second)
            return f;
    }
}

std::string ArticoliRealistici::PrimoCodice() {
    // Most codes take the shapes of the other generated files; one in five carries a
    // number with leading zeros, as many suppliers pad their numbers.
    if (!g_.Prob(20))
        return g_.CodiceCatalogo();
    std::string s;
    switch (g_.Tra(3)) {
    case 0: // 012345
        s = "0" + g_.Cifre(5);
        break;
    case 1: // AB0123
        s += g_.Lettera();
        s += g_.Lettera();
        s += "0" + g_.Cifre(3);
        break;
    default: // 00.123
        s = "00" + g_.Cifre(1) + "." + g_.Cifre(3);
        break;
    }
    return s;
}

const std::vector<ArticoloCatalogo>& ArticoliRealistici::GeneraCatalogo(int32_t righe) {
    catalogo_.clear();
    catalogo_.reserve(static_cast<std::size_t>(righe));
    chiavi_.reserve(static_cast<std::size_t>(righe) * 2);
    const auto n = static_cast<std::size_t>(righe);
    while (catalogo_.size() < n) {
        Famiglia f = NuovaFamiglia(true);
        // An order-number family: the code a number, the model in the description, one
        // model per size, or one model in several colours.
        const bool perOrdine = ordini_ > 0 && g_.Prob(ordini_);
        std::string modello;
        bool perColore = false;
        if (perOrdine) {
            modello = NuovoModello();
            perColore = g_.Prob(50);
            if (perColore) {
                f.misure = &Colori();
                f.primaMisura = g_.Tra(static_cast<uint32_t>(Colori().size() / 2));
            }
        }
        std::string codice =
            perOrdine ? std::to_string(1 + g_.Tra(9)) + g_.Cifre(6) : PrimoCodice();
        if (!chiavi_.insert(ChiaveAutomatica(codice)).second)
            continue;
        const uint32_t membri = 1 + g_.Tra(12);
        for (uint32_t m = 0; m < membri && catalogo_.size() < n; ++m) {
            if (m > 0) {
                codice = Successivo(codice);
                if (codice.empty() || !chiavi_.insert(ChiaveAutomatica(codice)).second)
                    break;
            }
            const std::size_t im = f.primaMisura + m;
            if (im >= f.misure->size())
                break;
            std::vector<std::string> parole = f.testa;
            ArticoloCatalogo a;
            a.codice = codice;
            if (perOrdine) {
                a.modello = perColore || m == 0 ? modello : NuovoModello();
                parole.push_back(a.modello);
            }
            a.parolaMisura = static_cast<uint8_t>(parole.size());
            parole.push_back((*f.misure)[im]);
            parole.insert(parole.end(), f.coda.begin(), f.coda.end());
            // What does not fit in the 50 columns goes, last attributes first.
            std::size_t lunghezza = 0;
            for (const auto& p : parole)
                lunghezza += p.size() + 1;
            while (lunghezza > 51 && parole.size() > a.parolaMisura + 1u) {
                lunghezza -= parole.back().size() + 1;
                parole.pop_back();
            }
            const bool confezione = g_.Prob(35);
            const std::string_view conf = Confezioni[g_.Tra(Confezioni.size())];
            if (confezione && lunghezza + conf.size() <= 50) {
                a.parolaConfezione = static_cast<uint8_t>(parole.size());
                for (std::string_view p : cliente::Spezza(conf))
                    parole.emplace_back(p);
            }
            a.descrizione = Unisci(parole, 50);
            catalogo_.push_back(a);
            // About one article in a hundred is listed twice, in another packing.
            if (g_.Prob(1) && catalogo_.size() < n) {
                ArticoloCatalogo b = a;
                auto v = cliente::Spezza(a.descrizione);
                std::vector<std::string> w(v.begin(), v.end());
                if (b.parolaConfezione != ArticoloCatalogo::NessunaParola)
                    w.resize(b.parolaConfezione);
                b.parolaConfezione = static_cast<uint8_t>(w.size());
                for (std::string_view p : cliente::Spezza(Confezioni[g_.Tra(Confezioni.size())]))
                    w.emplace_back(p);
                b.descrizione = Unisci(w, 50);
                catalogo_.push_back(std::move(b));
            }
        }
    }
    return catalogo_;
}

std::string ArticoliRealistici::Applica(std::string s, Differenza d) {
    switch (d) {
    case Differenza::Maiuscole: {
        const bool tutte = g_.Prob(70);
        bool fatto = false;
        for (char& c : s)
            if (c >= 'A' && c <= 'Z' && (tutte || !fatto)) {
                c = static_cast<char>(c - 'A' + 'a');
                fatto = true;
            }
        return s;
    }
    case Differenza::Trattino: {
        if (const auto p = s.find('-'); p != std::string::npos)
            return s.erase(p, 1);
        // Between the letters and the number, or else in the middle.
        for (std::size_t k = 1; k < s.size(); ++k)
            if (Lettera(s[k - 1]) && Cifra(s[k]))
                return s.insert(k, 1, '-');
        return s.insert(s.size() / 2, 1, '-');
    }
    case Differenza::ZeroIniziale: {
        for (std::size_t k = 0; k + 1 < s.size(); ++k)
            if (s[k] == '0' && (k == 0 || !Cifra(s[k - 1])) && Cifra(s[k + 1]))
                return s.erase(k, 1);
        for (std::size_t k = 0; k < s.size(); ++k)
            if (Cifra(s[k]))
                return s.insert(k, 1, '0');
        return s;
    }
    case Differenza::Prefisso: {
        std::string p(Produttori[g_.Tra(Produttori.size())]);
        p += SeparatoriPrefisso[g_.Tra(SeparatoriPrefisso.size())];
        return p + s;
    }
    case Differenza::Scambio: {
        std::vector<std::size_t> cifre, altri;
        for (std::size_t k = 0; k + 1 < s.size(); ++k)
            if (Alfanumerico(s[k]) && Alfanumerico(s[k + 1]) && s[k] != s[k + 1])
                (Cifra(s[k]) && Cifra(s[k + 1]) ? cifre : altri).push_back(k);
        const auto& scelta = cifre.empty() ? altri : cifre;
        if (scelta.empty())
            return Applica(std::move(s), Differenza::Refuso);
        const std::size_t k = scelta[g_.Tra(static_cast<uint32_t>(scelta.size()))];
        std::swap(s[k], s[k + 1]);
        return s;
    }
    case Differenza::LetteraO: {
        for (const auto& [cifra, lettera] : {std::pair{'0', 'O'}, std::pair{'1', 'I'}}) {
            std::vector<std::size_t> pos;
            for (std::size_t k = 0; k < s.size(); ++k)
                if (s[k] == cifra)
                    pos.push_back(k);
            if (!pos.empty()) {
                s[pos[g_.Tra(static_cast<uint32_t>(pos.size()))]] = lettera;
                return s;
            }
        }
        return Applica(std::move(s), Differenza::Refuso);
    }
    case Differenza::Refuso: {
        std::vector<std::size_t> pos;
        for (std::size_t k = 0; k < s.size(); ++k)
            if (Alfanumerico(s[k]))
                pos.push_back(k);
        if (pos.size() < 2)
            return s;
        const std::size_t k = pos[g_.Tra(static_cast<uint32_t>(pos.size()))];
        if (g_.Prob(50))
            return s.erase(k, 1);
        if (Cifra(s[k]))
            s[k] = static_cast<char>(s[k] == '9' ? '8' : s[k] + 1); // the key beside it
        else
            s[k] = g_.Lettera();
        return s;
    }
    default:
        return s;
    }
}

std::string ArticoliRealistici::CodiceDigitato(const std::string& vero, Differenza d) {
    std::string s;
    if (d == Differenza::Doppia) {
        static constexpr std::array<Differenza, 6> Semplici = {
            Differenza::Maiuscole, Differenza::Trattino, Differenza::ZeroIniziale,
            Differenza::Prefisso,  Differenza::Scambio,  Differenza::LetteraO};
        const uint32_t a = g_.Tra(Semplici.size());
        const uint32_t b = (a + 1 + g_.Tra(Semplici.size() - 1)) % Semplici.size();
        s = Applica(Applica(vero, Semplici[a]), Semplici[b]);
    } else {
        s = Applica(vero, d);
    }
    if (d == Differenza::Maiuscole && g_.Prob(50))
        s = g_.Decorato(s, 30);
    return s.size() > 30 ? s.substr(0, 30) : s;
}

std::string ArticoliRealistici::DescrizioneCliente(const ArticoloCatalogo& a) {
    const auto parole = cliente::Spezza(a.descrizione);
    std::vector<std::string> v;
    std::size_t misura = std::string::npos;
    for (std::size_t k = 0; k < parole.size(); ++k) {
        if (a.parolaConfezione != ArticoloCatalogo::NessunaParola && k >= a.parolaConfezione) {
            if (g_.Prob(cliente::TroncaConfezione))
                break; // the packing is rarely copied
        }
        const bool eMisura = k == a.parolaMisura;
        const uint32_t lascia = k == 0    ? cliente::LasciaTipo
                                : eMisura ? cliente::LasciaMisura
                                          : cliente::LasciaParola;
        if (g_.Prob(lascia))
            continue;
        std::string p(parole[k]);
        // Long words get shortened.
        const bool soloLettere = cliente::SoloLettere(p);
        if (soloLettere && p.size() >= cliente::MinAbbreviata && g_.Prob(cliente::Abbrevia)) {
            const auto it =
                std::find_if(cliente::Abbreviazioni.begin(), cliente::Abbreviazioni.end(),
                             [&](const auto& x) { return x.first == p; });
            if (it != cliente::Abbreviazioni.end())
                p = it->second;
            else
                p = p.substr(0, cliente::MinTaglio +
                                    g_.Tra(cliente::MaxTaglio - cliente::MinTaglio + 1)) +
                    ".";
        } else if (soloLettere && p.size() >= cliente::MinRefuso && g_.Prob(cliente::Refuso)) {
            // A slip: two letters swapped or one dropped.
            const std::size_t k2 = 1 + g_.Tra(static_cast<uint32_t>(p.size() - 2));
            if (g_.Prob(50))
                std::swap(p[k2], p[k2 + 1]);
            else
                p.erase(k2, 1);
        }
        if (eMisura)
            misura = v.size();
        v.push_back(std::move(p));
    }
    if (v.empty())
        v.emplace_back(parole.front());
    // The size often goes first; now and then two words trade places.
    if (misura != std::string::npos && misura > 0 && g_.Prob(cliente::MisuraPrima)) {
        std::string m = std::move(v[misura]);
        v.erase(v.begin() + static_cast<std::ptrdiff_t>(misura));
        v.insert(v.begin(), std::move(m));
    } else if (v.size() >= 2 && g_.Prob(cliente::ScambioParole)) {
        const std::size_t k = g_.Tra(static_cast<uint32_t>(v.size() - 1));
        std::swap(v[k], v[k + 1]);
    }
    if (g_.Prob(cliente::ParolaPropria)) {
        std::string p(cliente::ParoleCliente[g_.Tra(cliente::ParoleCliente.size())]);
        if (g_.Prob(50))
            v.insert(v.begin(), std::move(p));
        else
            v.push_back(std::move(p));
    }
    std::string s = Unisci(v, cliente::MaxDescrizione);
    if (g_.Prob(cliente::Minuscole))
        for (char& c : s)
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
    return s;
}

ArticoloCatalogo ArticoliRealistici::ArticoloAssente() {
    const Famiglia f = NuovaFamiglia(false);
    ArticoloCatalogo a;
    std::vector<std::string> parole = f.testa;
    a.parolaMisura = static_cast<uint8_t>(parole.size());
    parole.push_back((*f.misure)[f.primaMisura]);
    parole.insert(parole.end(), f.coda.begin(), f.coda.end());
    a.descrizione = Unisci(parole, 50);
    return a;
}

ArticoloCliente ArticoliRealistici::Cliente() {
    // The share of each kind of customer article, in percent, in the order of Differenza.
    static constexpr std::array<uint32_t, 12> Quote = {62, 6, 4, 3, 3, 3, 2, 2, 2, 4, 3, 6};
    uint32_t caso = g_.Tra(100);
    std::size_t tipo = 0;
    while (caso >= Quote[tipo]) {
        caso -= Quote[tipo];
        ++tipo;
    }
    ArticoloCliente c;
    c.differenza = static_cast<Differenza>(tipo);
    if (c.differenza == Differenza::VuotoSenza || c.differenza == Differenza::Estraneo) {
        c.descrizione = DescrizioneCliente(ArticoloAssente());
        if (c.differenza == Differenza::Estraneo) {
            do
                c.codice = g_.CodiceCatalogo();
            while (chiavi_.count(ChiaveAutomatica(c.codice)) != 0);
        }
        return c;
    }
    const ArticoloCatalogo& a = catalogo_[g_.Tra(static_cast<uint32_t>(catalogo_.size()))];
    c.vero = a.codice;
    c.descrizione = DescrizioneCliente(a);
    // The customer knows an article coded by order number by its model.
    const std::string& noto = a.modello.empty() ? a.codice : a.modello;
    if (c.differenza == Differenza::Nessuna)
        c.codice = g_.Decorato(noto, 30);
    else if (c.differenza != Differenza::VuotoVero)
        c.codice = CodiceDigitato(noto, c.differenza);
    return c;
}

} // namespace zelvano::bench
