#include "model/nouvelleclasse.h"

#include <algorithm>

#include "model/edition.h"

namespace calevrin {

int CopierEleves(TClasse& c, std::span<const TEleveSaisi> saisis) {
  int n = 0;
  for (const TEleveSaisi& s : saisis) {
    if (n == MaxEleves) break;
    if (std::all_of(s.Nom.begin(), s.Nom.end(), [](char ch) { return ch == ' '; })) continue;
    TEleve& el = c.Eleve(++n);
    el.Nom.Affecter(s.Nom);
    el.Prenom.Affecter(s.Prenom);
    el.DateNaissance.Affecter(s.DateNaissance);
  }
  c.FixerNbEleves(n);
  return n;
}

int CreerClasse(TClasse& c, std::span<const TEleveSaisi> saisis, const std::string& nomFichier, const TOptions& o,
                const TDateJour& aujourdhui) {
  c.Initialiser();
  const int n = CopierEleves(c, saisis);
  c.NomFichier = nomFichier;
  c.NouvelleClasse(aujourdhui);
  NormaliserNoms(c, o);
  return n;
}

}  // namespace calevrin
