#include "document/documentclasse.h"

#include <QCryptographicHash>
#include <QUndoCommand>

#include "fichiers/erreurs.h"
#include "fichiers/lecture.h"
#include "model/difference.h"
#include "model/edition.h"
#include "model/verrou.h"

namespace calevrin {

// One change of the class: the bytes it altered, the view it was made in, what it told.
class TEtapeClasse : public QUndoCommand {
 public:
  TEtapeClasse(TDocumentClasse& d, const QString& nom, TDifference diff, TVue avant, TVue apres, TChangement ch)
      : QUndoCommand(nom), d_(d), diff_(std::move(diff)), avant_(avant), apres_(apres), ch_(ch) {}
  void undo() override { d_.Restaurer(diff_, true, avant_, ch_); }
  void redo() override {
    // Pushed after the change was made: the first redo has nothing to do.
    if (fait_) {
      fait_ = false;
      return;
    }
    d_.Restaurer(diff_, false, apres_, ch_);
  }

 private:
  TDocumentClasse& d_;
  TDifference diff_;
  TVue avant_;
  TVue apres_;
  TChangement ch_;
  bool fait_ = true;
};

TDocumentClasse::TDocumentClasse(std::unique_ptr<TClasse> classe, QObject* parent)
    : QObject(parent), classe_(std::move(classe)), image_(std::make_unique<TImage>()) {
  BornerVue(*classe_);
  EcrireImage(*classe_, *image_);
  pile_.setUndoLimit(NbEtapes);
  connect(&pile_, &QUndoStack::cleanChanged, this, [this] { emit ModificationChangee(Modifie()); });
}

TDocumentClasse::~TDocumentClasse() {
  // The steps refer to this document: they go first.
  pile_.disconnect(this);
  pile_.clear();
}

std::unique_ptr<TDocumentClasse> TDocumentClasse::Ouvrir(const std::string& chemin, const TOptions& o) {
  auto c = std::make_unique<TClasse>();
  c->NomFichier = chemin;
  c->Charger();
  NormaliserNoms(*c, o);
  auto d = std::make_unique<TDocumentClasse>(std::move(c));
  d->NoterFichier();
  return d;
}

namespace {

QByteArray Empreinte(const std::string& chemin) {
  // A class file is 76632 bytes: anything far larger is not worth reading to compare. The
  // bounded reader refuses a FIFO or a device, which would hold the save up.
  try {
    const std::string octets = LireFichierTexte(chemin, 1 << 20, "%s");
    return QCryptographicHash::hash(QByteArrayView(octets.data(), static_cast<qsizetype>(octets.size())),
                                    QCryptographicHash::Sha1);
  } catch (const EErreurFichier&) {
    return {};
  }
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

TVue TDocumentClasse::Vue() const { return {classe_->MatiereCourante(), classe_->PeriodeCourante()}; }

void TDocumentClasse::ChangerVue(TVue vue) {
  const TVue avant = Vue();
  classe_->FixerMatiereCourante(vue.Matiere);
  classe_->FixerPeriodeCourante(vue.Periode);
  BornerVue(*classe_);
  // The view is in the record's bytes: kept there so that the next step holds only its own change.
  EcrireImage(*classe_, *image_);
  const TVue apres = Vue();
  if (apres.Periode != avant.Periode) emit VueChangee({TCodeChangement::Periode, apres.Periode, 0, 0});
  if (apres.Matiere != avant.Matiere) emit VueChangee({TCodeChangement::Matiere, apres.Periode, apres.Matiere, 0});
}

void TDocumentClasse::AnnoncerOptions() {
  optionsFigures_ = nullptr;  // a letter's value may have changed: every grade is read again
  emit Change({TCodeChangement::Options, 0, 0, 0});
}

const TFiguresClasse& TDocumentClasse::Figures(const TOptions& o) const {
  if (!figures_) figures_ = std::make_unique<TFiguresClasse>();
  if (optionsFigures_ != &o) {
    figures_->Calculer(*classe_, o);
    optionsFigures_ = &o;
  }
  return *figures_;
}

void TDocumentClasse::SuivreFigures(const TDifference& d) {
  if (optionsFigures_ != nullptr) figures_->Appliquer(*classe_, *optionsFigures_, d);
}

bool TDocumentClasse::Modifier(const QString& nom, TChangement changement,
                               const std::function<bool(TClasse&)>& changer) {
  const TVue avant = Vue();
  if (!changer(*classe_)) return false;
  BornerVue(*classe_);
  auto apres = std::make_unique<TImage>();
  EcrireImage(*classe_, *apres);
  TDifference d = Comparer(*image_, *apres);
  image_ = std::move(apres);
  SuivreFigures(d);
  if (!d.Vide()) {
    const bool etaitPropre = pile_.isClean();
    pile_.push(new TEtapeClasse(*this, nom, std::move(d), avant, Vue(), changement));
    // The stack tells when it leaves the saved state; a second change must be told too.
    if (!etaitPropre) emit ModificationChangee(true);
  }
  emit Change(changement);
  return true;
}

void TDocumentClasse::Restaurer(const TDifference& d, bool versAvant, TVue vue, TChangement changement) {
  Appliquer(*image_, d, versAvant);
  const std::string chemin = classe_->NomFichier;
  LireImage(*classe_, *image_);
  classe_->NomFichier = chemin;
  classe_->FixerMatiereCourante(vue.Matiere);
  classe_->FixerPeriodeCourante(vue.Periode);
  BornerVue(*classe_);
  EcrireImage(*classe_, *image_);
  SuivreFigures(d);
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
