#include "cli/nouvelle.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>

#include "model/cp1252.h"
#include "model/erreurs.h"
#include "model/importliste.h"
#include "model/nouvelleclasse.h"

namespace calevrin {

namespace {

struct TArgumentsNouvelle {
  std::string liste;
  std::string classe;
  std::optional<std::string> abreviation;  // UTF-8, as typed
  std::optional<std::string> annee;
};

bool Lire(const std::vector<std::string>& a, TArgumentsNouvelle& r) {
  std::vector<std::string> fichiers;
  for (std::size_t i = 1; i < a.size(); ++i) {
    const std::string& x = a[i];
    if (x == "--abreviation" || x == "--annee") {
      std::optional<std::string>& v = x == "--annee" ? r.annee : r.abreviation;
      if (v || i + 1 >= a.size()) return false;
      v = a[++i];
    } else if (!x.empty() && x[0] != '-') {
      fichiers.push_back(x);
    } else {
      return false;
    }
  }
  if (fichiers.size() != 2) return false;
  r.liste = fichiers[0];
  r.classe = fichiers[1];
  return true;
}

}  // namespace

int Nouvelle(const std::vector<std::string>& a, std::ostream& out, std::ostream& err,
             const std::function<int()>& usage) {
  TArgumentsNouvelle args;
  if (!Lire(a, args)) return usage();
  std::optional<std::string> abreviation;
  std::optional<std::string> annee;
  const auto enCp1252 = [&](const std::optional<std::string>& texte, std::optional<std::string>& r) {
    if (!texte) return true;
    r = Cp1252DepuisUtf8(*texte);
    if (!r) err << "« " << *texte << " » contient un caractère qu'un fichier classe ne peut pas enregistrer.\n";
    return r.has_value();
  };
  if (!enCp1252(args.abreviation, abreviation) || !enCp1252(args.annee, annee)) return 2;

  // A class file holds a year of grades: a command run twice must not replace it.
  std::error_code ec;
  if (std::filesystem::exists(std::filesystem::symlink_status(args.classe, ec))) {
    err << "Le fichier " << args.classe << " existe déjà ; il n'est pas remplacé.\n";
    return 1;
  }

  TListeImportee liste;
  try {
    liste = LireListeEleves(LireFichierListe(args.liste));
  } catch (const EErreurClasse& e) {
    err << e.what() << '\n';
    return 1;
  }
  // A file that is no list at all would bury the terminal under one line per row.
  constexpr std::size_t Detaillees = 20;
  for (std::size_t k = 0; k < std::min(liste.Ignorees.size(), Detaillees); ++k) {
    const TLigneIgnoree& l = liste.Ignorees[k];
    err << args.liste << ", ligne " << l.Ligne << " ignorée : " << l.Raison << " (« " << l.Texte << " »)\n";
  }
  if (const std::size_t reste = liste.Ignorees.size() - std::min(liste.Ignorees.size(), Detaillees); reste > 0)
    err << args.liste << " : " << reste << (reste > 1 ? " autres lignes ignorées\n" : " autre ligne ignorée\n");
  for (const TEleveImporte& e : liste.Eleves)
    if (!e.Remarques.empty()) err << args.liste << ", ligne " << e.Ligne << " : " << e.Remarques << '\n';

  auto c = std::make_unique<TClasse>();
  if (CreerClasse(*c, liste.Saisis(), args.classe, TOptions()) == 0) {
    err << "Il faut au minimum UN élève pour former une classe.\n";
    return 1;
  }
  if (abreviation) c->Abreviation.Affecter(*abreviation);
  if (annee) c->AnneeScolaire.Affecter(*annee);
  try {
    c->Enregistrer();
  } catch (const EErreurClasse& e) {
    err << e.what() << '\n';
    return 1;
  }
  const int n = c->NbEleves();
  const std::size_t i = liste.Ignorees.size();
  out << args.classe << " : " << n << (n > 1 ? " élèves" : " élève");
  if (i > 0) out << ", " << i << (i > 1 ? " lignes ignorées" : " ligne ignorée");
  out << '\n';
  return 0;
}

}  // namespace calevrin
