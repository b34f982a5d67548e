#pragma once
// What the user typed or chose in the window's boxes, which the procedures read, and the
// status text they leave for the window: the window's side of the state, apart from the
// tables and pairs.

#include "data/MetodoSost.h"

#include <string>
#include <vector>

namespace zelvano {

struct TestiFinestra {
    // The catalogue filter: the code and description boxes and the AND/OR combo.
    std::string TxtCod, txtDescr;
    std::vector<std::string> cmBAndOr; // the combo's items
    int cmBAndOrIndice = -1;           // selected item, -1 = none
    // Find and replace as last confirmed, offered again at the next use.
    std::string Trova, Sostituisci;
    MetodoSost ModoSost = MetodoSost::Contiene;
    // What the last command did, in a few words, for the status bar; empty when it has
    // nothing to add.
    std::string MessaggioStato;
};

} // namespace zelvano
