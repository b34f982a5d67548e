#pragma once
// How every widget test runs: Fusion style (same sizes everywhere) and Qt's test mode for
// the standard folders.

#include <QApplication>
#include <QStandardPaths>
#include <QTest>

#define ZELVANO_QTEST_MAIN(Classe)                                                                 \
    int main(int argc, char** argv) {                                                              \
        QApplication app(argc, argv);                                                              \
        QApplication::setStyle(QStringLiteral("Fusion"));                                          \
        QStandardPaths::setTestModeEnabled(true);                                                  \
        Classe prova;                                                                              \
        return QTest::qExec(&prova, argc, argv);                                                   \
    }
