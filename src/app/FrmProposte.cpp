#include "app/FrmProposte.h"

#include "app/Cp1252Qt.h"
#include "app/DelegatoDifferenze.h"
#include "data/StatoHome.h"
#include "proposte/AccettaProposte.h"
#include "proposte/Campione.h"
#include "proposte/Resoconto.h"
#include "suggerimenti/DifferenzeCodice.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSplitter>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

enum ColonnaProposta { CodiceCliente, DescrCliente, CodiceOrvessa, DescrOrvessa, Fiducia };

QTableView* Vista(const char* nome, QStandardItemModel* modello, QWidget* padre) {
    auto* vista = new QTableView(padre);
    vista->setObjectName(QString::fromLatin1(nome));
    vista->setModel(modello);
    vista->setEditTriggers(QAbstractItemView::NoEditTriggers);
    vista->setSelectionBehavior(QAbstractItemView::SelectRows);
    vista->setSelectionMode(QAbstractItemView::SingleSelection);
    vista->setTabKeyNavigation(false);
    vista->setWordWrap(false);
    vista->verticalHeader()->setVisible(false);
    vista->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return vista;
}

// The four cells of a proposal: customer code and description, catalogue code with the
// characters that differ marked, catalogue description.
QList<QStandardItem*> Coppia(const zelvano::StatoHome& h, const zelvano::Proposta& p) {
    const zelvano::RecArticolo& in = h.ArtInt[static_cast<std::size_t>(p.i)];
    const zelvano::RecArticolo& prod = h.ArtProd[static_cast<std::size_t>(p.j)];
    QString segni;
    for (const bool d : zelvano::DifferenzeCodice(in.CdProd.str(), prod.CdProd.str()))
        segni += d ? u'1' : u'0';
    auto* codice = new QStandardItem(DaCp1252(prod.CdProd.str()));
    codice->setData(segni, DelegatoDifferenze::RuoloDiversi);
    return {new QStandardItem(DaCp1252(in.CdProd.str() + "  (" + in.CdInt.str() + ")")),
            new QStandardItem(DaCp1252(in.Descr.str())), codice,
            new QStandardItem(DaCp1252(prod.Descr.str()))};
}

QStringList IntestazioniCoppia() {
    return {QStringLiteral("Codice cliente"), QStringLiteral("Descrizione cliente"),
            QStringLiteral("Codice Orvessa"), QStringLiteral("Descrizione Orvessa")};
}

void LarghezzeCoppia(QTableView* vista) {
    vista->setColumnWidth(CodiceCliente, 190);
    vista->setColumnWidth(DescrCliente, 250);
    vista->setColumnWidth(CodiceOrvessa, 150);
    vista->setColumnWidth(DescrOrvessa, 280);
    vista->setItemDelegateForColumn(CodiceOrvessa, new DelegatoDifferenze(vista));
}

double Minima(const zelvano::GruppoProposte& g) {
    double minima = 100;
    for (const zelvano::Proposta& p : g.proposte)
        minima = std::min(minima, p.fiducia);
    return minima;
}

} // namespace

