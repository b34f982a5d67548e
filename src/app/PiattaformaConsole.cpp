#include "app/PiattaformaConsole.h"

#include "app/Cp1252Qt.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace {
void Scrivi(const std::string& testo) {
    const QByteArray utf8 = (DaCp1252(testo) + u'\n').toUtf8();
    std::fwrite(utf8.constData(), 1, static_cast<std::size_t>(utf8.size()), stderr);
}

// The bar of a progress window nobody sees.
class BarraMuta : public zelvano::BarraProgresso {
  public:
    void ImpostaMinimo(float) override {}
    void ImpostaMassimo(float massimo) override { massimo_ = massimo; }
    float Massimo() const override { return massimo_; }
    void ImpostaValore(float) override {}
    void ElaboraEventi() override {}

  private:
    float massimo_ = 100;
};
} // namespace

PiattaformaConsole::PiattaformaConsole(std::string input, std::string catalogo, std::string output)
    : input_(std::move(input)), catalogo_(std::move(catalogo)), output_(std::move(output)) {}

void PiattaformaConsole::Messaggio(const std::string& testo) {
    Scrivi(testo);
}

zelvano::Risposta PiattaformaConsole::Domanda(const std::string& testo, bool conAnnulla) {
    Scrivi(testo + (conAnnulla ? " [Annulla]" : " [No]"));
    return conAnnulla ? zelvano::Risposta::Annulla : zelvano::Risposta::No;
}

std::string PiattaformaConsole::ApriFile(const std::string& titolo, const std::string&) {
    return titolo == "Apri file Orvessa" ? catalogo_ : input_;
}

std::string PiattaformaConsole::SalvaFile(const std::string&, const std::string&) {
    return output_;
}

// An output file another program wrote meanwhile is left to it: the run fails instead.
zelvano::EsitoSovrascrittura PiattaformaConsole::ChiediSovrascrittura(const std::string& testo) {
    Scrivi(testo + " [Annulla]");
    return zelvano::EsitoSovrascrittura::Annulla;
}

zelvano::EsitoScelta PiattaformaConsole::MostraFrmMsg() {
    return zelvano::EsitoScelta::Abbandona;
}

zelvano::EsitoRicerca PiattaformaConsole::MostraRicercaTesto(const std::string&, const std::string&,
                                                             zelvano::MetodoSost) {
    return {};
}

void PiattaformaConsole::MostraFrmPrgb(
    const std::string&, const std::function<void(zelvano::BarraProgresso&)>& attivazione) {
    BarraMuta barra;
    attivazione(barra);
}

std::string PiattaformaConsole::CartellaProgramma() {
    // As the window: beside the program when that folder is the user's to write, not bin.
    std::error_code errore;
    const std::filesystem::path programma = std::filesystem::read_symlink("/proc/self/exe", errore);
    const std::filesystem::path cartella = programma.parent_path();
    if (errore || cartella.filename() == "bin" || ::access(cartella.c_str(), W_OK) != 0)
        return CartellaDatiUtente();
    return cartella.string();
}

std::string PiattaformaConsole::CartellaDatiUtente() {
    // Where the window's Qt keeps the program's data: $XDG_DATA_HOME/Zelvano.
    const char* dati = std::getenv("XDG_DATA_HOME");
    const char* casa = std::getenv("HOME");
    std::filesystem::path cartella = dati && *dati ? std::filesystem::path(dati)
                                     : casa        ? std::filesystem::path(casa) / ".local/share"
                                                   : std::filesystem::temp_directory_path();
    cartella /= "Zelvano";
    std::error_code errore;
    std::filesystem::create_directories(cartella, errore);
    std::filesystem::permissions(cartella, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::replace, errore);
    return cartella.string();
}
