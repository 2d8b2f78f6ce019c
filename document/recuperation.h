#pragma once
// The recovery copy of a modified class: written aside after a short quiet spell (and now and
// then while changes go on), so that a crash or a power cut loses little; removed once the
// class is saved or closed without saving. A copy whose program is gone is offered at the next
// start.

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>
#include <QThreadPool>
#include <QTimer>

namespace calevrin {

class TDocumentClasse;

class TRecuperation : public QObject {
  Q_OBJECT

 public:
  // The copies lie in dossier; calme and maximum in milliseconds.
  TRecuperation(TDocumentClasse& document, const QString& dossier = Dossier(), int calme = 30000, int maximum = 120000);
  ~TRecuperation() override;

  // The user's private folder of recovery copies; empty without a home folder (the copies
  // are then off).
  static QString Dossier();

  struct TCopie {
    QString Fichier;   // the recovery copy
    QString Original;  // the class's own path
    QDateTime Moment;  // when it was written
    QString Defaut;    // why a damaged copy cannot be recovered; empty for a sound one
  };
  // The copies no running program holds, whatever their lock files hold: those to offer at
  // start, the damaged ones too.
  static QList<TCopie> CopiesOrphelines(const QString& dossier = Dossier());
  static void Supprimer(const TCopie& copie);

  QString FichierCopie() const { return base_ + QStringLiteral(".cl3"); }
  // Writes the copy now (the timers call it); returns at once, the file is written aside.
  void Ecrire();
  // Waits for a write in progress (tests, closing).
  void Attendre();

 private:
  void Changement();
  void Effacer();
  TDocumentClasse& document_;
  QString base_;  // the copy's path without extension
  QTimer calme_;
  QTimer maximum_;
  QThreadPool ecrivain_;  // one thread: writes and removals keep their order
  int verrou_ = -1;       // flock'ed while this program lives; the kernel lets go when it dies
  bool ecrite_ = false;
};

}  // namespace calevrin
