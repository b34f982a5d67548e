#pragma once
// The main window: the input side (toolbar, status line, grd1) over the reference side
// (status line, filter row, Grd2). Every user event becomes one call into the core, run by
// Esegui; afterwards the labels and filter boxes are written again from the core's state.

#include "app/PiattaformaAnnotata.h"
#include "data/StatoHome.h"
#include "suggerimenti/Classifica.h"
#include "suggerimenti/IndiceSuggerimenti.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>
#include <string>

class ImpostazioniFinestra;
class PannelloSuggerimenti;
class PiattaformaQt;
class QComboBox;
class QLabel;
class QLineEdit;
class QSplitter;
class QTimer;
class QToolBar;
class VistaGriglia;

class FormHome1 : public QMainWindow {
    Q_OBJECT
  public:
    // Without a platform the window uses the real Qt dialogs; tests pass a scripted one.
    explicit FormHome1(zelvano::Piattaforma* piattaforma = nullptr, QWidget* parent = nullptr);
    ~FormHome1() override;

    zelvano::StatoHome& Stato() { return h_; }

    // Runs one command: an exception becomes a message box, then the window shows the new
    // state. A command that arrives while another runs (through the event processing the
    // core asks for) is dropped.
    void Esegui(const std::function<void()>& comando);
    // Labels, filter boxes and combo from the core's state. The grids' current rows need
    // no copying: the core tells their views as it moves them.
    void SincronizzaDaStato();

    QLabel* lblFileint(int indice) const { return lblFileint_.at(indice); }
    // The status bar: what the last command did, and whether there is work to save.
    QLabel* MessaggioStato() const { return messaggioStato_; }
    QLabel* Modifiche() const { return modifiche_; }

    // The suggestions for the chosen input article, ranked now (a choice schedules this for
    // a moment later, so that moving from article to article stays quick).
    void AggiornaSuggerimenti();
    PannelloSuggerimenti* Suggerimenti() const { return pannelloSuggerimenti_; }
    QLabel* lblFileprod(int indice) const { return lblFileprod_.at(indice); }

  protected:
    bool event(QEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
    void showEvent(QShowEvent* evento) override;
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

  private:
    void CreaComandi();
    // F3; with the option on, a pair just made moves on to the next article to pair.
    void AssociaEProsegui();
    void CreaAnnullamenti();
    void CreaSceltaSuggerimenti();
    void CalcolaSuggerimenti();
    // Candidate posizione of the list, made the chosen catalogue article.
    void ScegliSuggerito(int posizione);
    void CreaMenu();
    void CreaBarraStato();
    QWidget* CreaFrame1();
    QWidget* CreaFrame2();
    VistaGriglia* CreaGriglia(const char* nome, zelvano::Griglia& griglia,
                              void (*click)(zelvano::StatoHome&, int),
                              std::optional<std::string> (*muove)(const zelvano::StatoHome&, int,
                                                                  int));
    void PrimaAttivazione();
    void MostraErrore(const std::string& testo);

    std::unique_ptr<PiattaformaQt> piattaformaPropria_;
    zelvano::Piattaforma& pf_;
    PiattaformaAnnotata annotata_;
    zelvano::StatoHome h_;

    // A real re-entry: the event processing inside a command (progress window, dialogs) can
    // deliver another user event, which Esegui drops while this is set.
    bool inComando_ = false;
    bool attivazioneInCoda_ = false;
    bool divisioneUtente_ = false; // the user has moved the boundary between the sides

    QSplitter* elCorpo_ = nullptr;
    QToolBar* tlb1_ = nullptr;
    std::array<QLabel*, 11> lblFileint_{};
    std::array<QLabel*, 6> lblFileprod_{};
    QLineEdit* TxtCod_ = nullptr;
    QLineEdit* txtDescr_ = nullptr;
    QComboBox* cmBAndOr_ = nullptr;
    VistaGriglia* grd1_ = nullptr;
    VistaGriglia* Grd2_ = nullptr;
    QLabel* messaggioStato_ = nullptr;
    QLabel* modifiche_ = nullptr;
    QSplitter* divisioneGrd2_ = nullptr;
    PannelloSuggerimenti* pannelloSuggerimenti_ = nullptr;
    QTimer* timerSuggerimenti_ = nullptr;
    zelvano::IndiceSuggerimenti indice_;
    std::vector<zelvano::Suggerimento> suggeriti_;
    int32_t suggeritiPer_ = 0;       // the input record the list was ranked for
    uint64_t suggeritiApertura_ = 0; // and the opening
    bool larghezzaSuggerimenti_ = false;

    std::unique_ptr<ImpostazioniFinestra> impostazioni_;
    QAction* successivoDopoF3_ = nullptr;
    // The shares the clerk left the splitters at in an earlier run; negative when none.
    double quotaSopra_ = -1, quotaGrd2_ = -1;
};
