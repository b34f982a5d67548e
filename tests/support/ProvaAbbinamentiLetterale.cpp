#include "ProvaAbbinamentiLetterale.h"

#include "data/Abbinamento.h"
#include "data/StatoHome.h"
#include "files/ErroreFile.h"
#include "matching/DuplicaRiga.h"

#include <string>

namespace zelvano::test {

namespace {
// The text with every occurrence of one character removed.
std::string TogliChar(std::string_view strTmp, char CharTmp) {
    std::string out;
    for (char c : strTmp)
        if (c != CharTmp)
            out += c;
    return out;
}

std::string Chiave(std::string_view codice) {
    return TogliChar(TogliChar(TogliChar(codice, ' '), '/'), '.');
}
} // namespace

EsitoProva ProvaAbbinamentiLetterale(StatoHome& h, int32_t fino) {
    EsitoProva esito;
    const int32_t N = fino < 0 ? h.NumInt : fino;
    for (int32_t i = 1; i <= N; ++i) {
        const RecArticolo& in = h.ArtInt[static_cast<std::size_t>(i)];
        if (in.PCdProd != 0 || in.Stato == "X" || !in.RigaSalvata.empty())
            continue;
        const std::string K = Chiave(in.CdProd);
        if (K.empty())
            continue;
        int32_t trovato = 0;
        for (int giro = 0; giro < 2 && trovato == 0; ++giro) {
            int32_t preso = 0;
            const int32_t M = h.NumProd;
            for (int32_t j = 1; j <= M; ++j) {
                const RecArticolo& p = h.ArtProd[static_cast<std::size_t>(j)];
                if (Chiave(p.CdProd) != K)
                    continue;
                if (p.PCdInt == 0) {
                    trovato = j;
                    break;
                }
                preso = j;
            }
            if (trovato != 0 || preso == 0 || giro == 1)
                break;
            bool copiata = false;
            try {
                copiata = static_cast<bool>(DuplicaRiga(h, preso));
            } catch (const ErroreFile&) {
            }
            if (!copiata) {
                ++esito.senzaCopia;
                break;
            }
            ++esito.copie;
        }
        if (trovato != 0) {
            Collega(h, i, trovato, Origine::Automatico);
            ++esito.associati;
        }
    }
    return esito;
}

} // namespace zelvano::test
