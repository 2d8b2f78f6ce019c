#include "document/documentclasse.h"

#include "model/edition.h"

namespace calevrin {

TDocumentClasse::TDocumentClasse(std::unique_ptr<TClasse> classe, QObject* parent)
    : QObject(parent), classe_(std::move(classe)) {}

std::unique_ptr<TDocumentClasse> TDocumentClasse::Ouvrir(const std::string& chemin) {
  auto c = std::make_unique<TClasse>();
  c->NomFichier = chemin;
  c->Charger();
  NormaliserNoms(*c);
  return std::make_unique<TDocumentClasse>(std::move(c));
}

void TDocumentClasse::MarquerModifie() {
  modifie_ = true;
  emit ModificationChangee(true);
}

void TDocumentClasse::EffacerModifie() {
  modifie_ = false;
  emit ModificationChangee(false);
}

void TDocumentClasse::NotifierStatistiques(TCodeChangement code, int periode, int a, int b) {
  emit Change(TChangement{code, periode, a, b});
}

void TDocumentClasse::Enregistrer() {
  classe_->Enregistrer();
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
