#include "cli/arguments.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tests/common/cli.h"
#include "tests/common/fichiers.h"
#include "tests/common/tempdir.h"

using namespace calevrin;
using namespace calevrin::cli;
using namespace calevrin::test;
namespace fs = std::filesystem;

namespace {

const TCommande Essai{
    .nom = "essai",
    .fichiers = "A [B]",
    .fichiersMin = 1,
    .fichiersMax = 2,
    .options = {{"--drapeau", TValeur::Aucune, ""},
                {"--indice", TValeur::Indice, "I"},
                {"--entier", TValeur::Entier, "N"},
                {"--texte", TValeur::Texte, "T"}},
};

std::optional<TArguments> Lire(const std::string& ligne) {
  std::vector<std::string> a{"essai"};
  std::istringstream mots(ligne);
  for (std::string m; mots >> m;) a.push_back(m);
  return LireArguments(Essai, a);
}

}  // namespace

TEST(CliArguments, FichiersOptionsEtValeurs) {
  const auto a = Lire("--entier 123 a --drapeau --texte -x -- -b");
  ASSERT_TRUE(a);
  EXPECT_EQ(a->fichiers, (std::vector<std::string>{"a", "-b"}));
  EXPECT_TRUE(a->A("--drapeau") && !a->A("--indice"));
  EXPECT_EQ(a->Nombre("--entier"), 123);
  EXPECT_EQ(a->Texte("--texte"), "-x");  // a value is taken whatever it looks like
  EXPECT_EQ(a->Nombre("--indice"), std::nullopt);
  EXPECT_EQ(Lire("-- -- --drapeau")->fichiers, (std::vector<std::string>{"--", "--drapeau"}));
  EXPECT_EQ(Lire("a --indice 4")->Nombre("--indice"), 4);

  for (const char* faux :
       {"", "a b c", "-a", "a -", "a --inconnue", "a --drapeau --drapeau", "a --texte", "a --indice 0", "a --indice 5",
        "a --indice 01", "a --entier -1", "a --entier 1x", "a --entier 99999999999", "a --entier", "--drapeau --"})
    EXPECT_FALSE(Lire(faux)) << faux;
  EXPECT_EQ(Synopsis(Essai), "essai A [B] [--drapeau] [--indice I] [--entier N] [--texte T]");
}

// Every command takes a file named like an option after "--"; info, check and repair, which
// have no options, take it as it is.
TEST(CliArguments, FichierCommencantParUnTiret) {
  TRepertoireTemp dir;
  const fs::path avant = fs::current_path();
  fs::current_path(dir.Chemin());
  fs::copy_file(Exemple, "-4B.cl3");
  std::ofstream("-liste.csv") << "Nom;Prénom\nDupont;Jean\n";
  for (const std::string commande : {"info", "check", "export", "moyennes", "classement", "ages --date 2026-12-07",
                                     "anniversaires --date 2026-12-07", "statistiques", "evolution", "bilan"}) {
    const TResultat attendu = Commande(commande + " X");
    EXPECT_EQ(attendu.code, 0) << commande;
    EXPECT_EQ(Commande(commande + " -- -4B.cl3"), attendu) << commande;
  }
  EXPECT_EQ(Commande("export -4B.cl3").code, 2);
  EXPECT_EQ(Commande("info -4B.cl3").code, 0);
  EXPECT_EQ(Commande("repair -- -4B.cl3 -copie.cl3").code, 0);
  EXPECT_EQ(Contenu("-copie.cl3"), Contenu(Exemple));
  EXPECT_EQ(Commande("nouvelle --annee 2027 -- -liste.csv -5C.cl3"), (TResultat{0, "-5C.cl3 : 1 élève\n", ""}));
  fs::current_path(avant);
}

// A command missing from --help is a command nobody finds.
TEST(CliArguments, ChaqueCommandeAideeEtDansLUsage) {
  const std::string usage = Commande("inconnue").erreurs;
  const std::string aide = Commande("--help").sortie;
  ASSERT_EQ(aide.rfind(usage, 0), 0u);
  std::size_t n = 0;
  for (std::string_view reste = std::string_view(usage).substr(usage.find("cli ") + 4); !reste.empty(); ++n) {
    const std::string nom(reste.substr(0, reste.find(' ')));
    if (nom[0] != '-') {
      EXPECT_NE(aide.find("\n  " + nom + ' '), std::string::npos) << nom;
    }
    const std::size_t suite = reste.find("| ");
    reste = suite == std::string_view::npos ? std::string_view() : reste.substr(suite + 2);
  }
  EXPECT_EQ(n, 19u);  // the commands, --help and --version
}
