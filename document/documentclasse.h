#pragma once
// One open class: its record, its file, whether it was changed since it was saved, and the one
// signal by which the windows showing it learn of each change. Windows of another class hold
// another document, so they never hear this one.

#include <QObject>
#include <memory>
#include <string>

#include "model/changement.h"
#include "model/classe.h"

namespace calevrin {

class TDocumentClasse : public QObject {
  Q_OBJECT

 public:
  explicit TDocumentClasse(std::unique_ptr<TClasse> classe, QObject* parent = nullptr);
  // Reads the class file and puts the names in order; throws EErreurClasse.
  static std::unique_ptr<TDocumentClasse> Ouvrir(const std::string& chemin);

  TClasse& Classe() { return *classe_; }
  const TClasse& Classe() const { return *classe_; }
  const std::string& Chemin() const { return classe_->NomFichier; }
  void FixerChemin(const std::string& chemin) { classe_->NomFichier = chemin; }

  bool Modifie() const { return modifie_; }
  // A new class has a name but no file yet: its first save asks where.
  bool JamaisSauve() const { return jamaisSauve_; }
  void FixerJamaisSauve(bool jamais) { jamaisSauve_ = jamais; }

  void MarquerModifie();
  void EffacerModifie();
  // Tells every window of this class what changed.
  void NotifierStatistiques(TCodeChangement code, int periode, int a, int b);

  // The class into its own file, then no longer modified; throws EErreurClasse, the old
  // file intact.
  void Enregistrer();
  // The same bytes into another file (the ".bak", the backup copy); throws EErreurClasse.
  void EnregistrerCopie(const std::string& chemin);

 signals:
  void Change(const calevrin::TChangement& changement);
  // After every MarquerModifie and EffacerModifie.
  void ModificationChangee(bool modifie);

 private:
  std::unique_ptr<TClasse> classe_;
  bool modifie_ = false;
  bool jamaisSauve_ = false;
};

}  // namespace calevrin
