#pragma once
// The in-place editor of a grade or of a test coefficient.

#include <QLineEdit>
#include <functional>

#include "model/classe.h"
#include "model/options.h"

namespace calevrin {

// The editor's report to its sheet: the row (AucuneCellule when cancelled), the column, and
// what stores the entry in the class, for the sheet to run as one change (empty when
// cancelled). Delivered at once, before the key handler returns.
using TEcritureSaisie = std::function<bool(TClasse&)>;
using TRapportSaisie = std::function<void(int ligne, int colonne, const TEcritureSaisie& ecrire)>;

class TEdition : public QLineEdit {
  Q_OBJECT

 public:
  TEdition(const TClasse& classe, TRapportSaisie rapport, const TOptions& o, QWidget* parent);
  // The entry stored and reported as Enter would, when it is a valid one; false otherwise.
  bool Terminer();

  int LigneEdition = 0;
  int ColonneEdition = 0;
  int DerniereTouche = 0;
  // The text shown when the entry began: an untouched coefficient is not read back.
  QString TexteInitial;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // What storing the text typed does; empty when the text may not be stored.
  TEcritureSaisie Ecriture() const;
  const TClasse& classe_;
  TRapportSaisie rapport_;
  const TOptions& options_;
};

}  // namespace calevrin
