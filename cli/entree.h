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

// "--force": write a class even while a running program holds it.
inline constexpr TOption OptionForce{"--force", TValeur::Aucune, ""};
// False, after a message on err naming the holder, when a running program holds the class
// that the command would write and --force was not given: its next save would undo the
// command's work, or the command its.
bool ClasseLibre(const TArguments& a, const std::string& classe, std::ostream& err);

// The date given by --date as AAAA-MM-JJ, or today without it; nullopt, after a message on
// err, when the text is not a date that exists.
std::optional<TDateJour> DateDuJour(const TArguments& a, std::ostream& err);

}  // namespace calevrin::cli
