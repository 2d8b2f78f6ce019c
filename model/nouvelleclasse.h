#pragma once
// A new class made from the students collected by the new-class dialog or read from a list.

#include <span>
#include <string>

#include "model/classe.h"
#include "model/options.h"

namespace calevrin {

// One working slot of the new-class dialog; Windows-1252, as typed.
struct TEleveSaisi {
  std::string Nom;
  std::string Prenom;
  std::string DateNaissance;  // ddmmyyyy, or empty
};

// Copies every named slot into students 1, 2, ... in order: a slot left without a name is
// skipped and the next named one takes its place, so that clearing one name never drops the
// students typed after it. A name made of spaces only is no name. At most 45 students;
// texts cut to 20, 20 and 8 characters. Returns the number of students.
int CopierEleves(TClasse& c, std::span<const TEleveSaisi> saisis);

// The whole new class, as the sheet completes it after the dialog: an empty document, the
// students, NomFichier (which gives the abbreviation), NouvelleClasse and the names
// normalised. Returns the number of students; with none the class is not worth keeping.
int CreerClasse(TClasse& c, std::span<const TEleveSaisi> saisis, const std::string& nomFichier, const TOptions& o,
                const TDateJour& aujourdhui = TDateJour::Aujourdhui());

}  // namespace calevrin
