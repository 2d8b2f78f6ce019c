#include "dialogs/nouvelleclasse.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "dialogs/composants.h"
#include "dialogs/importliste.h"
#include "platform/messages.h"

namespace calevrin {

namespace pf = plateforme;

namespace {

void Capitale(std::string& s) {
  if (!s.empty() && s[0] >= 'a' && s[0] <= 'z') s[0] = static_cast<char>(s[0] - 'a' + 'A');
}

}  // namespace

TDialNouvelleClasse::TDialNouvelleClasse(QWidget* parent, const TDateJour& aujourdhui)
    : QDialog(parent), aujourdhui_(aujourdhui) {
  setObjectName(QLatin1String(IdConception));
  setWindowTitle(QStringLiteral("Nouvelle classe"));
  groupe_ = new QGroupBox(this);
  groupe_->setObjectName(QStringLiteral("GB1"));
  auto* grille = new QFormLayout(groupe_);
  const char* noms[3] = {"EditNom", "EditPrenom", "EditDateN"};
  champs_ = ChampsEleve(groupe_, grille, noms, QStringLiteral("&Date de naissance :"), QStringLiteral(" ( jjmmaaaa)"));

  QPushButton* suivant = Bouton(this, QStringLiteral("&Suivant"), "Button2");
  QPushButton* precedent = Bouton(this, QStringLiteral("P&récédent"), "Button1");
  QPushButton* importer = Bouton(this, QStringLiteral("&Importer une liste..."), "BoutonImporter");
  QPushButton* ok = Bouton(this, QStringLiteral("OK"), "BitBtn1");
  suivant->setDefault(true);
  for (QPushButton* b : {precedent, importer, ok}) b->setAutoDefault(false);
  connect(suivant, &QPushButton::clicked, this, &TDialNouvelleClasse::EleveSuivant);
  connect(precedent, &QPushButton::clicked, this, &TDialNouvelleClasse::ElevePrecedent);
  connect(ok, &QPushButton::clicked, this, &TDialNouvelleClasse::CreerClasse);
  connect(importer, &QPushButton::clicked, this, &TDialNouvelleClasse::Importer);
  // A row of its own rather than the desktop's button box, which would impose its own tab order.
  QPushButton* annuler = Bouton(this, QStringLiteral("Annuler"), "BoutonAnnuler");
  QPushButton* aide = BoutonAide(this, QStringLiteral("Dlg_NewClasse"));
  connect(annuler, &QPushButton::clicked, this, &QDialog::reject);
  for (QPushButton* b : {annuler, aide}) b->setAutoDefault(false);
  auto* boutons = new QHBoxLayout;
  boutons->addStretch();
  for (QPushButton* b : {ok, annuler, aide}) boutons->addWidget(b);

  auto* cote = new QVBoxLayout;
  cote->addWidget(suivant);
  cote->addWidget(precedent);
  cote->addStretch();
  auto* racine = new QGridLayout(this);
  racine->addWidget(groupe_, 0, 0);
  racine->addLayout(cote, 0, 1);
  racine->addWidget(importer, 1, 0, Qt::AlignLeft);
  racine->addLayout(boutons, 2, 0, 1, 2);
  racine->setSizeConstraint(QLayout::SetFixedSize);

  QWidget* ordre[] = {precedent, suivant, ok, annuler, champs_.nom, champs_.prenom, champs_.date, aide, importer};
  for (std::size_t i = 0; i + 1 < std::size(ordre); ++i) setTabOrder(ordre[i], ordre[i + 1]);
  Afficher(1);
  champs_.nom->setFocus();
}

// The shown student into its slot, the first letters of the names in capitals.
bool TDialNouvelleClasse::Stocker() {
  std::optional<TEleveSaisi> e = champs_.Lire();
  if (!e) return false;
  Capitale(e->Nom);
  Capitale(e->Prenom);
  saisis_[static_cast<std::size_t>(indice_ - 1)] = std::move(*e);
  return true;
}

void TDialNouvelleClasse::Afficher(int indice) {
  indice_ = indice;
  groupe_->setTitle(QStringLiteral(" Élève n° %1 ").arg(indice_));
  champs_.Afficher(saisis_[static_cast<std::size_t>(indice_ - 1)]);
}

void TDialNouvelleClasse::EleveSuivant() {
  if (!Stocker()) return;
  const TEleveSaisi& e = saisis_[static_cast<std::size_t>(indice_ - 1)];
  if (SansNom(e.Nom)) {
    MessageNomObligatoire();
  } else if (e.DateNaissance.empty() && conseilDate_) {
    ConseilDateNaissance();
    conseilDate_ = false;
    champs_.date->setFocus();
    return;
  } else {
    Afficher(std::min(indice_ + 1, MaxEleves));
  }
  champs_.nom->setFocus();
}

void TDialNouvelleClasse::ElevePrecedent() {
  if (!Stocker()) return;
  if (indice_ > 1) Afficher(indice_ - 1);
  champs_.nom->setFocus();
}

// Every named slot counts, wherever it is: a class needs one, not necessarily the first.
void TDialNouvelleClasse::CreerClasse() {
  if (!Stocker()) return;
  const bool nomme = std::any_of(saisis_.begin(), saisis_.end(), [](const TEleveSaisi& e) { return !SansNom(e.Nom); });
  if (!nomme) {
    pf::BoiteMessage(QStringLiteral("Il faut au minimum UN élève pour former une classe."),
                     pf::TGenreMessage::Avertissement);
    champs_.nom->setFocus();
    return;
  }
  done(DialogueConfirme);
}

void TDialNouvelleClasse::reject() {
  const bool saisi = !champs_.nom->text().trimmed().isEmpty() ||
                     std::any_of(saisis_.begin(), saisis_.end(), [](const TEleveSaisi& e) { return !SansNom(e.Nom); });
  if (saisi && pf::BoiteMessage(QStringLiteral("Abandonner la saisie des élèves ?"), pf::TGenreMessage::Confirmation,
                                pf::BoutonOui | pf::BoutonNon) != pf::TReponse::Oui)
    return;
  done(DialogueAnnule);
}

void TDialNouvelleClasse::Remplir(const std::vector<TEleveSaisi>& eleves) {
  saisis_.fill(TEleveSaisi{});
  std::copy_n(eleves.begin(), std::min<std::size_t>(eleves.size(), MaxEleves), saisis_.begin());
  Afficher(1);
  champs_.nom->setFocus();
}

void TDialNouvelleClasse::Importer() {
  if (!Stocker()) return;
  TDialImportListe d(this, aujourdhui_);
  if (d.exec() == QDialog::Accepted) Remplir(d.Saisis());
}

}  // namespace calevrin
