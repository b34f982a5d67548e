#pragma once
// How sure a proposal is, from how often proposals of its kind were right on generated files
// whose true pairs are known: one count per reason and strength of evidence (ProvaProposta),
// turned into a confidence that errs low. The counts live in CalibrazioneProposte.cpp and
// nowhere else; bench/valuta_proposte --calibra measures them again.

#include "proposte/Proposte.h"

#include <cstdint>

namespace zelvano {

// The strength of the evidence behind a proposal, 0 the strongest: how the rivals stand (no
// other code fits as well; one other does, or several, but the description sets the article
// apart; the description does not; a taken article fits better) times four, plus how much
// of the customer's description the article holds (nearly all, most, some, little); all of it
// once more when the customer's code is among the description's words only with a slip, a
// prefix or a suffix. For a proposal from the description alone the first part says how rare the
// customer's words are instead.
constexpr uint8_t NumProve = 40;
constexpr uint8_t ProvaProposta(uint8_t rivali, uint8_t descrizione, bool approssimata = false) {
    return static_cast<uint8_t>((approssimata ? NumProve / 2 : 0) + rivali * 4 + descrizione);
}

// 0..100: the share of right proposals measured for this reason and evidence, as the rule
// of succession puts it ((right + 1) / (made + 2)), so a few proposals all right never make
// a certainty; 50 where the measure saw fewer than a handful.
double FiduciaProposta(Ragione ragione, uint8_t prova);

} // namespace zelvano
