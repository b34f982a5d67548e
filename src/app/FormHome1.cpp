#include "app/FormHome1.h"

#include "app/BloccoAlt.h"
#include "app/Cp1252Qt.h"
#include "app/EtichetteStato.h"
#include "app/FrmInfo.h"
#include "app/FrmProposte.h"
#include "app/Icone.h"
#include "app/ImpostazioniFinestra.h"
#include "app/MemoriaSuggerimento.h"
#include "app/PannelloSuggerimenti.h"
#include "app/PiattaformaQt.h"
#include "app/VistaGriglia.h"

#include "coppie/Associazioni.h"
#include "coppie/Decisioni.h"
#include "data/ColonneGriglie.h"
#include "files/FileOutput.h"
#include "griglie/CaricaGrid2.h"
#include "griglie/Selezione.h"
#include "proposte/Proposte.h"
#include "sessione/EventiFinestra.h"
#include "sessione/LeggiArchivi.h"
#include "sessione/SalvaArchivio.h"
#include "sessione/Sostituzione.h"
#include "suggerimenti/ScegliSuggerimento.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>
#include <exception>
#include <new>
#include <vector>

namespace {

using zelvano::StatoHome;

// Designed positions and sizes are in twips; this screen has 15 twips to the pixel.
constexpr int Pixel(int twips) {
    return twips / VistaGriglia::TwipsPerPixel;
}

zelvano::Piattaforma& Scegli(zelvano::Piattaforma* data, std::unique_ptr<PiattaformaQt>& propria) {
    if (data)
        return *data;
    propria = std::make_unique<PiattaformaQt>();
    return *propria;
}

struct VoceToolbar {
    const char* chiave;
    const char* caption;
    const char* immagine;
    const char* tooltip;
    int tasto;                   // F1..F9; 0 for a gap
    void (*comando)(StatoHome&); // null: closes the window, or a gap
};

const VoceToolbar VociTlb1[] = {
    {"Salva", "Salva", "Archivia", "Salva elaborazione (F1)", 1,
     [](StatoHome& h) { zelvano::SalvaArchivio(h); }},
    {"Esci", "Esci", "Uscita", "Esci (F2)", 2, nullptr},
    {"p1", nullptr, nullptr, nullptr, 0, nullptr},
    {"Associa", "Associa", "Associa", "Associa all' articolo Orvessa selezionato (F3)", 3,
     zelvano::Associa},
    {"Disassocia", "Disassocia", "Disassocia", "Disassocia dall'articolo Orvessa (F4)", 4,
     zelvano::DisAssocia},
    {"NonAssociabile", "Non Associabile", "NonAssociabile",
     "Non associabile a nessun articolo Orvessa (F5)", 5, zelvano::NonAssociabile},
    {"p2", nullptr, nullptr, nullptr, 0, nullptr},
    {"PrecedenteAss", "Prec. Associabile", "PrecedenteAss",
     "Mostra il precedente articolo associabile (F6)", 6, zelvano::CercaPrecDaAbbinare},
    {"ProssimoAss", "Succ. Associabile", "ProssimoAss",
     "Mostra il prossimo articolo associabile (F7)", 7, zelvano::CercaPrimoDaAbbinare},
    {"p3", nullptr, nullptr, nullptr, 0, nullptr},
    {"Precedente", "Precedente", "Precedente", "Mostra l'articolo precedente (F8)", 8,
     zelvano::CercaPrecedente},
    {"Successivo", "Successivo", "Successivo", "Mostra l'articolo successivo (F9)", 9,
     zelvano::CercaSuccessivo},
};

constexpr int LarghezzaSpazio = 850; // twips between the toolbar groups

// The function key with every combination of Shift, Ctrl and Alt: staff press them with
// whatever they happen to hold down.
QList<QKeySequence> TastiFunzione(int n) {
    const auto tasto = static_cast<Qt::Key>(Qt::Key_F1 + n - 1);
    QList<QKeySequence> tasti;
    for (int m = 0; m < 8; ++m) {
        Qt::KeyboardModifiers modificatori;
        if (m & 1)
            modificatori |= Qt::ShiftModifier;
        if (m & 2)
            modificatori |= Qt::ControlModifier;
        if (m & 4)
            modificatori |= Qt::AltModifier;
        tasti << QKeySequence(QKeyCombination(modificatori, tasto));
    }
    return tasti;
}

QFont CarattereStato(bool grassetto) {
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(9.75);
    f.setBold(grassetto);
    return f;
}

struct PosizioneEtichetta {
    int indice;
    int sinistra; // twips
    bool grassetto;
};

// Margins inside each frame, in pixels: the controls start 5 px from the left and end
// 4 px from the right (9 px in all), the grids 2 px above the bottom; the first line is 18
// px down.
constexpr int MargineSinistro = 5, MargineDestro = 4, MargineSotto = 2, MargineSopra = 18;
constexpr int AltezzaEtichetta = 240 / VistaGriglia::TwipsPerPixel; // 16 px
constexpr int AltezzaFiltri = 285 / VistaGriglia::TwipsPerPixel;    // 19 px, TxtCod's height

// One status line: label 0 at the frame's left margin, the others at their designed left
// positions in the frame, each as wide as the room up to the next one. The row itself
// starts at the left margin.
template <std::size_t N>
QWidget* RigaStato(const char* nome, std::array<QLabel*, N>& etichette,
                   std::vector<PosizioneEtichetta> posizioni) {
    auto* riga = new QWidget;
    riga->setObjectName(QString::fromLatin1(nome) + QStringLiteral("Riga"));
    std::sort(posizioni.begin(), posizioni.end(),
              [](const auto& a, const auto& b) { return a.sinistra < b.sinistra; });
    const auto x = [](const PosizioneEtichetta& p) {
        return p.indice == 0 ? 0 : Pixel(p.sinistra) - MargineSinistro;
    };
    for (std::size_t k = 0; k < posizioni.size(); ++k) {
        const PosizioneEtichetta& p = posizioni[k];
        auto* l = new QLabel(riga);
        l->setObjectName(QString::fromLatin1(nome));
        l->setProperty("indice", p.indice);
        l->setFont(CarattereStato(p.grassetto));
        const int larghezza = k + 1 < posizioni.size() ? x(posizioni[k + 1]) - x(p) - 2 : 160;
        l->setGeometry(x(p), 0, larghezza, AltezzaEtichetta);
        etichette.at(static_cast<std::size_t>(p.indice)) = l;
    }
    riga->setFixedHeight(AltezzaEtichetta);
    return riga;
}

void ImpostaTesto(QLabel* etichetta, const std::string& testo) {
    const QString nuovo = DaCp1252(testo);
    if (etichetta->text() != nuovo)
        etichetta->setText(nuovo);
}

void ImpostaTesto(QLineEdit* casella, const std::string& testo) {
    const QString nuovo = DaCp1252(testo);
    if (casella->text() != nuovo) {
        const QSignalBlocker blocco(casella);
        casella->setText(nuovo);
    }
}

} // namespace

