#include "model/fiches.h"

#include <algorithm>

#include "model/classement.h"
#include "model/dates.h"
#include "model/formatage.h"
#include "model/moyennes.h"

namespace calevrin {

namespace {

// What the class shares with every page of one period: one ranking per view, the class's
// averages and their spread.
struct TVueClasse {
  std::string Libelle;
  int Matiere = 0;
  TClassement Classement;
  std::string Classe;
  std::string Basse;
  std::string Haute;
};

std::string Texte(const TClasse& c, double v) { return FormaterMoyenne(c.Arrondi(), v); }

std::string SansBlanc(const std::string& s) { return s.empty() || s[0] != ' ' ? s : s.substr(1); }

TVueClasse Vue(const TClasse& c, const TMoyennes& r, int m, int p, const TOptions& o) {
  TVueClasse v;
  v.Matiere = m;
  v.Libelle = m == 4 ? "Synth\xE8se" : c.Matiere(m).Nom.Texte();
  v.Classement = Classer(c, m, p, false, o);
  v.Classe = Texte(c, r.Classe(m, p));
  double basse = PasDeMoyenne;
  double haute = PasDeMoyenne;
  for (int e = 1; e <= c.NbEleves(); ++e) {
    const double a = r.Eleve(e, m, p);
    if (a == PasDeMoyenne) continue;
    if (basse == PasDeMoyenne || a < basse) basse = a;
    if (haute == PasDeMoyenne || a > haute) haute = a;
  }
  v.Basse = Texte(c, basse);
  v.Haute = Texte(c, haute);
  return v;
}

TMoyenneFiche MoyenneFiche(const TVueClasse& v, const TMoyennes& r, const TClasse& c, int e, int p) {
  TMoyenneFiche f;
  f.Libelle = v.Libelle;
  f.Eleve = r.Eleve(e, v.Matiere, p);
  f.TexteEleve = Texte(c, f.Eleve);
  f.Classe = v.Classe;
  f.Basse = v.Basse;
  f.Haute = v.Haute;
  const auto& lignes = v.Classement.Lignes;
  for (std::size_t i = 0; i < v.Classement.Eleves.size(); ++i) {
    if (!lignes[i][0].empty()) ++f.NbClasses;
    if (v.Classement.Eleves[i] != e) continue;
    if (!lignes[i][0].empty()) f.Rang = std::stoi(SansBlanc(lignes[i][0]));
    if (!lignes[i][3].empty()) f.Absences = std::stoi(SansBlanc(lignes[i][3]));
  }
  if (f.Rang != 0) {
    const std::string rang = " " + std::to_string(f.Rang);
    f.RangPartage =
        std::count_if(lignes.begin(), lignes.end(), [&](const TLigneClassement& l) { return l[0] == rang; }) > 1;
  }
  f.TexteRang =
      f.Rang == 0 ? "-"
                  : std::to_string(f.Rang) + (f.RangPartage ? " ex \xE6quo" : "") + " / " + std::to_string(f.NbClasses);
  return f;
}

TLigneNotesFiche LigneDevoir(const TClasse& c, const TMoyennes& r, int m, int p, int k, int e) {
  const TDevoir& d = c.Devoir(m, p, k);
  return {std::to_string(k),
          d.Date.Texte(),
          d.Commentaire.Texte(),
          FormaterNombre(d.Coef),
          c.Eleve(e).Note(m, p, k).Texte(),
          Texte(c, r.Devoir(m, p, k))};
}

// In the year's view a subject's rows are its periods, as the evolution graph shows them.
TLigneNotesFiche LignePeriode(const TClasse& c, const TMoyennes& r, int m, int q, int e) {
  return {std::to_string(q),          "",
          NomPeriodeFiche(c, q),      FormaterNombre(c.Matiere(m).Coef[static_cast<std::size_t>(q)]),
          Texte(c, r.Eleve(e, m, q)), Texte(c, r.Classe(m, q))};
}

}  // namespace

std::string NomPeriodeFiche(const TClasse& c, int periode) {
  if (periode == 4)
    return "Ann\xE9"
           "e";
  return std::string(NomPeriode(c.NbPeriodes())) + " " + std::to_string(periode);
}

std::vector<int> PeriodesFiches(const TClasse& c) {
  std::vector<int> p;
  for (int q = 1; q <= c.NbPeriodes(); ++q) p.push_back(q);
  p.push_back(4);
  return p;
}

std::vector<TFicheEleve> CalculerFiches(const TClasse& c, int periode, const std::vector<int>& eleves,
                                        const TOptions& o, const TDateJour& aujourdhui) {
  std::vector<TFicheEleve> fiches;
  if (periode != 4 && (periode < 1 || periode > c.NbPeriodes())) return fiches;
  std::vector<int> liste = eleves;
  if (liste.empty())
    for (int e = 1; e <= c.NbEleves(); ++e) liste.push_back(e);
  std::erase_if(liste, [&](int e) { return e < 1 || e > c.NbEleves(); });

  TMoyennes r;
  CalculerMoyennes(c, c.Joker(), r, o);
  const int nm = c.NbMatieres();
  std::vector<TVueClasse> vues;
  for (int m = 1; m <= nm; ++m) vues.push_back(Vue(c, r, m, periode, o));
  vues.push_back(Vue(c, r, 4, periode, o));

  int nbDevoirs = 0;
  for (int m = 1; m <= nm; ++m) nbDevoirs += periode == 4 ? NbDevoirsAnnee(c, m) : c.NbDevoirs(m, periode);

  fiches.reserve(liste.size());
  for (const int e : liste) {
    TFicheEleve f;
    f.Eleve = e;
    f.Classe = c.Abreviation.Texte();
    f.AnneeScolaire = c.AnneeScolaire.Texte();
    f.Professeur = c.Professeur.Texte();
    f.Periode = NomPeriodeFiche(c, periode);
    f.Nom = c.NomComplet(e, true);
    f.Naissance = DateNaissanceTexte(c, e, aujourdhui);
    f.Age = AgeEnJours(c, e, aujourdhui) == 0 ? "" : AgeEleveTexte(c, e, aujourdhui);
    f.SansNotes = periode == 4 ? "Pas de notes cette ann\xE9"
                                 "e"
                               : "Pas de notes ce " + std::string(NomPeriode(c.NbPeriodes()));
    if (nbDevoirs == 0) f.PasDeNotes = f.SansNotes;
    for (int m = 1; m <= nm; ++m) {
      TNotesMatiereFiche n;
      n.Matiere = c.Matiere(m).Nom.Texte();
      if (periode == 4) {
        if (NbDevoirsAnnee(c, m) > 0)
          for (int q = 1; q <= c.NbPeriodes(); ++q) n.Lignes.push_back(LignePeriode(c, r, m, q, e));
      } else {
        for (int k = 1; k <= c.NbDevoirs(m, periode); ++k) n.Lignes.push_back(LigneDevoir(c, r, m, periode, k, e));
      }
      f.Notes.push_back(std::move(n));

      TEtatStat etat;
      etat.Fenetre = TFenetreStat::Evolution;
      etat.Matiere = m;
      etat.Periode = periode;
      etat.Eleve = e;
      etat.AvecAnnee = false;
      TGrapheStat g = CalculerStat01(c, etat, o);
      if (g.NbBarre() > 0) g.Caption = c.Matiere(m).Nom.Texte();
      // The line of the class, against which the student's grades are read.
      const double classe = r.Classe(m, periode);
      g.BarreMoy.Valeur = classe;
      g.BarreMoy.Couleur = classe >= o.notemoy ? CouleurVerte : CouleurRouge;
      g.Moy = classe >= 0 && g.NbBarre() > 0;
      f.Graphes.push_back(std::move(g));
    }
    for (const TVueClasse& v : vues) f.Moyennes.push_back(MoyenneFiche(v, r, c, e, periode));
    fiches.push_back(std::move(f));
  }
  return fiches;
}

std::string NomFichierFiches(const std::string& nomClasse, const TClasse& c, int periode) {
  return nomClasse + " - fiches " + NomPeriodeFiche(c, periode) + ".pdf";
}

}  // namespace calevrin