FrmProposte::FrmProposte(zelvano::StatoHome& h, std::vector<zelvano::GruppoProposte> gruppi,
                         Esecutore esegui, QWidget* parent)
    : QDialog(parent), h_(h), gruppi_(std::move(gruppi)), campioneDi_(gruppi_.size(), -1),
      esitoDi_(gruppi_.size()), esegui_(std::move(esegui)),
      seme_(QRandomGenerator::global()->generate64()), pagine_(new QStackedWidget(this)),
      gruppiModello_(new QStandardItemModel(0, 4, this)),
      proposteModello_(new QStandardItemModel(0, 5, this)),
      domandaModello_(new QStandardItemModel(0, 4, this)), domanda_(new QLabel(this)),
      esitoCampione_(new QLabel(this)), resoconto_(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("FrmProposte"));
    setWindowTitle(QStringLiteral("Abbinamenti proposti"));

    gruppiModello_->setHorizontalHeaderLabels({QStringLiteral("Gruppo"), QStringLiteral("Articoli"),
                                               QStringLiteral("Fiducia minima"),
                                               QStringLiteral("Campione")});
    gruppiVista_ = Vista("gruppi", gruppiModello_, this);
    gruppiVista_->setColumnWidth(0, 420);
    gruppiVista_->setColumnWidth(1, 80);
    gruppiVista_->setColumnWidth(2, 110);
    gruppiVista_->horizontalHeader()->setStretchLastSection(true);
    proposteModello_->setHorizontalHeaderLabels(IntestazioniCoppia() << QStringLiteral("Fiducia"));
    proposteVista_ = Vista("proposte", proposteModello_, this);
    LarghezzeCoppia(proposteVista_);
    proposteVista_->horizontalHeader()->setStretchLastSection(true);
    domandaModello_->setHorizontalHeaderLabels(IntestazioniCoppia());
    domandaVista_ = Vista("domanda", domandaModello_, this);
    LarghezzeCoppia(domandaVista_);
    domandaVista_->horizontalHeader()->setStretchLastSection(true);
    domandaVista_->setMaximumHeight(80);

    auto* elenchi = new QSplitter(Qt::Vertical);
    auto* sopra = new QWidget;
    auto* colonnaSopra = new QVBoxLayout(sopra);
    colonnaSopra->setContentsMargins(0, 0, 0, 0);
    colonnaSopra->addWidget(new QLabel(QStringLiteral("Gruppi di proposte")));
    colonnaSopra->addWidget(gruppiVista_);
    auto* sotto = new QWidget;
    auto* colonnaSotto = new QVBoxLayout(sotto);
    colonnaSotto->setContentsMargins(0, 0, 0, 0);
    colonnaSotto->addWidget(new QLabel(QStringLiteral("Proposte del gruppo scelto")));
    colonnaSotto->addWidget(proposteVista_);
    elenchi->addWidget(sopra);
    elenchi->addWidget(sotto);
    pagine_->addWidget(elenchi);

    // The sample: one proposal at a time, nothing of its confidence in sight.
    auto* paginaCampione = new QWidget;
    paginaCampione->setObjectName(QStringLiteral("paginaCampione"));
    auto* colonnaCampione = new QVBoxLayout(paginaCampione);
    domanda_->setObjectName(QStringLiteral("domandaCampione"));
    QFont grande = domanda_->font();
    grande.setPointSizeF(grande.pointSizeF() * 1.3);
    grande.setBold(true);
    domanda_->setFont(grande);
    colonnaCampione->addWidget(domanda_);
    colonnaCampione->addWidget(domandaVista_);
    colonnaCampione->addWidget(
        new QLabel(QStringLiteral("S = S\u00EC, \u00E8 lo stesso articolo    N = No, \u00E8 un "
                                  "altro articolo    Esc = interrompi il campione")));
    colonnaCampione->addStretch();
    pagine_->addWidget(paginaCampione);

    esitoCampione_->setObjectName(QStringLiteral("esitoCampione"));
    esitoCampione_->setWordWrap(true);
    resoconto_->setObjectName(QStringLiteral("resoconto"));
    resoconto_->setReadOnly(true);
    resoconto_->setMaximumHeight(190);

    auto* pulsanti = new QWidget;
    CreaComandi(pulsanti);

    auto* colonna = new QVBoxLayout(this);
    colonna->addWidget(pulsanti);
    colonna->addWidget(pagine_, 1);
    colonna->addWidget(esitoCampione_);
    colonna->addWidget(new QLabel(QStringLiteral("Resoconto")));
    colonna->addWidget(resoconto_);

    for (QTableView* v : {gruppiVista_, proposteVista_, domandaVista_})
        v->installEventFilter(this);
    connect(gruppiVista_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { MostraProposte(); });
    MostraGruppi();
    ScegliGruppo(0);
    MostraResoconto();
    resize(1100, 760);
}

