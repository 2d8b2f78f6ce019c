#pragma once
// A test as the test dialogs show it: the four fields of its description in their group, the
// group's title, the list that chooses one test of a view.

#include <QString>
#include <optional>
#include <string>

#include "model/classe.h"
#include "model/options.h"

class QComboBox;
class QGroupBox;
class QLineEdit;
class QWidget;

namespace calevrin {

inline constexpr int CapaciteDate = decltype(TDevoir::Date)::Capacite;
inline constexpr int CapaciteDuree = decltype(TDevoir::Duree)::Capacite;
inline constexpr int CapaciteCoef = 4;
inline constexpr int CapaciteCommentaire = decltype(TDevoir::Commentaire)::Capacite;

struct TChampsDevoir {
  QLineEdit* date = nullptr;
  QLineEdit* duree = nullptr;
  QLineEdit* coef = nullptr;
  QLineEdit* commentaire = nullptr;
};

// Edit1..Edit4 laid out in groupe: date, duration and coefficient on one line, the hint
// aideDate under them when given, the comment below across the group.
TChampsDevoir ChampsDevoir(QGroupBox* groupe, const QString& aideDate = QString());

// Date, duration and comment in Windows-1252, or nullopt after a beep when one cannot be
// stored. The coefficient is read apart, with LireCoef.
struct TTextesDevoir {
  std::string date, duree, commentaire;
};
std::optional<TTextesDevoir> LireTextes(const TChampsDevoir& champs);

// " 4A / Maths / Trim.3 / Devoir 3 ", the title of the group of test k of subject m, period p.
QString TitreGroupeDevoir(const TClasse& c, int m, int p, int k, const TOptions& o);

// "3 - comment", test k's entry in a list of tests.
QString LibelleDevoir(const TClasse& c, int m, int p, int k);

// The list "CB" of the tests of subject m, period p, entry i - 1 for test i.
QComboBox* ListeDevoirs(QWidget* parent, const TClasse& c, int m, int p);

}  // namespace calevrin