FormHome1::FormHome1(zelvano::Piattaforma* piattaforma, QWidget* parent)
    : QMainWindow(parent), pf_(Scegli(piattaforma, piattaformaPropria_)), annotata_(pf_),
      h_(annotata_) {
    setObjectName(QStringLiteral("FormHome1"));
    if (piattaformaPropria_)
        piattaformaPropria_->ImpostaFinestra(this, [this] { SincronizzaDaStato(); });

    try {
        zelvano::PreparaFinestra(h_);
    } catch (const std::exception& e) {
        MostraErrore(e.what());
    }
    // Kept where the grid layout files go: this user's data folder once installed.
    impostazioni_ =
        std::make_unique<ImpostazioniFinestra>(QFile::decodeName(pf_.CartellaProgramma().c_str()));
    quotaSopra_ = impostazioni_->Quota(QStringLiteral("elCorpo"));
    quotaGrd2_ = impostazioni_->Quota(QStringLiteral("divisioneGrd2"));
    CreaComandi();
    CreaAnnullamenti();
    CreaSceltaSuggerimenti();
    CreaMenu();
    CreaBarraStato();

    elCorpo_ = new QSplitter(Qt::Vertical);
    elCorpo_->setObjectName(QStringLiteral("elCorpo"));
    elCorpo_->setChildrenCollapsible(false);
    QPalette bianco = elCorpo_->palette();
    bianco.setColor(QPalette::Window, Qt::white);
    elCorpo_->setPalette(bianco);
    elCorpo_->setAutoFillBackground(true);
    elCorpo_->addWidget(CreaFrame1());
    elCorpo_->addWidget(CreaFrame2());
    elCorpo_->installEventFilter(this);
    connect(elCorpo_, &QSplitter::splitterMoved, this, [this] {
        divisioneUtente_ = true;
        const QList<int> misure = elCorpo_->sizes();
        impostazioni_->ImpostaQuota(QStringLiteral("elCorpo"),
                                    double(misure.value(0)) / (misure.value(0) + misure.value(1)));
    });

    auto* centro = new QWidget;
    auto* margini = new QVBoxLayout(centro);
    margini->setContentsMargins(7, 5, 7, 5);
    margini->addWidget(elCorpo_);
    setCentralWidget(centro);

    setWindowTitle(DaCp1252(h_.NomeProgramma + " " + h_.VersioneProgramma));
    setWindowIcon(IconaProgramma());
    resize(800, 570);
    SincronizzaDaStato();
}

