#pragma once
// What the class reports of calevrin-cli share: their arguments and the class they read.

#include <cstdint>
#include <initializer_list>
#include <iosfwd>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/classe.h"
#include "model/options.h"

namespace calevrin::cli {

// a[0] is the command; then the file and the options in any order, each option once. An option
// of avecValeur takes the next argument as its value, one of sansValeur stands alone (its
// value is empty). False on anything else, or without a file.
struct TArgumentsCli {
  std::string fichier;
  std::map<std::string, std::string, std::less<>> options;
  bool A(std::string_view nom) const { return options.contains(nom); }
};
bool LireArgumentsCli(const std::vector<std::string>& a, std::initializer_list<std::string_view> avecValeur,
                      std::initializer_list<std::string_view> sansValeur, TArgumentsCli& r);

// The file's first bytes as a class, names as stored, its size in taille (for the check).
// Null when the file is shorter than a class; throws EErreurClasse when it cannot be read.
std::unique_ptr<TClasse> LireClasse(const std::string& chemin, std::uint64_t& taille);

// The class as the sheet opens it (names normalised by the options), the options read from
// the file given when there is one (a missing file is an error, never created). Reports on err
// and returns false when either cannot be read.
struct TClasseOuverte {
  std::unique_ptr<TClasse> classe;
  TOptions options;
};
bool OuvrirClasse(const std::string& chemin, const std::optional<std::string>& options, TClasseOuverte& r,
                  std::ostream& err);
bool OuvrirClasse(const TArgumentsCli& a, TClasseOuverte& r, std::ostream& err);

// The date given by --date as AAAA-MM-JJ, or today without it; nullopt, after a message on
// err, when the text is not a date that exists.
std::optional<TDateJour> DateDuJour(const TArgumentsCli& a, std::ostream& err);

}  // namespace calevrin::cli
