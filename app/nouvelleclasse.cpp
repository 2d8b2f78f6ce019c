#include "app/nouvelleclasse.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "dialogs/matieres.h"
#include "dialogs/nouvelleclasse.h"
#include "dialogs/parametresclasse.h"
#include "model/nouvelleclasse.h"
#include "model/options.h"
#include "platform/texte.h"

namespace calevrin {

namespace {

// An abbreviation as a file name: "4e/B" must not name a folder, nor ".." one above.
QString NomDeFichier(QString abreviation) {
  for (QChar& ch : abreviation)
    if (ch == QLatin1Char('/') || ch == QLatin1Char('\\') || ch.category() == QChar::Other_Control)
      ch = QLatin1Char('-');
  abreviation = abreviation.trimmed();
  while (abreviation.startsWith(QLatin1Char('.'))) abreviation.remove(0, 1);
  return abreviation.isEmpty() ? QStringLiteral("Classe") : abreviation;
}

}  // namespace

QString CheminNouvelleClasse(const QString& dernier, const QString& abreviation) {
  QString dossier = dernier.isEmpty() ? QString() : QFileInfo(dernier).absolutePath();
  if (dossier.isEmpty() || !QFileInfo(dossier).isDir()) {
    dossier = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (dossier.isEmpty() || !QFileInfo(dossier).isDir()) dossier = QDir::homePath();
  }
  return QDir(dossier).absoluteFilePath(NomDeFichier(abreviation) + QStringLiteral(".cl3"));
}

std::unique_ptr<TDocumentClasse> CreerNouvelleClasse(QWidget* parent, const TOptions& o) {
  TDialNouvelleClasse d(parent);
  if (d.exec() != DialogueConfirme) return nullptr;
  const QString dernier = QString::fromStdString(o.liste[1]);
  auto c = std::make_unique<TClasse>();
  CreerClasse(*c, d.Saisis(), CheminNouvelleClasse(dernier, QString()).toStdString(), o);
  // Named from the start: a class left "CLAS" with three subjects "Ma" reads nowhere.
  TDialParametresClasse(parent, *c).exec();
  TDialMatieres(parent, *c).exec();
  c->NomFichier = CheminNouvelleClasse(dernier, plateforme::DepuisCp1252(c->Abreviation.Vue())).toStdString();
  auto document = std::make_unique<TDocumentClasse>(std::move(c));
  document->FixerJamaisSauve(true);
  document->MarquerModifie();
  return document;
}

}  // namespace calevrin
