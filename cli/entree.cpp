#include "cli/entree.h"

#include <filesystem>
#include <fstream>
#include <ostream>

#include "app/options.h"
#include "model/dates.h"
#include "model/edition.h"
#include "model/erreurs.h"
#include "model/fichierclasse.h"
#include "model/verrou.h"

namespace calevrin::cli {

std::unique_ptr<TClasse> LireClasse(const std::string& chemin, std::uint64_t& taille) {
  auto image = std::make_unique<TImage>();
  taille = LireImageFichier(chemin, *image);
  if (taille < TailleFichierClasse) return nullptr;
  auto c = std::make_unique<TClasse>();
  LireImage(*c, *image);
  c->NomFichier = chemin;
  return c;
}

bool OuvrirClasse(const TArguments& a, TClasseOuverte& r, std::ostream& err) {
  const std::string& chemin = a.Fichier();
  const auto options = a.Texte(OptionIni.nom);
  if (options) {
    // The application would create a missing file: here it is a mistake in the command.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(*options, ec) || !std::ifstream(*options)) {
      err << Formater(MsgOuverture, *options) << '\n';
      return false;
    }
    ChargerOptions(r.options, *options, '.');
  }
  std::uint64_t taille = 0;
  try {
    r.classe = LireClasse(chemin, taille);
  } catch (const EErreurClasse& e) {
    err << e.what() << '\n';
    return false;
  }
  if (!r.classe) {
    err << MessageTronque(chemin, taille) << '\n';
    return false;
  }
  NormaliserNoms(*r.classe, r.options);
  return true;
}

namespace {

std::optional<TDateJour> LireDateIso(std::string_view t) {
  if (t.size() != 10 || t[4] != '-' || t[7] != '-') return std::nullopt;
  const auto nombre = [t](std::size_t debut, std::size_t n) {
    int v = 0;
    for (std::size_t i = debut; i < debut + n; ++i) {
      if (t[i] < '0' || t[i] > '9') return -1;
      v = v * 10 + (t[i] - '0');
    }
    return v;
  };
  const TDateJour d{nombre(0, 4), nombre(5, 2), nombre(8, 2)};
  if (d.Annee < 0 || !DateExiste(d.Annee, d.Mois, d.Jour)) return std::nullopt;
  return d;
}

}  // namespace

std::optional<TDateJour> DateDuJour(const TArguments& a, std::ostream& err) {
  const auto texte = a.Texte(OptionDate.nom);
  if (!texte) return TDateJour::Aujourdhui();
  const auto date = LireDateIso(*texte);
  if (!date) err << "Date incorrecte : " << *texte << " (AAAA-MM-JJ attendu)\n";
  return date;
}

bool ClasseLibre(const TArguments& a, const std::string& classe, std::ostream& err) {
  std::string detenteur;
  if (a.A(OptionForce.nom) || !VerrouDetenu(classe, detenteur)) return true;
  err << "La classe " << classe << " est ouverte dans le programme (" << detenteur
      << ") : la fermer d'abord, ou ajouter --force pour l'écrire quand même.\n";
  return false;
}

}  // namespace calevrin::cli