FormHome1::~FormHome1() {
    // The views and their models watch grids that live in h_: they go first.
    delete takeCentralWidget();
}

void FormHome1::CreaComandi() {
    tlb1_ = new QToolBar;
    tlb1_->setObjectName(QStringLiteral("tlb1"));
    tlb1_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    tlb1_->setMovable(false);
    tlb1_->setFloatable(false);
    tlb1_->setIconSize(QSize(20, 20));
    tlb1_->setContentsMargins(0, 0, 0, 0);
    const QHash<QString, QIcon> immagini = ImageList1();
    for (const VoceToolbar& v : VociTlb1) {
        const QString chiave = QString::fromLatin1(v.chiave);
        if (v.tasto == 0) {
            auto* spazio = new QWidget;
            spazio->setObjectName(chiave);
            spazio->setFixedWidth(Pixel(LarghezzaSpazio));
            tlb1_->addWidget(spazio)->setObjectName(chiave);
            continue;
        }
        auto* azione = new QAction(immagini.value(QString::fromLatin1(v.immagine)),
                                   QString::fromLatin1(v.caption), this);
        azione->setObjectName(chiave);
        azione->setToolTip(QString::fromLatin1(v.tooltip));
        azione->setShortcuts(TastiFunzione(v.tasto));
        azione->setShortcutContext(Qt::WindowShortcut);
        addAction(azione);
        tlb1_->addAction(azione);
        if (v.comando == zelvano::Associa) {
            connect(azione, &QAction::triggered, this,
                    [this] { Esegui([this] { AssociaEProsegui(); }); });
        } else if (v.comando) {
            auto* comando = v.comando;
            connect(azione, &QAction::triggered, this,
                    [this, comando] { Esegui([this, comando] { comando(h_); }); });
        } else {
            // Closing goes through closeEvent and its question.
            connect(azione, &QAction::triggered, this, &QWidget::close);
        }
    }
}

void FormHome1::AssociaEProsegui() {
    const std::size_t decisioni = h_.Decisioni.annullabili.size();
    zelvano::Associa(h_);
    // Only a pair just made moves on: a refusal, "Abbandona" or the pair that was already
    // there leave the clerk where he is. The next article's catalogue article is his to
    // choose again.
    if (successivoDopoF3_->isChecked() && h_.Decisioni.annullabili.size() > decisioni)
        zelvano::CercaPrimoDaAbbinare(h_);
}

