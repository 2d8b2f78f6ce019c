#include "model/statistiques.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <string_view>

#include "model/dates.h"
#include "model/figures.h"
#include "model/formatage.h"
#include "model/moyennes.h"
#include "model/note.h"

namespace calevrin {

namespace {

constexpr std::string_view Eleves = " \xE9l\xE8ves";  // " élèves"

// A period the class offers (1..NbPeriodes) or the year; a stored view past the division of
// the year (a damaged file, or the moment between a change of division and the sheet's move
// to the first period) falls back to the first period.
int PeriodeOfferte(const TClasse& c, int p) { return p >= 1 && p <= 4 && (p == 4 || p <= c.NbPeriodes()) ? p : 1; }

// The subject of a window that never shows the synthesis: subject 1 instead of it.
int MatiereOfferte(const TClasse& c, int m, bool synthese) {
  if (m == 4) return synthese ? 4 : 1;
  return m >= 1 && m <= c.NbMatieres() ? m : 1;
}

bool PeriodeSimple(int p) { return p >= 1 && p <= MaxPeriodes; }

TStyleStat Style(const TOptions& o) { return {o.couleur[3], o.couleur[2], o.couleur[1], o.polname, o.polstyle}; }

std::string Pluriel(int n, std::string_view mot) {
  return std::to_string(n) + " " + std::string(mot) + (n > 1 ? "s" : "");
}

// Counts by whole value 0..notemax; a value whose integer part is outside has no bar.
struct THistogramme {
  std::vector<int> c;
  int max = 0;

