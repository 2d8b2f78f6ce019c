#pragma once
// The fields of one student (name, first name, birth date) and the list of the students, as
// the new-class and student dialogs share them.
// Object names: the fields as given, the list "CB".

#include <QString>
#include <optional>
#include <string>
#include <string_view>

#include "model/nouvelleclasse.h"

class QComboBox;
class QFormLayout;
class QLineEdit;
class QWidget;

namespace calevrin {

class TClasse;

inline constexpr int CapaciteNomEleve = 20;
inline constexpr int CapaciteDateNaissance = 8;

struct TChampsEleve {
  QLineEdit* nom = nullptr;
  QLineEdit* prenom = nullptr;
  QLineEdit* date = nullptr;

  // The three texts in Windows-1252; nullopt after a beep when one cannot be stored.
  std::optional<TEleveSaisi> Lire() const;
  void Afficher(const TEleveSaisi& e) const;
  void Afficher(const TClasse& c, int e) const;
  bool Vide() const;  // no name
};

// The three rows "Nom :", "Prénom :" and the date's label, its hint under the date field.
TChampsEleve ChampsEleve(QWidget* parent, QFormLayout* grille, const char* noms[3], const QString& libelleDate,
                         const QString& indication);

// "i - Nom Prénom" for every student, the first one selected; choosing only.
QComboBox* ListeEleves(QWidget* parent, const TClasse& c);
QString TexteEleve(const TClasse& c, int e);

// "Titre ( Abreviation )".
QString TitreClasse(const QString& titre, const TClasse& c);

}  // namespace calevrin

namespace calevrin {
// A name of spaces only is no name: the new class would drop that student.
inline bool SansNom(std::string_view nom) { return nom.find_first_not_of(' ') == std::string_view::npos; }

// The two information messages of the student dialogs.
void MessageNomObligatoire();
void ConseilDateNaissance();
}  // namespace calevrin
