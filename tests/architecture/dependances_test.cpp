// The folders of the program depend on one another in one direction only. The build would
// accept a wrong include as long as the library links, so the includes themselves are read.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "tests/common/tempdir.h"

namespace {

namespace fs = std::filesystem;

struct TInclusion {
  std::string Fichier;  // "model/moyennes.cpp"
  std::string Inclus;   // "app/options.h"
  bool Chevrons = false;
};

// What each folder may use besides itself: whole folders, and single headers of others.
struct TRegle {
  std::set<std::string> dossiers = {};
  std::set<std::string> entetes = {};
  bool operator==(const TRegle&) const = default;
};
using TTable = std::map<std::string, TRegle>;

std::string Dossier(const std::string& chemin) { return chemin.substr(0, chemin.find('/')); }

const TTable& Permis() {
  static const TTable permis = {
      {"fichiers", {}},
      {"model", {{"fichiers"}}},
      {"platform", {{"fichiers"}}},
      {"document", {{"model", "fichiers"}}},
      {"controls", {{"platform", "fichiers"}}},
      // the print dialog draws a copy of a graph or table; the report pages draw the model's figures
      {"print", {{"controls", "platform", "model", "fichiers"}}},
      {"classeur", {{"model", "fichiers"}}},
      {"sheet", {{"controls", "print", "platform", "document", "model", "fichiers"}}},
      {"dialogs", {{"controls", "print", "platform", "document", "model", "fichiers"}}},
      {"stats", {{"controls", "print", "platform", "document", "model", "fichiers"}}},
      {"app",
       {{"sheet", "dialogs", "stats", "classeur", "controls", "print", "platform", "document", "model", "fichiers"}}},
      // The tool reads the configuration with the program's own Qt-free reader and prints the
      // sheet through the sheet's painter.
      {"cli",
       {{"model", "classeur", "print", "controls", "platform", "fichiers"}, {"app/options.h", "sheet/peintre.h"}}},
      {"examples", {{"model", "fichiers"}}},
      {"help", {}},
      {"packaging", {}},
  };
  return permis;
}

// Code outside the program's layers: it may include anything, but in the same forms.
const std::set<std::string> HorsCouches = {"tests", "bench"};

std::vector<std::string> Violations(const std::vector<TInclusion>& inclusions) {
  const TTable& permis = Permis();
  std::vector<std::string> fautes;
  for (const TInclusion& i : inclusions) {
    const std::string de = Dossier(i.Fichier);
    const std::string vers = Dossier(i.Inclus);
    const bool projet = permis.contains(vers) || HorsCouches.contains(vers);
    if (i.Inclus.find("..") != std::string::npos) {
      fautes.push_back(i.Fichier + " inclut " + i.Inclus + " par un chemin relatif");
      continue;
    }
    if (i.Chevrons) {
      if (projet && i.Inclus.find('/') != std::string::npos)
        fautes.push_back(i.Fichier + " inclut <" + i.Inclus + "> : un en-tête du projet s'écrit entre guillemets");
      continue;
    }
    const auto regle = permis.find(de);
    if (regle == permis.end() || !projet || de == vers) continue;
    if (regle->second.dossiers.contains(vers) || regle->second.entetes.contains(i.Inclus)) continue;
    fautes.push_back(i.Fichier + " inclut " + i.Inclus);
  }
  return fautes;
}

bool EstDuCode(const fs::path& p) {
  const std::string ext = p.extension().string();
  return ext == ".cpp" || ext == ".h";
}

// Top folders holding code, build trees and hidden folders left aside.
std::vector<std::string> DossiersDeCode(const fs::path& racine) {
  std::vector<std::string> r;
  for (const auto& d : fs::directory_iterator(racine)) {
    const std::string nom = d.path().filename().string();
    if (!d.is_directory() || nom.starts_with('.') || fs::exists(d.path() / "CMakeCache.txt")) continue;
    for (const auto& f : fs::recursive_directory_iterator(d.path()))
      if (EstDuCode(f.path())) {
        r.push_back(nom);
        break;
      }
  }
  return r;
}

std::vector<std::string> DossiersHorsTable(const fs::path& racine) {
  std::vector<std::string> r;
  for (const std::string& d : DossiersDeCode(racine))
    if (!Permis().contains(d) && !HorsCouches.contains(d)) r.push_back(d);
  return r;
}

std::vector<TInclusion> InclusionsDuCode(const fs::path& racine) {
  const std::regex include(R"re(^\s*#\s*include\s*([<"])([^>"]+)[>"])re");
  std::vector<TInclusion> r;
  for (const std::string& dossier : DossiersDeCode(racine)) {
    for (const auto& f : fs::recursive_directory_iterator(racine / dossier)) {
      if (!EstDuCode(f.path())) continue;
      std::ifstream in(f.path());
      std::string ligne;
      std::smatch m;
      while (std::getline(in, ligne))
        if (std::regex_search(ligne, m, include))
          r.push_back({fs::relative(f.path(), racine).generic_string(), m[2].str(), m[1] == "<"});
    }
  }
  return r;
}

