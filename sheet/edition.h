#pragma once
// The in-place editor of a grade or of a test coefficient.

#include <QLineEdit>
#include <functional>

#include "model/classe.h"
#include "model/options.h"

namespace calevrin {

// The editor's report to its sheet, first parameter the row (255 when cancelled), second
// the column (0 when cancelled). Delivered at once, before the key handler returns.
inline constexpr int MSG_SAISIE = 1024;
using TRapportSaisie = std::function<void(int message, int ligne, int colonne)>;

class TEdition : public QLineEdit {
  Q_OBJECT

 public:
  TEdition(TClasse& classe, TRapportSaisie rapport, const TOptions& o, QWidget* parent);

  int LigneEdition = 0;
  int ColonneEdition = 0;
  int DerniereTouche = 0;
  // The text shown when the entry began: an untouched coefficient is not read back.
  QString TexteInitial;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  bool Valider();
  TClasse& classe_;
  TRapportSaisie rapport_;
  const TOptions& options_;
};

}  // namespace calevrin
