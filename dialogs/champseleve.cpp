#include "dialogs/champseleve.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "dialogs/composants.h"
#include "model/classe.h"

namespace calevrin {

std::optional<TEleveSaisi> TChampsEleve::Lire() const {
  const auto t = LireTextes({nom, prenom, date});
  if (!t) return std::nullopt;
  return TEleveSaisi{(*t)[0], (*t)[1], (*t)[2]};
}

void TChampsEleve::Afficher(const TEleveSaisi& e) const {
  nom->setText(Depuis(e.Nom));
  prenom->setText(Depuis(e.Prenom));
  date->setText(Depuis(e.DateNaissance));
}

void TChampsEleve::Afficher(const TClasse& c, int e) const {
  const TEleve& el = c.Eleve(e);
  Afficher(TEleveSaisi{el.Nom.Texte(), el.Prenom.Texte(), el.DateNaissance.Texte()});
}

bool TChampsEleve::Vide() const { return nom->text().isEmpty(); }

TChampsEleve ChampsEleve(QWidget* parent, QFormLayout* grille, const char* noms[3], const QString& libelleDate,
                         const QString& indication) {
  TChampsEleve f;
  f.nom = Champ(parent, noms[0], CapaciteNomEleve);
  f.prenom = Champ(parent, noms[1], CapaciteNomEleve);
  f.date = Champ(parent, noms[2], CapaciteDateNaissance);
  f.date->setInputMethodHints(Qt::ImhDigitsOnly);
  grille->addRow(Etiquette(QStringLiteral("&Nom :"), f.nom, parent), f.nom);
  grille->addRow(Etiquette(QStringLiteral("&Prénom :"), f.prenom, parent), f.prenom);
  if (indication.isEmpty()) {
    grille->addRow(Etiquette(libelleDate, f.date, parent), f.date);
  } else {
    auto* colonne = new QVBoxLayout;
    colonne->setSpacing(0);
    colonne->addWidget(f.date);
    colonne->addWidget(new QLabel(indication, parent));
    grille->addRow(Etiquette(libelleDate, f.date, parent), colonne);
  }
  return f;
}

QString TexteEleve(const TClasse& c, int e) {
  return QString::number(e) + QStringLiteral(" - ") + Depuis(c.NomComplet(e, true));
}

QComboBox* ListeEleves(QWidget* parent, const TClasse& c) {
  auto* cb = new QComboBox(parent);
  cb->setObjectName(QStringLiteral("CB"));
  cb->setEditable(false);
  cb->setMaxVisibleItems(15);
  for (int e = 1; e <= c.NbEleves(); ++e) cb->addItem(TexteEleve(c, e));
  cb->setCurrentIndex(0);
  return cb;
}

QString TitreClasse(const QString& titre, const TClasse& c) {
  return titre + QStringLiteral(" ( ") + Depuis(c.Abreviation.Vue()) + QStringLiteral(" )");
}

}  // namespace calevrin

#include "platform/messages.h"

namespace calevrin {

void MessageNomObligatoire() {
  plateforme::BoiteMessage(QStringLiteral("L'élève doit obligatoirement avoir un nom."),
                           plateforme::TGenreMessage::Information);
}

void ConseilDateNaissance() {
  plateforme::BoiteMessage(QStringLiteral("La saisie de la date de naissance est conseillée pour le bon "
                                          "fonctionnement des menus Âge des élèves et Anniversaire du mois."),
                           plateforme::TGenreMessage::Information);
}

}  // namespace calevrin