void FrmProposte::CreaComandi(QWidget* pulsanti) {
    struct Comando {
        const char* nome;
        const char* caption;
        QKeySequence tasto; // empty: the key is read by the lists (Invio, +, -)
        void (FrmProposte::*azione)();
    };
    const Comando comandi[] = {
        {"AccettaGruppo", "Accetta gruppo\n(Ctrl+Invio)", QKeySequence(Qt::CTRL | Qt::Key_Return),
         &FrmProposte::AccettaGruppo},
        {"ScartaGruppo", "Scarta gruppo\n(Ctrl+Canc)", QKeySequence(Qt::CTRL | Qt::Key_Delete),
         &FrmProposte::ScartaGruppo},
        {"ApriGruppo", "Apri gruppo\n(Invio)", {}, &FrmProposte::ApriGruppo},
        {"AccettaProposta", "Accetta proposta\n(+)", {}, &FrmProposte::AccettaProposta},
        {"ScartaProposta", "Scarta proposta\n(-)", {}, &FrmProposte::ScartaProposta},
        {"GruppoSuccessivo", "Gruppo successivo\n(Ctrl+G)", QKeySequence(Qt::CTRL | Qt::Key_G),
         &FrmProposte::GruppoSuccessivo},
        {"Campione", "Campione alla cieca\n(Ctrl+M)", QKeySequence(Qt::CTRL | Qt::Key_M),
         &FrmProposte::IniziaCampione},
        {"CopiaResoconto", "Copia resoconto\n(Ctrl+Maiusc+C)",
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), &FrmProposte::CopiaResoconto},
    };
    auto* riga = new QHBoxLayout(pulsanti);
    riga->setContentsMargins(0, 0, 0, 0);
    for (const Comando& c : comandi) {
        auto* azione = new QAction(QString::fromUtf8(c.caption), this);
        azione->setObjectName(QString::fromLatin1(c.nome));
        if (!c.tasto.isEmpty()) {
            QList<QKeySequence> tasti{c.tasto};
            if (c.tasto == QKeySequence(Qt::CTRL | Qt::Key_Return))
                tasti << QKeySequence(Qt::CTRL | Qt::Key_Enter);
            azione->setShortcuts(tasti);
            azione->setShortcutContext(Qt::WindowShortcut);
            addAction(azione);
        }
        const auto metodo = c.azione;
        connect(azione, &QAction::triggered, this, [this, metodo] {
            if (!InCampione())
                (this->*metodo)();
        });
        auto* pulsante = new QPushButton(azione->text(), pulsanti);
        pulsante->setObjectName(QStringLiteral("cmd") + azione->objectName());
        pulsante->setFocusPolicy(Qt::NoFocus);
        pulsante->setAutoDefault(false);
        connect(pulsante, &QPushButton::clicked, azione, &QAction::trigger);
        riga->addWidget(pulsante);
    }
}

void FrmProposte::MostraGruppi() {
    const int scelto = GruppoScelto();
    gruppiModello_->setRowCount(0);
    for (std::size_t g = 0; g < gruppi_.size(); ++g) {
        const zelvano::GruppoProposte& gruppo = gruppi_[g];
        gruppiModello_->appendRow(
            {new QStandardItem(DaCp1252(zelvano::DescriviGruppo(gruppo))),
             new QStandardItem(QString::number(gruppo.proposte.size())),
             new QStandardItem(DaCp1252(zelvano::TestoFiducia(gruppo.fiduciaMinima))),
             new QStandardItem(esitoDi_[g])});
    }
    if (gruppi_.empty())
        gruppiModello_->appendRow(new QStandardItem(QStringLiteral("Nessuna proposta")));
    ScegliGruppo(std::clamp(scelto, 0, std::max(0, static_cast<int>(gruppi_.size()) - 1)));
}

