#include "document/recuperation.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QUuid>
#include <cerrno>

#include "document/documentclasse.h"
#include "model/copiesecours.h"
#include "model/erreurs.h"

namespace calevrin {

namespace {

// Named after the class's path, and unique: two new classes share the name "Classe.cl3".
QString Base(const QString& dossier, const std::string& chemin) {
  if (dossier.isEmpty()) return {};
  const QByteArray h = QCryptographicHash::hash(QByteArray::fromStdString(chemin), QCryptographicHash::Sha1).toHex();
  return QDir(dossier).filePath(QString::fromLatin1(h.left(12)) + QLatin1Char('-') +
                                QUuid::createUuid().toString(QUuid::Id128).left(12));
}

// A teacher's grades on a shared computer: the folder is the user's alone, even one made
// before by a program less careful.
void CreerDossierPrive(const QString& dossier) {
  if (dossier.isEmpty()) return;
  QDir().mkpath(dossier);
  ::chmod(QFile::encodeName(dossier).constData(), 0700);
}

int OuvrirVerrou(const QString& base) {
  const int fd = ::open(QFile::encodeName(base + QStringLiteral(".lock")).constData(),
                        O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0600);
  if (fd < 0) return -1;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);
    return -1;
  }
  ::fchmod(fd, 0600);
  return fd;
}

// Only a live holder counts: an empty, stale or missing lock file says nothing.
bool Detenue(const QString& base) {
  const int fd = ::open(QFile::encodeName(base + QStringLiteral(".lock")).constData(),
                        O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool detenue = ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
  ::close(fd);
  return detenue;
}

}  // namespace

QString TRecuperation::Dossier() {
  // A relative XDG_DATA_HOME is to be ignored, as the XDG rules say.
  QString donnees = QFile::decodeName(qgetenv("XDG_DATA_HOME"));
  if (!QDir::isAbsolutePath(donnees)) {
    const QString home = QFile::decodeName(qgetenv("HOME"));
    if (!QDir::isAbsolutePath(home)) return {};
    donnees = home + QStringLiteral("/.local/share");
  }
  QString dossier = donnees;
  if (!QCoreApplication::organizationName().isEmpty())
    dossier += QLatin1Char('/') + QCoreApplication::organizationName();
  return dossier + QLatin1Char('/') + QCoreApplication::applicationName() + QStringLiteral("/recuperation");
}

TRecuperation::TRecuperation(TDocumentClasse& document, const QString& dossier, int calme, int maximum)
    : QObject(&document), document_(document), base_(Base(dossier, document.Chemin())) {
  CreerDossierPrive(dossier);
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
  if (verrou_ >= 0) {
    QFile::remove(base_ + QStringLiteral(".lock"));
    ::close(verrou_);
  }
}

void TRecuperation::Changement() {
  if (!document_.Modifie()) return;
  calme_.start();  // quiet since the last change
  if (!maximum_.isActive()) maximum_.start();
}

void TRecuperation::Ecrire() {
  calme_.stop();
  maximum_.stop();
  if (!document_.Modifie() || base_.isEmpty()) return;
  // Held while this program lives: another start does not offer a copy still in use.
  if (verrou_ < 0) verrou_ = OuvrirVerrou(base_);
  auto image = std::make_shared<TImage>();
  document_.Image(*image);
  const std::string copie = FichierCopie().toStdString();
  const TCopieSecours description{
      document_.Chemin(), QDateTime::currentDateTime().toString(Qt::ISODate).toStdString(), {}};
  ecrite_ = true;
  // The disk may be slow: typing goes on meanwhile.
  ecrivain_.start([image, copie, description] {
    try {
      EcrireCopieSecours(copie, *image, description);
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
  const QString copie = FichierCopie();
  ecrivain_.start([copie] { QFile::remove(copie); });
}

QList<TRecuperation::TCopie> TRecuperation::CopiesOrphelines(const QString& dossier) {
  QList<TCopie> r;
  if (dossier.isEmpty()) return r;
  const QDir d(dossier);
  for (const QString& nom : d.entryList({QStringLiteral("*.cl3")}, QDir::Files | QDir::Hidden, QDir::Name)) {
    const QString fichier = d.filePath(nom);
    const QString base = fichier.chopped(4);
    if (Detenue(base)) continue;  // its program still runs
    const TCopieSecours c = LireCopieSecours(fichier.toStdString());
    r.push_back({fichier, QString::fromStdString(c.Original),
                 QDateTime::fromString(QString::fromStdString(c.Moment), Qt::ISODate),
                 QString::fromStdString(c.Defaut)});
  }
  return r;
}

void TRecuperation::Supprimer(const TCopie& copie) {
  QFile::remove(copie.Fichier);
  QFile::remove(copie.Fichier.chopped(4) + QStringLiteral(".lock"));
}

}  // namespace calevrin
