#include "dialogs/anniversaires.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "platform/aide.h"
#include "platform/texte.h"

namespace calevrin {

namespace pf = plateforme;

TDial12::TDial12(QWidget* parent, const TClasse& classe, const TDateJour& aujourdhui)
    : QDialog(parent), anniversaires_(ListerAnniversaires(classe, aujourdhui)) {
  setWindowTitle(pf::DepuisCp1252(anniversaires_.Titre));
  auto* lb = new QListWidget(this);
  lb->setObjectName(QStringLiteral("LB"));
  for (const std::string& ligne : anniversaires_.Lignes) lb->addItem(pf::DepuisCp1252(ligne));
  lb->setMinimumWidth(lb->fontMetrics().averageCharWidth() * 50);

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("BoutonOK"));
  ok->setDefault(true);
  auto* aide = new QPushButton(QStringLiteral("Aide"), this);
  aide->setObjectName(QStringLiteral("BoutonAide"));
  aide->setAutoDefault(false);
  auto* boutons = new QHBoxLayout;
  boutons->addStretch(1);
  boutons->addWidget(ok);
  boutons->addWidget(aide);

  auto* tout = new QVBoxLayout(this);
  tout->addWidget(lb, 1);
  tout->addLayout(boutons);

  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(aide, &QPushButton::clicked, this, [] { pf::AfficherAide(QStringLiteral("LesAnniversairesDuMois")); });
  connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, aide, &QPushButton::click);
}

}  // namespace calevrin
