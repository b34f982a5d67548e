#pragma once
// The core's window system, made of Qt dialogs: message boxes titled "Zelvano", Qt's own
// file dialogs, the choice dialog, the find-and-replace and progress windows, the busy
// pointer.

#include "data/Piattaforma.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <string>

class PiattaformaQt : public zelvano::Piattaforma {
  public:
    // The window the dialogs belong to, and what brings it up to date before one is shown,
    // so that the user sees the current totals behind every message.
    void ImpostaFinestra(QWidget* finestra, std::function<void()> primaDiMostrare);

    void Messaggio(const std::string& testo) override;
    zelvano::Risposta Domanda(const std::string& testo, bool conAnnulla) override;
    zelvano::EsitoSovrascrittura ChiediSovrascrittura(const std::string& testo) override;
    std::string ApriFile(const std::string& titolo, const std::string& filtro) override;
    std::string SalvaFile(const std::string& titolo, const std::string& filtro) override;
    zelvano::EsitoScelta MostraFrmMsg() override;
    zelvano::EsitoRicerca MostraRicercaTesto(const std::string& trova,
                                             const std::string& sostituisci,
                                             zelvano::MetodoSost modo) override;
    void MostraFrmPrgb(const std::string& Azione,
                       const std::function<void(zelvano::BarraProgresso&)>& attivazione) override;
    void Occupato(bool occupato) override;
    void ElaboraEventi() override;
    std::string CartellaProgramma() override;
    std::string CartellaDatiUtente() override;

    // After a command ended by an exception: no busy pointer may outlive it.
    void RipristinaCursore();

    // The core's filters ("*.ber,*.txt", "*.txt;") as the dialog's name filters, followed
    // by one that shows every file.
    static QStringList FiltriNomi(const std::string& filtro);
    // Whether the program keeps its layout files in its own folder: only when that folder
    // is the user's to write and not a folder of installed programs (one named bin, as
    // /usr/bin, /usr/local/bin or ~/.local/bin). Otherwise they go to the user's data folder,
    // so that an installed copy writes nothing among the system's files, even run by root.
    static bool ScriveAccantoAlProgramma(const QString& cartellaProgramma);

  private:
    void PrimaDiMostrare();
    std::string DialogoFile(const std::string& titolo, const std::string& filtro, bool salva);

    QPointer<QWidget> finestra_;
    std::function<void()> primaDiMostrare_;
    int occupato_ = 0;
};
