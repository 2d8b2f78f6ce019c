#include "cli/classeur.h"

#include <ostream>

#include "classeur/classeur.h"
#include "cli/entree.h"
#include "model/erreurs.h"

namespace calevrin::cli {

namespace {

int Classeur(const TArguments& a, std::ostream&, std::ostream& err) {
  TClasseOuverte entree;
  if (!OuvrirClasse(a, entree, err)) return 1;
  try {
    EcrireClasseur(*entree.classe, a.fichiers[1], entree.options);
  } catch (const EErreurClasse& e) {
    err << e.what() << '\n';
    return 1;
  }
  return 0;
}

}  // namespace

const TCommande CommandeClasseur{
    .nom = "classeur",
    .fichiers = "FICHIER SORTIE.xlsx",
    .fichiersMin = 2,
    .fichiersMax = 2,
    .options = {OptionIni},
    .executer = Classeur,
    .aide =
        "  classeur FICHIER SORTIE toute la classe dans le classeur SORTIE (.xlsx) : une feuille par\n"
        "                          matière et période, par matière pour l'année, et les synthèses ;\n"
        "                          --options F.ini pour la note moyenne et la table des lettres\n",
};

}  // namespace calevrin::cli
