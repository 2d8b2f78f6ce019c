// The sheet's menus and the commands that do not edit grades cell by cell: periods and
// subjects, saving with its ".bak", closing with the backup copy, deleting, printing, export.
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QPainter>
#include <QPrinter>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QUndoStack>
#include <filesystem>

#include "model/alertes.h"
#include "model/cp1252.h"
#include "model/dates.h"
#include "model/ecriture.h"
#include "model/edition.h"
#include "model/erreurs.h"
#include "model/moyennes.h"
#include "model/tableau.h"
#include "platform/canevasqt.h"
#include "platform/dialogues.h"
#include "platform/imprimantes.h"
#include "platform/menus.h"
#include "platform/messages.h"
#include "platform/pressepapiers.h"
#include "platform/texte.h"
#include "print/metriques.h"
#include "sheet/dialoguesfeuille.h"
#include "sheet/feuille.h"

namespace calevrin {

namespace pf = plateforme;
namespace fs = std::filesystem;

namespace {

const QString FiltreClasse = QStringLiteral("Fichier classe v3 (*.cl3)");

QString EnQString(const std::string& s) { return QString::fromStdString(s); }

void Erreur(const QString& texte) { pf::BoiteMessage(texte, pf::TGenreMessage::Erreur); }

}  // namespace

QAction* TChild::Action(const char* nom) const { return pf::TrouverAction(this, nom); }

void TChild::CreerMenus() {
  const auto action = [this](QMenu* menu, const char* nom, const QString& titre, const QString& hint, auto&& quoi) {
    return pf::AjouterAction(menu, nom, titre, hint, this, quoi);
  };
  // The test a command acts on, chosen in its dialog; 0 when cancelled or not available.
  const auto choisir = [this](TModeChoixDevoir mode) {
    const int k = dialogues_.ChoisirDevoir(this, Classe(), mode);
    return k == ChoixAnnule ? 0 : k;
  };

  QMenu* edition = new QMenu(QStringLiteral("&Edition"), this);
  QUndoStack& pile = document_->Pile();
  QAction* annuler = action(edition, "MAnnuler", QStringLiteral("&Annuler"),
                            QStringLiteral("Annuler la dernière modification"), [this, &pile] {
                              if (!RefuserPendantSaisie()) pile.undo();
                            });
  annuler->setShortcut(QKeySequence::Undo);
  QAction* retablir = action(edition, "MRetablir", QStringLiteral("&Rétablir"),
                             QStringLiteral("Rétablir la modification annulée"), [this, &pile] {
                               if (!RefuserPendantSaisie()) pile.redo();
                             });
  retablir->setShortcuts({QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))});
  const auto nommer = [annuler, retablir, &pile] {
    annuler->setEnabled(pile.canUndo());
    annuler->setText(QStringLiteral("&Annuler ") + pile.undoText());
    retablir->setEnabled(pile.canRedo());
    retablir->setText(QStringLiteral("&Rétablir ") + pile.redoText());
  };
  connect(&pile, &QUndoStack::indexChanged, this, nommer);
  nommer();
  edition->addSeparator();
  action(edition, "M61", QStringLiteral("&Couper un devoir..."),
         QStringLiteral("Couper un devoir dans le presse papier"), [this, choisir] {
           if (RefuserPendantSaisie()) return;
           if (const int k = choisir(TModeChoixDevoir::Couper); k > 0 && CouperDevoir(Classe(), k))
             ApresChangement(TCodeChangement::Devoirs, QStringLiteral("la coupure du devoir"));
         });
  action(edition, "M60", QStringLiteral("Co&pier un devoir..."),
         QStringLiteral("Copier un devoir dans le presse papier"), [this, choisir] {
           if (const int k = choisir(TModeChoixDevoir::Copier); k > 0) CopierDevoir(Classe(), k);
           MajMenus();
         });
  action(edition, "M62", QStringLiteral("&Ajouter le devoir copié"),
         QStringLiteral("Ajouter le devoir du presse papier"), [this] {
           if (PressePapInterne.Plein && AjouterDevoirCopie(Classe()))
             ApresChangement(TCodeChangement::Devoirs, QStringLiteral("l'ajout du devoir copié"));
         });
  action(edition, "M63", QStringLiteral("&Insérer le devoir copié..."),
         QStringLiteral("Insérer le devoir du presse papier"), [this, choisir] {
           if (RefuserPendantSaisie()) return;
           const int k = choisir(TModeChoixDevoir::CollerAvant);
           if (k > 0 && PressePapInterne.Plein && InsererDevoirCopie(Classe(), k))
             ApresChangement(TCodeChangement::Devoirs, QStringLiteral("l'insertion du devoir copié"));
         });
  edition->addSeparator();
  action(edition, "M64", QStringLiteral("&Exporter le tableau"), QStringLiteral("Exporter vers un tableur"),
         [this] { ExporterTableau(); });

  QMenu* classe = new QMenu(QStringLiteral("&Classe"), this);
  classe->menuAction()->setStatusTip(QStringLiteral("Gérer les élèves"));
  // The list of students changed: the names column may need another width.
  const auto eleves = [this](bool (TDialoguesFeuille::*dialogue)(QWidget*, TClasse&), const QString& etape) {
    if (RefuserPendantSaisie() || !(dialogues_.*dialogue)(this, Classe())) return;
    OublierCase();  // the row the keyboard pointed at may hold another student now
    CalculerLargeurNoms();
    Rafraichir();
    document_->NouvelleEtape(etape, {TCodeChangement::Eleves, 0, 0, 0});
  };
  action(classe, "M25", QStringLiteral("&Ajouter un élève..."), QStringLiteral("Ajouter un élève en fin de liste"),
         [eleves] { eleves(&TDialoguesFeuille::AjouterEleve, QStringLiteral("l'ajout d'un élève")); });
  action(classe, "M27", QStringLiteral("&Insérer un élève..."), QStringLiteral("Insérer un élève dans la liste"),
         [eleves] { eleves(&TDialoguesFeuille::InsererEleve, QStringLiteral("l'insertion d'un élève")); });
  action(classe, "M26", QStringLiteral("&Supprimer un élève..."), QStringLiteral("Supprimer un élève de la liste"),
         [eleves] { eleves(&TDialoguesFeuille::SupprimerEleve, QStringLiteral("la suppression d'un élève")); });
  action(classe, "M28", QStringLiteral("&Modifier le nom d'un élève..."),
         QStringLiteral("Modifier le nom, le prénom ou la date de naissance"),
         [eleves] { eleves(&TDialoguesFeuille::ModifierEleves, QStringLiteral("la modification des élèves")); });
  classe->addSeparator();
  action(classe, "M29", QStringLiteral("M&odifier les paramètres de la classe"),
         QStringLiteral("Modifier l'abréviation et la division annuelle"), [this] {
           if (RefuserPendantSaisie()) return;
           const int avant = Classe().NbPeriodes();
           if (!dialogues_.ModifierParametres(this, Classe())) return;
           Rafraichir();
           document_->NouvelleEtape(QStringLiteral("les paramètres de la classe"), {TCodeChangement::Periode, 0, 0, 0});
           if (Classe().NbPeriodes() == avant) return;
           MajLibellesPeriodes();
           ChangerPeriode(1);
         });
  classe->addSeparator();
  action(classe, "MTrier", QStringLiteral("&Trier par ordre alphabétique"),
         QStringLiteral("Trier alphabétiquement d'après le nom"), [this] {
           if (RefuserPendantSaisie()) return;
           TrierEleves(Classe());
           Rafraichir();
           Document().NouvelleEtape(QStringLiteral("le tri des élèves"), {TCodeChangement::Eleves, 0, 0, 0});
         });

  QMenu* note = new QMenu(QStringLiteral("&Note"), this);
  note->menuAction()->setStatusTip(QStringLiteral("Gérer les notes"));
  action(note, "M30", QStringLiteral("&Ajouter un nouveau devoir..."), QStringLiteral("Ajouter un nouveau devoir"),
         [this] {
           if (dialogues_.AjouterDevoir(this, Classe()))
             ApresChangement(TCodeChangement::Devoirs, QStringLiteral("l'ajout du devoir"));
         });
  action(note, "M35", QStringLiteral("&Insérer un nouveau devoir..."), QStringLiteral("Insérer un nouveau devoir"),
         [this, choisir] {
           if (RefuserPendantSaisie()) return;
           const int k = choisir(TModeChoixDevoir::InsererAvant);
           if (k > 0 && dialogues_.InsererDevoir(this, Classe(), k))
             ApresChangement(TCodeChangement::Devoirs, QStringLiteral("l'insertion du devoir"));
         });
  action(note, "M31", QStringLiteral("&Modifier les informations d'un devoir..."),
         QStringLiteral("Modifier les renseignements relatifs à un devoir"), [this] {
           if (dialogues_.ModifierDevoirs(this, Classe()))
             ApresChangement(TCodeChangement::Devoirs, QStringLiteral("la modification des devoirs"));
         });
  action(note, "M32", QStringLiteral("&Supprimer un devoir..."), QStringLiteral(" Supprimer un devoir"),
         [this, choisir] {
           if (RefuserPendantSaisie()) return;
           const int k = choisir(TModeChoixDevoir::Supprimer);
           if (k == 0 ||
               pf::BoiteMessage(pf::DepuisCp1252(QuestionSupprimerDevoir(Classe(), k)), pf::TGenreMessage::Confirmation,
                                pf::BoutonOui | pf::BoutonNon) != pf::TReponse::Oui)
             return;
           if (SupprimerDevoir(Classe(), k))
             ApresChangement(TCodeChangement::Devoirs, QStringLiteral("la suppression du devoir"));
         });
  note->addSeparator();
  action(note, "MImporterNotes", QStringLiteral("Importer des &notes..."),
         QStringLiteral("Importer les notes d'un devoir depuis un fichier ou un tableur"), [this] {
           if (RefuserPendantSaisie() || !dialogues_.ImporterNotes(this, Classe())) return;
           ApresChangement(TCodeChangement::Devoirs, QStringLiteral("l'importation des notes"));
         });
  note->addSeparator();
  // Emptying a period or the year: asked first.
  const auto vider = [this](auto&& question, auto&& operation, const QString& etape) {
    if (RefuserPendantSaisie()) return;
    if (pf::BoiteMessage(pf::DepuisCp1252(question(Classe())), pf::TGenreMessage::Confirmation,
                         pf::BoutonOui | pf::BoutonNon) != pf::TReponse::Oui)
      return;
    operation(Classe());
    ApresChangement(TCodeChangement::Devoirs, etape);
  };
  action(note, "M33", QString(), QString(), [vider] {
    vider(QuestionViderPeriode, ViderPeriode, QStringLiteral("la suppression des notes de la période"));
  });
  action(note, "M34", QStringLiteral("Su&pprimer les notes de l'année"),
         QStringLiteral("Supprimer TOUTES les notes de l'année"),
         [vider] { vider(QuestionViderAnnee, ViderAnnee, QStringLiteral("la suppression des notes de l'année")); });

  QMenu* matiere = new QMenu(QStringLiteral("&Matière"), this);
  action(matiere, "M50", QStringLiteral("&Changer les coefficients..."),
         QStringLiteral("Changer les coefficients des matières"), [this] {
           if (!dialogues_.ModifierCoefficients(this, Classe())) return;
           Rafraichir();
           document_->NouvelleEtape(
               QStringLiteral("les coefficients des matières"),
               {TCodeChangement::Matiere, Classe().PeriodeCourante(), Classe().MatiereCourante(), 0});
         });
  // Refused during an entry: the subject being typed in may stop being shown.
  action(matiere, "M51", QStringLiteral("C&hanger le nombre et le nom..."),
         QStringLiteral("Changer le nom des matières"), [this] {
           if (RefuserPendantSaisie() || !dialogues_.ModifierMatieres(this, Classe())) return;
           Rafraichir();
           MajLibellesMatieres();
           const int s = Classe().MatiereCourante();
           document_->NouvelleEtape(QStringLiteral("les matières"),
                                    {TCodeChangement::Matiere, Classe().PeriodeCourante(), s, 0});
           if (s <= MaxMatieres && s > Classe().NbMatieres()) ChangerMatiere(1);
         });

  QMenu* affichage = new QMenu(QStringLiteral("&Affichage"), this);
  auto* periodes = new QActionGroup(this);
  for (int p = 1; p <= 4; ++p) {
    const std::string nom = p == 4 ? "NBilan" : "Ntrim" + std::to_string(p);
    QAction* a =
        action(affichage, nom.c_str(), p == 4 ? QStringLiteral("&Année") : QString(),
               p == 4 ? QStringLiteral("Afficher le bilan annuel") : QString(), [this, p] { ChangerPeriode(p); });
    a->setCheckable(true);
    periodes->addAction(a);
  }
  affichage->addSeparator();
  auto* matieres = new QActionGroup(this);
  for (int m = 1; m <= 4; ++m) {
    const std::string nom = "MenuM" + std::to_string(m);
    QAction* a =
        action(affichage, nom.c_str(), m == 4 ? QStringLiteral("&Synthèse") : QString(),
               m == 4 ? QString() : QStringLiteral("Afficher la matière %1").arg(m), [this, m] { ChangerMatiere(m); });
    a->setCheckable(true);
    matieres->addAction(a);
  }

  QMenu* stats = new QMenu(QStringLiteral("&Statistique"), this);
  stats->menuAction()->setStatusTip(QStringLiteral("Afficher des statistiques divers"));
  const auto ouvrir = [this](const std::vector<TFenetreStat>& f) {
    return [this, f] { dialogues_.OuvrirStatistiques(this, *document_, f); };
  };
  using F = TFenetreStat;
  action(stats, "M40", QStringLiteral("&Evolution des notes classe && élèves "),
         QStringLiteral("Graphique des notes d'un élève ou de la classe"), ouvrir({F::Evolution}));
  action(stats, "M41", QStringLiteral("Statistiques sur un &devoir"),
         QStringLiteral("Répartition de Gauss des notes d'un devoir"), ouvrir({F::Devoir}));
  action(stats, "M42", QStringLiteral("Statistiques sur les &moyennes"),
         QStringLiteral("Répartition de Gauss des moyennes"), ouvrir({F::Moyennes}));
  action(stats, "M46", QStringLiteral("&Ouvrir les 3 fenêtres statistiques"),
         QStringLiteral("Ouvrir les 3 types de graphiques"), ouvrir({F::Evolution, F::Devoir, F::Moyennes}));
  action(stats, "M47", QStringLiteral("&Bilan complet classe && élèves"),
         QStringLiteral("Tableau récapitulatif complet"), ouvrir({F::Bilan}));
  stats->addSeparator();
  action(stats, "M43", QStringLiteral("&Classement des élèves"),
         QStringLiteral("Classement des élèves d'après la moyenne"), [this] { dialogues_.Classement(this, Classe()); });
  action(stats, "M44", QStringLiteral("Â&ge des élèves"), QStringLiteral("Âge des élèves"),
         [this] { dialogues_.Ages(this, Classe()); });
  action(stats, "M45", QStringLiteral("&Les anniversaires du mois"), QStringLiteral("Les anniversaires de ce mois"),
         [this] { dialogues_.Anniversaires(this, Classe()); });
  menus_ = {edition, classe, note, matiere, affichage, stats};

  contextuel_ = new QMenu(this);
  for (int p = 1; p <= 4; ++p) {
    const std::string nom = "MPopup" + std::to_string(p);
    action(contextuel_, nom.c_str(), p == 4 ? QStringLiteral("Année") : QString(),
           p == 4 ? QStringLiteral("Afficher le bilan annuel") : QString(), [this, p] { ChangerPeriode(p); });
  }
  contextuel_->addSeparator();
  for (int m = 1; m <= 4; ++m) {
    const std::string nom = "MPopup" + std::to_string(m + 4);
    action(contextuel_, nom.c_str(), m == 4 ? QStringLiteral("Synthèse") : QString(), QString(),
           [this, m] { ChangerMatiere(m); });
  }
  contextuel_->addSeparator();
  action(contextuel_, "MPopupFiches", QStringLiteral("Imprimer les &fiches des élèves..."),
         QStringLiteral("Une page par élève : notes, moyennes, rang, graphiques, appréciation"),
         [this] { FichesEleves(); });
}