void FormHome1::CreaAnnullamenti() {
    // Keys only, beside the commands of the toolbar and the menus. In a filter box Ctrl+Z
    // stays the box's own undo of the typing.
    auto* annulla = new QAction(QStringLiteral("Annulla"), this);
    annulla->setObjectName(QStringLiteral("AnnullaDecisione"));
    annulla->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    connect(annulla, &QAction::triggered, this,
            [this] { Esegui([this] { zelvano::AnnullaDecisione(h_); }); });
    auto* ripeti = new QAction(QStringLiteral("Ripeti"), this);
    ripeti->setObjectName(QStringLiteral("RipetiDecisione"));
    ripeti->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y));
    connect(ripeti, &QAction::triggered, this,
            [this] { Esegui([this] { zelvano::RipetiDecisione(h_); }); });
    addActions({annulla, ripeti});
}

void FormHome1::CreaSceltaSuggerimenti() {
    timerSuggerimenti_ = new QTimer(this);
    timerSuggerimenti_->setSingleShot(true);
    // Long enough for a held-down key to move on first, short enough to feel immediate.
    timerSuggerimenti_->setInterval(40);
    connect(timerSuggerimenti_, &QTimer::timeout, this, [this] {
        if (inComando_)
            timerSuggerimenti_->start(); // a dialog of a command is up: later
        else
            AggiornaSuggerimenti();
    });
    for (int k = 1; k <= 9; ++k) {
        auto* scelta = new QAction(QStringLiteral("Suggerimento %1").arg(k), this);
        scelta->setObjectName(QStringLiteral("Suggerimento%1").arg(k));
        scelta->setShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_0 + k)));
        connect(scelta, &QAction::triggered, this,
                [this, k] { Esegui([this, k] { ScegliSuggerito(k - 1); }); });
        addAction(scelta);
    }
}

void FormHome1::AggiornaSuggerimenti() {
    try {
        CalcolaSuggerimenti();
    } catch (const std::exception&) {
        // A list that cannot be made is simply not shown; the work goes on without it.
        suggeriti_.clear();
        suggeritiPer_ = 0;
        pannelloSuggerimenti_->Svuota();
    }
}

void FormHome1::CalcolaSuggerimenti() {
    const int32_t i = h_.PCdIntSel;
    if (i < 1 || i > h_.NumInt) {
        suggeriti_.clear();
        suggeritiPer_ = 0;
        pannelloSuggerimenti_->Svuota();
        return;
    }
    if (indice_.Apertura() != h_.Apertura) {
        // The first list after an opening builds the index: a moment's wait, once.
        pf_.Occupato(true);
        try {
            indice_.Aggiorna(h_);
        } catch (...) {
            pf_.Occupato(false);
            throw;
        }
        pf_.Occupato(false);
    } else {
        indice_.Aggiorna(h_);
    }
    suggeriti_ = zelvano::Classifica(indice_, h_, i);
    suggeritiPer_ = i;
    suggeritiApertura_ = h_.Apertura;
    pannelloSuggerimenti_->Mostra(h_, suggeriti_);
}

void FormHome1::ScegliSuggerito(int posizione) {
    // A list still to come, or made for another article, is made now.
    if (suggeritiPer_ != h_.PCdIntSel || suggeritiApertura_ != h_.Apertura ||
        timerSuggerimenti_->isActive())
        CalcolaSuggerimenti();
    if (posizione < 0 || static_cast<std::size_t>(posizione) >= suggeriti_.size())
        return;
    zelvano::ScegliSuggerimento(h_, suggeriti_[static_cast<std::size_t>(posizione)].j);
}

