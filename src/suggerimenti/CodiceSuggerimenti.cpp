#include "suggerimenti/CodiceSuggerimenti.h"

#include "data/Cp1252.h"

namespace zelvano {

bool Alfanumerico1252(unsigned char b) {
    if ((b >= '0' && b <= '9') || (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z'))
        return true;
    switch (b) {
    case 0x8A: // Š
    case 0x8C: // Œ
    case 0x8E: // Ž
    case 0x9A: // š
    case 0x9C: // œ
    case 0x9E: // ž
    case 0x9F: // Ÿ
        return true;
    default:
        return b >= 0xC0 && b != 0xD7 && b != 0xF7;
    }
}

const std::array<unsigned char, 256> LettereECifre = [] {
    std::array<unsigned char, 256> t{};
    for (unsigned c = 0; c < 256; ++c)
        if (Alfanumerico1252(static_cast<unsigned char>(c)))
            t[c] = MaiuscolaCp1252(static_cast<unsigned char>(c));
    return t;
}();

void AccodaChiaveCodice(std::string_view codice, std::string& chiave) {
    const std::size_t inizio = chiave.size();
    for (char c : codice) {
        unsigned char m = LetteraOCifra(static_cast<unsigned char>(c));
        if (m == 0)
            continue;
        if (m == 'O')
            m = '0';
        else if (m == 'I')
            m = '1';
        // A zero opening a number that goes on is left out: 0123 and 123 are one number.
        // Whether it opens one is known only at the next digit, so the zeros are written
        // and taken back then.
        if (m >= '1' && m <= '9') {
            std::size_t q = chiave.size();
            while (q > inizio && chiave[q - 1] == '0')
                --q;
            const bool dentroNumero = q > inizio && chiave[q - 1] >= '1' && chiave[q - 1] <= '9';
            if (!dentroNumero)
                chiave.resize(q);
        }
        chiave += static_cast<char>(m);
    }
}

std::string ChiaveCodice(std::string_view codice) {
    std::string chiave;
    AccodaChiaveCodice(codice, chiave);
    return chiave;
}

} // namespace zelvano
