#include "dialogs/coefficients.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/champseleve.h"
#include "dialogs/composants.h"
#include "model/dates.h"
#include "model/formatage.h"

namespace calevrin {

TDialCoefficients::TDialCoefficients(QWidget* parent, TClasse& classe, const TOptions& o)
    : QDialog(parent), classe_(classe), options_(o) {
  setObjectName(QLatin1String(IdConception));
  setWindowTitle(TitreClasse(QStringLiteral("Changer les coefficients des matières"), classe));
  auto* groupe = new QGroupBox(this);
  auto* grille = new QGridLayout(groupe);
  const int np = classe.NbPeriodes();
  const int nm = classe.NbMatieres();
  const QString court = Depuis(NomCourtPeriode(np));
  for (int p = 1; p <= MaxPeriodes; ++p) {
    auto* titre = new QLabel(p < 3 ? court + QString::number(p) : QStringLiteral("Trim 3"), groupe);
    titre->setObjectName(QStringLiteral("Titre%1").arg(p));
    titre->setAlignment(Qt::AlignCenter);
    titre->setVisible(p <= np);
    grille->addWidget(titre, 0, p);
  }
  for (int m = 1; m <= MaxMatieres; ++m) {
    QLineEdit* premier = nullptr;
    for (int p = 1; p <= MaxPeriodes; ++p) {
      const int i = (m - 1) * MaxPeriodes + (p - 1);
      QLineEdit* e = Champ(groupe, ("Edit" + std::to_string(i + 1)).c_str(), 8);
      e->setText(Depuis(FormaterNombre(classe.Matiere(m).Coef[static_cast<std::size_t>(p)])));
      e->setAlignment(Qt::AlignRight);
      e->setVisible(m <= nm && p <= np);
      champs_[static_cast<std::size_t>(i)] = e;
      grille->addWidget(e, m, p);
      if (!premier) premier = e;
    }
    QLabel* nom = Etiquette(Depuis(classe.Matiere(m).Nom.Vue()), premier, groupe);
    nom->setTextFormat(Qt::PlainText);
    nom->setObjectName(QStringLiteral("Matiere%1").arg(m));
    nom->setVisible(m <= nm);
    grille->addWidget(nom, m, 0);
  }
  QPushButton* ok = Bouton(this, QStringLiteral("OK"), "BitBtn1");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &TDialCoefficients::OK);
  auto* racine = new QVBoxLayout(this);
  racine->addWidget(groupe);
  racine->addWidget(Boutons(this, ok, QStringLiteral("Dlg_ModifDevoir")));
  racine->setSizeConstraint(QLayout::SetFixedSize);
  champs_[0]->setFocus();
}

// A field shown with one decimal and left alone keeps its coefficient to the last bit.
void TDialCoefficients::OK() {
  std::array<std::optional<double>, MaxMatieres * MaxPeriodes> valeurs{};
  for (std::size_t i = 0; i < champs_.size(); ++i) {
    if (!champs_[i]->isModified()) continue;
    const int m = static_cast<int>(i) / MaxPeriodes + 1;
    const int p = static_cast<int>(i) % MaxPeriodes + 1;
    // "de « Maths », trimestre 2": which of the nine fields the warning is about.
    valeurs[i] = LireCoef(champs_[i], options_,
                          QStringLiteral("de « %1 », %2 %3")
                              .arg(Depuis(classe_.Matiere(m).Nom.Vue()),
                                   Depuis(NomPeriode(classe_.NbPeriodes())).toLower(), QString::number(p)));
    if (!valeurs[i]) return;
  }
  bool change = false;
  for (int m = 1; m <= MaxMatieres; ++m)
    for (int p = 1; p <= MaxPeriodes; ++p) {
      const auto& v = valeurs[static_cast<std::size_t>((m - 1) * MaxPeriodes + (p - 1))];
      double& coef = classe_.Matiere(m).Coef[static_cast<std::size_t>(p)];
      if (!v || *v == coef) continue;
      coef = *v;
      change = true;
    }
  done(change ? DialogueConfirme : DialogueAnnule);
}

}  // namespace calevrin
