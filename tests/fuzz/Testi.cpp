#include "Testi.h"

namespace zelvano::fuzz {

namespace {
std::string Unisci(const std::vector<std::string>& campi) {
    std::string t;
    for (const std::string& c : campi)
        t += (t.empty() ? "" : "|") + c;
    return t + "\n";
}
} // namespace

// The fields a load leaves empty or 0 are part of the text: a load must set them too. The
// pairs and states are not: the read-back and the automatic run set those.
std::string TestoInput(const RecArticolo& r) {
    return Unisci({r.CdInt.str(), r.Descr.str(), r.Linea.str(), r.CdProd.str(),
                   std::to_string(r.PCdInt), std::to_string(r.Modificato), r.LineaProd.str()});
}

std::string TestoCatalogo(const RecArticolo& r) {
    return Unisci({r.CdProd.str(), r.LineaProd.str(), r.Descr.str(), r.CdInt.str(), r.Stato.str(),
                   r.Linea.str(), std::to_string(r.PCdProd)});
}

std::string TestoInput(const ArticoloRif& a) {
    return Unisci({a.CdInt, a.Descr, a.Linea, a.CdProd, "0", "0", ""});
}

std::string TestoCatalogo(const ArticoloRif& a) {
    return Unisci({a.CdProd, a.LineaProd, a.Descr, "", "", "", "0"});
}

std::string TestoGriglia(const Griglia& g, const std::vector<const char*>& chiavi) {
    std::string t;
    for (int r = 1; r < g.Rows(); ++r) {
        std::vector<std::string> campi{std::to_string(g.Record(r))};
        for (const char* chiave : chiavi)
            campi.push_back(g.Testo(r, chiave));
        t += Unisci(campi);
    }
    return t;
}

} // namespace zelvano::fuzz
