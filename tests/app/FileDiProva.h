#pragma once
// Whole files written and read back as bytes, for the widget tests' fixtures.

#include <QFile>
#include <QString>

#include <string>

inline bool Scrivi(const QString& percorso, const std::string& byte) {
    QFile f(percorso);
    return f.open(QIODevice::WriteOnly) &&
           f.write(byte.data(), qint64(byte.size())) == qint64(byte.size());
}

inline std::string Leggi(const QString& percorso) {
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : "<missing>";
}

// The path as the program's core receives it: the file system's own bytes.
inline std::string Locale(const QString& percorso) {
    return QFile::encodeName(percorso).toStdString();
}
