#include "model/verification.h"

#include "model/classe.h"

namespace calevrin {

namespace {

// Visits every stored text with a name for the report, so that checking and repairing
// cannot disagree on which fields exist.
template <typename F>
void ChaqueTexte(TClasse& c, F&& f) {
  // Names are built only for a field in fault: a check runs over thousands of texts.
  const auto n = [](int i) { return std::to_string(i); };
  for (int e = 1; e <= MaxEleves; ++e) {
    TEleve& el = c.Eleve(e);
    f([&] { return "élève " + n(e) + ", nom"; }, el.Nom);
    f([&] { return "élève " + n(e) + ", prénom"; }, el.Prenom);
    f([&] { return "élève " + n(e) + ", date de naissance"; }, el.DateNaissance);
    for (int m = 1; m <= MaxMatieres; ++m)
      for (int p = 1; p <= MaxPeriodes; ++p)
        for (int k = 1; k <= MaxDevoirs; ++k)
          f([&] { return "élève " + n(e) + ", note " + n(m) + "." + n(p) + "." + n(k); }, el.Note(m, p, k));
  }
  for (int m = 1; m <= MaxMatieres; ++m)
    for (int p = 1; p <= MaxPeriodes; ++p)
      for (int k = 1; k <= MaxDevoirs; ++k) {
        TDevoir& d = c.Devoir(m, p, k);
        const auto qui = [&] { return "devoir " + n(m) + "." + n(p) + "." + n(k); };
        f([&] { return qui() + ", date"; }, d.Date);
        f([&] { return qui() + ", durée"; }, d.Duree);
        f([&] { return qui() + ", commentaire"; }, d.Commentaire);
      }
  for (int m = 1; m <= MaxMatieres; ++m) {
    f([&] { return "matière " + n(m) + ", nom"; }, c.Matiere(m).Nom);
    f([&] { return "matière " + n(m) + ", abréviation"; }, c.Matiere(m).Abrev);
  }
  f([] { return std::string("abréviation de la classe"); }, c.Abreviation);
  f([] { return std::string("année scolaire"); }, c.AnneeScolaire);
  f([] { return std::string("professeur"); }, c.Professeur);
  f([] { return std::string("matière principale"); }, c.MatierePrincipale);
}

template <typename F>
void ChaqueCompteur(TClasse& c, F&& f) {
  auto b = c.Bruts();
  f("nombre d'élèves", b.NbEleves, 0, MaxEleves);
  for (int m = 1; m <= MaxMatieres; ++m)
    for (int p = 1; p <= MaxPeriodes; ++p)
      f("nombre de devoirs " + std::to_string(m) + "." + std::to_string(p),
        b.NbDevoirs[static_cast<std::size_t>((m - 1) * 3 + (p - 1))], 0, MaxDevoirs);
  f("nombre de matières", b.NbMatieres, 1, MaxMatieres);
  f("matière affichée", b.MatiereCourante, 1, 4);
  f("période affichée", b.PeriodeCourante, 1, 4);
  f("nombre de périodes", b.NbPeriodes, 2, 3);
  f("joker", b.Joker, 0, 1);
  f("arrondi", b.Arrondi, 0, 6);
}

}  // namespace

std::vector<std::string> VerifierClasse(TClasse& c) {
  std::vector<std::string> r;
  ChaqueCompteur(c, [&](const std::string& quoi, std::uint8_t v, int bas, int haut) {
    if (v < bas || v > haut)
      r.push_back(quoi + " : " + std::to_string(v) + " hors des limites " + std::to_string(bas) + " à " +
                  std::to_string(haut));
  });
  ChaqueTexte(c, [&](auto&& quoi, auto& t) {
    if (!t.LongueurValide())
      r.push_back(quoi() + " : longueur " + std::to_string(t.Longueur) + " au-delà de la capacité " +
                  std::to_string(t.Capacite));
  });
  return r;
}

void ReparerClasse(TClasse& c) {
  ChaqueCompteur(c, [](const std::string&, std::uint8_t& v, int bas, int haut) {
    if (v < bas) v = static_cast<std::uint8_t>(bas);
    if (v > haut) v = static_cast<std::uint8_t>(haut);
  });
  ChaqueTexte(c, [](auto&&, auto& t) {
    if (!t.LongueurValide()) t.Longueur = static_cast<std::uint8_t>(t.Capacite);
  });
}

}  // namespace calevrin
