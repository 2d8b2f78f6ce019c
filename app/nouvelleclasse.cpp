#include "app/nouvelleclasse.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "dialogs/nouvelleclasse.h"
#include "model/nouvelleclasse.h"
#include "platform/chemins.h"

namespace calevrin {

QString CheminNouvelleClasse() {
  QString dossier = QString::fromStdString(plateforme::RepertoireProgramme());
  if (!QFileInfo(dossier).isWritable()) {
    dossier = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (dossier.isEmpty() || !QFileInfo(dossier).isDir()) dossier = QDir::homePath();
  }
  return QDir(dossier).absoluteFilePath(QStringLiteral("Classe.cl3"));
}

std::unique_ptr<TDocumentClasse> CreerNouvelleClasse(QWidget* parent) {
  TDial01 d(parent);
  if (d.exec() != DialogueConfirme) return nullptr;
  auto c = std::make_unique<TClasse>();
  CreerClasse(*c, d.Saisis(), CheminNouvelleClasse().toStdString());
  auto document = std::make_unique<TDocumentClasse>(std::move(c));
  document->FixerJamaisSauve(true);
  document->MarquerModifie();
  return document;
}

}  // namespace calevrin
