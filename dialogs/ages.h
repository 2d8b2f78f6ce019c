#pragma once
// TDialAges: the students by decreasing age with their birth date, and the class's average age,
// as ListerAges gives them for the day given. Read only.
//
// Widgets carry object names for tests: ST, Moyenne, BoutonOK, BoutonAide.

#include <QDialog>

#include "model/ages.h"
#include "model/classe.h"

namespace calevrin {

class TDialAges : public QDialog {
  Q_OBJECT
 public:
  static constexpr const char* IdConception = "TDial11";
  TDialAges(QWidget* parent, const TClasse& classe, const TDateJour& aujourdhui = TDateJour::Aujourdhui());

  const TAges& Ages() const { return ages_; }

 private:
  TAges ages_;
};

}  // namespace calevrin
