#pragma once
// What calevrin-cli's commands share: the class they read, its options and the date.

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

#include "cli/arguments.h"
#include "model/classe.h"
#include "model/options.h"

namespace calevrin::cli {

// The file's first bytes as a class, names as stored, its size in taille (for the check).
// Null when the file is shorter than a class; throws EErreurClasse when it cannot be read.
std::unique_ptr<TClasse> LireClasse(const std::string& chemin, std::uint64_t& taille);

// The class of the command's file as the sheet opens it (names normalised by the options), the
// options read from the file given by --options when there is one (a missing file is an error, never created). Reports
// on err and returns false when either cannot be read.
struct TClasseOuverte {
  std::unique_ptr<TClasse> classe;
  TOptions options;
};
bool OuvrirClasse(const TArguments& a, TClasseOuverte& r, std::ostream& err);

// The date given by --date as AAAA-MM-JJ, or today without it; nullopt, after a message on
// err, when the text is not a date that exists.
std::optional<TDateJour> DateDuJour(const TArguments& a, std::ostream& err);

}  // namespace calevrin::cli
