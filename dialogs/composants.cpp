#include "dialogs/composants.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStandardPaths>
#include <QTableWidget>
#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "model/classe.h"
#include "model/moyennes.h"
#include "model/note.h"
#include "platform/aide.h"
#include "platform/dialogues.h"
#include "platform/messages.h"
#include "platform/texte.h"
#include "platform/validateurcp1252.h"

namespace calevrin {

namespace pf = plateforme;

QString Depuis(std::string_view cp1252) { return pf::DepuisCp1252(cp1252); }

std::optional<std::string> Cp1252(const QLineEdit* champ) { return pf::VersCp1252(champ->text()); }

std::optional<std::vector<std::string>> LireTextes(std::initializer_list<const QLineEdit*> champs) {
  std::vector<std::string> textes;
  textes.reserve(champs.size());
  for (const QLineEdit* champ : champs) {
    std::optional<std::string> t = Cp1252(champ);
    if (!t) {
      pf::Bip();
      return std::nullopt;
    }
    textes.push_back(std::move(*t));
  }
  return textes;
}

QLineEdit* Champ(QWidget* parent, const char* nom, int capacite) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(QLatin1String(nom));
  e->setMaxLength(capacite);
  e->setValidator(new pf::TValidateurCp1252(e));
  // Measured in the field's own font, so a larger desktop font keeps every character visible.
  const int largeur = e->fontMetrics().horizontalAdvance(QLatin1Char('0')) * (std::min(capacite, 24) + 3);
  if (capacite < CapaciteExtensible)
    e->setFixedWidth(largeur);
  else
    e->setMinimumWidth(largeur);
  return e;
}

QLabel* Etiquette(const QString& texte, QWidget* champ, QWidget* parent) {
  auto* l = new QLabel(texte, parent);
  l->setBuddy(champ);
  return l;
}

QPushButton* Bouton(QWidget* parent, const QString& texte, const char* nom) {
  auto* b = new QPushButton(texte, parent);
  b->setObjectName(QLatin1String(nom));
  return b;
}

// An empty topic gives a button that cannot be pressed rather than one that does nothing.
QTableWidget* TableApercu(QWidget* parent, const char* nom, const QStringList& titres) {
  auto* t = new QTableWidget(0, static_cast<int>(titres.size()), parent);
  t->setObjectName(QLatin1String(nom));
  t->setHorizontalHeaderLabels(titres);
  t->verticalHeader()->setVisible(false);
  t->setEditTriggers(QAbstractItemView::NoEditTriggers);
  t->setSelectionBehavior(QAbstractItemView::SelectRows);
  t->setTabKeyNavigation(false);
  t->horizontalHeader()->setStretchLastSection(true);
  t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 6);
  t->setMinimumHeight(t->fontMetrics().height() * 6);
  t->resizeColumnsToContents();
  return t;
}

QString ChoisirFichierImport(QWidget* parent, const QString& filtre) {
  QString dossier = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (dossier.isEmpty() || !QFileInfo(dossier).isDir()) dossier = QDir::homePath();
  return pf::DemanderFichierOuverture(parent, dossier, filtre);
}

QPushButton* BoutonAide(QDialog* d, const QString& sujet, bool raccourci) {
  QPushButton* b = Bouton(d, raccourci ? QStringLiteral("&Aide") : QStringLiteral("Aide"), "BoutonAide");
  if (sujet.isEmpty()) {
    b->setEnabled(false);
    return b;
  }
  QObject::connect(b, &QPushButton::clicked, d, [sujet] { pf::AfficherAide(sujet); });
  auto* f1 = new QShortcut(QKeySequence::HelpContents, d);
  QObject::connect(f1, &QShortcut::activated, b, &QPushButton::click);
  return b;
}

QHBoxLayout* RangeeOkAide(QDialog* d, const QString& sujetAide) {
  QPushButton* ok = Bouton(d, QStringLiteral("OK"), "BoutonOK");
  ok->setDefault(true);
  QObject::connect(ok, &QPushButton::clicked, d, &QDialog::accept);
  QPushButton* aide = BoutonAide(d, sujetAide, false);
  aide->setAutoDefault(false);
  auto* rangee = new QHBoxLayout;
  rangee->addStretch(1);
  rangee->addWidget(ok);
  rangee->addWidget(aide);
  return rangee;
}

// The desktop orders the buttons of its dialogs; only the first validation button is the default.
QDialogButtonBox* Boutons(QDialog* d, QPushButton* ok, const QString& sujetAide) {
  auto* boite = new QDialogButtonBox(d);
  if (ok) boite->addButton(ok, QDialogButtonBox::AcceptRole);
  QPushButton* annuler = Bouton(d, QStringLiteral("Annuler"), "BoutonAnnuler");
  boite->addButton(annuler, QDialogButtonBox::RejectRole);
  boite->addButton(BoutonAide(d, sujetAide), QDialogButtonBox::HelpRole);
  QObject::connect(annuler, &QPushButton::clicked, d, &QDialog::reject);
  return boite;
}

std::optional<double> LireCoef(QLineEdit* champ, const TOptions& o, const QString& quoi) {
  const std::optional<std::string> texte = Cp1252(champ);
  double v = 0;
  bool accepte = texte && LireNombre(PointDecimal(*texte), v) && std::isfinite(v);
  if (!accepte)
    pf::BoiteMessage(QStringLiteral("Le coefficient ") + quoi + QStringLiteral(" doit être un nombre"),
                     pf::TGenreMessage::Avertissement, pf::BoutonOK);
  else
    accepte = VerifierDomaine(o.coefmax, v, o);
  if (!accepte) {
    champ->setFocus();
    champ->selectAll();
    return std::nullopt;
  }
  return v;
}

int MatiereVue(const TClasse& c) {
  const int m = c.MatiereCourante();
  if (m < 1 || m > MaxMatieres) throw std::invalid_argument("dialogue d'une matière ouvert sur la synthèse");
  return m;
}

int PeriodeVue(const TClasse& c) {
  const int p = c.PeriodeCourante();
  if (p < 1 || p > MaxPeriodes) throw std::invalid_argument("dialogue d'une période ouvert sur l'année");
  return p;
}

}  // namespace calevrin
