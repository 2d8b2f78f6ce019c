#include "dialogs/ages.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

#include "dialogs/composants.h"
#include "dialogs/tablelecture.h"
#include "platform/texte.h"

namespace calevrin {

namespace pf = plateforme;

TDialAges::TDialAges(QWidget* parent, const TClasse& classe, const TDateJour& aujourdhui)
    : QDialog(parent), ages_(ListerAges(classe, aujourdhui)) {
  setObjectName(QLatin1String(IdConception));
  setWindowTitle(pf::DepuisCp1252(ages_.Titre));
  auto* note = new QLabel(QStringLiteral("( Les élèves sont classés par âge décroissant )"), this);
  QTableWidget* st = TableLecture(this, EnteteAges(), std::array{171, 142, 124}, 14);
  RemplirTable(st, ages_.Lignes);
  auto* moyenne = new QLabel(QStringLiteral("Moyenne d'âge de la classe : ") + pf::DepuisCp1252(ages_.Moyenne), this);
  moyenne->setObjectName(QStringLiteral("Moyenne"));
  moyenne->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  moyenne->setMargin(4);

  auto* tout = new QVBoxLayout(this);
  tout->addWidget(note);
  tout->addWidget(st, 1);
  tout->addWidget(moyenne);
  tout->addLayout(RangeeOkAide(this, QStringLiteral("AgeDesEleves")));
}

}  // namespace calevrin
