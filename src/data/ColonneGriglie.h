#pragma once
// The columns of grd1 and Grd2: one table per grid, each column with its key, caption,
// width and what it shows of a row's record.

#include "data/Griglia.h"

namespace zelvano {

struct StatoHome;

constexpr int LarghezzaTxtCod = 2295; // twips; the code filter box never changes width

void ImpostaGrd1(Griglia& g);
void ImpostaGrd2(Griglia& g);

// grd1: input record r, with the code of its catalogue article in "Associato a".
class SorgenteGrd1 : public SorgenteRighe {
  public:
    explicit SorgenteGrd1(const StatoHome& h) : h_(h) {}
    int Campo(std::string_view chiave) const override;
    void Accoda(int32_t record, int campo, std::string& out) const override;

  private:
    const StatoHome& h_;
};

// Grd2: catalogue record j, with the internal code of its input article in "Associato a".
class SorgenteGrd2 : public SorgenteRighe {
  public:
    explicit SorgenteGrd2(const StatoHome& h) : h_(h) {}
    int Campo(std::string_view chiave) const override;
    void Accoda(int32_t record, int campo, std::string& out) const override;

  private:
    const StatoHome& h_;
};

} // namespace zelvano