// The README's table: the folders of the first column, and those and the headers named in
// backquotes in the last.
TTable TableDuReadme(const fs::path& readme) {
  std::ifstream in(readme);
  const std::regex cite("`([a-z]+/[^`]*)`");
  TTable table;
  bool dedans = false;
  for (std::string ligne; std::getline(in, ligne);) {
    if (ligne.starts_with("| folder |")) dedans = true;
    if (!dedans) continue;
    if (!ligne.starts_with('|')) break;
    const std::size_t fin1 = ligne.find('|', 1);
    const std::size_t debut3 = ligne.rfind('|', ligne.size() - 2);
    std::set<std::string> dossiers;
    TRegle regle;
    const std::string col1 = ligne.substr(1, fin1 - 1);
    const std::string col3 = ligne.substr(debut3 + 1);
    for (std::sregex_iterator i(col1.begin(), col1.end(), cite), fin; i != fin; ++i)
      dossiers.insert(Dossier((*i)[1].str()));
    for (std::sregex_iterator i(col3.begin(), col3.end(), cite), fin; i != fin; ++i) {
      const std::string nom = (*i)[1].str();
      if (nom.ends_with('/'))
        regle.dossiers.insert(Dossier(nom));
      else
        regle.entetes.insert(nom);
    }
    for (const std::string& d : dossiers) table[d] = regle;
  }
  return table;
}

}  // namespace

TEST(Dependances, UneInclusionInterditeEstVue) {
  const std::vector<std::string> fautes = Violations({
      {"model/moyennes.cpp", "app/options.h"},         // the bottom knows nothing above it
      {"model/moyennes.cpp", "platform/texte.h"},      // nor its neighbour
      {"platform/profil.cpp", "model/alertes.h"},      // the model and platform/ neither way
      {"fichiers/ecriture.cpp", "model/erreurs.h"},    // the very bottom knows no one
      {"platform/profil.cpp", "fichiers/ecriture.h"},  // allowed: everyone writes through it
      {"sheet/feuille.cpp", "dialogs/composants.h"},   // windows never over each other
      {"stats/stat01.cpp", "sheet/peintre.h"},
      {"cli/entree.cpp", "app/options.h"},  // allowed: the Qt-free reader
      {"cli/pdf.cpp", "dialogs/composants.h"},
      {"app/fenetreprincipale.cpp", "sheet/feuille.h"},  // allowed: the top
      {"document/documentclasse.cpp", "model/edition.h"},
      {"sheet/feuille.cpp", "../model/edition.h"},
      {"tests/x_test.cpp", "model/../app/options.h"},
      {"sheet/feuille.cpp", "model/edition.h", true},
      {"bench/x_bench.cpp", "tests/common/cli.h", true},
      {"sheet/feuille.cpp", "QWidget", true},  // allowed: not ours
      {"model/moyennes.cpp", "sys/stat.h", true},
  });
  EXPECT_EQ(fautes, (std::vector<std::string>{
                        "model/moyennes.cpp inclut app/options.h",
                        "model/moyennes.cpp inclut platform/texte.h",
                        "platform/profil.cpp inclut model/alertes.h",
                        "fichiers/ecriture.cpp inclut model/erreurs.h",
                        "sheet/feuille.cpp inclut dialogs/composants.h",
                        "stats/stat01.cpp inclut sheet/peintre.h",
                        "cli/pdf.cpp inclut dialogs/composants.h",
                        "sheet/feuille.cpp inclut ../model/edition.h par un chemin relatif",
                        "tests/x_test.cpp inclut model/../app/options.h par un chemin relatif",
                        "sheet/feuille.cpp inclut <model/edition.h> : un en-tête du projet s'écrit entre guillemets",
                        "bench/x_bench.cpp inclut <tests/common/cli.h> : un en-tête du projet s'écrit entre guillemets",
                    }));
}

TEST(Dependances, UnDossierHorsDeLaTableEstVu) {
  calevrin::test::TRepertoireTemp dir;
  for (const char* f : {"model/a.h", "nouveau/sous/b.cpp", "docs/c.png", "build/CMakeCache.txt", "build/moc.cpp",
                        ".cache/d.h", "tests/e.cpp"}) {
    fs::create_directories((dir.Chemin() / f).parent_path());
    std::ofstream(dir.Chemin() / f) << "\n";
  }
  EXPECT_EQ(DossiersHorsTable(dir.Chemin()), std::vector<std::string>{"nouveau"});
}

TEST(Dependances, LeCodeRespecteLesCouches) {
  EXPECT_EQ(DossiersHorsTable(CALEVRIN_SOURCE_DIR), std::vector<std::string>{});
  const std::vector<TInclusion> inclusions = InclusionsDuCode(CALEVRIN_SOURCE_DIR);
  ASSERT_GT(inclusions.size(), 100u);  // the tree was found
  const std::vector<std::string> fautes = Violations(inclusions);
  std::string liste;
  for (const std::string& f : fautes) liste += f + "\n";
  EXPECT_TRUE(fautes.empty()) << liste;
}

TEST(Dependances, LeReadmeDitLaMemeTable) {
  const TTable readme = TableDuReadme(fs::path(CALEVRIN_SOURCE_DIR) / "README.md");
  ASSERT_FALSE(readme.empty());
  for (const auto& [dossier, regle] : Permis()) {
    const auto ligne = readme.find(dossier);
    if (ligne == readme.end()) {
      ADD_FAILURE() << dossier << "/ manque au README";
      continue;
    }
    EXPECT_EQ(ligne->second.dossiers, regle.dossiers) << dossier;
    EXPECT_EQ(ligne->second.entetes, regle.entetes) << dossier;
  }
  for (const auto& [dossier, _] : readme) EXPECT_TRUE(Permis().contains(dossier)) << dossier << "/ absent du test";
}
