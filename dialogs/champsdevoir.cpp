#include "dialogs/champsdevoir.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "dialogs/composants.h"
#include "model/dates.h"

namespace calevrin {

TChampsDevoir ChampsDevoir(QGroupBox* groupe, const QString& aideDate) {
  TChampsDevoir c;
  c.date = Champ(groupe, "Edit1", CapaciteDate);
  c.duree = Champ(groupe, "Edit2", CapaciteDuree);
  c.coef = Champ(groupe, "Edit3", CapaciteCoef);
  c.commentaire = Champ(groupe, "Edit4", CapaciteCommentaire);
  QLabel* aide = aideDate.isEmpty() ? nullptr : new QLabel(aideDate, groupe);

  auto* g = new QGridLayout(groupe);
  g->addWidget(Etiquette(QStringLiteral("&Date :"), c.date, groupe), 0, 0);
  g->addWidget(c.date, 0, 1);
  g->addWidget(Etiquette(QStringLiteral("Du&rée :"), c.duree, groupe), 0, 2);
  g->addWidget(c.duree, 0, 3);
  g->addWidget(Etiquette(QStringLiteral("&Coef :"), c.coef, groupe), 0, 4);
  g->addWidget(c.coef, 0, 5);
  int ligne = 1;
  if (aide) g->addWidget(aide, ligne++, 0, 1, 6);
  g->addWidget(Etiquette(QStringLiteral("Co&mmentaire :"), c.commentaire, groupe), ligne, 0);
  g->addWidget(c.commentaire, ligne, 1, 1, 6);
  g->setColumnStretch(6, 1);
  return c;
}

std::optional<TTextesDevoir> LireTextes(const TChampsDevoir& champs) {
  std::optional<std::vector<std::string>> t = LireTextes({champs.date, champs.duree, champs.commentaire});
  if (!t) return std::nullopt;
  return TTextesDevoir{std::move((*t)[0]), std::move((*t)[1]), std::move((*t)[2])};
}

QString TitreGroupeDevoir(const TClasse& c, int m, int p, int k, const TOptions& o) {
  return QLatin1Char(' ') + Depuis(ConstruireTitre(c, m, p, k, 0, false, o)) + QLatin1Char(' ');
}

QString LibelleDevoir(const TClasse& c, int m, int p, int k) {
  return QString::number(k) + QStringLiteral(" - ") + Depuis(c.Devoir(m, p, k).Commentaire.Vue());
}

QComboBox* ListeDevoirs(QWidget* parent, const TClasse& c, int m, int p) {
  auto* cb = new QComboBox(parent);
  cb->setObjectName(QStringLiteral("CB"));
  cb->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  for (int k = 1; k <= c.NbDevoirs(m, p); ++k) cb->addItem(LibelleDevoir(c, m, p, k));
  return cb;
}

}  // namespace calevrin
