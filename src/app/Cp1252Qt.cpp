#include "app/Cp1252Qt.h"

#include "data/Cp1252.h"

namespace {

// Code points of a UTF-16 text; a lone surrogate stays as it is, and has no byte.
template <typename F> void PerOgniCodice(QStringView testo, F&& f) {
    for (qsizetype i = 0; i < testo.size(); ++i) {
        const QChar c = testo[i];
        if (c.isHighSurrogate() && i + 1 < testo.size() && testo[i + 1].isLowSurrogate()) {
            f(static_cast<char32_t>(QChar::surrogateToUcs4(c, testo[i + 1])));
            ++i;
        } else {
            f(static_cast<char32_t>(c.unicode()));
        }
    }
}

} // namespace

QString DaCp1252(const std::string& testo) {
    QString risultato(static_cast<qsizetype>(testo.size()), Qt::Uninitialized);
    QChar* p = risultato.data();
    for (const char c : testo)
        *p++ = QChar(zelvano::UnicodeDaCp1252(static_cast<unsigned char>(c)));
    return risultato;
}

std::string ACp1252(const QString& testo) {
    std::string risultato;
    risultato.reserve(static_cast<std::size_t>(testo.size()));
    PerOgniCodice(testo, [&](char32_t cp) {
        const int byte = zelvano::Cp1252DaUnicode(cp);
        risultato.push_back(byte < 0 ? '?' : static_cast<char>(static_cast<unsigned char>(byte)));
    });
    return risultato;
}

bool RappresentabileCp1252(QStringView testo) {
    bool ok = true;
    PerOgniCodice(testo, [&](char32_t cp) {
        if (zelvano::Cp1252DaUnicode(cp) < 0)
            ok = false;
    });
    return ok;
}

QValidator::State ValidatoreCp1252::validate(QString& testo, int& posizione) const {
    // A pasted spreadsheet cell ends with a line end: the control characters go, the text
    // stays. A line end that reached a code would split a line of the customer's file.
    qsizetype tolti = 0, toltiPrima = 0;
    for (qsizetype i = 0; i < testo.size(); ++i) {
        const char16_t c = testo[i].unicode();
        if (c < 0x20 || c == 0x7F) {
            ++tolti;
            if (i < posizione)
                ++toltiPrima;
        } else if (tolti > 0) {
            testo[i - tolti] = testo[i];
        }
    }
    if (tolti > 0) {
        testo.truncate(testo.size() - tolti);
        posizione -= static_cast<int>(toltiPrima);
    }
    return RappresentabileCp1252(testo) ? Acceptable : Invalid;
}