  explicit THistogramme(const TOptions& o) : c(static_cast<std::size_t>(o.notemax) + 1, 0) {}
  void Compter(double v) {
    // Truncation toward zero: -0.5 falls under 0, as 12.75 under 12.
    if (!(v > -1.0 && v < static_cast<double>(c.size()))) return;
    const int n = ++c[static_cast<std::size_t>(v)];
    max = std::max(max, n);
  }
};

// The bars of a histogram, their labels under the even values, and the scale.
void Repartition(TGrapheStat& g, const THistogramme& h, const TOptions& o) {
  g.Barres.resize(h.c.size());
  for (std::size_t i = 0; i < h.c.size(); ++i) {
    TBarreStat& b = g.Barres[i];
    b.Valeur = h.c[i];
    b.Couleur = static_cast<int>(i) < o.notemoy ? CouleurRouge : CouleurVerte;
    if (i % 2 == 0) b.Legende = std::to_string(i);
  }
  g.Vmax = h.max;
  g.PasVert = h.max < 5 ? 1 : h.max / 5;
  g.NbGradV = h.max < 5 ? 4 : 7;
}

// The best or the worst of the values other than PasDeMoyenne: the last student with it, and
// how many share it. Starting from the first value, not from 0, finds a lowest value above 0.
struct TExtreme {
  double valeur = PasDeMoyenne;
  int eleve = 0;
  int nombre = 0;
};

template <typename Meilleur>
TExtreme Extreme(const std::vector<double>& v, Meilleur meilleur) {
  TExtreme x;
  for (std::size_t i = 0; i < v.size(); ++i) {
    if (v[i] == PasDeMoyenne) continue;
    if (x.eleve == 0 || meilleur(v[i], x.valeur)) {
      x.valeur = v[i];
      x.nombre = 0;
    }
    if (v[i] == x.valeur) {
      x.eleve = static_cast<int>(i) + 1;
      ++x.nombre;
    }
  }
  return x;
}

std::string QuiA(const TClasse& c, const TExtreme& x) {
  return " ( " + (x.nombre == 1 ? c.NomComplet(x.eleve, true) : std::to_string(x.nombre) + std::string(Eleves)) + " )";
}

// How the values are spread: those below the pass mark, those missing, the standard
// deviation around the class's own average a (a population deviation).
struct TDispersion {
  int dessous = 0;
  int manquants = 0;
  double ecart = 0;
};

TDispersion Dispersion(const std::vector<double>& v, double a, const TOptions& o) {
  TDispersion d;
  long double somme = 0;
  int n = 0;
  for (const double x : v) {
    if (x == PasDeMoyenne) {
      ++d.manquants;
      continue;
    }
    if (x < o.notemoy) ++d.dessous;
    const long double ecart = static_cast<long double>(x) - a;
    somme += ecart * ecart;
    ++n;
  }
  d.ecart = n == 0 ? 0.0 : static_cast<double>(std::sqrt(somme / n));
  return d;
}

std::string Absents(const TDispersion& d, double a) {
  return FormaterNombre(a) + " - " + Pluriel(d.manquants, "absent") + " - Ecart type : " + FormaterNombre(d.ecart);
}

TCouleur CouleurValeur(double v, const TOptions& o) { return v >= o.notemoy ? CouleurVerte : CouleurRouge; }

// A value of the evolution graph; with none, the text written in its place.
TBarreStat Barre(double v, std::string texte, const TOptions& o) {
  TBarreStat b;
  if (v == PasDeMoyenne || v < 0) {
    b.Valeur = PasDeMoyenne;
    b.Texte = std::move(texte);
  } else {
    b.Valeur = v;
    b.Couleur = CouleurValeur(v, o);
  }
  return b;
}

TBarreStat BarreDevoir(const TClasse& c, const TFiguresClasse& f, const TEtatStat& etat, int p, int k,
                       const TOptions& o) {
  if (etat.Eleve == 0) return Barre(f.Moyennes(false).Devoir(etat.Matiere, p, k), "?", o);
  const TTexteNote& t = c.Eleve(etat.Eleve).Note(etat.Matiere, p, k);
  const TNote n = f.Note(etat.Eleve, etat.Matiere, p, k);
  return Barre(n.EstNote() ? n.Valeur : PasDeMoyenne, std::string(t.Vue().substr(0, 4)), o);
}

std::string TitreEvolution(const TClasse& c, const TEtatStat& etat, const TOptions& o) {
  if (etat.Periode != 5) return ConstruireTitre(c, etat.Matiere, etat.Periode, 0, etat.Eleve, etat.AvecAnnee, o);
  const std::string sep = std::string(" ") + CaractereSeparateur(o.indsep) + " ";
  std::string t = ConstruireTitre(c, etat.Matiere, 0, 0, 0, false, o) + sep + "Toute l'ann\xE9" + "e";
  if (etat.Eleve >= 1 && etat.Eleve <= MaxEleves) t += sep + c.NomComplet(etat.Eleve, true);
  if (etat.AvecAnnee) t += " " + c.AnneeScolaire.Texte();
  return t;
}

}  // namespace

TEtatStat EtatInitial(TFenetreStat fenetre, const TClasse& c, const TOptions& o) {
  TEtatStat etat;
  etat.Fenetre = fenetre;
  etat.AvecAnnee = o.imprimerAnnee;
  etat.Periode = PeriodeOfferte(c, c.PeriodeCourante());
  etat.Matiere = MatiereOfferte(c, c.MatiereCourante(), fenetre == TFenetreStat::Moyennes);
  if (fenetre == TFenetreStat::Devoir && PeriodeSimple(etat.Periode))
    etat.Devoir = c.NbDevoirs(etat.Matiere, etat.Periode);
  return etat;
}

std::string TitreFenetreStat(TFenetreStat fenetre, const TClasse& c) {
  std::string t = c.Abreviation.Texte();
  switch (fenetre) {
    case TFenetreStat::Devoir: return t + ": R\xE9partition des notes d'un devoir";
    case TFenetreStat::Moyennes: return t + ": R\xE9partition des moyennes";
    case TFenetreStat::Evolution: return t + ": Evolution des notes d'un \xE9l\xE8ve";
    case TFenetreStat::Bilan: return t + ": Bilan complet classe & \xE9l\xE8ve";
  }
  return t;
}

std::vector<std::string> ListeDevoirsStat(const TClasse& c, int matiere, int periode) {
  std::vector<std::string> l;
  if (matiere < 1 || matiere > MaxMatieres || !PeriodeSimple(periode)) return l;
  for (int k = 1; k <= c.NbDevoirs(matiere, periode); ++k)
    l.push_back(std::to_string(k) + " - " + c.Devoir(matiere, periode, k).Commentaire.Texte());
  return l;
}

std::vector<std::string> ListeElevesStat(const TClasse& c) {
  std::vector<std::string> l{" < Moyenne Classe >"};
  for (int e = 1; e <= c.NbEleves(); ++e) l.push_back(std::to_string(e) + " - " + c.NomComplet(e, true));
  return l;
}

TGrapheStat CalculerStat02(const TClasse& c, const TFiguresClasse& f, const TEtatStat& etat, const TOptions& o) {
  TGrapheStat g;
  g.Style = Style(o);
  g.NbLigne = 5;
  g.Afficher0 = false;
  // The average marker would stand on a scale of counts, where it means nothing.
  g.Moy = false;
  const int m = etat.Matiere;
  const int p = etat.Periode;
  const int k = etat.Devoir;
  if (!PeriodeSimple(p)) {
    g.Caption = "Pas de devoir lors du bilan annuel.";
    g.TitreFenetre = g.Caption;
    return g;
  }
  g.Caption = "Pas de notes.";
  if (m < 1 || m > MaxMatieres || k < 1 || k > c.NbDevoirs(m, p)) return g;

  THistogramme h(o);
  std::vector<double> v(static_cast<std::size_t>(c.NbEleves()), PasDeMoyenne);
  for (int e = 1; e <= c.NbEleves(); ++e) {
    const TNote n = f.Note(e, m, p, k);
    if (!n.EstNote()) continue;
    v[static_cast<std::size_t>(e - 1)] = n.Valeur;
    h.Compter(n.Valeur);
  }
  if (h.max == 0) return g;
  Repartition(g, h, o);

  const TDevoir& d = c.Devoir(m, p, k);
  g.Ligne[1] = "Dev. " + std::to_string(k) + " - " + d.Date.Texte() + " - Coef. " + FormaterNombre(d.Coef) + " - " +
               d.Duree.Texte() + " - " + d.Commentaire.Texte();
  const TExtreme haut = Extreme(v, [](double x, double y) { return x > y; });
  const TExtreme bas = Extreme(v, [](double x, double y) { return x < y; });
  g.Ligne[2] = "Note max : " + c.Eleve(haut.eleve).Note(m, p, k).Texte() + QuiA(c, haut);
  g.Ligne[3] = "Note min : " + c.Eleve(bas.eleve).Note(m, p, k).Texte() + QuiA(c, bas);
  const double a = f.Moyennes(false).Devoir(m, p, k);
  const TDispersion disp = Dispersion(v, a, o);
  g.Ligne[4] = Pluriel(disp.dessous, "note") + " en dessous de la moyenne";
  g.Ligne[5] = "Moyenne du devoir " + Absents(disp, a);

  g.Caption = ConstruireTitre(c, m, p, k, 0, etat.AvecAnnee, o);
  g.TitreFenetre = g.Caption;
  return g;
}

TGrapheStat CalculerStat03(const TClasse& c, const TFiguresClasse& f, const TEtatStat& etat, const TOptions& o) {
  TGrapheStat g;
  g.Style = Style(o);
  g.NbLigne = 4;
  g.Afficher0 = false;
  g.Moy = false;  // as in TStatDevoir: a scale of counts
  const int m = etat.Matiere;
  const int p = etat.Periode;
  const bool joker = c.Joker();

  THistogramme h(o);
  std::vector<double> v(static_cast<std::size_t>(c.NbEleves()), PasDeMoyenne);
  if (m >= 1 && m <= 4 && p >= 1 && p <= 4)
    for (int e = 1; e <= c.NbEleves(); ++e) {
      const double a = f.Moyennes(joker).Eleve(e, m, p);
      v[static_cast<std::size_t>(e - 1)] = a;
      if (a != PasDeMoyenne) h.Compter(a);
    }
  if (h.max == 0) {
    g.Caption = "Moyenne non calculable !";
    return g;
  }
  Repartition(g, h, o);

  const TExtreme haut = Extreme(v, [](double x, double y) { return x > y; });
  const TExtreme bas = Extreme(v, [](double x, double y) { return x < y; });
  g.Ligne[1] = "Moyenne max : " + FormaterNombre(haut.valeur) + QuiA(c, haut);
  g.Ligne[2] = "Moyenne min : " + FormaterNombre(bas.valeur) + QuiA(c, bas);
  const double a = f.Moyennes(joker).Classe(m, p);
  const TDispersion disp = Dispersion(v, a, o);
  g.Ligne[3] = Pluriel(disp.dessous, "\xE9l\xE8ve") + " en dessous de la moyenne";
  g.Ligne[4] = (p == 4 ? std::string("Moyenne de l'ann\xE9") + "e : "
                       : "Moyenne du " + std::string(NomPeriode(c.NbPeriodes())) + ": ") +
               Absents(disp, a);

  g.Caption = ConstruireTitre(c, m, p, 0, 0, etat.AvecAnnee, o);
  return g;
}

TGrapheStat CalculerStat01(const TClasse& c, const TFiguresClasse& f, const TEtatStat& etat, const TOptions& o) {
  TGrapheStat g;
  g.Style = Style(o);
  g.NbLigne = 0;
  g.Caption = TitreEvolution(c, etat, o);
  // A scale from 0 to 0 has no height: the grades of a class graded out of 0 stand on 0..1.
  g.Vmax = std::max<int>(o.notemax, 1);
  const int m = etat.Matiere;
  const int p = etat.Periode;
  const int e = etat.Eleve;
  const bool joker = c.Joker();
  if (m < 1 || m > MaxMatieres || p < 1 || p > 5 || e < 0 || e > c.NbEleves()) return g;

  if (PeriodeSimple(p)) {
    for (int k = 1; k <= c.NbDevoirs(m, p); ++k) g.Barres.push_back(BarreDevoir(c, f, etat, p, k, o));
    if (g.Barres.empty()) g.Caption = "Pas de notes ce " + std::string(NomPeriode(c.NbPeriodes()));
  } else if (p == 4) {
    for (int q = 1; q <= c.NbPeriodes(); ++q)
      g.Barres.push_back(Barre(e == 0 ? f.Moyennes(joker).Classe(m, q) : f.Moyennes(joker).Eleve(e, m, q), "?", o));
  } else {
    for (int q = 1; q <= c.NbPeriodes(); ++q)
      for (int k = 1; k <= c.NbDevoirs(m, q); ++k) g.Barres.push_back(BarreDevoir(c, f, etat, q, k, o));
  }

  // The average of what is shown: the period's (the year's for the year and every test).
  const int pm = p == 5 ? 4 : p;
  const double moy = e == 0 ? f.Moyennes(joker).Classe(m, pm) : f.Moyennes(joker).Eleve(e, m, pm);
  g.BarreMoy.Valeur = moy;
  g.BarreMoy.Couleur = CouleurValeur(moy, o);
  g.Moy = etat.Moy && moy >= 0 && !g.Barres.empty();

  const int n = g.NbBarre();
  const int pas = n <= 10 ? 1 : n <= 50 ? 5 : n <= 75 ? 10 : 0;
  if (pas != 0)
    for (int i = pas; i <= n; i += pas) g.Barres[static_cast<std::size_t>(i - 1)].Legende = std::to_string(i);
  return g;
}

TTableauStat CalculerStat04(const TClasse& c, const TFiguresClasse& f, const TEtatStat& etat, const TOptions& o) {
  TTableauStat t;
  t.Style = Style(o);
  t.Cadre = false;
  t.Relief = std::min<int>(o.relief, 2);
  const int e = etat.Eleve >= 1 && etat.Eleve <= c.NbEleves() ? etat.Eleve : 0;
  t.Caption = e != 0 ? "Bilan complet " + std::string(1, CaractereSeparateur(o.indsep)) + " " + c.NomComplet(e, true)
                     : "Moyenne de classe";
  t.Caption += " (" + c.Abreviation.Texte() + ")";

  const int nm = c.NbMatieres();
  const int np = c.NbPeriodes();
  t.NbColonne = np + 2;
  t.NbLigne = nm + 2;
  const auto cellule = [&](int col, int lig) -> std::string& {
    return t.Cellule[static_cast<std::size_t>(col)][static_cast<std::size_t>(lig)];
  };
  for (int p = 1; p <= np; ++p) cellule(p + 1, 1) = std::string(NomCourtPeriode(np)) + std::to_string(p);
  cellule(np + 2, 1) =
      "Ann\xE9"
      "e";

  const bool joker = c.Joker();
  const TMoyennes& toutes = f.Moyennes(joker);
  for (int r = 2; r <= nm + 2; ++r) {
    const int m = r <= nm + 1 ? r - 1 : 4;
    cellule(1, r) = m == 4 ? std::string("Synth\xE8") + "se" : c.Matiere(m).Nom.Texte();
    for (int col = 2; col <= np + 2; ++col) {
      const int p = col <= np + 1 ? col - 1 : 4;
      const double a = e != 0 ? toutes.Eleve(e, m, p) : toutes.Classe(m, p);
      if (a != PasDeMoyenne) cellule(col, r) = FormaterNombre(a);
    }
  }
  return t;
}

TGrapheStat CalculerStat02(const TClasse& c, const TEtatStat& etat, const TOptions& o) {
  return CalculerStat02(c, TFiguresClasse(c, o), etat, o);
}
TGrapheStat CalculerStat03(const TClasse& c, const TEtatStat& etat, const TOptions& o) {
  return CalculerStat03(c, TFiguresClasse(c, o), etat, o);
}
TGrapheStat CalculerStat01(const TClasse& c, const TEtatStat& etat, const TOptions& o) {
  return CalculerStat01(c, TFiguresClasse(c, o), etat, o);
}
TTableauStat CalculerStat04(const TClasse& c, const TEtatStat& etat, const TOptions& o) {
  return CalculerStat04(c, TFiguresClasse(c, o), etat, o);
}

namespace {

using C = TCodeChangement;

TReactionStat ReactionDevoir(const TEtatStat& etat, C code, int periode, int a) {
  TReactionStat r;
  const int p = etat.Periode;
  switch (code) {
    case C::Eleves: r.ListeDevoirs = r.Recalculer = true; break;
    case C::Devoirs: r.ListeDevoirs = r.Recalculer = periode == p || p == 4; break;
    case C::Note:
    case C::CoefficientDevoir: r.Recalculer = a == etat.Devoir && periode == p; break;
    case C::Periode: r.BoutonsPeriode = r.ListeDevoirs = r.Recalculer = periode != p; break;
    case C::Options: r.Recalculer = true; break;
    case C::Matiere:
      // The list follows the subject, so that no test of another subject stays selected.
      r.BoutonsMatiere = r.ListeDevoirs = r.Recalculer = true;
      break;
    default: break;
  }
  return r;
}

TReactionStat ReactionMoyennes(const TEtatStat& etat, C code, int periode) {
  TReactionStat r;
  const int p = etat.Periode;
  switch (code) {
    case C::Eleves:
    case C::Options: r.Recalculer = true; break;
    case C::Devoirs:
    case C::Note:
    case C::CoefficientDevoir: r.Recalculer = periode == p || p == 4; break;
    case C::Periode: r.BoutonsPeriode = r.Recalculer = periode != p; break;
    case C::Matiere: r.BoutonsMatiere = r.Recalculer = true; break;
    default: break;
  }
  return r;
}

TReactionStat ReactionEvolution(const TEtatStat& etat, C code, int periode, int b) {
  TReactionStat r;
  const int p = etat.Periode;
  const bool annee = p == 4 || p == 5;
  switch (code) {
    case C::Eleves: r.ListeEleves = r.Recalculer = true; break;
    case C::Devoirs:
    case C::CoefficientDevoir:  // a coefficient changes the averages, the class's as a student's
      r.Recalculer = periode == p || annee;
      break;
    case C::Note:  // the class view shows every student's grades
      r.Recalculer = annee || (periode == p && (etat.Eleve == 0 || b == etat.Eleve));
      break;
    case C::Periode:
      // Every test of the year stays shown when the sheet moves, but not past a change of
      // the class parameters (division of the year, Joker).
      r.BoutonsPeriode = r.Recalculer = (periode != p && p != 5) || periode == 0;
      break;
    case C::Options: r.Recalculer = true; break;
    case C::Matiere: r.BoutonsMatiere = r.Recalculer = true; break;
    default: break;
  }
  return r;
}

TReactionStat ReactionBilan(const TEtatStat& etat, C code, int periode, int b) {
  TReactionStat r;
  if (etat.Eleve == 0) {
    r.ListeEleves = r.Recalculer = true;
    return r;
  }
  switch (code) {
    case C::Note: r.Recalculer = b == etat.Eleve; break;
    case C::CoefficientDevoir:  // carries no student, and changes every average of its subject
      r.Recalculer = true;
      break;
    case C::Periode:  // the class parameters (p = 0) change the columns, the Joker, the abbreviation
      r.Recalculer = periode == 0;
      break;
    default: r.ListeEleves = r.Recalculer = true; break;
  }
  return r;
}

}  // namespace

TReactionStat Actualiser(TEtatStat& etat, const TClasse& c, const TChangement& changement) {
  const C code = changement.Code;
  const int periode = changement.Periode;
  const int a = changement.A;
  const int b = changement.B;
  TReactionStat r;
  switch (etat.Fenetre) {
    case TFenetreStat::Devoir: r = ReactionDevoir(etat, code, periode, a); break;
    case TFenetreStat::Moyennes: r = ReactionMoyennes(etat, code, periode); break;
    case TFenetreStat::Evolution: r = ReactionEvolution(etat, code, periode, b); break;
    case TFenetreStat::Bilan: r = ReactionBilan(etat, code, periode, b); break;
  }

  // The state the rebuilt controls show.
  const bool synthese = etat.Fenetre == TFenetreStat::Moyennes;
  if (r.BoutonsPeriode) {
    if (etat.Fenetre == TFenetreStat::Moyennes || (etat.Fenetre == TFenetreStat::Evolution && etat.Periode != 5))
      etat.Periode = c.PeriodeCourante();
    if (etat.Periode != 5) etat.Periode = PeriodeOfferte(c, etat.Periode);
  }
  if (r.BoutonsMatiere) etat.Matiere = MatiereOfferte(c, c.MatiereCourante(), synthese);
  if (r.ListeDevoirs && PeriodeSimple(etat.Periode)) etat.Devoir = c.NbDevoirs(etat.Matiere, etat.Periode);
  if (r.ListeEleves) etat.Eleve = 0;
  return r;
}

}  // namespace calevrin
