#pragma once
// TDialAnniversaires: the birthdays of the month of the day given, as ListerAnniversaires gives them.
// Read only.
//
// Widgets carry object names for tests: LB, BoutonOK, BoutonAide.

#include <QDialog>

#include "model/ages.h"
#include "model/classe.h"

namespace calevrin {

class TDialAnniversaires : public QDialog {
  Q_OBJECT
 public:
  static constexpr const char* IdConception = "TDial12";
  TDialAnniversaires(QWidget* parent, const TClasse& classe, const TDateJour& aujourdhui = TDateJour::Aujourdhui());

  const TAnniversaires& Anniversaires() const { return anniversaires_; }

 private:
  TAnniversaires anniversaires_;
};

}  // namespace calevrin
