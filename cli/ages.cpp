#include "cli/ages.h"

#include <ostream>

#include "cli/entree.h"
#include "model/ages.h"
#include "model/cp1252.h"

namespace calevrin::cli {

namespace {

// The class's text for the day given (a wrong date is a malformed command).
template <typename TTexte>
int AuJour(const TArguments& a, std::ostream& out, std::ostream& err, TTexte texte) {
  const auto aujourdhui = DateDuJour(a, err);
  if (!aujourdhui) return 2;
  TClasseOuverte entree;
  if (!OuvrirClasse(a, entree, err)) return 1;
  out << Utf8DepuisCp1252(texte(*entree.classe, *aujourdhui));
  return 0;
}

int Ages(const TArguments& a, std::ostream& out, std::ostream& err) {
  return AuJour(a, out, err, [](const TClasse& c, TDateJour d) { return TexteAges(ListerAges(c, d)); });
}

int Anniversaires(const TArguments& a, std::ostream& out, std::ostream& err) {
  return AuJour(a, out, err,
                [](const TClasse& c, TDateJour d) { return TexteAnniversaires(ListerAnniversaires(c, d)); });
}

}  // namespace

const TCommande CommandeAges{
    .nom = "ages",
    .fichiers = "FICHIER",
    .options = {OptionDate, OptionIni},
    .executer = Ages,
    .aide = "  ages FICHIER            les élèves par âge décroissant (tabulations), puis l'âge moyen\n",
};

const TCommande CommandeAnniversaires{
    .nom = "anniversaires",
    .fichiers = "FICHIER",
    .options = {OptionDate, OptionIni},
    .executer = Anniversaires,
    .aide =
        "  anniversaires FICHIER   les anniversaires du mois, une ligne chacun\n"
        "      --date AAAA-MM-JJ   la date du jour à prendre (par défaut aujourd'hui)\n",
};

}  // namespace calevrin::cli
