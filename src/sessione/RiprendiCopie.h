#pragma once
// Before a catalogue is read: copies of its lines that a kill cut short are taken away, and
// the user is told.

#include <string>

namespace zelvano {

struct StatoHome;

// False when the half line could not be taken away (the user has been told): the file must
// not be read then, or its piece of a line would become an article.
bool RiprendiCopieCatalogo(StatoHome& h, const std::string& fileProd);

} // namespace zelvano
