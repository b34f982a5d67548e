// PLACEHOLDER until the engine lands
// No proposals yet: the window, the acceptance and the command-line run are built against
// the declarations, and the real ranking replaces this file.

#include "proposte/Proposte.h"

#include "data/Testo.h"

namespace zelvano {

std::vector<GruppoProposte> CalcolaProposte(const IndiceSuggerimenti&, const StatoHome&) {
    return {};
}

std::string DescriviGruppo(const GruppoProposte& g) {
    return "Proposte: " + NumeroConPunti(static_cast<int64_t>(g.proposte.size())) + " articoli";
}

} // namespace zelvano
