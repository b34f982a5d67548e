#include "data/Cp1252.h"

#include <array>

namespace zelvano {

namespace {
// 0x80-0x9F as the WHATWG index maps them; the five holes map to the C1 controls of the
// same value so that every byte survives the round trip.
constexpr std::array<char16_t, 32> Alti = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
} // namespace

char16_t UnicodeDaCp1252(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F)
        return Alti[byte - 0x80];
    return byte;
}

int Cp1252DaUnicode(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<int>(cp);
    for (std::size_t i = 0; i < Alti.size(); ++i)
        if (Alti[i] == cp)
            return static_cast<int>(0x80 + i);
    return -1;
}

std::string Cp1252DaUtf8(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        char32_t cp = 0;
        std::size_t n = 0;
        if (b < 0x80) {
            cp = b;
            n = 1;
        } else if ((b & 0xE0) == 0xC0) {
            cp = b & 0x1F;
            n = 2;
        } else if ((b & 0xF0) == 0xE0) {
            cp = b & 0x0F;
            n = 3;
        } else if ((b & 0xF8) == 0xF0) {
            cp = b & 0x07;
            n = 4;
        }
        bool valida = n > 0 && i + n <= utf8.size();
        for (std::size_t k = 1; valida && k < n; ++k) {
            const auto c = static_cast<unsigned char>(utf8[i + k]);
            valida = (c & 0xC0) == 0x80;
            cp = (cp << 6) | (c & 0x3F);
        }
        if (!valida) {
            out += '?';
            ++i;
            continue;
        }
        const int byte = Cp1252DaUnicode(cp);
        out += byte < 0 ? '?' : static_cast<char>(byte);
        i += n;
    }
    return out;
}

unsigned char MaiuscolaCp1252(unsigned char b) {
    if (b >= 'a' && b <= 'z')
        return static_cast<unsigned char>(b - 0x20);
    if (b >= 0xE0 && b <= 0xFE && b != 0xF7)
        return static_cast<unsigned char>(b - 0x20);
    switch (b) {
    case 0x9A: // š
        return 0x8A;
    case 0x9C: // œ
        return 0x8C;
    case 0x9E: // ž
        return 0x8E;
    case 0xFF: // ÿ
        return 0x9F;
    default:
        return b;
    }
}

std::string Maiuscolo(std::string_view testo) {
    std::string out(testo);
    for (char& c : out)
        c = static_cast<char>(MaiuscolaCp1252(static_cast<unsigned char>(c)));
    return out;
}

} // namespace zelvano
