#pragma once
// Undo and redo of the user's decisions: a pair, a mark, their undoing, a choice of the
// dialog for a taken article, an automatic run. Files are never touched: a catalogue line
// copied for a further pair stays in the catalogue, as after F4.

#include <string>

namespace zelvano {

struct StatoHome;

// A decision in the making: the records it changes are noted, and when it ends, if it
// changed any, it becomes the last decision to undo and forgets what was undone before.
// Inside another decision it is part of that one.
class Decisione {
  public:
    Decisione(StatoHome& h, std::string descrizione);
    ~Decisione();
    Decisione(const Decisione&) = delete;
    Decisione& operator=(const Decisione&) = delete;
    // What the decision turned out to be, in words for the status bar.
    void Descrivi(std::string descrizione);

  private:
    StatoHome& h_;
    bool propria_ = false;
};

// Ctrl+Z and Ctrl+Y: the last decision taken back, the last one taken back made again.
void AnnullaDecisione(StatoHome& h);
void RipetiDecisione(StatoHome& h);
// A new opening starts a history of its own.
void DimenticaDecisioni(StatoHome& h);

// The question before the work on screen is left (closing, another opening): solita when
// something is unsaved, another when only the undoing of pairs made automatically would be
// lost; empty when leaving loses nothing.
std::string DomandaPrimaDiLasciare(const StatoHome& h, const std::string& solita);

} // namespace zelvano
