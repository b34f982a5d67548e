#pragma once
// How likely the generated customer, copying a catalogue article, was to write a given
// description: the habits of DescrizioneCliente.h read backwards. With the true article drawn
// evenly from the catalogue, ordering the articles by it is the best any ranking of the
// descriptions can do on the generated files.

#include "ArticoliRealistici.h"

#include <string>
#include <string_view>
#include <vector>

namespace zelvano::bench {

// The chance that a catalogue word the customer kept came out as parolaCliente (upper
// case): the same, shortened, or with a slip.
double ProbForma(std::string_view parola, std::string_view parolaCliente);

// The logarithm of the chance that the customer, copying a, wrote the words parole of a
// description of lunghezza bytes (upper case, in any order), along the likeliest pairing of
// the customer's words with a's; minus infinity when they cannot come from a. paroleArticolo
// are a's words (cliente::Spezza). Left aside, as they weigh about alike whatever the
// article: the order of the words, the case, and the first word put back when every word was
// left out. A word that would not have fitted in the field counts as possibly cut.
double LogVerosimiglianza(const ArticoloCatalogo& a, const std::vector<std::string>& paroleArticolo,
                          const std::vector<std::string>& parole, std::size_t lunghezza);

} // namespace zelvano::bench
