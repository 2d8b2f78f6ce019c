#pragma once
// The dialogs the sheet opens. They live beside it, not below it: the application hands
// them over at start-up, so the sheet depends on nothing but their results.

#include <functional>

class QWidget;

namespace calevrin {

class TClasse;

inline constexpr int ChoixDevoirAnnule = -1789;

struct TDialoguesFeuille {
  // A new test written and counted at the end of the current period: true when confirmed.
  std::function<bool(QWidget*, TClasse&)> ajouterDevoir;
  // A new test inserted before test k; cancelled, the tests stay as they were.
  std::function<bool(QWidget*, TClasse&, int)> insererDevoir;
  // The descriptions of the tests edited: true when something was written.
  std::function<bool(QWidget*, TClasse&)> modifierDevoirs;
  // A test chosen for a command (mode 1 delete, 2 copy, 3 cut, 4 paste before, 5 insert
  // before): its number, or ChoixDevoirAnnule.
  std::function<int(QWidget*, const TClasse&, int)> choisirDevoir;
};

void InstallerDialoguesFeuille(TDialoguesFeuille d);
const TDialoguesFeuille& DialoguesFeuille();

}  // namespace calevrin
