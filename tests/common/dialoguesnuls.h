#pragma once
// Dialogs a sheet under test opens: each records its name and does what the test put in
// effets under that name (by default nothing: cancelled).

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "sheet/dialoguesfeuille.h"

namespace calevrin::test {

class TDialoguesNuls : public TDialoguesFeuille {
 public:
  bool AjouterDevoir(QWidget*, TClasse& c) override { return Jouer("AjouterDevoir", c); }
  bool InsererDevoir(QWidget*, TClasse& c, int) override { return Jouer("InsererDevoir", c); }
  bool ModifierDevoirs(QWidget*, TClasse& c) override { return Jouer("ModifierDevoirs", c); }
  bool ImporterNotes(QWidget*, TClasse& c) override { return Jouer("ImporterNotes", c); }
  int ChoisirDevoir(QWidget*, const TClasse&, TModeChoixDevoir) override { return choix; }
  bool AjouterEleve(QWidget*, TClasse& c) override { return Jouer("AjouterEleve", c); }
  bool InsererEleve(QWidget*, TClasse& c) override { return Jouer("InsererEleve", c); }
  bool ModifierEleves(QWidget*, TClasse& c) override { return Jouer("ModifierEleves", c); }
  bool SupprimerEleve(QWidget*, TClasse& c) override { return Jouer("SupprimerEleve", c); }
  bool ModifierParametres(QWidget*, TClasse& c) override { return Jouer("ModifierParametres", c); }
  bool ModifierMatieres(QWidget*, TClasse& c) override { return Jouer("ModifierMatieres", c); }
  bool ModifierCoefficients(QWidget*, TClasse& c) override { return Jouer("ModifierCoefficients", c); }
  void Classement(QWidget*, const TClasse&) override { ouverts.push_back("Classement"); }
  void Ages(QWidget*, const TClasse&) override { ouverts.push_back("Ages"); }
  void Anniversaires(QWidget*, const TClasse&) override { ouverts.push_back("Anniversaires"); }
  void FichesEleves(QWidget*, const TClasse&) override { ouverts.push_back("FichesEleves"); }
  // The windows asked for, none opened.
  void OuvrirStatistiques(QWidget*, TDocumentClasse&, const std::vector<TFenetreStat>& f) override {
    statistiques.insert(statistiques.end(), f.begin(), f.end());
  }

  std::map<std::string, std::function<bool(TClasse&)>> effets;  // true: the class was changed
  int choix = ChoixAnnule;                                      // the test chosen for a command
  std::vector<std::string> ouverts;
  std::vector<TFenetreStat> statistiques;

 private:
  bool Jouer(const std::string& nom, TClasse& c) {
    ouverts.push_back(nom);
    const auto it = effets.find(nom);
    return it != effets.end() && it->second(c);
  }
};

}  // namespace calevrin::test
