#pragma once
// How every widget test runs: Fusion style (same sizes everywhere), Qt's test mode for the
// standard folders, and Qt's own texts in Italian, as the program shows them.

#include "app/Traduzioni.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTest>

#define ZELVANO_QTEST_MAIN(Classe)                                                                 \
    int main(int argc, char** argv) {                                                              \
        QApplication app(argc, argv);                                                              \
        QApplication::setStyle(QStringLiteral("Fusion"));                                          \
        QStandardPaths::setTestModeEnabled(true);                                                  \
        CaricaTraduzioneItaliana(app);                                                             \
        Classe prova;                                                                              \
        return QTest::qExec(&prova, argc, argv);                                                   \
    }
