#pragma once
// The full report: every average of the class, or of one student, for each subject and the
// synthesis, period by period and over the year, in one table.

#include "controls/vues.h"
#include "print/controlesstat.h"
#include "stats/fenetrestatistique.h"

class QComboBox;

namespace calevrin {

class TStatBilan : public TFenetreStatistique {
  Q_OBJECT

 public:
  static constexpr const char* IdConception = "TStat04";
  explicit TStatBilan(TDocumentClasse& document, const TOptions& o, QWidget* parent = nullptr);

  controles::TTableau& T() { return vue_->Tableau(); }
  const controles::TTableau& T() const { return vue_->Tableau(); }
  controles::TVueTableau* VueTableau() const { return vue_; }
  QComboBox* Liste() const { return cb_; }
  void Imprimer() override;

 protected:
  void Remplir() override;
  void Reconstruire(const TReactionStat& r) override;

 private:
  QComboBox* cb_ = nullptr;
  controles::TVueTableau* vue_ = nullptr;
};

}  // namespace calevrin
