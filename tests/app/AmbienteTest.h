#pragma once
// The one place that fixes how the widget tests run: Fusion style (same sizes everywhere),
// Qt's test mode for the standard folders, plus the fixed-column fixture lines.

#include <QApplication>
#include <QFile>
#include <QStandardPaths>
#include <QString>
#include <QTest>

#include <string>
#include <string_view>

#define ZELVANO_QTEST_MAIN(Classe)                                                                 \
    int main(int argc, char** argv) {                                                              \
        QApplication app(argc, argv);                                                              \
        QApplication::setStyle(QStringLiteral("Fusion"));                                          \
        QStandardPaths::setTestModeEnabled(true);                                                  \
        Classe prova;                                                                              \
        return QTest::qExec(&prova, argc, argv);                                                   \
    }

namespace fixture {

// Typing as the keyboard would deliver it, for any character (QTest::keyClicks takes
// Latin-1 only).
inline void Digita(QWidget* destinazione, const QString& testo) {
    for (const QChar c : testo)
        QTest::sendKeyEvent(QTest::Click, destinazione, Qt::Key_unknown, QString(c),
                            Qt::NoModifier);
}

// Text cut or padded with blanks to n bytes.
inline std::string Campo(std::string_view testo, std::size_t n) {
    std::string s(testo.substr(0, n));
    s.resize(n, ' ');
    return s;
}

// An input line: code 1-25, description 26-70, line 71-82, supplier code 83-112.
inline std::string RigaInput(std::string_view cdInt, std::string_view descr, std::string_view linea,
                             std::string_view cdProd) {
    return Campo(cdInt, 25) + Campo(descr, 45) + Campo(linea, 12) + Campo(cdProd, 30);
}

// A catalogue line: code 1-25, line code 39-41, description 255-304.
inline std::string RigaCatalogo(std::string_view cdProd, std::string_view lineaProd,
                                std::string_view descr) {
    return Campo(cdProd, 38) + Campo(lineaProd, 3) + std::string(213, ' ') + Campo(descr, 50);
}

// Lines joined with CR LF, the last one included.
inline std::string Righe(std::initializer_list<std::string> righe) {
    std::string testo;
    for (const std::string& r : righe)
        testo += r + "\r\n";
    return testo;
}

inline bool Scrivi(const QString& percorso, const std::string& byte) {
    QFile f(percorso);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return f.write(byte.data(), static_cast<qint64>(byte.size())) ==
           static_cast<qint64>(byte.size());
}

inline std::string Leggi(const QString& percorso) {
    QFile f(percorso);
    if (!f.open(QIODevice::ReadOnly))
        return "<missing>";
    return f.readAll().toStdString();
}

inline std::string Locale(const QString& percorso) {
    return QFile::encodeName(percorso).toStdString();
}

} // namespace fixture
