#pragma once
// Everything the program needs from the window system, behind one interface: the screen
// implements it with Qt, the tests with a scripted fake. Texts are Windows-1252 bytes,
// paths are the file system's own bytes.

#include "data/MetodoSost.h"

#include <cstdint>
#include <functional>
#include <string>

namespace zelvano {

enum class Risposta { Si, No, Annulla };

// The answer of the choice dialog for a catalogue article already taken.
enum class EsitoScelta {
    Nessuno,   // no answer yet
    Annulla,   // "ANN": cancel the earlier pair
    Aggiungi,  // "DUP": a further pair through a copy of the catalogue line
    Abbandona, // "ABB": give up
};

// What to do with an output file that another program wrote after this one last read or
// saved it.
enum class EsitoSovrascrittura { Sovrascrivi, AltroFile, Annulla };

// What the find-and-replace window hands back.
struct EsitoRicerca {
    bool confermata = false; // "Esegui"; anything else leaves the stored values alone
    std::string trova;
    std::string sostituisci;
    MetodoSost modo = MetodoSost::Contiene;
};

// The bar of the progress window, single-precision like the control it stands for.
class BarraProgresso {
  public:
    virtual ~BarraProgresso() = default;
    virtual void ImpostaMinimo(float minimo) = 0;
    virtual void ImpostaMassimo(float massimo) = 0;
    virtual float Massimo() const = 0;
    virtual void ImpostaValore(float valore) = 0;
    // Repaint the windows and let pending events run once.
    virtual void ElaboraEventi() = 0;
};

class Piattaforma {
  public:
    virtual ~Piattaforma() = default;

    // A message box titled "Zelvano" with an OK button.
    virtual void Messaggio(const std::string& testo) = 0;
    // Yes/No, or Yes/No/Cancel when conAnnulla.
    virtual Risposta Domanda(const std::string& testo, bool conAnnulla) = 0;

    // Before a save over an output file that another program wrote meanwhile: overwrite it,
    // save to another file, or give up the save. The close box gives up.
    virtual EsitoSovrascrittura ChiediSovrascrittura(const std::string& testo) = 0;

    // File dialogs; the empty string when the user cancels.
    virtual std::string ApriFile(const std::string& titolo, const std::string& filtro) = 0;
    virtual std::string SalvaFile(const std::string& titolo, const std::string& filtro) = 0;

    // The choice dialog for a catalogue article already taken.
    virtual EsitoScelta MostraFrmMsg() = 0;
    // The find-and-replace window, filled with the stored values.
    virtual EsitoRicerca MostraRicercaTesto(const std::string& trova,
                                            const std::string& sostituisci, MetodoSost modo) = 0;
    // The modal progress window over the main window: once it is up it runs the work its
    // Azione names, through attivazione, then closes.
    virtual void MostraFrmPrgb(const std::string& Azione,
                               const std::function<void(BarraProgresso&)>& attivazione) = 0;

    virtual void Occupato(bool occupato) = 0;
    // Repaint and let pending window events run once.
    virtual void ElaboraEventi() = 0;
    // The folder for the files the program writes beside itself.
    virtual std::string CartellaProgramma() = 0;
    // A folder of this user's own, which no one else can write, for temporary copies when
    // the program's folder is shared.
    virtual std::string CartellaDatiUtente() = 0;
};

} // namespace zelvano
