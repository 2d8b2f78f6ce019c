#include "cli/commandes.h"

#include <cstring>
#include <memory>
#include <ostream>

#include "model/classe.h"
#include "model/cp1252.h"
#include "model/erreurs.h"
#include "model/fichierclasse.h"
#include "model/verification.h"
#include "model/version.h"

namespace calevrin {

namespace {

constexpr const char* Usage =
    "usage : calevrin-cli info FICHIER | check FICHIER... | repair ENTREE SORTIE | --help | --version\n";

constexpr const char* Aide =
    "Outil en ligne de commande des fichiers classe (.cl3).\n"
    "\n"
    "  info FICHIER            classe, année, professeur, élèves, matières et devoirs\n"
    "  check FICHIER...        vérifie chaque fichier ; code 0 s'ils sont tous corrects, 1 sinon\n"
    "  repair ENTREE SORTIE    écrit une copie corrigée (identique si le fichier est correct)\n"
    "  --help                  cette aide\n"
    "  --version               la version du logiciel\n";

// The file's first 76632 bytes as a class; its size comes back for the check.
std::unique_ptr<TClasse> Lire(const std::string& chemin, std::size_t& taille) {
  const std::vector<std::uint8_t> octets = LireFichier(chemin);
  taille = octets.size();
  if (taille < TailleFichierClasse) return nullptr;
  auto image = std::make_unique<TImage>();
  std::memcpy(image->data(), octets.data(), TailleFichierClasse);
  auto c = std::make_unique<TClasse>();
  LireImage(*c, *image);
  c->NomFichier = chemin;
  return c;
}

std::string Texte(std::string_view cp1252) { return Utf8DepuisCp1252(cp1252); }

int Info(const std::string& chemin, std::ostream& out, std::ostream& err) {
  std::size_t taille = 0;
  std::unique_ptr<TClasse> c;
  try {
    c = Lire(chemin, taille);
  } catch (const EErreurClasse& e) {
    err << e.what() << '\n';
    return 1;
  }
  if (!c) {
    err << MsgLecture << '\n';
    return 1;
  }
  const int np = c->NbPeriodes();
  out << "Classe : " << Texte(c->Abreviation.Vue()) << '\n'
      << "Année scolaire : " << Texte(c->AnneeScolaire.Vue()) << '\n'
      << "Professeur : " << Texte(c->Professeur.Vue()) << '\n'
      << "Matière principale : " << Texte(c->MatierePrincipale.Vue()) << '\n'
      << "Élèves : " << c->NbEleves() << '\n'
      << "Périodes : " << np << (np == 2 ? " semestres" : " trimestres") << '\n'
      << "Matières : " << c->NbMatieres() << '\n';
  for (int m = 1; m <= c->NbMatieres(); ++m) {
    out << "  " << m << ". " << Texte(c->Matiere(m).Nom.Vue()) << " (" << Texte(c->Matiere(m).Abrev.Vue())
        << ") : devoirs";
    for (int p = 1; p <= np; ++p) out << (p == 1 ? " " : " / ") << c->NbDevoirs(m, p);
    out << '\n';
  }
  return 0;
}

int Check(const std::vector<std::string>& fichiers, std::ostream& out) {
  int code = 0;
  for (const std::string& chemin : fichiers) {
    std::size_t taille = 0;
    std::unique_ptr<TClasse> c;
    try {
      c = Lire(chemin, taille);
    } catch (const EErreurClasse& e) {
      out << e.what() << '\n';
      code = 1;
      continue;
    }
    if (taille != TailleFichierClasse) {
      out << chemin << " : taille de " << taille << " octets au lieu de " << TailleFichierClasse << '\n';
      code = 1;
    }
    if (!c) continue;
    for (const std::string& defaut : VerifierClasse(*c)) {
      out << chemin << " : " << defaut << '\n';
      code = 1;
    }
  }
  return code;
}

int Repair(const std::string& entree, const std::string& sortie, std::ostream& out, std::ostream& err) {
  std::size_t taille = 0;
  std::unique_ptr<TClasse> c;
  try {
    c = Lire(entree, taille);
    if (!c) {
      err << MsgLecture << '\n';
      return 1;
    }
    const std::size_t defauts = VerifierClasse(*c).size();
    ReparerClasse(*c);
    c->NomFichier = sortie;
    c->Enregistrer();
    out << defauts << (defauts > 1 ? " défauts corrigés" : " défaut corrigé") << '\n';
  } catch (const EErreurClasse& e) {
    err << e.what() << '\n';
    return 1;
  }
  return 0;
}

}  // namespace

int ExecuterCli(const std::vector<std::string>& a, std::ostream& out, std::ostream& err) {
  const auto usage = [&] {
    err << Usage;
    return 2;
  };
  if (a.empty()) return usage();
  const std::string& cmd = a[0];
  if (cmd == "--help" && a.size() == 1) {
    out << Usage << '\n' << Aide;
    return 0;
  }
  if (cmd == "--version" && a.size() == 1) {
    out << TitreVersion() << '\n';
    return 0;
  }
  if (cmd == "info" && a.size() == 2) return Info(a[1], out, err);
  if (cmd == "check" && a.size() >= 2) return Check({a.begin() + 1, a.end()}, out);
  if (cmd == "repair" && a.size() == 3) return Repair(a[1], a[2], out, err);
  return usage();
}

}  // namespace calevrin
