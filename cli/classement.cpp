#include "cli/classement.h"

#include <ostream>

#include "cli/entree.h"
#include "model/classement.h"
#include "model/cp1252.h"

namespace calevrin::cli {

namespace {

std::string Intervalle(int n, const char* singulier, const char* pluriel) {
  return n == 1 ? std::string(singulier) + " 1" : std::string(pluriel) + " 1 \xC3\xA0 " + std::to_string(n);
}

int Classement(const TArguments& a, std::ostream& out, std::ostream& err) {
  TClasseOuverte entree;
  if (!OuvrirClasse(a, entree, err)) return 1;
  const TClasse& c = *entree.classe;
  const int matiere = a.Nombre(OptionMatiere.nom).value_or(c.MatiereCourante());
  const int periode = a.Nombre(OptionPeriode.nom).value_or(c.PeriodeCourante());
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
  out << Utf8DepuisCp1252(TexteClassement(Classer(c, matiere, periode, a.A("--sans-absents"), entree.options)));
  return 0;
}

}  // namespace

const TCommande CommandeClassement{
    .nom = "classement",
    .fichiers = "FICHIER",
    .options = {OptionMatiere, OptionPeriode, {"--sans-absents", TValeur::Aucune, ""}, OptionIni},
    .executer = Classement,
    .aide =
        "  classement FICHIER      le classement des élèves tel que « --> Presse Papier » le copie :\n"
        "                          titre, en-tête et une ligne par élève, champs séparés par des\n"
        "                          tabulations, chaque ligne terminée par un retour chariot (CR)\n"
        "      --matiere S, --periode P   comme pour export ; une matière ou une période que la\n"
        "                          classe n'a pas est refusée (code 2)\n"
        "      --sans-absents      ne pas classer les élèves ayant des absences\n",
};

}  // namespace calevrin::cli
