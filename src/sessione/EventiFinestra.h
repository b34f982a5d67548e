#pragma once
// The main window's own events on its state: the load, the first activation, and the
// question before closing.

namespace zelvano {

struct StatoHome;

// The data side of loading the main window: flags, tables, both grids with their
// columns, the status lines and the AND/OR combo.
void PreparaFinestra(StatoHome& h);
// Activation: the first one opens the article files.
void ApriAllaPrimaAttivazione(StatoHome& h);
// The closing question; true when the window may close.
bool ConfermaChiusura(StatoHome& h);

} // namespace zelvano
