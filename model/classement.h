#pragma once
// The ranking of the students by their average for one subject and period: the rows of the
// ranking dialog, the text it puts on the clipboard and the text file it writes. The dialog
// and the command-line tool show what these return, so the two never disagree.

#include <array>
#include <string>
#include <vector>

#include "model/classe.h"
#include "model/options.h"

namespace calevrin {

// Rank, name, average, missing grades; Windows-1252.
using TLigneClassement = std::array<std::string, 4>;

// "Rang", "Elève", "Moyenne", "Absence".
const TLigneClassement& EnteteClassement();

struct TClassement {
  std::string Titre;                     // ConstruireTitre of the view, with the year per imprimerAnnee
  std::vector<TLigneClassement> Lignes;  // the data rows, heading excluded
  std::vector<int> Eleves;               // the student of each row; empty for the no-test row
};

// Subject 1..3 or 4 (synthesis), period 1..3 or 4 (year); with sansAbsents a student who
// has a missing grade is left out of the ranking (" n.c.").
// Equal averages share a rank and the next rank skips (1, 2, 2, 4); of equal averages the
// student later in the list comes first. The students without an average follow, from the
// end of the list towards its start. Missing grades are the texts that are not grades in
// the subjects 1..NbMatieres and periods 1..NbPeriodes that the view covers.
// A test view without any test gives the single row "Pas" / "de note ce Trimestre".
TClassement Classer(const TClasse& c, int matiere, int periode, bool sansAbsents, const TOptions& o);

// The clipboard text: the title, then the heading and every row, cells joined by TAB; every
// line ended by CR alone, the last one included.
std::string TexteClassement(const TClassement& r);

// The contents of the ranking's text file: a short header, then one line per row; every line
// ended by CR LF, the last one included.
std::string FichierClassement(const TClassement& r);

}  // namespace calevrin