void TChild::FichesEleves() {
  if (RefuserPendantSaisie()) return;
  dialogues_.FichesEleves(this, Classe());
}

void TChild::MajLibellesPeriodes() {
  const QString N = Classe().NbPeriodes() == 2 ? QStringLiteral("Semestre") : QStringLiteral("Trimestre");
  Action("M33")->setText(QStringLiteral("S&upprimer les notes du ") + N);
  Action("M33")->setStatusTip(QStringLiteral("Supprimer TOUTES les notes de ce ") + N);
  for (int p = 1; p <= 3; ++p) {
    const QString titre = "&" + N + " " + QString::number(p);
    const QString hint = QStringLiteral("Afficher le ") + titre;
    for (const std::string& nom : {"Ntrim" + std::to_string(p), "MPopup" + std::to_string(p)}) {
      QAction* a = Action(nom.c_str());
      a->setText(titre);
      a->setStatusTip(hint);
      a->setVisible(p < 3 || Classe().NbPeriodes() == 3);
    }
  }
  menus_[4]->menuAction()->setStatusTip(QStringLiteral("Choisir le ") + N + QStringLiteral(" et la matière"));
}

void TChild::MajLibellesMatieres() {
  for (int m = 1; m <= 3; ++m) {
    for (const std::string& nom : {"MenuM" + std::to_string(m), "MPopup" + std::to_string(m + 4)}) {
      QAction* a = Action(nom.c_str());
      a->setText(pf::DepuisCp1252(Classe().Matiere(m).Nom.Vue()));
      a->setVisible(m <= Classe().NbMatieres());
    }
  }
}

