#pragma once
// Everything the program needs from the window system, behind one interface: the screen
// implements it with Qt, the tests with a scripted fake. Texts are Windows-1252 bytes,
// paths are the file system's own bytes.

#include <cstdint>
#include <string>

namespace zelvano {

enum class Risposta { Si, No, Annulla };

// What the find-and-replace window hands back.
struct EsitoRicerca {
    bool confermata = false; // "Esegui"; anything else leaves the stored values alone
    std::string trova;
    std::string sostituisci;
    uint8_t modo = 0;
};

class Piattaforma {
  public:
    virtual ~Piattaforma() = default;

    // A message box titled "Zelvano" with an OK button.
    virtual void Messaggio(const std::string& testo) = 0;
    // Yes/No, or Yes/No/Cancel when conAnnulla.
    virtual Risposta Domanda(const std::string& testo, bool conAnnulla) = 0;

    // File dialogs; the empty string when the user cancels.
    virtual std::string ApriFile(const std::string& titolo, const std::string& filtro) = 0;
    virtual std::string SalvaFile(const std::string& titolo, const std::string& filtro) = 0;

    // The choice dialog for a catalogue article already taken: "ANN", "DUP" or "ABB".
    virtual std::string MostraFrmMsg() = 0;
    // The find-and-replace window, filled with the stored values.
    virtual EsitoRicerca MostraRicercaTesto(const std::string& trova,
                                            const std::string& sostituisci, uint8_t modo) = 0;

    virtual void Occupato(bool occupato) = 0;
    // Repaint and let pending window events run once.
    virtual void ElaboraEventi() = 0;
    // The folder for the files the program writes beside itself.
    virtual std::string CartellaProgramma() = 0;
};

} // namespace zelvano
