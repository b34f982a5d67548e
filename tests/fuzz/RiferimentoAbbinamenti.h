#pragma once
// The pairs and states of both tables as plain vectors, and the two ways they come about
// without the user, written the plain way: the read-back of an output file onto freshly
// loaded tables, and the automatic run with its copies of catalogue lines. The one
// reference the fuzz targets, the core tests and the benchmarks hold the program against.

#include "data/StatoHome.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zelvano::fuzz {

struct CoppieRif {
    // Input records at 1..n: state and catalogue partner; catalogue records: input partner.
    std::vector<std::string> stato;
    std::vector<int32_t> pcdProd;
    std::vector<int32_t> pcdInt;
    // Input records: the output line kept for a saved pair no free catalogue record took.
    std::vector<std::string> sospesa;
    int32_t associati = 0, nonAssociabili = 0;

    // Freshly loaded tables: nothing paired, nothing marked.
    CoppieRif(std::size_t numInt, std::size_t numProd);
    // What the state holds now.
    static CoppieRif Di(const StatoHome& h);
    // The same text test::Abbinamenti makes of a state.
    std::string Testo() const;
    void Collega(int32_t i, int32_t j);
};

// Restores output lines onto tables whose input codes are cdInt (1-based, index 0 unused)
// and whose catalogue records come from righeCatalogo (0-based): a line's state goes to the
// input record of the same number when it bears the line's internal code, otherwise to the
// first that does; a record restored once keeps that; an "A" takes the first free
// catalogue record with the line's catalogue code and its line code (columns 52-54), and
// when there is none, after all the lines, the first free record with the code; when there
// is none either, the record is to associate and keeps the line. A blank code takes no
// record; an "X" marks; any other state is kept without a pair.
void RipristinoRif(CoppieRif& c, const std::vector<std::string>& cdInt,
                   const std::vector<std::string>& righeCatalogo,
                   const std::vector<std::string>& righe);

// The automatic run over input records whose supplier codes are codiciInt (1-based).
// Records already paired, marked "X", keeping a saved line or with an empty key are left
// alone; the others take the first free catalogue record with their key, or, when every
// record with the key is taken, a copy of the last of them. righeCatalogo (0-based, one per
// catalogue record) grows by each copied line, in order.
void ProvaRif(CoppieRif& c, const std::vector<std::string>& codiciInt,
              std::vector<std::string>& righeCatalogo);

// The code without blanks, then slashes, then dots, one removal after the other; case kept.
std::string ChiaveRif(const std::string& codice);

} // namespace zelvano::fuzz