void TChild::MajMenus() {
  const int n = Classe().NbEleves();
  const int s = Classe().MatiereCourante();
  const int p = Classe().PeriodeCourante();
  const bool T = s <= 3 && p <= 3;
  const int m = T ? Classe().NbDevoirs(s, p) : NbDevoirsTotal(Classe());
  const bool A = NbDevoirsTotal(Classe()) > 0;
  const auto etat = [this](const char* nom, bool actif) { Action(nom)->setEnabled(actif); };
  etat("M25", n < MaxEleves);
  etat("M27", n < MaxEleves);
  etat("M26", n > 1);  // never the last student
  etat("M29", true);
  etat("M64", true);
  etat("M30", T && m < MaxDevoirs);
  // The import may write over the test being typed in.
  etat("MImporterNotes", T && !SaisieEnCours());
  for (const char* nom : {"M31", "M32", "M33", "M60", "M61"}) etat(nom, T && m > 0);
  etat("M34", T && NbDevoirsAnnee(Classe(), s) > 0);
  const bool ajouter = T && m < MaxDevoirs;
  etat("M35", ajouter && m > 0);
  etat("M62", ajouter && PressePapInterne.Plein);
  etat("M63", ajouter && PressePapInterne.Plein && m > 0);
  etat("M40", m > 0);
  etat("M41", m > 0 && s != 4);
  for (const char* nom : {"M42", "M43", "M46", "M47"}) etat(nom, A);
  for (int i = 1; i <= 8; ++i) {
    const std::string nom = "MPopup" + std::to_string(i);
    Action(nom.c_str())->setEnabled(i <= 4 ? i != p : i - 4 != s);
  }
  Action(p == 4 ? "NBilan" : ("Ntrim" + std::to_string(p)).c_str())->setChecked(true);
  Action(("MenuM" + std::to_string(s)).c_str())->setChecked(true);
}

