#include "stats/stat04.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>

#include "platform/texte.h"
#include "print/dlgprint.h"

namespace calevrin {

namespace pf = plateforme;

TStatBilan::TStatBilan(TDocumentClasse& document, const TOptions& o, QWidget* parent)
    : TFenetreStatistique(TFenetreStat::Bilan, document, o, parent) {
  setObjectName(QLatin1String(IdConception));
  QHBoxLayout* rangee = Panneau();
  auto* l = new QLabel(QStringLiteral("Élève :"), rangee->parentWidget());
  rangee->addWidget(l);
  cb_ = new QComboBox(rangee->parentWidget());
  cb_->setObjectName(QStringLiteral("CB"));
  cb_->setMinimumContentsLength(22);
  cb_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  cb_->setMaxVisibleItems(25);
  rangee->addWidget(cb_);
  connect(cb_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (index < 0) return;
    EtatModifiable().Eleve = index;
    Calculer();
  });
  BoutonsFin(QStringLiteral("Imprimer ce tableau"), QStringLiteral("stat_04"));
  vue_ = new controles::TVueTableau(this);
  vue_->setObjectName(QStringLiteral("T"));
  Contenu(vue_);

  TReactionStat r;
  r.ListeEleves = true;
  Reconstruire(r);
  Calculer();
  resize(660, 360);
}

void TStatBilan::Remplir() {
  AppliquerTableau(CalculerStat04(Classe(), Chiffres(), Etat(), Opt()), T());
  vue_->update();
}

void TStatBilan::Reconstruire(const TReactionStat& r) {
  if (!r.ListeEleves) return;
  RemplirListe(cb_, ListeElevesStat(Classe()), Etat().Eleve);
  // The abbreviation may have changed with the class parameters.
  setWindowTitle(pf::DepuisCp1252(TitreFenetreStat(TFenetreStat::Bilan, Classe())));
}

void TStatBilan::Imprimer() {
  TDialImpression d(this, &T(), nullptr, Opt().noirblanc);
  d.exec();
}

}  // namespace calevrin
