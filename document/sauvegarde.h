#pragma once
// When and where an open class is written: its own file (never over another program's change
// unasked), the ".bak" beside it, the backup copy at closing, and deleting it. The questions
// are the window's to ask.

#include <string>

namespace calevrin {

class TDocumentClasse;
struct TOptions;

class TQuestionsSauvegarde {
 public:
  enum class TReponse { Oui, Non, Annuler };
  enum class TChoixDisque { Ecraser, EnregistrerSous, Annuler };
  virtual ~TQuestionsSauvegarde() = default;
  // A file name for the class, proposed; empty when cancelled. Paths in UTF-8.
  virtual std::string DemanderNom(const std::string& propose) = 0;
  // The file changed on disk since it was read or written.
  virtual TChoixDisque FichierModifieSurDisque(const std::string& chemin) = 0;
  virtual TReponse SauverAvantFermeture(const std::string& chemin) = 0;
  virtual bool FaireCopieDeSauvegarde(const std::string& fichier, const std::string& dossier) = 0;
  virtual bool RemplacerCopiePlusRecente(const std::string& copie) = 0;
  virtual bool ConfirmerEffacement(const std::string& chemin) = 0;
  virtual void Erreur(const std::string& texte) = 0;
};

class TSauvegarde {
 public:
  TSauvegarde(TDocumentClasse& document, TQuestionsSauvegarde& questions)
      : document_(document), questions_(questions) {}

  // Into its own file, asking for a name when it has none or was opened read-only, then the
  // ".bak"; false when nothing was written.
  bool Sauver();
  // Under a name asked for; the class then holds that file (and its lock).
  bool SauverSous();
  // The question of the modified class, then the backup copy the options ask for; false when
  // the window stays open.
  bool Fermer(const TOptions& o);
  // The class file removed from the disk, asked first; the class then has never been saved.
  bool Effacer();

 private:
  bool Ecrire();
  void CopieDeSauvegarde(const std::string& dossier);
  TDocumentClasse& document_;
  TQuestionsSauvegarde& questions_;
};

}  // namespace calevrin
