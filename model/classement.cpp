#include "model/classement.h"

#include <algorithm>

#include "model/dates.h"
#include "model/formatage.h"
#include "model/moyennes.h"
#include "model/note.h"

namespace calevrin {

namespace {

struct TCandidat {
  int eleve;
  double moyenne;  // PasDeMoyenne when the student is not ranked
};

// The pairs of the view that the class uses: the synthesis and the year never reach a subject
// or a period the class has given up, whatever data it still holds there.
int Absences(const TClasse& c, const TMoyennes& r, int e, int matiere, int periode) {
  const int m1 = matiere == 4 ? 1 : matiere;
  const int m2 = matiere == 4 ? c.NbMatieres() : matiere;
  const int p1 = periode == 4 ? 1 : periode;
  const int p2 = periode == 4 ? c.NbPeriodes() : periode;
  int nb = 0;
  for (int m = m1; m <= m2; ++m)
    for (int p = p1; p <= p2; ++p) nb += r.Absences(e, m, p);
  return nb;
}

}  // namespace

const TLigneClassement& EnteteClassement() {
  static const TLigneClassement entete = {"Rang", "El\xE8ve", "Moyenne", "Absence"};
  return entete;
}

TClassement Classer(const TClasse& c, int matiere, int periode, bool sansAbsents, const TOptions& o) {
  TClassement resultat;
  resultat.Titre = ConstruireTitre(c, matiere, periode, 0, 0, o.imprimerAnnee, o);
  if (matiere != 4 && periode != 4 && c.NbDevoirs(matiere, periode) == 0) {
    resultat.Lignes.push_back({"Pas", "de note ce " + std::string(NomPeriode(c.NbPeriodes())), "", ""});
    return resultat;
  }

  const int n = c.NbEleves();
  std::array<double, MaxEleves + 1> moyennes{};
  std::array<int, MaxEleves + 1> absences{};
  if (matiere <= MaxMatieres && periode <= MaxPeriodes) {
    // A test view reads only its own grades.
    TMoyennesVue v;
    CalculerMoyennesVue(c, matiere, periode, v, o);
    const auto& vue = c.Joker() ? v.ElevesJoker : v.Eleves;
    for (int e = 1; e <= n; ++e) {
      moyennes[static_cast<std::size_t>(e)] = vue[static_cast<std::size_t>(e - 1)];
      absences[static_cast<std::size_t>(e)] = NbAbsences(c, matiere, periode, e, o);
    }
  } else {
    TMoyennes r;
    CalculerMoyennes(c, c.Joker(), r, o);
    for (int e = 1; e <= n; ++e) {
      moyennes[static_cast<std::size_t>(e)] = r.Eleve(e, matiere, periode);
      absences[static_cast<std::size_t>(e)] = Absences(c, r, e, matiere, periode);
    }
  }
  std::vector<TCandidat> classes;
  std::vector<int> autres;
  classes.reserve(static_cast<std::size_t>(n));
  autres.reserve(static_cast<std::size_t>(n));
  // From the end of the list: a stable sort then puts the later of equal averages first, and
  // the students without an average come out from the end towards the start.
  for (int e = n; e >= 1; --e) {
    const bool exclu = sansAbsents && absences[static_cast<std::size_t>(e)] > 0;
    if (moyennes[static_cast<std::size_t>(e)] != PasDeMoyenne && !exclu)
      classes.push_back({e, moyennes[static_cast<std::size_t>(e)]});
    else
      autres.push_back(e);
  }
  std::stable_sort(classes.begin(), classes.end(),
                   [](const TCandidat& a, const TCandidat& b) { return a.moyenne > b.moyenne; });

  resultat.Lignes.reserve(static_cast<std::size_t>(n));
  resultat.Eleves.reserve(static_cast<std::size_t>(n));
  const auto ajouter = [&](int e, int rang) {
    const auto i = static_cast<std::size_t>(e);
    TLigneClassement ligne;
    ligne[1] = " " + c.NomComplet(e, true);
    if (moyennes[i] != PasDeMoyenne) {
      ligne[0] = " " + std::to_string(rang);
      ligne[2] = " " + FormaterNombre(moyennes[i]);
    } else {
      ligne[2] = " ??";
    }
    if (absences[i] > 0) ligne[3] = " " + std::to_string(absences[i]);
    if (sansAbsents && absences[i] > 0) {
      ligne[0] = " n.c.";
      ligne[2].clear();
    }
    resultat.Lignes.push_back(std::move(ligne));
    resultat.Eleves.push_back(e);
  };
  int rang = 0;
  for (std::size_t k = 0; k < classes.size(); ++k) {
    if (k == 0 || classes[k].moyenne != classes[k - 1].moyenne) rang = static_cast<int>(k) + 1;
    ajouter(classes[k].eleve, rang);
  }
  for (const int e : autres) ajouter(e, 0);
  return resultat;
}

std::string TexteClassement(const TClassement& r) {
  std::string t = r.Titre + '\r';
  const auto ligne = [&t](const TLigneClassement& l) { t += l[0] + '\t' + l[1] + '\t' + l[2] + '\t' + l[3] + '\r'; };
  ligne(EnteteClassement());
  for (const TLigneClassement& l : r.Lignes) ligne(l);
  return t;
}

std::string FichierClassement(const TClassement& r) {
  std::string t = r.Titre +
                  "\r\n\r\nClassement des \xE9l\xE8ves d'apr\xE8s la moyenne\r\n\r\n"
                  " Rang\t   Eleve\t\tmoy.\tabsence\r\n\r\n";
  for (const TLigneClassement& l : r.Lignes) t += l[0] + '\t' + l[1] + "\t\t" + l[2] + '\t' + l[3] + "\r\n";
  return t;
}

}  // namespace calevrin