void TChild::ApresChangement(TCodeChangement code, const QString& etape) {
  Rafraichir();
  document_->NouvelleEtape(etape, {code, Classe().PeriodeCourante(), 0, 0});
}

bool TChild::Sauver(bool ajouterRecent) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  try {
    document_->Enregistrer();
  } catch (const EErreurClasse& e) {
    QApplication::restoreOverrideCursor();
    Erreur(QString::fromUtf8(e.what()));
    return false;
  }
  if (ajouterRecent) emit signaux_.FichierRecent(QString::fromStdString(CouperUtf8(Classe().NomFichier, 255)));
  QApplication::restoreOverrideCursor();
  return true;
}

bool TChild::SauverSous() {
  QString nom = pf::DemanderFichierSauvegarde(this, EnQString(Classe().NomFichier), FiltreClasse);
  if (nom.isEmpty()) return false;
  // A name typed without extension gets the one the open dialog and the association know.
  if (QFileInfo(nom).suffix().isEmpty()) nom += QStringLiteral(".cl3");
  const std::string ancien = Classe().NomFichier;
  Classe().NomFichier = nom.toStdString();
  if (!Sauver(true)) {
    Classe().NomFichier = ancien;
    return false;
  }
  document_->FixerJamaisSauve(false);
  document_->FixerLectureSeule(false);
  QString detenteur;
  document_->Verrouiller(detenteur);  // its own file now; the teacher chose the name knowingly
  MajTitre();
  Rafraichir();
  return true;
}

