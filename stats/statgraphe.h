#pragma once
// The three graph windows: TStatDevoir (one test), TStatMoyennes (the averages) and TStatEvolution (the
// evolution of a student or of the class). They differ only by their row of buttons and by
// the figures the model computes for them.

#include "controls/vues.h"
#include "print/controlesstat.h"
#include "stats/fenetrestatistique.h"

class QButtonGroup;
class QComboBox;
class QHBoxLayout;
class QToolButton;

namespace calevrin {

class TStatGraphe : public TFenetreStatistique {
  Q_OBJECT

 public:
  controles::TNewGraphe& G() { return vue_->Graphe(); }
  const controles::TNewGraphe& G() const { return vue_->Graphe(); }
  controles::TVueGraphe* VueGraphe() const { return vue_; }
  // The tests (TStatDevoir) or the students (TStatEvolution); null in TStatMoyennes.
  QComboBox* Liste() const { return cb_; }
  void Imprimer() override;

 protected:
  TStatGraphe(TFenetreStat genre, TDocumentClasse& document, const TOptions& o, QWidget* parent);
  void Remplir() override;
  void Reconstruire(const TReactionStat& r) override;

 private:
  void AjouterListe(TFenetreStat genre, QHBoxLayout* rangee);
  void AjouterPeriodesEtMatieres(TFenetreStat genre, QHBoxLayout* rangee);
  void AjouterModes(TFenetreStat genre, QHBoxLayout* rangee);
  void CB_OnChange(int index);
  void ClicPeriode(int p);
  void ClicMatiere(int m);
  void BoutonsPeriode();
  void BoutonsMatiere();

  QComboBox* cb_ = nullptr;
  QButtonGroup* periodes_ = nullptr;
  QButtonGroup* matieres_ = nullptr;
  QToolButton* sb7_ = nullptr;
  QToolButton* sb8_ = nullptr;
  controles::TVueGraphe* vue_ = nullptr;
};

// How the grades of one test are spread.
class TStatDevoir : public TStatGraphe {
  Q_OBJECT
 public:
  static constexpr const char* IdConception = "TStat02";
  explicit TStatDevoir(TDocumentClasse& document, const TOptions& o, QWidget* parent = nullptr)
      : TStatGraphe(TFenetreStat::Devoir, document, o, parent) {
    setObjectName(QLatin1String(IdConception));
  }
};

// How the averages of a subject or of the synthesis are spread.
class TStatMoyennes : public TStatGraphe {
  Q_OBJECT
 public:
  static constexpr const char* IdConception = "TStat03";
  explicit TStatMoyennes(TDocumentClasse& document, const TOptions& o, QWidget* parent = nullptr)
      : TStatGraphe(TFenetreStat::Moyennes, document, o, parent) {
    setObjectName(QLatin1String(IdConception));
  }
};

// The grades of a student or of the class over the tests or the periods.
class TStatEvolution : public TStatGraphe {
  Q_OBJECT
 public:
  static constexpr const char* IdConception = "TStat01";
  explicit TStatEvolution(TDocumentClasse& document, const TOptions& o, QWidget* parent = nullptr)
      : TStatGraphe(TFenetreStat::Evolution, document, o, parent) {
    setObjectName(QLatin1String(IdConception));
  }
};

}  // namespace calevrin
