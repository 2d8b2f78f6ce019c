#pragma once
// The students' report pages ("Fiches des élèves"): what each page says, computed once for
// the dialog, its preview, the printer and the command-line tool. The averages, the ranks and
// the graphs are those of the sheet, the ranking and the evolution window, by their own
// functions. Texts are Windows-1252.

#include <string>
#include <vector>

#include "model/classe.h"
#include "model/options.h"
#include "model/statistiques.h"

namespace calevrin {

// What each page holds; every part is on by default.
struct TContenuFiche {
  bool Notes = true;         // "Notes des devoirs"
  bool Moyennes = true;      // "Moyennes et rang"
  bool Graphique = true;     // "Graphique d'évolution"
  bool Appreciation = true;  // "Cadre pour l'appréciation"
  bool operator==(const TContenuFiche&) const = default;
};

// One row of a subject's table: a test of the period, or a period in the year's view.
struct TLigneNotesFiche {
  std::string Numero;
  std::string Date;
  std::string Commentaire;
  std::string Coef;
  std::string Note;           // the grade as typed, or the period's average in the year's view
  std::string MoyenneClasse;  // "?" when nobody has a grade
};

struct TNotesMatiereFiche {
  std::string Matiere;
  std::vector<TLigneNotesFiche> Lignes;  // empty: the subject has no test in the period
};

// The student's figures in one subject (or the synthesis) for the period.
struct TMoyenneFiche {
  std::string Libelle;  // the subject's name, or "Synthèse"
  double Eleve = 0;     // PasDeMoyenne when none
  std::string TexteEleve;
  std::string Classe;  // the class's average, then the lowest and highest student averages
  std::string Basse;
  std::string Haute;
  int Rang = 0;       // 0: not ranked (no average)
  int NbClasses = 0;  // the students who have an average
  bool RangPartage = false;
  std::string TexteRang;  // "3 / 28", "3 ex æquo / 28", or "-"
  int Absences = 0;       // missing grades
};

struct TFicheEleve {
  int Eleve = 0;
  // Header: the class, its year, its teacher and the period; the student.
  std::string Classe;
  std::string AnneeScolaire;
  std::string Professeur;
  std::string Periode;  // "Trimestre 2", "Semestre 1" or "Année"
  std::string Nom;      // full name, first name included
  std::string Naissance;
  std::string Age;
  // "Pas de notes ce Trimestre": in place of a subject's table when it has no test in the
  // period; PasDeNotes is that text in place of all the tables when no subject has one.
  std::string SansNotes;
  std::string PasDeNotes;
  std::vector<TNotesMatiereFiche> Notes;  // one per subject in use
  std::vector<TMoyenneFiche> Moyennes;    // one per subject in use, then the synthesis
  std::vector<TGrapheStat> Graphes;       // one per subject in use
};

// "Trimestre 2", "Semestre 1" (periode 1..NbPeriodes) or "Année" (4).
std::string NomPeriodeFiche(const TClasse& c, int periode);
// The periods a class offers, in the dialog's order: 1..NbPeriodes, then 4 (the year).
std::vector<int> PeriodesFiches(const TClasse& c);

// The pages of the given students (1..NbEleves; others are skipped) for a period 1..3 or 4,
// in their order; all the students when the list is empty. The class's figures (averages,
// ranks) are computed once for all the pages.
std::vector<TFicheEleve> CalculerFiches(const TClasse& c, int periode, const std::vector<int>& eleves,
                                        const TOptions& o, const TDateJour& aujourdhui = TDateJour::Aujourdhui());

// "<nom> - fiches Trimestre 1.pdf": the file proposed for the class's pages.
std::string NomFichierFiches(const std::string& nomClasse, const TClasse& c, int periode);

}  // namespace calevrin
