#include "cli/statistiques.h"

#include <charconv>
#include <memory>
#include <optional>
#include <ostream>

#include "cli/entree.h"
#include "model/classe.h"
#include "model/cp1252.h"
#include "model/formatage.h"
#include "model/options.h"
#include "model/statistiques.h"

namespace calevrin {

namespace {

struct TArgumentsStat {
  std::string commande;
  std::string fichier;
  std::optional<int> matiere;
  std::optional<int> periode;
  std::optional<int> devoir;
  std::optional<int> eleve;
  std::optional<std::string> options;
};

// Decimal digits only, within an int.
std::optional<int> LireEntier(const std::string& t) {
  int v = 0;
  const auto r = std::from_chars(t.data(), t.data() + t.size(), v);
  if (t.empty() || t[0] == '-' || r.ec != std::errc() || r.ptr != t.data() + t.size()) return std::nullopt;
  return v;
}

// The file and the options of the command in any order, each option once.
bool LireArguments(const std::vector<std::string>& a, TArgumentsStat& r) {
  r.commande = a[0];
  const bool vue = r.commande != "bilan";
  bool fichier = false;
  for (std::size_t i = 1; i < a.size(); ++i) {
    const std::string& x = a[i];
    std::optional<int>* indice = nullptr;
    if (vue && x == "--matiere") indice = &r.matiere;
    if (vue && x == "--periode") indice = &r.periode;
    if (r.commande == "statistiques" && x == "--devoir") indice = &r.devoir;
    if (r.commande != "statistiques" && x == "--eleve") indice = &r.eleve;
    if (indice || x == "--options") {
      if (i + 1 >= a.size()) return false;
      const std::string& v = a[++i];
      if (!indice) {
        if (r.options) return false;
        r.options = v;
        continue;
      }
      if (*indice) return false;
      *indice = LireEntier(v);
      if (!*indice) return false;
    } else if (!fichier && !x.empty() && x[0] != '-') {
      r.fichier = x;
      fichier = true;
    } else {
      return false;
    }
  }
  return fichier;
}

// The subject, period, test and student asked for, checked against the class; false with the
// message written when one is not in it.
bool Choisir(const TArgumentsStat& a, const TClasse& c, TEtatStat& etat, std::ostream& err) {
  const int nm = c.NbMatieres();
  const int np = c.NbPeriodes();
  const bool evolution = etat.Fenetre == TFenetreStat::Evolution;
  if (a.matiere) {
    const int m = *a.matiere;
    if (m == 4 && etat.Fenetre != TFenetreStat::Moyennes) {
      err << (evolution ? "L'évolution des notes ne se montre pas pour la synthèse" : "La synthèse n'a pas de devoirs")
          << " : choisir une matière de 1 à " << nm << ".\n";
      return false;
    }
    if ((m < 1 || m > nm) && m != 4) {
      err << "La classe n'a pas de matière " << m << " (matières 1 à " << nm << ", 4 pour la synthèse).\n";
      return false;
    }
    etat.Matiere = m;
  }
  if (a.periode) {
    const int p = *a.periode;
    if ((p < 1 || p > np) && p != 4 && !(evolution && p == 5)) {
      err << "La classe n'a pas de période " << p << " (périodes 1 à " << np << ", 4 pour l'année"
          << (evolution ? ", 5 pour tous les devoirs de l'année" : "") << ").\n";
      return false;
    }
    etat.Periode = p;
  }
  if (etat.Fenetre == TFenetreStat::Devoir) {
    const int nd = etat.Periode <= MaxPeriodes ? c.NbDevoirs(etat.Matiere, etat.Periode) : 0;
    if (*a.devoir < 1 || *a.devoir > nd) {
      err << "Pas de devoir " << *a.devoir << " dans cette matière et cette période ("
          << (nd == 0 ? std::string("aucun devoir") : "devoirs 1 à " + std::to_string(nd)) << ").\n";
      return false;
    }
    etat.Devoir = *a.devoir;
  }
  if (a.eleve) {
    if (*a.eleve > c.NbEleves()) {
      err << "La classe n'a pas d'élève " << *a.eleve << " (élèves 1 à " << c.NbEleves() << ").\n";
      return false;
    }
    etat.Eleve = *a.eleve;
  }
  return true;
}

std::string Texte(std::string_view cp1252) { return Utf8DepuisCp1252(cp1252); }

void EcrireRepartition(const TGrapheStat& g, std::ostream& out) {
  out << Texte(g.Caption) << '\n';
  if (g.NbBarre() == 0) return;
  for (int i = 1; i <= g.NbLigne; ++i) out << Texte(g.Ligne[static_cast<std::size_t>(i)]) << '\n';
  for (int i = 0; i < g.NbBarre(); ++i)
    out << (i == 0 ? "" : "\t") << static_cast<long>(g.Barres[static_cast<std::size_t>(i)].Valeur);
  out << '\n';
}

void EcrireEvolution(const TGrapheStat& g, std::ostream& out) {
  out << Texte(g.Caption) << '\n';
  for (const TBarreStat& b : g.Barres)
    out << Texte(b.Legende) << '\t' << (b.Valeur >= 0 ? FormaterNombre(b.Valeur) : Texte(b.Texte)) << '\n';
  out << "moy.\t" << (g.Moy ? FormaterNombre(g.BarreMoy.Valeur) : std::string()) << '\n';
}

void EcrireBilan(const TTableauStat& t, std::ostream& out) {
  out << Texte(t.Caption) << '\n';
  for (int l = 1; l <= t.NbLigne; ++l) {
    for (int col = 1; col <= t.NbColonne; ++col)
      out << (col == 1 ? "" : "\t") << Texte(t.Cellule[static_cast<std::size_t>(col)][static_cast<std::size_t>(l)]);
    out << '\n';
  }
}

}  // namespace

int Statistiques(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  TArgumentsStat a;
  if (arguments.empty() || !LireArguments(arguments, a)) return -1;
  cli::TClasseOuverte entree;
  if (!cli::OuvrirClasse(a.fichier, a.options, entree, err)) return 1;
  const TClasse& c = *entree.classe;
  const TOptions& o = entree.options;

  const TFenetreStat fenetre = a.commande == "evolution" ? TFenetreStat::Evolution
                               : a.commande == "bilan"   ? TFenetreStat::Bilan
                               : a.devoir                ? TFenetreStat::Devoir
                                                         : TFenetreStat::Moyennes;
  TEtatStat etat = EtatInitial(fenetre, c, o);  // "M" down: the line wherever it has a value
  if (!Choisir(a, c, etat, err)) return 2;
  switch (fenetre) {
    case TFenetreStat::Devoir: EcrireRepartition(CalculerStat02(c, etat, o), out); break;
    case TFenetreStat::Moyennes: EcrireRepartition(CalculerStat03(c, etat, o), out); break;
    case TFenetreStat::Evolution: EcrireEvolution(CalculerStat01(c, etat, o), out); break;
    case TFenetreStat::Bilan: EcrireBilan(CalculerStat04(c, etat, o), out); break;
  }
  return 0;
}

}  // namespace calevrin