bool TChild::SauverAvecCopie() {
  bool ecrit = false;
  if (document_->JamaisSauve() || document_->LectureSeule()) {
    ecrit = SauverSous();
  } else if (document_->ModifieSurDisque()) {
    // Another program, or a synced folder, wrote the file since: never overwritten unasked.
    const int r = pf::ChoixMessage(
        QStringLiteral("Le fichier ") + EnQString(Classe().NomFichier) +
            QStringLiteral(" a été modifié sur le disque depuis son ouverture ou son dernier "
                           "enregistrement (par un autre programme ou une synchronisation)."
                           "\n\nL'écraser avec cette classe ?"),
        pf::TGenreMessage::Confirmation,
        {QStringLiteral("Enregistrer &sous..."), QStringLiteral("&Écraser"), QStringLiteral("Annuler")});
    if (r == 2) return false;
    ecrit = r == 1 ? Sauver(true) : SauverSous();
  } else {
    ecrit = Sauver(true);
  }
  // The ".bak" copies a class file that was written, never a save that did not happen.
  if (!ecrit) return false;
  try {
    document_->EnregistrerCopie(fs::path(Classe().NomFichier).replace_extension(".bak").string());
  } catch (const EErreurClasse& e) {
    Erreur(QString::fromUtf8(e.what()));
  }
  return true;
}

