#pragma once
// The students' ages and the birthdays of the month: the rows of the two dialogs and the
// texts of the command-line tool. Windows-1252; today comes in as a parameter.

#include <array>
#include <string>
#include <vector>

#include "model/classe.h"

namespace calevrin {

// Name, birth date, age.
using TLigneAge = std::array<std::string, 3>;

// "  Elève", "  Né(e) le", "  Age".
const TLigneAge& EnteteAges();

struct TAges {
  std::string Titre;              // "Âge des élèves ( décembre 2026 )"
  std::vector<TLigneAge> Lignes;  // by decreasing age, heading excluded
  std::string Moyenne;            // AgeMoyen
};

// Oldest first; of equal ages the student later in the list first; the students without a
// valid birth date last (" ??" in both columns), from the end of the list towards its start.
TAges ListerAges(const TClasse& c, const TDateJour& aujourdhui = TDateJour::Aujourdhui());

// The heading and the rows, cells joined by TAB, then "Moyenne d'âge de la classe : " and the
// average; every line ended by LF, the last one included.
std::string TexteAges(const TAges& a);

struct TAnniversaires {
  std::string Titre;                // "décembre 2026: Les anniversaires du mois"
  std::vector<std::string> Lignes;  // "Pas d'anniversaire ce mois" when there is none
};

// The students, in list order, whose valid birth date falls in today's month. A birthday on
// 29 February is kept on the 28th in a common year.
TAnniversaires ListerAnniversaires(const TClasse& c, const TDateJour& aujourdhui = TDateJour::Aujourdhui());

// One line each, every line ended by LF, the last one included.
std::string TexteAnniversaires(const TAnniversaires& a);

}  // namespace calevrin
