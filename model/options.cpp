#include "model/options.h"

namespace calevrin {

TOptions Options;
TOptions OptionsDefaut;

TTableau1<TCouleur, NbCouleurs> TOptions::CouleursParDefaut() {
  TTableau1<TCouleur, NbCouleurs> c;
  c[3] = 0xC0C0C0;   // background
  c[7] = 0x0000FF;   // grade below the pass mark
  c[9] = 0x0000FF;   // average below the pass mark
  c[11] = 0xFFFFFF;  // background in preview
  c[12] = 0x00FFFF;  // texts that are not grades
  return c;
}

TTableau1<TCorrespondance, NbCorrespondances> TOptions::CorrespondancesParDefaut() {
  static constexpr struct {
    const char* l;
    double v;
  } table[NbCorrespondances] = {{"A+", 20},   {"A", 19},   {"A-", 18},  {"B+", 17.5}, {"B", 15},
                                {"B-", 13.5}, {"C+", 12},  {"C", 10.5}, {"C-", 9},    {"D+", 7.5},
                                {"D", 6},     {"D-", 4.5}, {"E+", 3},   {"E", 1.5},   {"E-", 0}};
  TTableau1<TCorrespondance, NbCorrespondances> t;
  for (std::size_t i = 1; i <= NbCorrespondances; ++i) t[i] = {table[i - 1].l, table[i - 1].v};
  return t;
}

}  // namespace calevrin
