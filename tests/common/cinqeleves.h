#pragma once
// The five students of the ranking's and the report pages' tests, with two tests of subject 1
// in trimester 1: AA 12 12, BB 15 15, CC 12 12, DD abs and nothing, EE 10 abs.

#include "model/classe.h"

namespace calevrin::test {

inline void PlacerCinqEleves(TClasse& c) {
  const char* eleves[][4] = {
      {"AA", "Ana", "12", "12"}, {"BB", "Bea", "15", "15"},  {"CC", "Cid", "12", "12"},
      {"DD", "Dan", "abs", ""},  {"EE", "Eve", "10", "abs"},
  };
  int e = 0;
  for (const auto& [nom, prenom, n1, n2] : eleves) {
    c.Eleve(++e).Nom.Affecter(nom);
    c.Eleve(e).Prenom.Affecter(prenom);
    c.Eleve(e).Note(1, 1, 1).Affecter(n1);
    c.Eleve(e).Note(1, 1, 2).Affecter(n2);
  }
  c.FixerNbEleves(e);
  c.FixerNbDevoirs(1, 1, 2);
}

}  // namespace calevrin::test
