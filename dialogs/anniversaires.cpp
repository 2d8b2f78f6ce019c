#include "dialogs/anniversaires.h"

#include <QListWidget>
#include <QVBoxLayout>

#include "dialogs/composants.h"
#include "platform/texte.h"

namespace calevrin {

namespace pf = plateforme;

TDialAnniversaires::TDialAnniversaires(QWidget* parent, const TClasse& classe, const TDateJour& aujourdhui)
    : QDialog(parent), anniversaires_(ListerAnniversaires(classe, aujourdhui)) {
  setObjectName(QLatin1String(IdConception));
  setWindowTitle(pf::DepuisCp1252(anniversaires_.Titre));
  auto* lb = new QListWidget(this);
  lb->setObjectName(QStringLiteral("LB"));
  for (const std::string& ligne : anniversaires_.Lignes) lb->addItem(pf::DepuisCp1252(ligne));
  lb->setMinimumWidth(lb->fontMetrics().averageCharWidth() * 50);

  auto* tout = new QVBoxLayout(this);
  tout->addWidget(lb, 1);
  tout->addLayout(RangeeOkAide(this, QStringLiteral("LesAnniversairesDuMois")));
}

}  // namespace calevrin
