#include "files/LayoutGriglie.h"

#include "data/Cp1252.h"
#include "data/StatoHome.h"
#include "data/Testo.h"
#include "files/ErroreFile.h"
#include "files/LettoreRighe.h"
#include "files/ScritturaSicura.h"

#include <algorithm>

namespace zelvano {

namespace {
std::string Percorso(StatoHome& h, const char* nome) {
    return h.pf.CartellaProgramma() + "/" + nome;
}

std::vector<std::string> Dividi(const std::string& riga) {
    std::vector<std::string> campi;
    std::size_t inizio = 0;
    for (;;) {
        const std::size_t virgola = riga.find(',', inizio);
        campi.push_back(riga.substr(inizio, virgola - inizio));
        if (virgola == std::string::npos)
            return campi;
        inizio = virgola + 1;
    }
}

// A layout file that is missing or unreadable leaves the grid as it is. Each is read once
// after an opening and then kept as the program writes it.
const std::vector<std::string>& Righe(StatoHome& h, const char* nome) {
    const auto noto = h.FileLayout.find(nome);
    if (noto != h.FileLayout.end())
        return noto->second;
    const std::string percorso = Percorso(h, nome);
    std::vector<std::string> righe;
    try {
        if (FileEsiste(percorso))
            righe = LeggiRighe(percorso);
    } catch (const ErroreFile&) {
        righe.clear();
    }
    return h.FileLayout[nome] = std::move(righe);
}

// Layout files are a convenience: failing to write one is not worth interrupting the user
// at every column drag. testo is whole lines, each ending in CR LF.
void ScriviSeSiPuo(StatoHome& h, const char* nome, const std::string& testo) {
    try {
        ScriviFileSicuro(Percorso(h, nome), testo, false);
    } catch (const ErroreFile&) {
        h.FileLayout.erase(nome); // whatever the file holds now is read at the next use
        return;
    }
    // The lines as a reading of the file would give them.
    std::vector<std::string>& righe = h.FileLayout[nome];
    righe.clear();
    for (std::size_t da = 0; da < testo.size();) {
        const std::size_t fine = std::min(testo.find_first_of("\r\n", da), testo.size());
        righe.push_back(testo.substr(da, fine - da));
        da = fine + (testo.compare(fine, 2, "\r\n") == 0 ? 2 : 1);
    }
}

void SalvaPosCol(StatoHome& h, const Griglia& g, const char* nome) {
    std::string testo;
    for (int c = 0; c < g.Cols(); ++c)
        testo += g.ColKey(c) + "," + Numero(g.ColWidth(c)) + "," +
                 (g.ColHidden(c) ? "True" : "False") + "," + g.TextMatrix(0, c) + "\r\n";
    ScriviSeSiPuo(h, nome, testo);
}

void LeggiPoscol(StatoHome& h, Griglia& g, const char* nome) {
    std::vector<std::vector<std::string>> righe;
    for (const std::string& riga : Righe(h, nome))
        righe.push_back(Dividi(riga));
    // Every other procedure finds its columns by key, so a file is applied only when it
    // names each of the grid's keys once.
    if (righe.size() < static_cast<std::size_t>(g.Cols()))
        return;
    std::vector<std::string> attese, lette;
    for (int c = 0; c < g.Cols(); ++c) {
        if (righe[c].size() < 4)
            return;
        attese.push_back(g.ColKey(c));
        lette.push_back(righe[c][0]);
    }
    if (!std::is_permutation(attese.begin(), attese.end(), lette.begin()))
        return;
    for (int c = 0; c < g.Cols(); ++c) {
        const std::vector<std::string>& campi = righe[c];
        g.SetColKey(c, campi[0]);
        g.SetColWidth(c, ValoreCella(campi[1]));
        g.SetTextMatrix(0, c, campi[3]);
        const bool visibile = !campi[2].empty() && MaiuscolaCp1252(campi[2][0]) == 'F';
        g.SetColHidden(c, !visibile);
    }
}

// Re-applies a saved sort; the current row stays on its record.
void CaricaOrdinamento(StatoHome& h, Griglia& g, const char* nome) {
    const std::vector<std::string>& righe = Righe(h, nome);
    if (righe.empty())
        return;
    const std::vector<std::string> campi = Dividi(righe[0]);
    if (campi.size() < 2)
        return;
    const int col = g.ColIndex(campi[0]);
    if (col < 0)
        return;
    g.SetCol(col);
    g.Sort(ValoreCella(campi[1]));
}

void SalvaOrdinamento(StatoHome& h, const Griglia& g, int col, int ordine, const char* nome) {
    if (col >= 0 && col < g.Cols())
        ScriviSeSiPuo(h, nome, g.ColKey(col) + "," + Numero(ordine) + "\r\n");
}
} // namespace

void SalvaPosColGrd1(StatoHome& h) {
    SalvaPosCol(h, h.grd1, "poscol1.txt");
}
void SalvaPosColGrd2(StatoHome& h) {
    SalvaPosCol(h, h.Grd2, "poscol2.txt");
}
void LeggiPoscolGrd1(StatoHome& h) {
    LeggiPoscol(h, h.grd1, "poscol1.txt");
}
void LeggiPoscolGrd2(StatoHome& h) {
    LeggiPoscol(h, h.Grd2, "poscol2.txt");
}

void CaricaOrdinamentiPrec1(StatoHome& h) {
    // The current row moves with its record, so the chosen article stays chosen.
    CaricaOrdinamento(h, h.grd1, "sort1.txt");
}

void CaricaOrdinamentiPrec2(StatoHome& h) {
    CaricaOrdinamento(h, h.Grd2, "sort2.txt");
}

void SalvaOrdinamentoGrd1(StatoHome& h, int col, int ordine) {
    SalvaOrdinamento(h, h.grd1, col, ordine, "sort1.txt");
}

void SalvaOrdinamentoGrd2(StatoHome& h, int col, int ordine) {
    SalvaOrdinamento(h, h.Grd2, col, ordine, "sort2.txt");
}

} // namespace zelvano
