#pragma once
// One open class: its record, its file, whether it was changed since it was saved, the steps
// that can be undone, and the one signal by which the windows showing it learn of each change.
// Windows of another class hold another document, so they never hear this one.

#include <QByteArray>
#include <QLockFile>
#include <QObject>
#include <QUndoStack>
#include <functional>
#include <memory>
#include <string>

#include "model/changement.h"
#include "model/classe.h"
#include "model/fichierclasse.h"
#include "model/figures.h"

namespace calevrin {

struct TDifference;
struct TOptions;

// The subject and the period a class is shown at.
struct TVue {
  int Matiere = 1;
  int Periode = 1;
  bool operator==(const TVue&) const = default;
};

class TDocumentClasse : public QObject {
  Q_OBJECT

 public:
  // Steps kept for undo: a typed grade costs a few bytes, a sort about twice the record.
  static constexpr int NbEtapes = 200;

  // The view is brought within the class: a damaged or foreign file may point past it.
  explicit TDocumentClasse(std::unique_ptr<TClasse> classe, QObject* parent = nullptr);
  ~TDocumentClasse() override;
  // Reads the class file and writes its names as the options want them, as part of the load
  // (no step, not modified); throws EErreurClasse.
  static std::unique_ptr<TDocumentClasse> Ouvrir(const std::string& chemin, const TOptions& o);

  // Windows read; only Modifier hands out the class to change it.
  const TClasse& Classe() const { return *classe_; }
  const std::string& Chemin() const { return classe_->NomFichier; }
  void FixerChemin(const std::string& chemin) { classe_->NomFichier = chemin; }

  // Changed since it was saved: a step away from the saved one, or marked so.
  bool Modifie() const { return modifieHorsPile_ || !pile_.isClean(); }
  // A new class has a name but no file yet: its first save asks where.
  bool JamaisSauve() const { return jamaisSauve_; }
  void FixerJamaisSauve(bool jamais) { jamaisSauve_ = jamais; }

  // A change that no step records (a recovered class is modified from the start).
  void MarquerModifie();
  void EffacerModifie();

  // Every change of the class: changer alters it and answers whether it did; the change is
  // then one step named nom ("la saisie de la note": the menu reads "Annuler la saisie de la
  // note") that undo takes back to the view before and redo brings to the view after, and
  // the windows are told. A change that altered no byte records no step. The view is kept
  // within the class. false when changer answered false.
  bool Modifier(const QString& nom, TChangement changement, const std::function<bool(TClasse&)>& changer);
  // The subject and period shown; not a change of the class (no step, nothing modified).
  TVue Vue() const;
  void ChangerVue(TVue vue);
  // The preferences changed: the windows show the class again with them.
  void AnnoncerOptions();
  // The grades' values and every average, kept between changes: computed at the first call
  // after a load or a change of the options, then updated by each change, undo and redo for
  // the bytes it altered. o must be the options the windows paint with.
  const TFiguresClasse& Figures(const TOptions& o) const;
  QUndoStack& Pile() { return pile_; }

  // The class into its own file, then no longer modified; throws EErreurClasse, the old
  // file intact.
  void Enregistrer();
  // The same bytes into another file (the ".bak", the backup copy); throws EErreurClasse.
  void EnregistrerCopie(const std::string& chemin);
  // The record's bytes as they would be saved.
  void Image(TImage& image) const;

  // One program, one window per class file: a lock beside the file. false when another
  // running program holds it (described in detenteur); true when taken, or when the folder
  // takes no lock (read-only media), where nothing better can be known.
  bool Verrouiller(QString& detenteur);
  // Opened read-only by choice: saving asks for another name.
  bool LectureSeule() const { return lectureSeule_; }
  void FixerLectureSeule(bool l) { lectureSeule_ = l; }
  // The file on disk is no longer what this document read or last wrote (another program,
  // a synced folder).
  bool ModifieSurDisque() const;
  // Takes the file as it is now as the one this document knows (after opening, saving).
  void NoterFichier();

 signals:
  // The class changed (through Modifier, undo or redo, or the options).
  void Change(const calevrin::TChangement& changement);
  // Only the subject or the period shown moved: Periode or Matiere, as Change tells them.
  void VueChangee(const calevrin::TChangement& changement);
  // After every change of the modified state.
  void ModificationChangee(bool modifie);
  // A step was undone or redone: the whole class may differ, the view too.
  void Restauree();

 private:
  friend class TEtapeClasse;
  void Restaurer(const TDifference& d, bool versAvant, TVue vue, TChangement changement);
  std::unique_ptr<TClasse> classe_;
  std::unique_ptr<TImage> image_;
  // Kept for the options they were read with; none until asked for.
  mutable std::unique_ptr<TFiguresClasse> figures_;
  mutable const TOptions* optionsFigures_ = nullptr;
  void SuivreFigures(const TDifference& d);  // the record's bytes as they are now, outside Modifier
  QUndoStack pile_;
  bool modifieHorsPile_ = false;
  bool jamaisSauve_ = false;
  bool lectureSeule_ = false;
  QByteArray empreinte_;  // of the file as last read or written; empty when there was none
  std::unique_ptr<QLockFile> verrou_;
};

}  // namespace calevrin
