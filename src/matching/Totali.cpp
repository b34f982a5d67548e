#include "matching/Totali.h"

#include "data/Cp1252.h"
#include "data/StatoHome.h"
#include "data/Testo.h"
#include "matching/CaricaGrid1.h"
#include "matching/Selezione.h"

namespace zelvano {

void AggiornaTotAbbinati(StatoHome& h) {
    h.lblFileint[1] = Cp1252DaUtf8(h.File.NomeFileInt);
    h.lblFileint[4] = Numero(h.NumInt);
    h.lblFileint[6] = Numero(h.NumAssociati);
    h.lblFileint[8] = Numero(h.NumNonAssociabili);
    h.lblFileint[10] = Numero(int64_t{h.NumInt} - h.NumAssociati - h.NumNonAssociabili);
}

void RefreshGrideLabel(StatoHome& h) {
    AggiornaTotAbbinati(h);
    h.RigaGrd1 = 0;
    h.InAggiornamento = true;
    CaricaGrid1(h);
    CercaPrimoDaAbbinare(h);
    h.InAggiornamento = false;
    h.lblFileprod[1] = Cp1252DaUtf8(h.File.NomeFileProd);
    h.lblFileprod[2] = Numero(h.NumProd);
    h.lblFileprod[4] = Cp1252DaUtf8(h.File.NomeFileOut);
}

} // namespace zelvano
