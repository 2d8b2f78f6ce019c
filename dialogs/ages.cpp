#include "dialogs/ages.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "dialogs/tablelecture.h"
#include "platform/aide.h"
#include "platform/texte.h"

namespace calevrin {

namespace pf = plateforme;

TDial11::TDial11(QWidget* parent, const TClasse& classe, const TDateJour& aujourdhui)
    : QDialog(parent), ages_(ListerAges(classe, aujourdhui)) {
  setWindowTitle(pf::DepuisCp1252(ages_.Titre));
  auto* note = new QLabel(QStringLiteral("( Les élèves sont classés par âge décroissant )"), this);
  QTableWidget* st = TableLecture(this, EnteteAges(), std::array{171, 142, 124}, 14);
  RemplirTable(st, ages_.Lignes);
  auto* moyenne = new QLabel(QStringLiteral("Moyenne d'âge de la classe : ") + pf::DepuisCp1252(ages_.Moyenne), this);
  moyenne->setObjectName(QStringLiteral("Moyenne"));
  moyenne->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  moyenne->setMargin(4);

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
  tout->addWidget(note);
  tout->addWidget(st, 1);
  tout->addWidget(moyenne);
  tout->addLayout(boutons);

  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(aide, &QPushButton::clicked, this, [] { pf::AfficherAide(QStringLiteral("AgeDesEleves")); });
  connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, aide, &QPushButton::click);
}

}  // namespace calevrin
