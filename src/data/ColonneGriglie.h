#pragma once
// The column sets of grd1 and Grd2, with their keys, captions and widths.

namespace zelvano {

class Griglia;

constexpr int LarghezzaTxtCod = 2295; // twips; the code filter box never changes width

void ImpostaGrd1(Griglia& g);
void ImpostaGrd2(Griglia& g);

} // namespace zelvano
