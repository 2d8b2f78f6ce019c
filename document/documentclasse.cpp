#include "document/documentclasse.h"

#include <QCryptographicHash>
#include <QFile>
#include <QUndoCommand>

#include "model/difference.h"
#include "model/edition.h"
#include "model/verrou.h"

namespace calevrin {

// One change of the class: the bytes it altered, the view it was made in, what it told.
class TEtapeClasse : public QUndoCommand {
 public:
  TEtapeClasse(TDocumentClasse& d, const QString& nom, TDifference diff, int matiere, int periode, TChangement ch)
      : QUndoCommand(nom), d_(d), diff_(std::move(diff)), matiere_(matiere), periode_(periode), ch_(ch) {}
  void undo() override { d_.Restaurer(diff_, true, matiere_, periode_, ch_); }
  void redo() override {
    // Pushed after the change was made: the first redo has nothing to do.
    if (fait_) {
      fait_ = false;
      return;
    }
    d_.Restaurer(diff_, false, matiere_, periode_, ch_);
  }

 private:
  TDocumentClasse& d_;
  TDifference diff_;
  int matiere_;
  int periode_;
  TChangement ch_;
  bool fait_ = true;
};

TDocumentClasse::TDocumentClasse(std::unique_ptr<TClasse> classe, QObject* parent)
    : QObject(parent), classe_(std::move(classe)), image_(std::make_unique<TImage>()) {
  EcrireImage(*classe_, *image_);
  pile_.setUndoLimit(NbEtapes);
  connect(&pile_, &QUndoStack::cleanChanged, this, [this] { emit ModificationChangee(Modifie()); });
}

TDocumentClasse::~TDocumentClasse() {
  // The steps refer to this document: they go first.
  pile_.disconnect(this);
  pile_.clear();
}

std::unique_ptr<TDocumentClasse> TDocumentClasse::Ouvrir(const std::string& chemin) {
  auto c = std::make_unique<TClasse>();
  c->NomFichier = chemin;
  c->Charger();
  NormaliserNoms(*c);
  auto d = std::make_unique<TDocumentClasse>(std::move(c));
  d->NoterFichier();
  return d;
}

namespace {

QByteArray Empreinte(const std::string& chemin) {
  QFile f(QString::fromStdString(chemin));
  // A class file is 76632 bytes: anything far larger is not worth reading to compare.
  if (!f.open(QIODevice::ReadOnly) || f.size() > (1 << 20)) return {};
  QCryptographicHash h(QCryptographicHash::Sha1);
  h.addData(&f);
  return h.result();
}

// Where the command-line tool looks for it too.
QString NomVerrou(const std::string& chemin) { return QString::fromStdString(CheminVerrou(chemin)); }

}  // namespace

void TDocumentClasse::NoterFichier() { empreinte_ = Empreinte(classe_->NomFichier); }

bool TDocumentClasse::ModifieSurDisque() const {
  if (empreinte_.isEmpty()) return false;
  // A file removed meanwhile has nothing left to lose.
  const QByteArray maintenant = Empreinte(classe_->NomFichier);
  return !maintenant.isEmpty() && maintenant != empreinte_;
}

bool TDocumentClasse::Verrouiller(QString& detenteur) {
  verrou_.reset();
  auto v = std::make_unique<QLockFile>(NomVerrou(classe_->NomFichier));
  // Only a living program keeps the file: a lock left by a crash is taken over.
  v->setStaleLockTime(0);
  if (v->tryLock(0)) {
    verrou_ = std::move(v);
    return true;
  }
  if (v->error() != QLockFile::LockFailedError) return true;
  qint64 pid = 0;
  QString machine;
  QString programme;
  if (v->getLockInfo(&pid, &machine, &programme))
    detenteur = QStringLiteral("processus %1 sur %2").arg(pid).arg(machine);
  return false;
}

void TDocumentClasse::MarquerModifie() {
  modifieHorsPile_ = true;
  emit ModificationChangee(true);
}

void TDocumentClasse::EffacerModifie() {
  modifieHorsPile_ = false;
  pile_.setClean();
  emit ModificationChangee(false);
}

void TDocumentClasse::NotifierStatistiques(TCodeChangement code, int periode, int a, int b) {
  emit Change(TChangement{code, periode, a, b});
}

void TDocumentClasse::NouvelleEtape(const QString& nom, TChangement changement) {
  auto apres = std::make_unique<TImage>();
  EcrireImage(*classe_, *apres);
  TDifference d = Comparer(*image_, *apres);
  image_ = std::move(apres);
  if (!d.Vide()) {
    const bool etaitPropre = pile_.isClean();
    pile_.push(
        new TEtapeClasse(*this, nom, std::move(d), classe_->MatiereCourante(), classe_->PeriodeCourante(), changement));
    // The stack tells when it leaves the saved state; a second change must be told too.
    if (!etaitPropre) emit ModificationChangee(true);
  }
  emit Change(changement);
}

void TDocumentClasse::Restaurer(const TDifference& d, bool versAvant, int matiere, int periode,
                                TChangement changement) {
  Appliquer(*image_, d, versAvant);
  const std::string chemin = classe_->NomFichier;
  LireImage(*classe_, *image_);
  classe_->NomFichier = chemin;
  classe_->FixerMatiereCourante(matiere);
  classe_->FixerPeriodeCourante(periode);
  emit Restauree();
  emit Change(changement);
}

void TDocumentClasse::Image(TImage& image) const { EcrireImage(*classe_, image); }

void TDocumentClasse::Enregistrer() {
  classe_->Enregistrer();
  NoterFichier();
  EffacerModifie();
}

void TDocumentClasse::EnregistrerCopie(const std::string& chemin) {
  // The record names its own file: written elsewhere for a moment, then named back.
  const std::string propre = classe_->NomFichier;
  classe_->NomFichier = chemin;
  try {
    classe_->Enregistrer();
  } catch (...) {
    classe_->NomFichier = propre;
    throw;
  }
  classe_->NomFichier = propre;
}

}  // namespace calevrin