void FormHome1::CreaMenu() {
    // Every entry of File has its letter for Alt; Sostituisci also a key of its own.
    QMenu* mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    QAction* mnuNuovo = mnuFile->addAction(QStringLiteral("&Apri File abbinamenti"));
    mnuNuovo->setObjectName(QStringLiteral("mnuNuovo"));
    connect(mnuNuovo, &QAction::triggered, this,
            [this] { Esegui([this] { zelvano::LeggiArchivi(h_); }); });
    QAction* mnuSostituisci = mnuFile->addAction(QStringLiteral("&Sostituisci"));
    mnuSostituisci->setObjectName(QStringLiteral("mnuSostituisci"));
    mnuSostituisci->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    connect(mnuSostituisci, &QAction::triggered, this,
            [this] { Esegui([this] { zelvano::SostituisciCodiciFornitore(h_); }); });
    // Outside Esegui: the window it opens runs commands of its own through Esegui.
    QAction* mnuProposte = mnuFile->addAction(QStringLiteral("Abbinamenti &proposti..."));
    mnuProposte->setObjectName(QStringLiteral("mnuProposte"));
    mnuProposte->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(mnuProposte, &QAction::triggered, this, [this] {
        if (inComando_)
            return;
        std::vector<zelvano::GruppoProposte> gruppi;
        bool pronte = false;
        Esegui([this, &gruppi, &pronte] {
            pf_.Occupato(true);
            try {
                indice_.Aggiorna(h_);
                gruppi = zelvano::CalcolaProposte(indice_, h_);
            } catch (...) {
                pf_.Occupato(false);
                throw;
            }
            pf_.Occupato(false);
            pronte = true;
        });
        if (!pronte)
            return;
        FrmProposte finestra(
            h_, std::move(gruppi), [this](const std::function<void()>& f) { Esegui(f); }, this);
        finestra.exec();
    });
    mnuFile->addSeparator();
    successivoDopoF3_ =
        mnuFile->addAction(QStringLiteral("dopo F3 &vai al successivo da abbinare"));
    successivoDopoF3_->setObjectName(QStringLiteral("mnuSuccessivoDopoF3"));
    successivoDopoF3_->setCheckable(true);
    successivoDopoF3_->setChecked(impostazioni_->Opzione(QStringLiteral("successivoDopoF3")));
    connect(successivoDopoF3_, &QAction::toggled, this, [this](bool acceso) {
        impostazioni_->ImpostaOpzione(QStringLiteral("successivoDopoF3"), acceso);
    });
    mnuFile->addSeparator()->setObjectName(QStringLiteral("mnuSep"));
    QAction* mnuEsci = mnuFile->addAction(QStringLiteral("&Esci"));
    mnuEsci->setObjectName(QStringLiteral("mnuEsci"));
    connect(mnuEsci, &QAction::triggered, this, &QWidget::close);

    QMenu* mnuHelp = menuBar()->addMenu(QStringLiteral("?"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    QAction* mnuInfo = mnuHelp->addAction(QStringLiteral("&Informazioni..."));
    mnuInfo->setObjectName(QStringLiteral("mnuInfo"));
    connect(mnuInfo, &QAction::triggered, this, [this] {
        FrmInfo finestra(h_.VersioneProgramma, h_.DataRilascio, this);
        finestra.exec();
    });
}

void FormHome1::CreaBarraStato() {
    messaggioStato_ = new QLabel;
    messaggioStato_->setObjectName(QStringLiteral("messaggioStato"));
    modifiche_ = new QLabel;
    modifiche_->setObjectName(QStringLiteral("modifiche"));
    statusBar()->addWidget(messaggioStato_, 1);
    statusBar()->addPermanentWidget(modifiche_);
}

QWidget* FormHome1::CreaFrame1() {
    auto* frame = new QWidget;
    frame->setObjectName(QStringLiteral("Frame1"));
    auto* colonna = new QVBoxLayout(frame);
    colonna->setContentsMargins(MargineSinistro, MargineSopra, MargineDestro, MargineSotto);
    colonna->setSpacing(0);
    colonna->addWidget(tlb1_);
    colonna->addSpacing(6);
    colonna->addWidget(RigaStato("lblFileint", lblFileint_,
                                 {{0, 120, false},
                                  {1, 1080, true},
                                  {2, 3960, true},
                                  {3, 4800, false},
                                  {4, 5280, true},
                                  {5, 6360, false},
                                  {6, 7320, true},
                                  {7, 8280, false},
                                  {8, 9720, true},
                                  {9, 10560, false},
                                  {10, 11880, true}}));

    grd1_ = CreaGriglia("grd1", h_.grd1, zelvano::ScegliRigaGrd1, zelvano::DidascaliaGrd1);
    // Room for the chosen row with one row above and one below, whatever the split: the
    // input side never gets smaller than that, even on a 768-pixel screen.
    grd1_->setMinimumHeight(grd1_->horizontalHeader()->sizeHint().height() +
                            3 * grd1_->verticalHeader()->defaultSectionSize() +
                            grd1_->horizontalScrollBar()->sizeHint().height() +
                            2 * grd1_->frameWidth());
    colonna->addSpacing(6);
    colonna->addWidget(grd1_, 1);
    return frame;
}

VistaGriglia*
FormHome1::CreaGriglia(const char* nome, zelvano::Griglia& griglia, void (*click)(StatoHome&, int),
                       std::optional<std::string> (*muove)(const StatoHome&, int, int)) {
    auto* vista = new VistaGriglia(griglia);
    vista->setObjectName(QString::fromLatin1(nome));
    vista->ImpostaEsecutore([this](const std::function<void()>& f) { Esegui(f); });
    vista->ImpostaClick([this, click](int riga) { click(h_, riga); });
    // The core decides the tooltip from the cell under the pointer, as on a mouse move.
    vista->Modello()->ImpostaSuggerimento([this, muove, memoria = MemoriaSuggerimento()](
                                              int riga, int col) mutable {
        return memoria.Testo(riga, col, [this, muove](int r, int c) { return muove(h_, r, c); });
    });
    vista->setMinimumHeight(48);
    return vista;
}

QWidget* FormHome1::CreaFrame2() {
    auto* frame = new QWidget;
    frame->setObjectName(QStringLiteral("Frame2"));
    auto* colonna = new QVBoxLayout(frame);
    colonna->setContentsMargins(MargineSinistro, MargineSopra, MargineDestro, MargineSotto);
    colonna->setSpacing(0);
    colonna->addWidget(RigaStato("lblFileprod", lblFileprod_,
                                 {{0, 120, false},
                                  {1, 1080, true},
                                  {3, 5640, false},
                                  {2, 6360, true},
                                  {5, 8040, false},
                                  {4, 9240, true}}));

    auto* filtri = new QHBoxLayout;
    filtri->setSpacing(2);
    auto* validatore = new ValidatoreCp1252(this);
    TxtCod_ = new QLineEdit;
    TxtCod_->setObjectName(QStringLiteral("TxtCod"));
    TxtCod_->setFixedWidth(Pixel(zelvano::LarghezzaTxtCod));
    TxtCod_->setValidator(validatore);
    txtDescr_ = new QLineEdit;
    txtDescr_->setObjectName(QStringLiteral("txtDescr"));
    txtDescr_->setFixedWidth(Pixel(6195));
    txtDescr_->setValidator(validatore);
    cmBAndOr_ = new QComboBox;
    cmBAndOr_->setObjectName(QStringLiteral("cmBAndOr"));
    cmBAndOr_->setFixedWidth(Pixel(1215));
    BloccoAlt::Proteggi({TxtCod_, txtDescr_});
    filtri->addWidget(TxtCod_);
    filtri->addWidget(txtDescr_);
    filtri->addWidget(cmBAndOr_);
    filtri->addStretch();
    for (QWidget* casella : {static_cast<QWidget*>(TxtCod_), static_cast<QWidget*>(txtDescr_),
                             static_cast<QWidget*>(cmBAndOr_)})
        casella->setFixedHeight(AltezzaFiltri);
    colonna->addSpacing(5);
    colonna->addLayout(filtri);
    colonna->addSpacing(2);

    // textEdited comes from the user only: the core's own writes to the boxes stay silent.
    connect(TxtCod_, &QLineEdit::textEdited, this, [this](const QString& testo) {
        Esegui([this, testo] {
            h_.Testi.TxtCod = ACp1252(testo);
            zelvano::CaricaGrid2(h_);
        });
    });
    connect(txtDescr_, &QLineEdit::textEdited, this, [this](const QString& testo) {
        Esegui([this, testo] {
            h_.Testi.txtDescr = ACp1252(testo);
            zelvano::CaricaGrid2(h_);
        });
    });
    connect(cmBAndOr_, &QComboBox::activated, this, [this](int indice) {
        Esegui([this, indice] {
            h_.Testi.cmBAndOrIndice = indice;
            zelvano::CaricaGrid2(h_);
        });
    });

    Grd2_ = CreaGriglia("Grd2", h_.Grd2, zelvano::ScegliRigaGrd2, zelvano::DidascaliaGrd2);
    // The suggestions take the room right of Grd2, whose columns keep their widths.
    pannelloSuggerimenti_ = new PannelloSuggerimenti;
    connect(pannelloSuggerimenti_, &PannelloSuggerimenti::richiesto, this,
            [this](int posizione) { Esegui([this, posizione] { ScegliSuggerito(posizione); }); });
    divisioneGrd2_ = new QSplitter(Qt::Horizontal);
    divisioneGrd2_->setObjectName(QStringLiteral("divisioneGrd2"));
    divisioneGrd2_->setChildrenCollapsible(false);
    divisioneGrd2_->addWidget(Grd2_);
    divisioneGrd2_->addWidget(pannelloSuggerimenti_);
    divisioneGrd2_->setStretchFactor(0, 0);
    divisioneGrd2_->setStretchFactor(1, 1);
    divisioneGrd2_->installEventFilter(this);
    connect(divisioneGrd2_, &QSplitter::splitterMoved, this, [this] {
        const QList<int> misure = divisioneGrd2_->sizes();
        impostazioni_->ImpostaQuota(QStringLiteral("divisioneGrd2"),
                                    double(misure.value(0)) / (misure.value(0) + misure.value(1)));
    });
    colonna->addWidget(divisioneGrd2_, 1);
    return frame;
}

void FormHome1::Esegui(const std::function<void()>& comando) {
    if (inComando_)
        return;
    h_.Testi.MessaggioStato.clear();
    annotata_.Dimentica();
    {
        QScopedValueRollback inCorso(inComando_, true);
        try {
            comando();
        } catch (const std::bad_alloc&) {
            // Each command reads what it needs before it changes anything where it can.
            MostraErrore("Memoria insufficiente: il comando \xE8 stato interrotto");
        } catch (const std::exception& e) {
            MostraErrore(e.what());
        } catch (...) {
            MostraErrore("Errore imprevisto");
        }
    }
    // What the command did, or the message it ran into; a command that says neither (a
    // move) leaves the last words in place.
    const std::string& detto =
        h_.Testi.MessaggioStato.empty() ? annotata_.UltimoMessaggio() : h_.Testi.MessaggioStato;
    if (!detto.empty()) {
        const QString testo = DaCp1252(detto);
        messaggioStato_->setText(testo.section(u'\n', 0, 0));
        messaggioStato_->setToolTip(testo);
    }
    SincronizzaDaStato();
    // Any command may have chosen another article or changed a pair: the list follows.
    timerSuggerimenti_->start();
}

void FormHome1::MostraErrore(const std::string& testo) {
    if (piattaformaPropria_)
        piattaformaPropria_->RipristinaCursore();
    try {
        annotata_.Messaggio(testo);
    } catch (...) {
        // Nothing is left to tell the user with.
    }
}

void FormHome1::SincronizzaDaStato() {
    if (!TxtCod_)
        return; // still building the window
    const std::array<std::string, 11> testiInt = TestiEtichetteInt(h_);
    for (std::size_t i = 0; i < lblFileint_.size(); ++i)
        ImpostaTesto(lblFileint_[i], testiInt[i]);
    const std::array<std::string, 6> testiProd = TestiEtichetteProd(h_);
    for (std::size_t i = 0; i < lblFileprod_.size(); ++i)
        ImpostaTesto(lblFileprod_[i], testiProd[i]);
    ImpostaTesto(TxtCod_, h_.Testi.TxtCod);
    ImpostaTesto(txtDescr_, h_.Testi.txtDescr);

    const QSignalBlocker blocco(cmBAndOr_);
    QStringList voci;
    for (const std::string& voce : h_.Testi.cmBAndOr)
        voci << DaCp1252(voce);
    QStringList attuali;
    for (int i = 0; i < cmBAndOr_->count(); ++i)
        attuali << cmBAndOr_->itemText(i);
    if (attuali != voci) {
        cmBAndOr_->clear();
        cmBAndOr_->addItems(voci);
    }
    if (cmBAndOr_->currentIndex() != h_.Testi.cmBAndOrIndice)
        cmBAndOr_->setCurrentIndex(h_.Testi.cmBAndOrIndice);

    ImpostaTesto(modifiche_,
                 h_.DatiModificati ? "Modifiche non salvate" : "Nessuna modifica da salvare");
}

bool FormHome1::event(QEvent* evento) {
    if (evento->type() == QEvent::WindowActivate && h_.primaAttivazione && !attivazioneInCoda_) {
        // Queued, so that the window is up before the opening dialogs come.
        attivazioneInCoda_ = true;
        QMetaObject::invokeMethod(this, &FormHome1::PrimaAttivazione, Qt::QueuedConnection);
    }
    return QMainWindow::event(evento);
}

void FormHome1::PrimaAttivazione() {
    attivazioneInCoda_ = false;
    if (h_.primaAttivazione)
        Esegui([this] { zelvano::ApriAllaPrimaAttivazione(h_); });
}

void FormHome1::closeEvent(QCloseEvent* evento) {
    if (inComando_) {
        evento->ignore();
        return;
    }
    bool chiudi = false;
    Esegui([this, &chiudi] { chiudi = zelvano::ConfermaChiusura(h_); });
    if (chiudi)
        evento->accept();
    else
        evento->ignore();
}

void FormHome1::showEvent(QShowEvent* evento) {
    QMainWindow::showEvent(evento);
    // Without a window manager no activation ever comes: the first show opens the files too.
    if (h_.primaAttivazione && !attivazioneInCoda_) {
        attivazioneInCoda_ = true;
        QMetaObject::invokeMethod(this, &FormHome1::PrimaAttivazione, Qt::QueuedConnection);
    }
}

bool FormHome1::eventFilter(QObject* oggetto, QEvent* evento) {
    if (oggetto == divisioneGrd2_ && evento->type() == QEvent::Resize && !larghezzaSuggerimenti_ &&
        divisioneGrd2_->width() > 0) {
        // Grd2 as wide as its columns, the suggestions in the rest; the user may move the
        // boundary from there.
        larghezzaSuggerimenti_ = true;
        const int totale = divisioneGrd2_->width() - divisioneGrd2_->handleWidth();
        if (quotaGrd2_ > 0) {
            const int grd2 = int(totale * quotaGrd2_ + 0.5);
            divisioneGrd2_->setSizes({grd2, totale - grd2});
            return QMainWindow::eventFilter(oggetto, evento);
        }
        int colonne = 2 * Grd2_->frameWidth() + Grd2_->verticalScrollBar()->sizeHint().width();
        for (int c = 0; c < h_.Grd2.Cols(); ++c)
            if (!h_.Grd2.ColHidden(c))
                colonne += Grd2_->columnWidth(c);
        const int grd2 = std::min(colonne, totale * 3 / 4);
        divisioneGrd2_->setSizes({grd2, totale - grd2});
    }
    if (oggetto == elCorpo_ && evento->type() == QEvent::Resize && !divisioneUtente_) {
        // The input side keeps 19% of the height, or the share the user left it at in an
        // earlier run, until the user moves the boundary; from then on the splitter keeps
        // the user's share through every resize.
        const int altezza = elCorpo_->height() - elCorpo_->handleWidth();
        const int sopra = quotaSopra_ > 0 ? int(altezza * quotaSopra_ + 0.5) : altezza * 19 / 100;
        elCorpo_->setSizes({sopra, altezza - sopra});
    }
    return QMainWindow::eventFilter(oggetto, evento);
}