void TChild::CopieDeSauvegarde() {
  const QString F = QFileInfo(EnQString(Classe().NomFichier)).fileName();
  const QString repertoire = EnQString(options_.repsauve);
  const QString question = QStringLiteral(
                               "La sauvegarde automatique est activée.\n( Option - Onglet Sauvegarde )\n\n"
                               "Fichier à sauvegarder: ") +
                           F + QStringLiteral("\nDans le répertoire: ") + repertoire +
                           QStringLiteral("\n\nEffectuer cette sauvegarde ?");
  if (pf::BoiteMessage(question, pf::TGenreMessage::Confirmation, pf::BoutonOui | pf::BoutonNon) != pf::TReponse::Oui)
    return;
  std::error_code ec;
  const fs::path dossier(options_.repsauve);
  fs::create_directories(dossier, ec);
  const fs::path cible = dossier / F.toStdString();
  // Never replace silently a copy newer than the class being closed.
  if (fs::exists(cible, ec) && fs::exists(Classe().NomFichier, ec) &&
      fs::last_write_time(cible, ec) > fs::last_write_time(Classe().NomFichier, ec) &&
      pf::BoiteMessage(QStringLiteral("Le fichier ") + EnQString(cible.string()) +
                           QStringLiteral(" est plus récent que la classe fermée.\n\nLe remplacer ?"),
                       pf::TGenreMessage::Confirmation, pf::BoutonOui | pf::BoutonNon) != pf::TReponse::Oui)
    return;
  try {
    document_->EnregistrerCopie(cible.string());
  } catch (const EErreurClasse& e) {
    Erreur(QString::fromUtf8(e.what()));
  }
}

bool TChild::DemanderFermeture() {
  if (fermetureAccordee_) return true;
  if (SaisieEnCours()) ValiderSaisie(AucuneCellule, 0);  // a grade half typed is dropped, as Escape would
  if (document_->Modifie()) {
    const QString question = QStringLiteral("Le fichier ") + EnQString(Classe().NomFichier) +
                             QStringLiteral(" a été modifié, mais pas sauvé.\n\nCe fichier doit-il être sauvé ?\n");
    const pf::TReponse r =
        pf::BoiteMessage(question, pf::TGenreMessage::Confirmation, pf::BoutonOui | pf::BoutonNon | pf::BoutonAnnuler);
    // A save that did not happen (cancelled dialog, failed write) keeps the window open.
    if (r == pf::TReponse::Annuler || (r == pf::TReponse::Oui && !SauverAvecCopie())) return false;
  }
  if (options_.sauvegarde && !document_->JamaisSauve()) CopieDeSauvegarde();
  fermetureAccordee_ = true;
  return true;
}

