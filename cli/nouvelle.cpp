#include "cli/nouvelle.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>

#include "cli/entree.h"
#include "fichiers/ecriture.h"
#include "model/cp1252.h"
#include "model/erreurs.h"
#include "model/fichierclasse.h"
#include "model/importliste.h"
#include "model/nouvelleclasse.h"

namespace calevrin::cli {

namespace {

int Nouvelle(const TArguments& a, std::ostream& out, std::ostream& err) {
  const std::string& fichierListe = a.fichiers[0];
  const std::string& fichierClasse = a.fichiers[1];
  std::optional<std::string> abreviation;
  std::optional<std::string> annee;
  const auto enCp1252 = [&](const std::optional<std::string>& texte, std::optional<std::string>& r) {
    if (!texte) return true;
    r = Cp1252DepuisUtf8(*texte);
    if (!r) err << "« " << *texte << " » contient un caractère qu'un fichier classe ne peut pas enregistrer.\n";
    return r.has_value();
  };
  if (!enCp1252(a.Texte("--abreviation"), abreviation) || !enCp1252(a.Texte("--annee"), annee)) return 2;

  if (!ClasseLibre(a, fichierClasse, err)) return 1;
  // A class file holds a year of grades: a command run twice must not replace it.
  std::error_code ec;
  if (std::filesystem::exists(std::filesystem::symlink_status(fichierClasse, ec))) {
    err << Formater(MsgExisteDeja, fichierClasse) << '\n';
    return 1;
  }

  TListeImportee liste;
  try {
    liste = LireListeEleves(LireFichierListe(fichierListe));
  } catch (const EErreurClasse& e) {
    err << e.what() << '\n';
    return 1;
  }
  // A file that is no list at all would bury the terminal under one line per row.
  constexpr std::size_t Detaillees = 20;
  for (std::size_t k = 0; k < std::min(liste.Ignorees.size(), Detaillees); ++k) {
    const TLigneIgnoree& l = liste.Ignorees[k];
    err << fichierListe << ", ligne " << l.Ligne << " ignorée : " << l.Raison << " (« " << l.Texte << " »)\n";
  }
  if (const std::size_t reste = liste.Ignorees.size() - std::min(liste.Ignorees.size(), Detaillees); reste > 0)
    err << fichierListe << " : " << reste << (reste > 1 ? " autres lignes ignorées\n" : " autre ligne ignorée\n");
  for (const TEleveImporte& e : liste.Eleves)
    if (!e.Remarques.empty()) err << fichierListe << ", ligne " << e.Ligne << " : " << e.Remarques << '\n';

  auto c = std::make_unique<TClasse>();
  if (CreerClasse(*c, liste.Saisis(), fichierClasse, TOptions()) == 0) {
    err << "Il faut au minimum UN élève pour former une classe.\n";
    return 1;
  }
  if (abreviation) c->Abreviation.Affecter(*abreviation);
  if (annee) c->AnneeScolaire.Affecter(*annee);
  try {
    // Created, never replaced: a class that appeared since the check above stays as it is.
    auto image = std::make_unique<TImage>();
    EcrireImage(*c, *image);
    EcrireFichierAtomique(fichierClasse, image->data(), image->size(), TModeEcriture{.exclusif = true});
  } catch (const EErreurClasse& e) {
    err << e.what() << '\n';
    return 1;
  }
  const int n = c->NbEleves();
  const std::size_t i = liste.Ignorees.size();
  out << fichierClasse << " : " << n << (n > 1 ? " élèves" : " élève");
  if (i > 0) out << ", " << i << (i > 1 ? " lignes ignorées" : " ligne ignorée");
  out << '\n';
  return 0;
}

}  // namespace

const TCommande CommandeNouvelle{
    .nom = "nouvelle",
    .fichiers = "LISTE CLASSE.cl3",
    .fichiersMin = 2,
    .fichiersMax = 2,
    .options = {{"--abreviation", TValeur::Texte, "ABR"}, {"--annee", TValeur::Texte, "ANNEE"}, OptionForce},
    .executer = Nouvelle,
    .aide =
        "  nouvelle LISTE CLASSE   crée la classe CLASSE (qui ne doit pas exister) avec les élèves\n"
        "                          de LISTE : fichier CSV ou TSV, une colonne de noms, une de prénoms,\n"
        "                          une de dates de naissance facultative ; les lignes écartées et\n"
        "                          leur raison sont écrites sur la sortie d'erreur\n"
        "      --abreviation ABR   abréviation de la classe (par défaut tirée du nom de CLASSE)\n"
        "      --annee ANNEE       année scolaire (par défaut l'année en cours)\n"
        "      --force             même si CLASSE est ouverte dans le programme\n",
    .usageComplet = true,
};

}  // namespace calevrin::cli
