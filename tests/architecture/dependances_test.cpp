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

namespace {

namespace fs = std::filesystem;

struct TInclusion {
  std::string Fichier;  // "model/moyennes.cpp"
  std::string Inclus;   // "app/options.h"
};

std::string Dossier(const std::string& chemin) { return chemin.substr(0, chemin.find('/')); }

// What each folder may include besides itself.
const std::map<std::string, std::set<std::string>>& Permis() {
  static const std::map<std::string, std::set<std::string>> permis = {
      {"model", {}},
      {"classeur", {"model"}},
      {"platform", {"model"}},  // the file writer and reader, and the alerts they raise
      {"document", {"model"}},
      {"controls", {"platform"}},
      {"print", {"controls", "platform"}},  // the print dialog draws a copy of a graph or table
      {"sheet", {"controls", "print", "platform", "document", "model"}},
      {"dialogs", {"controls", "print", "platform", "document", "model"}},
      {"stats", {"controls", "print", "platform", "document", "model"}},
      {"app", {"sheet", "dialogs", "stats", "controls", "print", "platform", "document", "model", "classeur"}},
      {"cli", {"model", "classeur"}},
      {"examples", {"model"}},
  };
  return permis;
}

// The command-line tool reads the configuration with the program's own Qt-free reader and
// prints the sheet through the sheet's painter.
const std::set<std::string> ExceptionsCli = {"app/options.h", "sheet/peintre.h", "platform/canevasqt.h",
                                             "platform/imprimantes.h"};

std::vector<std::string> Violations(const std::vector<TInclusion>& inclusions) {
  std::vector<std::string> fautes;
  for (const TInclusion& i : inclusions) {
    const std::string de = Dossier(i.Fichier);
    const std::string vers = Dossier(i.Inclus);
    const auto regle = Permis().find(de);
    if (regle == Permis().end() || !Permis().contains(vers) || de == vers) continue;
    if (regle->second.contains(vers)) continue;
    if (de == "cli" && ExceptionsCli.contains(i.Inclus)) continue;
    fautes.push_back(i.Fichier + " inclut " + i.Inclus);
  }
  return fautes;
}

std::vector<TInclusion> InclusionsDuCode(const fs::path& racine) {
  const std::regex include(R"re(^\s*#\s*include\s*"([a-z]+/[^"]+)")re");
  std::vector<TInclusion> r;
  for (const auto& [dossier, _] : Permis()) {
    if (!fs::is_directory(racine / dossier)) continue;
    for (const auto& f : fs::recursive_directory_iterator(racine / dossier)) {
      const std::string ext = f.path().extension().string();
      if (ext != ".cpp" && ext != ".h") continue;
      std::ifstream in(f.path());
      std::string ligne;
      std::smatch m;
      while (std::getline(in, ligne))
        if (std::regex_search(ligne, m, include))
          r.push_back({fs::relative(f.path(), racine).generic_string(), m[1].str()});
    }
  }
  return r;
}

}  // namespace

TEST(Dependances, UneInclusionInterditeEstVue) {
  const std::vector<std::string> fautes = Violations({
      {"model/moyennes.cpp", "app/options.h"},        // the bottom knows nothing above it
      {"model/moyennes.cpp", "platform/texte.h"},     // nor its neighbour
      {"sheet/feuille.cpp", "dialogs/composants.h"},  // windows never over each other
      {"stats/stat01.cpp", "sheet/peintre.h"},
      {"cli/entree.cpp", "app/options.h"},  // allowed: the Qt-free reader
      {"cli/pdf.cpp", "dialogs/composants.h"},
      {"app/fenetreprincipale.cpp", "sheet/feuille.h"},  // allowed: the top
      {"document/documentclasse.cpp", "model/edition.h"},
  });
  EXPECT_EQ(fautes, (std::vector<std::string>{
                        "model/moyennes.cpp inclut app/options.h", "model/moyennes.cpp inclut platform/texte.h",
                        "sheet/feuille.cpp inclut dialogs/composants.h", "stats/stat01.cpp inclut sheet/peintre.h",
                        "cli/pdf.cpp inclut dialogs/composants.h"}));
}

TEST(Dependances, LeCodeRespecteLesCouches) {
  const std::vector<TInclusion> inclusions = InclusionsDuCode(CALEVRIN_SOURCE_DIR);
  ASSERT_GT(inclusions.size(), 100u);  // the tree was found
  const std::vector<std::string> fautes = Violations(inclusions);
  std::string liste;
  for (const std::string& f : fautes) liste += f + "\n";
  EXPECT_TRUE(fautes.empty()) << liste;
}
