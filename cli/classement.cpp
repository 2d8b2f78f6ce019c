#include "cli/classement.h"

#include <ostream>

#include "cli/entree.h"
#include "model/classement.h"
#include "model/cp1252.h"

namespace calevrin {

namespace {

constexpr const char* Usage =
    "usage : calevrin-cli classement FICHIER [--matiere S] [--periode P] [--sans-absents] [--options FICHIER.ini]\n";

// "1".."4" exactly.
int Indice(const std::string& texte) {
  return texte.size() == 1 && texte[0] >= '1' && texte[0] <= '4' ? texte[0] - '0' : 0;
}

std::string Intervalle(int n, const char* singulier, const char* pluriel) {
  return n == 1 ? std::string(singulier) + " 1" : std::string(pluriel) + " 1 \xC3\xA0 " + std::to_string(n);
}

}  // namespace

int CliClassement(const std::vector<std::string>& a, std::ostream& out, std::ostream& err) {
  cli::TArgumentsCli args;
  if (!cli::LireArgumentsCli(a, {"--matiere", "--periode", "--options"}, {"--sans-absents"}, args)) {
    err << Usage;
    return 2;
  }
  int matiere = 0;
  int periode = 0;
  for (const auto& [nom, indice] : {std::pair{"--matiere", &matiere}, std::pair{"--periode", &periode}})
    if (args.A(nom) && (*indice = Indice(args.options.find(nom)->second)) == 0) {
      err << Usage;
      return 2;
    }

  cli::TClasseOuverte entree;
  if (!cli::OuvrirClasse(args, entree, err)) return 1;
  const TClasse& c = *entree.classe;
  if (matiere == 0) matiere = c.MatiereCourante();
  if (periode == 0) periode = c.PeriodeCourante();
  // The dialog offers only the subjects and periods the class uses.
  if (matiere != 4 && matiere > c.NbMatieres()) {
    err << "La mati\xC3\xA8re " << matiere << " n'existe pas dans cette classe ("
        << Intervalle(c.NbMatieres(), "mati\xC3\xA8re", "mati\xC3\xA8res") << ", 4 pour la synth\xC3\xA8se).\n";
    return 2;
  }
  if (periode != 4 && periode > c.NbPeriodes()) {
    const bool semestres = c.NbPeriodes() == 2;
    err << "La p\xC3\xA9riode " << periode << " n'existe pas dans cette classe ("
        << Intervalle(c.NbPeriodes(), semestres ? "semestre" : "trimestre", semestres ? "semestres" : "trimestres")
        << ", 4 pour l'ann\xC3\xA9"
           "e).\n";
    return 2;
  }
  out << Utf8DepuisCp1252(TexteClassement(Classer(c, matiere, periode, args.A("--sans-absents"), entree.options)));
  return 0;
}

}  // namespace calevrin
