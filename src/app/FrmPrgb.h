#pragma once
// The progress window: a bar over the main window while a long piece of work runs. Once it
// is up it runs the work its Azione names, then closes itself; nothing else can be done
// meanwhile.

#include "data/Piattaforma.h"

#include <QDialog>

#include <exception>
#include <functional>
#include <string>

class QProgressBar;

class FrmPrgb : public QDialog, public zelvano::BarraProgresso {
    Q_OBJECT
  public:
    using Lavoro = std::function<void(zelvano::BarraProgresso&)>;
    explicit FrmPrgb(Lavoro attivazione, QWidget* parent = nullptr);

    std::string Azione;

    // What the work threw, thrown again here once the window is gone.
    void RilanciaErrore();

    void ImpostaMinimo(float minimo) override;
    void ImpostaMassimo(float massimo) override;
    float Massimo() const override { return massimo_; }
    void ImpostaValore(float valore) override;
    void ElaboraEventi() override;

  protected:
    void showEvent(QShowEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;

  private:
    void Attiva();

    Lavoro attivazione_;
    QProgressBar* prgb_;
    float massimo_ = 100;
    bool attivata_ = false;
    bool inCorso_ = false;
    std::exception_ptr errore_;
};
