#pragma once
// The fullest class the benchmarks compute on, the same from run to run.
#include <cstdint>
#include <memory>
#include <string>

#include "model/classe.h"

namespace calevrin::banc {

// A full class: 45 students, 3 subjects, 3 trimesters of 24 tests, Joker on, grades with
// halves and a few codes.
inline std::unique_ptr<TClasse> ClassePleine() {
  auto c = std::make_unique<TClasse>();
  c->FixerNbEleves(MaxEleves);
  c->FixerJoker(true);
  for (int e = 1; e <= MaxEleves; ++e) {
    c->Eleve(e).Nom.Affecter("ELEVE" + std::to_string(e));
    c->Eleve(e).Prenom.Affecter("Prenom");
  }
  std::uint32_t etat = 4242;
  const auto alea = [&](std::uint32_t n) {
    etat = etat * 1103515245u + 12345u;
    return (etat >> 16) % n;
  };
  for (int m = 1; m <= MaxMatieres; ++m)
    for (int p = 1; p <= MaxPeriodes; ++p) {
      c->FixerNbDevoirs(m, p, MaxDevoirs);
      for (int k = 1; k <= MaxDevoirs; ++k) {
        c->Devoir(m, p, k).Coef = 1 + alea(3);
        for (int e = 1; e <= MaxEleves; ++e) {
          std::string t = alea(25) == 0 ? "abs" : std::to_string(alea(21));
          if (t.size() <= 2 && alea(2) == 0) t += ".5";
          c->Eleve(e).Note(m, p, k).Affecter(t);
        }
      }
    }
  c->FixerMatiereCourante(1);
  c->FixerPeriodeCourante(1);
  return c;
}

}  // namespace calevrin::banc