void TChild::closeEvent(QCloseEvent* event) {
  if (DemanderFermeture())
    event->accept();
  else
    event->ignore();
}

bool TChild::EffacerFichier() {
  if (document_->JamaisSauve() || RefuserPendantSaisie()) return false;
  if (pf::BoiteMessage(
          QStringLiteral("Effacer DEFINITIVEMENT du disque le ficher ") + EnQString(Classe().NomFichier) + " ?",
          pf::TGenreMessage::Confirmation, pf::BoutonOui | pf::BoutonNon) != pf::TReponse::Oui)
    return false;
  std::error_code ec;
  if (!fs::remove(Classe().NomFichier, ec)) {
    Erreur(QStringLiteral("Impossible d'effacer le fichier ") + EnQString(Classe().NomFichier));
    return false;
  }
  document_->EffacerModifie();
  document_->FixerJamaisSauve(true);  // nothing left to offer as a backup copy
  fermetureAccordee_ = true;
  if (QWidget* cadre = parentWidget()) cadre->close();
  return true;
}

void TChild::Imprimer(bool sansDialogue) {
  if (RefuserPendantSaisie()) return;
  QPrinter& imprimante = pf::ImprimanteCourante();
  const QFileInfo classe(EnQString(Classe().NomFichier));
  const QString pdfPropose = classe.absoluteDir().filePath(classe.completeBaseName() + QStringLiteral(".pdf"));
  // Each class proposes its own PDF beside it: the last one printed is never rewritten unasked.
  imprimante.setDocName(classe.fileName());
  const bool etaitPdf = pf::EstDestinationPdf(imprimante);
  if (etaitPdf) imprimante.setOutputFileName(pdfPropose);
  if (!sansDialogue && !pf::DialogueImpression(this, imprimante)) return;
  const bool pdf = pf::EstDestinationPdf(imprimante);
  if (pdf && !etaitPdf) pf::FixerMargesPdf(imprimante);
  if (pdf && (sansDialogue || imprimante.outputFileName().isEmpty())) {
    QString nom = pf::DemanderFichierSauvegarde(this, pdfPropose, QStringLiteral("Document PDF (*.pdf)"));
    if (nom.isEmpty()) return;
    if (QFileInfo(nom).suffix().isEmpty()) nom += QStringLiteral(".pdf");
    imprimante.setOutputFileName(nom);
  }
  // A PDF is drawn aside and then put in place whole, as a class file is: a failure never
  // leaves half a file, and a device or a FIFO in its place is refused.
  const QString cible = imprimante.outputFileName();
  QTemporaryDir brouillon;
  if (pdf) {
    try {
      CibleEcriture(cible.toStdString());
    } catch (const EErreurClasse& e) {
      Erreur(QString::fromUtf8(e.what()));
      return;
    }
    imprimante.setOutputFileName(brouillon.filePath(QStringLiteral("feuille.pdf")));
  }
  LireMetriques();
  LireMesuresPage();
  QPainter p;
  bool imprime = p.begin(&imprimante);
  if (imprime) {
    pf::TCanevasQt c(p);
    TEtatFeuille etat = etat_;
    DessinerFeuille(c, true, etat, Classe(), page_);
    imprime = p.end();
  }
  if (!pdf) {
    if (!imprime) Erreur(QStringLiteral("Impossible d'imprimer sur ") + imprimante.printerName());
    return;
  }
  const QString dessin = imprimante.outputFileName();
  imprimante.setOutputFileName(cible);
  try {
    QFile f(dessin);
    if (!imprime || !f.open(QIODevice::ReadOnly)) throw EErreurClasse(Formater(MsgCreation, cible.toStdString()));
    const QByteArray octets = f.readAll();
    EcrireFichierAtomique(cible.toStdString(), reinterpret_cast<const std::uint8_t*>(octets.constData()),
                          static_cast<std::size_t>(octets.size()));
  } catch (const EErreurClasse& e) {
    Erreur(QString::fromUtf8(e.what()));
    return;
  }
  emit signaux_.Message(QStringLiteral(" PDF écrit : ") + cible, false);
}

