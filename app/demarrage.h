#pragma once
// The program's entry: process-wide values, the file association, the command line.

#include <QString>
#include <functional>
#include <memory>
#include <string>

#include "platform/chemins.h"

namespace calevrin {

struct TValeursProgramme {
  std::string TitreVersion;         // "Calevrin 3.0"
  std::string RepertoireProgramme;  // with its trailing "/"
};
extern TValeursProgramme Programme;

void FixerValeursProgramme();

// Asks the question and answers true for Yes.
using TDemande = std::function<bool(const QString& question)>;

QString QuestionAssociation(const std::string& ext, const std::string& programme);

// Makes sure files with the extension ext (".cl3") open with programme, asking first.
void VerifierAssociation(const std::string& ext, const plateforme::TRepertoiresXdg& xdg, const std::string& programme,
                         const TDemande& demander);

// The class file named in the raw command line, if any (nbParametres: arguments after
// the program's own path).
bool FichierDeLaLigneDeCommande(const std::string& ext, int nbParametres, const std::string& ligne,
                                std::string& chemin);

class TFenetrePrincipale;

// All the program does before its event loop, under a running QApplication: the toolkit in
// French, the alerts, the file association, the main window shown, the recovery copies offered
// and the class of the command line opened. The benchmarks start the program through it.
std::unique_ptr<TFenetrePrincipale> OuvrirProgramme(int argc, char** argv);

int Demarrer(int argc, char** argv);

}  // namespace calevrin