int FrmProposte::GruppoScelto() const {
    const int riga = gruppiVista_->currentIndex().row();
    return riga >= 0 && riga < static_cast<int>(gruppi_.size()) ? riga : -1;
}

void FrmProposte::ScegliGruppo(int gruppo) {
    if (gruppo >= 0 && gruppo < static_cast<int>(gruppi_.size()))
        gruppiVista_->setCurrentIndex(gruppiModello_->index(gruppo, 0));
    MostraProposte();
}

void FrmProposte::MostraProposte() {
    proposteModello_->setRowCount(0);
    const int g = GruppoScelto();
    if (g < 0)
        return;
    for (const zelvano::Proposta& p : gruppi_[static_cast<std::size_t>(g)].proposte) {
        QList<QStandardItem*> celle = Coppia(h_, p);
        celle << new QStandardItem(DaCp1252(zelvano::TestoFiducia(p.fiducia)));
        proposteModello_->appendRow(celle);
    }
    if (proposteModello_->rowCount() > 0)
        proposteVista_->setCurrentIndex(proposteModello_->index(0, 0));
}

void FrmProposte::MostraResoconto() {
    resoconto_->setPlainText(DaCp1252(zelvano::Resoconto(h_)));
}

void FrmProposte::AccettaGruppo() {
    const int g = GruppoScelto();
    if (g < 0)
        return;
    const auto k = static_cast<std::size_t>(g);
    esegui_([this, k] { zelvano::AccettaGruppo(h_, gruppi_[k], campioneDi_[k]); });
    gruppi_.erase(gruppi_.begin() + g);
    campioneDi_.erase(campioneDi_.begin() + g);
    esitoDi_.erase(esitoDi_.begin() + g);
    MostraGruppi();
    MostraResoconto();
}

void FrmProposte::ScartaGruppo() {
    const int g = GruppoScelto();
    if (g < 0)
        return;
    gruppi_.erase(gruppi_.begin() + g);
    campioneDi_.erase(campioneDi_.begin() + g);
    esitoDi_.erase(esitoDi_.begin() + g);
    MostraGruppi();
}

void FrmProposte::ApriGruppo() {
    MostraProposte();
    proposteVista_->setFocus();
}

void FrmProposte::Togli(int g, int k) {
    auto& gruppo = gruppi_[static_cast<std::size_t>(g)];
    gruppo.proposte.erase(gruppo.proposte.begin() + k);
    if (gruppo.proposte.empty()) {
        gruppi_.erase(gruppi_.begin() + g);
        campioneDi_.erase(campioneDi_.begin() + g);
        esitoDi_.erase(esitoDi_.begin() + g);
        MostraGruppi();
        gruppiVista_->setFocus();
        return;
    }
    gruppo.fiduciaMinima = Minima(gruppo);
    MostraGruppi();
    proposteVista_->setCurrentIndex(
        proposteModello_->index(std::min(k, proposteModello_->rowCount() - 1), 0));
}

void FrmProposte::AccettaProposta() {
    const int g = GruppoScelto(), k = proposteVista_->currentIndex().row();
    if (g < 0 || k < 0)
        return;
    zelvano::GruppoProposte una = gruppi_[static_cast<std::size_t>(g)];
    una.proposte = {una.proposte[static_cast<std::size_t>(k)]};
    una.fiduciaMinima = una.proposte.front().fiducia;
    esegui_([this, &una] { zelvano::AccettaGruppo(h_, una); });
    Togli(g, k);
    MostraResoconto();
}

void FrmProposte::ScartaProposta() {
    const int g = GruppoScelto(), k = proposteVista_->currentIndex().row();
    if (g >= 0 && k >= 0)
        Togli(g, k);
}

void FrmProposte::GruppoSuccessivo() {
    if (!gruppi_.empty())
        ScegliGruppo((std::max(GruppoScelto(), 0) + 1) % static_cast<int>(gruppi_.size()));
    gruppiVista_->setFocus();
}

