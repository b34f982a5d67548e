#include "app/FrmInfo.h"

#include "app/Cp1252Qt.h"
#include "app/Icone.h"

#include <QLabel>
#include <QPushButton>

namespace {
QRect Twips(int x, int y, int w, int h) {
    return QRect(x / 15, y / 15, w / 15, h / 15);
}
} // namespace

FrmInfo::FrmInfo(const std::string& versione, const std::string& dataRilascio, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmInfo"));
    setWindowTitle(QStringLiteral("Informazioni su Zelvano"));
    setModal(true);
    setFixedSize(Twips(0, 0, 6510, 4425).size());
    QPalette sfondo = palette();
    sfondo.setColor(QPalette::Window, QColor(224, 224, 224));
    setPalette(sfondo);
    setAutoFillBackground(true);

    auto* immagine = new QLabel(this);
    immagine->setObjectName(QStringLiteral("Image1"));
    const QRect areaImmagine = Twips(0, 0, 2055, 1215);
    immagine->setGeometry(areaImmagine);
    immagine->setPixmap(ImmagineInformazioni(areaImmagine.size(), devicePixelRatioF()));

    QFont grassetto(QStringLiteral("Arial"));
    grassetto.setPointSize(9);
    grassetto.setBold(true);
    auto etichetta = [&](const char* nome, const QString& testo, QRect dove) {
        auto* l = new QLabel(testo, this);
        l->setObjectName(QString::fromLatin1(nome));
        l->setFont(grassetto);
        l->setGeometry(dove);
        return l;
    };
    etichetta("Label5", QStringLiteral("Versione"), Twips(120, 1320, 1815, 255));
    etichetta("lbl_Release", DaCp1252(versione), Twips(2160, 1320, 2775, 255));
    etichetta("Label7", QStringLiteral("Data di rilascio"), Twips(120, 1800, 1815, 255));
    etichetta("lbl_Data", DaCp1252(dataRilascio), Twips(2160, 1800, 2775, 255));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("b_ok"));
    ok->setGeometry(Twips(5400, 2760, 975, 375));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
