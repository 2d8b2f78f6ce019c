#pragma once
// The grade-sheet window: one class document shown as its painted table.

#include <QAbstractScrollArea>
#include <memory>
#include <string>

#include "model/classe.h"
#include "sheet/peintre.h"

namespace calevrin {

class TChild : public QAbstractScrollArea {
  Q_OBJECT

 public:
  // Opens the class file; throws EErreurClasse when it cannot be read.
  TChild(const std::string& chemin, QWidget* parent = nullptr);
  ~TChild() override;

  TClasse& Classe() { return *classe_; }
  const TClasse& Classe() const { return *classe_; }
  TEtatFeuille& Etat() { return etat_; }
  bool Modifie() const { return modifie_; }

  void Rafraichir();
  void ChangerPeriode(int p);
  void ChangerMatiere(int s);
  void PeriodeSuivante();
  void MatiereSuivante();
  void BasculerApercu();
  void CalculerLargeurNoms();
  TMesuresPage MesuresPage() const;

 signals:
  // The view or the state the main window shows changed.
  void EtatChange();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  void MajDefilement();
  std::unique_ptr<TClasse> classe_;
  TEtatFeuille etat_;
  bool modifie_ = false;
};

}  // namespace calevrin