void TChild::ConfigurerImprimante() {
  if (!pf::DialogueConfigurationImprimante(this, pf::ImprimanteCourante())) return;
  LireMetriques();
  LireMesuresPage();
  Rafraichir();
}

void TChild::EntrerApercu() {
  if (pf::NbImprimantes() == 0) {
    pf::BoiteMessage(QStringLiteral("Aucune imprimante connectée."), pf::TGenreMessage::Avertissement);
    return;
  }
  if (SaisieEnCours() || etat_.ModeApercu) return;
  BasculerApercu();
}

void TChild::DefilementRapide(bool horizontal) {
  QScrollBar* b = horizontal ? horizontalScrollBar() : verticalScrollBar();
  bool& bascule = horizontal ? defilementH_ : defilementV_;
  b->setValue(bascule ? b->maximum() : 0);
  bascule = !bascule;
}

void TChild::ExporterTableau() {
  if (!pf::CopierTexte(pf::DepuisCp1252(TexteTableau(Classe()))))
    Erreur(QStringLiteral("Le presse-papiers n'est pas disponible."));
}

void TChild::Zoom(bool plus) {
  horizontalScrollBar()->setValue(0);
  verticalScrollBar()->setValue(0);
  double& z = etat_.ZoomApercu;
  if ((plus && z >= 4.0) || (!plus && z <= 0.1)) {
    Bip();
    return;
  }
  z = plus ? z * 2 : z / 2;
  Rafraichir();
}

QString TChild::TextePeriode() const {
  const int p = Classe().PeriodeCourante();
  if (p == 4) return QStringLiteral("Bilan");
  return pf::DepuisCp1252(NomCourtPeriode(Classe().NbPeriodes())) + QString::number(p);
}

QString TChild::Chemin() const { return QString::fromStdString(Classe().NomFichier); }

bool TChild::Disponible(pf::TCommandeCadre commande) const {
  using C = pf::TCommandeCadre;
  switch (commande) {
    case C::Sauver: return document_->Modifie();
    case C::Effacer: return !document_->JamaisSauve();
    case C::NouveauDevoir: return Action("M30")->isEnabled();
    case C::OuvrirStatistiques: return Action("M46")->isEnabled();
    case C::DefilementHorizontal:
    case C::DefilementVertical:
    case C::ZoomPlus:
    case C::ZoomMoins: return etat_.ModeApercu;
    default: return true;
  }
}

void TChild::Executer(pf::TCommandeCadre commande) {
  using C = pf::TCommandeCadre;
  switch (commande) {
    case C::Sauver: SauverAvecCopie(); break;
    case C::SauverSous: SauverSous(); break;
    case C::Effacer: EffacerFichier(); break;
    case C::Imprimer: Imprimer(false); break;
    case C::ImprimerSansDialogue: Imprimer(true); break;
    case C::ConfigurerImprimante: ConfigurerImprimante(); break;
    case C::Apercu: EntrerApercu(); break;
    case C::BasculerApercu: BasculerApercu(); break;
    case C::NouveauDevoir: Action("M30")->trigger(); break;
    case C::OuvrirStatistiques: Action("M46")->trigger(); break;
    case C::MatiereSuivante: MatiereSuivante(); break;
    case C::PeriodeSuivante: PeriodeSuivante(); break;
    case C::DefilementHorizontal: DefilementRapide(true); break;
    case C::DefilementVertical: DefilementRapide(false); break;
    case C::ZoomPlus: Zoom(true); break;
    case C::ZoomMoins: Zoom(false); break;
  }
}

void TChild::contextMenuEvent(QContextMenuEvent* event) {
  if (SaisieEnCours()) return;
  OuvrirMenuContextuel(event->globalPos());
}

void TChild::OuvrirMenuContextuel(const QPoint& global) {
  viewport()->unsetCursor();
  MajMenus();
  contextuel_->popup(global - QPoint(contextuel_->sizeHint().width() / 2, contextuel_->sizeHint().height() / 2));
}

}  // namespace calevrin
