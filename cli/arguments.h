#pragma once
// The one reading of calevrin-cli's command line: a command is a table entry naming its files,
// its options and the function that runs it; its usage line is written from the same entry.

#include <cstddef>
#include <iosfwd>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace calevrin::cli {

// How an option's value is read; one that does not read makes the command malformed (code 2).
enum class TValeur {
  Aucune,  // a flag standing alone
  Texte,   // the next argument as it is
  Indice,  // "1" to "4" exactly: a subject (4 the summary) or a period (4 the year)
  Entier,  // decimal digits within an int, no sign
};

struct TOption {
  std::string_view nom;
  TValeur valeur = TValeur::Texte;
  std::string_view repere;  // the value's name in the usage line
  bool repetable = false;   // given any number of times, each value kept in order
};

inline constexpr TOption OptionMatiere{"--matiere", TValeur::Indice, "S"};
inline constexpr TOption OptionPeriode{"--periode", TValeur::Indice, "P"};
inline constexpr TOption OptionIni{"--options", TValeur::Texte, "FICHIER.ini"};
inline constexpr TOption OptionDate{"--date", TValeur::Texte, "AAAA-MM-JJ"};

struct TCommande;

// The files in their order and the options given, their values already checked.
class TArguments {
 public:
  std::vector<std::string> fichiers;

  const std::string& Fichier() const { return fichiers.front(); }
  bool A(std::string_view nom) const { return valeurs_.contains(nom) || repetes_.contains(nom); }
  std::optional<std::string> Texte(std::string_view nom) const;
  // The value of an Indice or Entier option.
  std::optional<int> Nombre(std::string_view nom) const;
  // The values of a repeatable Indice or Entier option, in their order.
  std::vector<int> Nombres(std::string_view nom) const;

 private:
  friend std::optional<TArguments> LireArguments(const TCommande& c, std::span<const std::string> a);
  std::map<std::string, std::string, std::less<>> valeurs_;
  std::map<std::string, std::vector<std::string>, std::less<>> repetes_;
};

struct TCommande {
  std::string_view nom = {};
  std::string_view fichiers = {};  // the file arguments as the usage names them
  std::size_t fichiersMin = 1;
  std::size_t fichiersMax = 1;
  std::vector<TOption> options = {};
  int (*executer)(const TArguments& a, std::ostream& sortie, std::ostream& erreurs) = nullptr;
  std::string_view aide = {};  // its lines in --help, each ending with '\n'
  // Malformed arguments print the whole usage rather than this command's line alone.
  bool usageComplet = false;
};

// a[0] is the command's name; then the files and the options in any order, each option once,
// "--" ending the options. A command without options takes every argument as a file, so that
// "info -classe.cl3" needs no "--". nullopt when the arguments do not fit the command.
std::optional<TArguments> LireArguments(const TCommande& c, std::span<const std::string> a);

// "nom FICHIER [--option V]..." as the usage shows the command.
std::string Synopsis(const TCommande& c);

// Every command's synopsis after "usage : calevrin-cli ", short ones sharing a line.
std::string UsageComplet(std::span<const TCommande* const> commandes);

}  // namespace calevrin::cli
