#pragma once
// "Choix des options": every preference of the program on eight tabs, with a sample of a grade
// sheet drawn as the settings change. The dialog edits a copy; exec() returns DialogueConfirme
// once the copy holds every control's value, and the caller puts the copy in force (replaces
// the options, writes the configuration file, has the windows follow). DialogueAnnule leaves
// everything as it was.
//
// Object names for tests: the tabs Onglets; CheckBox2..17, CBGras, CBItalic; ColorPanel1..12;
// Edit1..Edit6, LB2..LB4, CB1, CB2, ST1, SN1..SN3, Apercu, ExempleTitre, BoutonParcourir,
// BoutonOK, BoutonAnnuler, BoutonAide.

#include <QDialog>
#include <QImage>
#include <QString>
#include <functional>

#include "dialogs/resultats.h"
#include "model/options.h"
#include "platform/canevas.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QTableWidget;

namespace calevrin {

class TColorPanel;
class TSaisieNombre;
class TZlkPageControl;

// The size of the sample, in pixels.
inline constexpr int LargeurApercu = 501;
inline constexpr int HauteurApercu = 181;

// The sample sheet drawn with the options o on any canvas.
void DessinerApercu(plateforme::TCanevas& canevas, const TOptions& o);

// The example of a printed title with separator indsep, the school year when annee.
QString ExempleTitre(int indsep, bool annee);

// The fonts offered: the desktop's families, sorted, without its private ones nor those whose
// name the configuration file cannot hold (32 Windows-1252 characters).
QStringList PolicesProposees();

class TDialOption : public QDialog {
  Q_OBJECT

 public:
  TDialOption(QWidget* parent, const TOptions& o);

  const TOptions& CopieOptions() const { return copie_; }
  bool DialogueAffiche = false;
  // The sample as last drawn.
  const QImage& Apercu() const { return apercu_; }

  // The folder chooser of "Parcourir..." (replaced in tests): the folder, or empty.
  std::function<QString(QWidget* parent, const QString& depart)> ChoisirDossier;

  void LireControles();
  void RedessinerApercu();  // CBOnClick
  void DessinerApercu();
  void AfficherExempleTitre();

  void accept() override;  // OK: refused, with a message, while a field holds no valid value
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* OngletDivers();
  QWidget* OngletCouleur();
  QWidget* OngletPolice();
  void DisposerOngletPolice(QWidget* page, QCheckBox* identique);
  QWidget* OngletImpression();
  QWidget* OngletSauvegarde();
  QWidget* OngletTitre();
  QWidget* OngletLettres();
  QWidget* OngletSaisie();
  QCheckBox* Case(QWidget* parent, const char* nom, const QString& texte, bool coche, bool redessine = true);
  void AppliquerDomaines();
  void TailleEcranChoisie();       // LB3Click
  void TailleImpressionChoisie();  // LB4Click
  void Parcourir();
  // A refused field: its tab shown, the message, the focus on it.
  void Refuser(QWidget* champ, const QString& message);
  bool VerifierNombres();
  bool VerifierDossier();

  TOptions copie_;
  QString dossierInitial_;
  bool sauvegardeInitiale_;
  QImage apercu_;
  TZlkPageControl* onglets_ = nullptr;
  QLabel* panneauApercu_ = nullptr;
  QList<QCheckBox*> cases_;
  TColorPanel* panneaux_[NbCouleurs] = {};
  QLineEdit* edit1_ = nullptr;
  QLineEdit* edit2_ = nullptr;
  QLineEdit* edit3_ = nullptr;
  QLineEdit* edit4_ = nullptr;
  QLineEdit* edit5_ = nullptr;
  QLineEdit* edit6_ = nullptr;
  QListWidget* lb2_ = nullptr;
  QListWidget* lb3_ = nullptr;
  QListWidget* lb4_ = nullptr;
  QCheckBox* gras_ = nullptr;
  QCheckBox* italique_ = nullptr;
  QComboBox* cb1_ = nullptr;
  QComboBox* cb2_ = nullptr;
  QLabel* exemple_ = nullptr;
  QTableWidget* st1_ = nullptr;
  QLabel* domaine_ = nullptr;
  TSaisieNombre* sn1_ = nullptr;
  TSaisieNombre* sn2_ = nullptr;
  TSaisieNombre* sn3_ = nullptr;
};

}  // namespace calevrin
