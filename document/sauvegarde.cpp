#include "document/sauvegarde.h"

#include <QString>
#include <filesystem>

#include "document/documentclasse.h"
#include "fichiers/ecriture.h"
#include "model/erreurs.h"
#include "model/fichierclasse.h"
#include "model/options.h"

namespace calevrin {

namespace fs = std::filesystem;

bool TSauvegarde::Ecrire() {
  try {
    document_.Enregistrer();
  } catch (const EErreurClasse& e) {
    questions_.Erreur(e.what());
    return false;
  }
  return true;
}

bool TSauvegarde::SauverSous() {
  std::string nom = questions_.DemanderNom(document_.Chemin());
  if (nom.empty()) return false;
  // A name typed without extension gets the one the open dialog and the association know.
  if (fs::path(nom).extension().empty()) nom += ".cl3";
  const std::string ancien = document_.Chemin();
  document_.FixerChemin(nom);
  if (!Ecrire()) {
    document_.FixerChemin(ancien);
    return false;
  }
  document_.FixerJamaisSauve(false);
  document_.FixerLectureSeule(false);
  QString detenteur;
  document_.Verrouiller(detenteur);  // its own file now; the teacher chose the name knowingly
  return true;
}

bool TSauvegarde::Sauver() {
  bool ecrit = false;
  if (document_.JamaisSauve() || document_.LectureSeule()) {
    ecrit = SauverSous();
  } else if (document_.ModifieSurDisque()) {
    // Another program, or a synced folder, wrote the file since: never overwritten unasked.
    switch (questions_.FichierModifieSurDisque(document_.Chemin())) {
      case TQuestionsSauvegarde::TChoixDisque::Ecraser: ecrit = Ecrire(); break;
      case TQuestionsSauvegarde::TChoixDisque::EnregistrerSous: ecrit = SauverSous(); break;
      case TQuestionsSauvegarde::TChoixDisque::Annuler: return false;
    }
  } else {
    ecrit = Ecrire();
  }
  // The ".bak" copies a class file that was written, never a save that did not happen.
  if (!ecrit) return false;
  try {
    document_.EnregistrerCopie(fs::path(document_.Chemin()).replace_extension(".bak").string());
  } catch (const EErreurClasse& e) {
    questions_.Erreur(e.what());
  }
  return true;
}

// The copy is of the class file as it lies on disk: edits the teacher refused to save, or
// made in a read-only window, stay out of it.
void TSauvegarde::CopieDeSauvegarde(const std::string& dossier) {
  const fs::path source(document_.Chemin());
  std::error_code ec;
  if (!fs::is_regular_file(source, ec)) return;  // nothing on disk to copy
  const std::string fichier = source.filename().string();
  if (!questions_.FaireCopieDeSauvegarde(fichier, dossier)) return;
  fs::create_directories(dossier, ec);
  const fs::path cible = fs::path(dossier) / fichier;
  // Never replace silently a copy newer than the class being closed.
  if (fs::exists(cible, ec) && fs::last_write_time(cible, ec) > fs::last_write_time(source, ec) &&
      !questions_.RemplacerCopiePlusRecente(cible.string()))
    return;
  try {
    auto image = std::make_unique<TImage>();
    const std::uint64_t taille = LireImageFichier(source.string(), *image);
    EcrireFichierAtomique(cible.string(), image->data(),
                          static_cast<std::size_t>(std::min<std::uint64_t>(taille, image->size())));
  } catch (const EErreurClasse& e) {
    questions_.Erreur(e.what());
  }
}

bool TSauvegarde::Fermer(const TOptions& o) {
  if (document_.Modifie()) {
    switch (questions_.SauverAvantFermeture(document_.Chemin())) {
      case TQuestionsSauvegarde::TReponse::Annuler: return false;
      // A save that did not happen (cancelled dialog, failed write) keeps the window open.
      case TQuestionsSauvegarde::TReponse::Oui:
        if (!Sauver()) return false;
        break;
      case TQuestionsSauvegarde::TReponse::Non: break;
    }
  }
  if (o.sauvegarde && !document_.JamaisSauve()) CopieDeSauvegarde(o.repsauve);
  return true;
}

bool TSauvegarde::Effacer() {
  if (document_.JamaisSauve() || !questions_.ConfirmerEffacement(document_.Chemin())) return false;
  std::error_code ec;
  if (!fs::remove(document_.Chemin(), ec)) {
    questions_.Erreur("Impossible d'effacer le fichier " + document_.Chemin());
    return false;
  }
  document_.EffacerModifie();
  document_.FixerJamaisSauve(true);  // nothing left to offer as a backup copy
  return true;
}

}  // namespace calevrin
