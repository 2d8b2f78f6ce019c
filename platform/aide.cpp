#include "platform/aide.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace calevrin::plateforme {

namespace {

// The help pages are not written yet: the window says so honestly, with the topic asked for.
// A plain window, not a dialog: its button must not answer the Enter key of the dialog it serves.
void FenetreAide(const QString& sujet) {
  static QPointer<QWidget> ouverte;
  if (ouverte) ouverte->close();
  // A modal dialog blocks every window but its own children: the help must be one of them.
  QWidget* parent = QApplication::activeModalWidget();
  if (!parent) parent = QApplication::activeWindow();
  auto* fenetre = new QWidget(parent, Qt::Window);
  fenetre->setAttribute(Qt::WA_DeleteOnClose);
  fenetre->setWindowTitle(QStringLiteral("Aide"));
  auto* racine = new QVBoxLayout(fenetre);
  auto* titre = new QLabel(sujet.isEmpty() ? QStringLiteral("Sommaire") : sujet, fenetre);
  QFont f = titre->font();
  f.setBold(true);
  titre->setFont(f);
  titre->setTextInteractionFlags(Qt::TextSelectableByMouse);
  racine->addWidget(titre);
  racine->addWidget(new QLabel(QStringLiteral("Cette page d'aide n'est pas encore écrite."), fenetre));
  auto* fermer = new QPushButton(QStringLiteral("&Fermer"), fenetre);
  QObject::connect(fermer, &QPushButton::clicked, fenetre, &QWidget::close);
  auto* echap = new QShortcut(QKeySequence(Qt::Key_Escape), fenetre);
  QObject::connect(echap, &QShortcut::activated, fenetre, &QWidget::close);
  racine->addWidget(fermer, 0, Qt::AlignRight);
  racine->setSizeConstraint(QLayout::SetFixedSize);
  fenetre->show();
  fenetre->raise();
  fenetre->activateWindow();
  fermer->setFocus();
  ouverte = fenetre;
}

TFonctionAide& Fonction() {
  static TFonctionAide f = FenetreAide;
  return f;
}

}  // namespace

void AfficherAide(const QString& sujet) { Fonction()(sujet); }

TFonctionAide RemplacerAide(TFonctionAide f) {
  TFonctionAide ancienne = std::move(Fonction());
  Fonction() = f ? std::move(f) : TFonctionAide(FenetreAide);
  return ancienne;
}

}  // namespace calevrin::plateforme
