#pragma once
// "Abbinamenti proposti": the groups of proposed pairs, largest first, and the proposals of
// the chosen group beside what they would pair; a blind sample of a group, judged one
// proposal at a time without its confidence; the progress report. Every command has a key.
// Pairs are made through the executor the main window hands in, so its grids, totals,
// status bar and undo follow as after any command.

#include "proposte/Proposte.h"

#include <QDialog>

#include <cstdint>
#include <functional>
#include <vector>

class QLabel;
class QPlainTextEdit;
class QStackedWidget;
class QStandardItemModel;
class QTableView;

namespace zelvano {
struct StatoHome;
}

class FrmProposte : public QDialog {
    Q_OBJECT
  public:
    using Esecutore = std::function<void(const std::function<void()>&)>;
    FrmProposte(zelvano::StatoHome& h, std::vector<zelvano::GruppoProposte> gruppi,
                Esecutore esegui, QWidget* parent = nullptr);

    // The seed of the next sample; later samples follow from it.
    void ImpostaSeme(uint64_t seme) { seme_ = seme; }
    const std::vector<zelvano::GruppoProposte>& Gruppi() const { return gruppi_; }
    bool InCampione() const { return !campione_.empty(); }

  protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
    void reject() override;

  private:
    struct Campione; // the sample under way

    void CreaComandi(QWidget* pulsanti);
    void MostraGruppi();
    void MostraProposte();
    void MostraResoconto();
    int GruppoScelto() const;
    void ScegliGruppo(int gruppo);

    void AccettaGruppo();
    void ScartaGruppo();
    void ApriGruppo();
    void AccettaProposta();
    void ScartaProposta();
    void GruppoSuccessivo();
    void IniziaCampione();
    void MostraDomanda();
    void Rispondi(bool giusta);
    void InterrompiCampione();
    void CopiaResoconto();
    // Drops proposal k of group g from the list; an emptied group goes with it.
    void Togli(int g, int k);

    zelvano::StatoHome& h_;
    std::vector<zelvano::GruppoProposte> gruppi_;
    // Per group: its judged sample in the report's history (-1: none) and what it said.
    std::vector<int32_t> campioneDi_;
    std::vector<QString> esitoDi_;
    Esecutore esegui_;
    uint64_t seme_;

    std::vector<std::size_t> campione_; // positions in the group, in the order shown
    std::size_t risposte_ = 0;
    int32_t errate_ = 0;
    int gruppoCampione_ = -1;

    QStackedWidget* pagine_;
    QTableView* gruppiVista_;
    QStandardItemModel* gruppiModello_;
    QTableView* proposteVista_;
    QStandardItemModel* proposteModello_;
    QTableView* domandaVista_;
    QStandardItemModel* domandaModello_;
    QLabel* domanda_;
    QLabel* esitoCampione_;
    QPlainTextEdit* resoconto_;
};
