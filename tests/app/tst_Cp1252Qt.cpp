// Windows-1252 bytes at the Qt boundary.

#include "AmbienteTest.h"

#include "app/Cp1252Qt.h"

class ProvaCp1252Qt : public QObject {
    Q_OBJECT
  private slots:
    void ogniByteFaIlGiroCompleto() {
        std::string tutti;
        for (int b = 0; b < 256; ++b)
            tutti.push_back(static_cast<char>(b));
        const QString testo = DaCp1252(tutti);
        QCOMPARE(testo.size(), 256);
        QCOMPARE(ACp1252(testo), tutti);
    }

    void byteVersoUnicode_data() {
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("unicode");
        QTest::newRow("euro") << 0x80 << 0x20AC;
        QTest::newRow("unassigned 0x81 keeps its value") << 0x81 << 0x81;
        QTest::newRow("unassigned 0x9D") << 0x9D << 0x9D;
        QTest::newRow("left double quote") << 0x93 << 0x201C;
        QTest::newRow("Y diaeresis") << 0x9F << 0x178;
        QTest::newRow("a grave") << 0xE0 << 0xE0;
        QTest::newRow("ascii") << 0x41 << 0x41;
        QTest::newRow("nul") << 0x00 << 0x00;
    }
    void byteVersoUnicode() {
        QFETCH(int, byte);
        QFETCH(int, unicode);
        const QString testo = DaCp1252(std::string(1, static_cast<char>(byte)));
        QCOMPARE(testo.size(), 1);
        QCOMPARE(static_cast<int>(testo.at(0).unicode()), unicode);
    }

    void euroSiVedeComeEuro() { QCOMPARE(DaCp1252("\x80 10"), QStringLiteral("€ 10")); }

    void testoNonRappresentabile_data() {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QByteArray>("atteso");
        QTest::newRow("greek") << QStringLiteral("aΩb") << QByteArray("a?b");
        QTest::newRow("emoji is one character")
            << QString::fromUtf8("x\xF0\x9F\x98\x80y") << QByteArray("x?y");
        QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << QByteArray("?");
        QTest::newRow("euro and accents")
            << QStringLiteral("perché €") << QByteArray("perch\xE9 \x80");
        QTest::newRow("empty") << QString() << QByteArray();
    }
    void testoNonRappresentabile() {
        QFETCH(QString, testo);
        QFETCH(QByteArray, atteso);
        QCOMPARE(QByteArray::fromStdString(ACp1252(testo)), atteso);
    }

    void validatoreRifiutaSoloCioCheNonSiPuoScrivere() {
        ValidatoreCp1252 v;
        int pos = 0;
        QString buono = QStringLiteral("Perché € 5");
        QCOMPARE(v.validate(buono, pos), QValidator::Acceptable);
        QString cattivo = QStringLiteral("Ω");
        QCOMPARE(v.validate(cattivo, pos), QValidator::Invalid);
    }
};

ZELVANO_QTEST_MAIN(ProvaCp1252Qt)
#include "tst_Cp1252Qt.moc"