void FrmProposte::IniziaCampione() {
    const int g = GruppoScelto();
    if (g < 0)
        return;
    gruppoCampione_ = g;
    campione_ = zelvano::EstraiCampione(gruppi_[static_cast<std::size_t>(g)].proposte.size(),
                                        zelvano::CampionePredefinito, seme_++);
    risposte_ = 0;
    errate_ = 0;
    esitoCampione_->clear();
    pagine_->setCurrentIndex(1);
    MostraDomanda();
    domandaVista_->setFocus();
}

void FrmProposte::MostraDomanda() {
    const auto& gruppo = gruppi_[static_cast<std::size_t>(gruppoCampione_)];
    const zelvano::Proposta& p = gruppo.proposte[campione_[risposte_]];
    domanda_->setText(QStringLiteral("Campione: proposta %1 di %2. \u00C8 lo stesso articolo?")
                          .arg(risposte_ + 1)
                          .arg(campione_.size()));
    domandaModello_->setRowCount(0);
    domandaModello_->appendRow(Coppia(h_, p));
}

void FrmProposte::Rispondi(bool giusta) {
    if (!giusta)
        ++errate_;
    if (++risposte_ < campione_.size()) {
        MostraDomanda();
        return;
    }
    const auto g = static_cast<std::size_t>(gruppoCampione_);
    const auto esaminati = static_cast<int32_t>(campione_.size());
    campioneDi_[g] = zelvano::RegistraCampione(h_, gruppi_[g], esaminati, errate_);
    const zelvano::GiudizioCampione giudizio =
        zelvano::GiudicaCampione(errate_, esaminati, gruppi_[g].fiduciaMinima);
    esitoDi_[g] = QStringLiteral("errate %1 su %2").arg(errate_).arg(esaminati);
    esitoCampione_->setText(DaCp1252(zelvano::DescriviGruppo(gruppi_[g]) + "\n" + giudizio.testo));
    esitoCampione_->setStyleSheet(giudizio.oltreDichiarato ? QStringLiteral("color: #a00000")
                                                           : QString());
    InterrompiCampione();
    MostraGruppi();
    MostraResoconto();
}

void FrmProposte::InterrompiCampione() {
    campione_.clear();
    domandaModello_->setRowCount(0);
    pagine_->setCurrentIndex(0);
    gruppiVista_->setFocus();
}

void FrmProposte::CopiaResoconto() {
    MostraResoconto();
    QGuiApplication::clipboard()->setText(resoconto_->toPlainText());
    esitoCampione_->setText(QStringLiteral("Resoconto copiato negli appunti"));
    esitoCampione_->setStyleSheet(QString());
}

void FrmProposte::reject() {
    // Esc during a sample ends the sample, not the window.
    if (InCampione()) {
        InterrompiCampione();
        return;
    }
    QDialog::reject();
}

bool FrmProposte::eventFilter(QObject* oggetto, QEvent* evento) {
    if (evento->type() != QEvent::KeyPress)
        return QDialog::eventFilter(oggetto, evento);
    const auto* tasto = static_cast<QKeyEvent*>(evento);
    if (tasto->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return QDialog::eventFilter(oggetto, evento);
    const QString testo = tasto->text().toUpper();
    if (InCampione()) {
        if (testo == QStringLiteral("S") || testo == QStringLiteral("N")) {
            Rispondi(testo == QStringLiteral("S"));
            return true;
        }
        // Nothing else moves or decides while the sample is judged.
        return tasto->key() != Qt::Key_Escape;
    }
    if (testo == QStringLiteral("+")) {
        AccettaProposta();
        return true;
    }
    if (testo == QStringLiteral("-")) {
        ScartaProposta();
        return true;
    }
    if (oggetto == gruppiVista_ &&
        (tasto->key() == Qt::Key_Return || tasto->key() == Qt::Key_Enter)) {
        ApriGruppo();
        return true;
    }
    return QDialog::eventFilter(oggetto, evento);
}
