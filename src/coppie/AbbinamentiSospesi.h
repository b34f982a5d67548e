#pragma once
// Saved pairs on hold: an output line whose catalogue article the catalogue did not offer at
// the opening. Its article is to associate again, and the line is saved unchanged until the
// user decides on the article, so that an opening with the right catalogue restores it.

namespace zelvano {

struct StatoHome;
struct EsitoRipristino;

// Tells the user, after an opening, how many saved pairs are on hold, and their first codes.
void AvvisaAbbinamentiSospesi(StatoHome& h, const EsitoRipristino& esito);

} // namespace zelvano
