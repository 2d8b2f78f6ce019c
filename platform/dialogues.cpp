#include "platform/dialogues.h"

#include <QFileDialog>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace calevrin::plateforme {

namespace {
TDialogues& Courants() {
  static TDialogues d;
  return d;
}
}  // namespace

QString DemanderFichierOuverture(QWidget* parent, const QString& dossier, const QString& filtre) {
  if (Courants().ouverture) return Courants().ouverture(parent, dossier, filtre);
  return QFileDialog::getOpenFileName(parent, QString(), dossier, filtre);
}

QString DemanderFichierSauvegarde(QWidget* parent, const QString& initial, const QString& filtre) {
  if (Courants().sauvegarde) return Courants().sauvegarde(parent, initial, filtre);
  return QFileDialog::getSaveFileName(parent, QString(), initial, filtre);
}

bool DialogueImpression(QWidget* parent, QPrinter& imprimante) {
  if (Courants().impression) return Courants().impression(parent, imprimante);
  QPrintDialog d(&imprimante, parent);
  return d.exec() == QDialog::Accepted;
}

bool DialogueConfigurationImprimante(QWidget* parent, QPrinter& imprimante) {
  if (Courants().configuration) return Courants().configuration(parent, imprimante);
  QPageSetupDialog d(&imprimante, parent);
  return d.exec() == QDialog::Accepted;
}

TDialogues RemplacerDialogues(TDialogues d) {
  TDialogues ancien = std::move(Courants());
  Courants() = std::move(d);
  return ancien;
}

}  // namespace calevrin::plateforme
