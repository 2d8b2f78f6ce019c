#include "document/recuperation.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QUuid>

#include "document/documentclasse.h"
#include "model/ecriture.h"
#include "model/erreurs.h"

namespace calevrin {

namespace {

// Named after the class's path, and unique: two new classes share the name "Classe.cl3".
QString Base(const QString& dossier, const std::string& chemin) {
  const QByteArray h = QCryptographicHash::hash(QByteArray::fromStdString(chemin), QCryptographicHash::Sha1).toHex();
  return QDir(dossier).filePath(QString::fromLatin1(h.left(12)) + QLatin1Char('-') +
                                QUuid::createUuid().toString(QUuid::Id128).left(12));
}

}  // namespace

QString TRecuperation::Dossier() {
  return QDir(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation))
      .filePath(QStringLiteral("recuperation"));
}

TRecuperation::TRecuperation(TDocumentClasse& document, const QString& dossier, int calme, int maximum)
    : QObject(&document), document_(document), base_(Base(dossier, document.Chemin())) {
  QDir().mkpath(dossier);
  ecrivain_.setMaxThreadCount(1);
  calme_.setSingleShot(true);
  calme_.setInterval(calme);
  maximum_.setSingleShot(true);
  maximum_.setInterval(maximum);
  connect(&calme_, &QTimer::timeout, this, &TRecuperation::Ecrire);
  connect(&maximum_, &QTimer::timeout, this, &TRecuperation::Ecrire);
  connect(&document_, &TDocumentClasse::Change, this, &TRecuperation::Changement);
  connect(&document_, &TDocumentClasse::ModificationChangee, this, [this](bool modifie) {
    if (modifie)
      Changement();
    else
      Effacer();
  });
}

TRecuperation::~TRecuperation() {
  // Closed without saving: the teacher chose to lose the changes.
  calme_.stop();
  maximum_.stop();
  Effacer();
  ecrivain_.waitForDone();
}

void TRecuperation::Changement() {
  if (!document_.Modifie()) return;
  calme_.start();  // quiet since the last change
  if (!maximum_.isActive()) maximum_.start();
}

void TRecuperation::Ecrire() {
  calme_.stop();
  maximum_.stop();
  if (!document_.Modifie()) return;
  if (!verrou_) {
    // Held while this program lives: another start does not offer a copy still in use.
    verrou_ = std::make_unique<QLockFile>(base_ + QStringLiteral(".lock"));
    verrou_->setStaleLockTime(0);
    if (!verrou_->tryLock(0)) verrou_.reset();
  }
  auto image = std::make_shared<TImage>();
  document_.Image(*image);
  const std::string copie = (base_ + QStringLiteral(".cl3")).toStdString();
  const std::string infos = (base_ + QStringLiteral(".txt")).toStdString();
  const std::string texte =
      document_.Chemin() + "\n" + QDateTime::currentDateTime().toString(Qt::ISODate).toStdString() + "\n";
  ecrite_ = true;
  // The disk may be slow: typing goes on meanwhile.
  ecrivain_.start([image, copie, infos, texte] {
    try {
      EcrireFichierAtomique(copie, image->data(), image->size());
      EcrireFichierAtomique(infos, texte);
    } catch (const EErreurClasse&) {
      // A copy that cannot be written leaves the class as safe as it was without one.
    }
  });
}

void TRecuperation::Attendre() { ecrivain_.waitForDone(); }

void TRecuperation::Effacer() {
  calme_.stop();
  maximum_.stop();
  if (!ecrite_) return;
  ecrite_ = false;
  const QString base = base_;
  ecrivain_.start([base] {
    QFile::remove(base + QStringLiteral(".cl3"));
    QFile::remove(base + QStringLiteral(".txt"));
  });
}

QList<TRecuperation::TCopie> TRecuperation::CopiesOrphelines(const QString& dossier) {
  QList<TCopie> r;
  const QDir d(dossier);
  for (const QString& nom : d.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name)) {
    const QString base = d.filePath(nom.chopped(4));
    QLockFile verrou(base + QStringLiteral(".lock"));
    verrou.setStaleLockTime(0);
    if (!verrou.tryLock(0)) continue;  // its program still runs
    verrou.unlock();
    QFile infos(base + QStringLiteral(".txt"));
    if (!QFile::exists(base + QStringLiteral(".cl3")) || !infos.open(QIODevice::ReadOnly)) continue;
    const QStringList lignes = QString::fromUtf8(infos.readAll()).split(QLatin1Char('\n'));
    if (lignes.size() < 2) continue;
    r.push_back({base + QStringLiteral(".cl3"), lignes[0], QDateTime::fromString(lignes[1], Qt::ISODate)});
  }
  return r;
}

void TRecuperation::Supprimer(const TCopie& copie) {
  const QString base = copie.Fichier.chopped(4);
  QFile::remove(base + QStringLiteral(".cl3"));
  QFile::remove(base + QStringLiteral(".txt"));
  QFile::remove(base + QStringLiteral(".lock"));
}

}  // namespace calevrin
