// The sheet's commands that do not edit grades cell by cell: the questions of saving and
// closing, printing, export, zoom, and what the main window asks of the sheet.
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

#include "fichiers/ecriture.h"
#include "model/alertes.h"
#include "model/cp1252.h"
#include "model/dates.h"
#include "model/edition.h"
#include "model/erreurs.h"
#include "model/moyennes.h"
#include "model/tableau.h"
#include "platform/canevasqt.h"
#include "platform/dialogues.h"
#include "platform/imprimantes.h"
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

}  // namespace

QAction* TFenetreFeuille::Action(pf::TAction a) const { return actions_[a]; }

bool TFenetreFeuille::Confirmer(const QString& question) {
  return pf::BoiteMessage(question, pf::TGenreMessage::Confirmation, pf::BoutonOui | pf::BoutonNon) ==
         pf::TReponse::Oui;
}

TChangement TFenetreFeuille::Ici(TCodeChangement code) const { return {code, Classe().PeriodeCourante(), 0, 0}; }

bool TFenetreFeuille::Changer(const QString& etape, TChangement changement,
                              const std::function<bool(TClasse&)>& changer) {
  return document_->Modifier(etape, changement, changer);
}

std::string TFenetreFeuille::DemanderNom(const std::string& propose) {
  return pf::DemanderFichierSauvegarde(this, EnQString(propose), FiltreClasse).toStdString();
}

TQuestionsSauvegarde::TChoixDisque TFenetreFeuille::FichierModifieSurDisque(const std::string& chemin) {
  const int r =
      pf::ChoixMessage(QStringLiteral("Le fichier ") + EnQString(chemin) +
                           QStringLiteral(" a été modifié sur le disque depuis son ouverture ou son dernier "
                                          "enregistrement (par un autre programme ou une synchronisation)."
                                          "\n\nL'écraser avec cette classe ?"),
                       pf::TGenreMessage::Confirmation,
                       {QStringLiteral("Enregistrer &sous..."), QStringLiteral("&Écraser"), QStringLiteral("Annuler")});
  return r == 1 ? TChoixDisque::Ecraser : r == 0 ? TChoixDisque::EnregistrerSous : TChoixDisque::Annuler;
}

TQuestionsSauvegarde::TReponse TFenetreFeuille::SauverAvantFermeture(const std::string& chemin) {
  const QString question = QStringLiteral("Le fichier ") + EnQString(chemin) +
                           QStringLiteral(" a été modifié, mais pas sauvé.\n\nCe fichier doit-il être sauvé ?\n");
  switch (
      pf::BoiteMessage(question, pf::TGenreMessage::Confirmation, pf::BoutonOui | pf::BoutonNon | pf::BoutonAnnuler)) {
    case pf::TReponse::Oui: return TReponse::Oui;
    case pf::TReponse::Non: return TReponse::Non;
    default: return TReponse::Annuler;
  }
}

void TFenetreFeuille::FichesEleves() {
  if (RefuserPendantSaisie()) return;
  dialogues_.FichesEleves(this, Classe());
}

bool TFenetreFeuille::FaireCopieDeSauvegarde(const std::string& fichier, const std::string& dossier) {
  return Confirmer(QStringLiteral("La sauvegarde automatique est activée.\n( Option - Onglet Sauvegarde )\n\n"
                                  "Fichier à sauvegarder: ") +
                   EnQString(fichier) + QStringLiteral("\nDans le répertoire: ") + EnQString(dossier) +
                   QStringLiteral("\n\nEffectuer cette sauvegarde ?"));
}

bool TFenetreFeuille::RemplacerCopiePlusRecente(const std::string& copie) {
  return Confirmer(QStringLiteral("Le fichier ") + EnQString(copie) +
                   QStringLiteral(" est plus récent que la classe fermée.\n\nLe remplacer ?"));
}

bool TFenetreFeuille::ConfirmerEffacement(const std::string& chemin) {
  return Confirmer(QStringLiteral("Effacer DEFINITIVEMENT du disque le ficher ") + EnQString(chemin) + " ?");
}

void TFenetreFeuille::Erreur(const std::string& texte) {
  pf::BoiteMessage(QString::fromStdString(texte), pf::TGenreMessage::Erreur);
}

void TFenetreFeuille::ApresEcriture() {
  emit signaux_.FichierRecent(QString::fromStdString(CouperUtf8(Classe().NomFichier, 255)));
  MajTitre();
  Rafraichir();
}

bool TFenetreFeuille::SauverSous() {
  if (!sauvegarde_.SauverSous()) return false;
  ApresEcriture();
  return true;
}

bool TFenetreFeuille::SauverAvecCopie() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const bool ecrit = sauvegarde_.Sauver();
  QApplication::restoreOverrideCursor();
  if (ecrit) ApresEcriture();
  return ecrit;
}

bool TFenetreFeuille::DemanderFermeture() {
  if (fermetureAccordee_) return true;
  // A grade being typed is stored when it is one; otherwise the teacher finishes it first.
  if (SaisieEnCours() && !edition_->Terminer()) {
    RefuserPendantSaisie();
    return false;
  }
  if (!sauvegarde_.Fermer(options_)) return false;
  fermetureAccordee_ = true;
  return true;
}

void TFenetreFeuille::closeEvent(QCloseEvent* event) {
  if (DemanderFermeture())
    event->accept();
  else
    event->ignore();
}

bool TFenetreFeuille::EffacerFichier() {
  if (RefuserPendantSaisie() || !sauvegarde_.Effacer()) return false;
  fermetureAccordee_ = true;
  if (QWidget* cadre = parentWidget()) cadre->close();
  return true;
}

void TFenetreFeuille::Imprimer(bool sansDialogue) {
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
      Erreur(e.what());
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
    DessinerFeuille(c, true, etat, Classe(), Document().Figures(options_), page_, options_);
    imprime = p.end();
  }
  if (!pdf) {
    if (!imprime) Erreur(("Impossible d'imprimer sur " + imprimante.printerName()).toStdString());
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
    Erreur(e.what());
    return;
  }
  emit signaux_.Message(QStringLiteral(" PDF écrit : ") + cible, false);
}

void TFenetreFeuille::ConfigurerImprimante() {
  if (!pf::DialogueConfigurationImprimante(this, pf::ImprimanteCourante())) return;
  LireMetriques();
  LireMesuresPage();
  Rafraichir();
}

void TFenetreFeuille::EntrerApercu() {
  if (pf::NbImprimantes() == 0) {
    pf::BoiteMessage(QStringLiteral("Aucune imprimante connectée."), pf::TGenreMessage::Avertissement);
    return;
  }
  if (SaisieEnCours() || etat_.ModeApercu) return;
  BasculerApercu();
}

void TFenetreFeuille::DefilementRapide(bool horizontal) {
  QScrollBar* b = horizontal ? horizontalScrollBar() : verticalScrollBar();
  bool& bascule = horizontal ? defilementH_ : defilementV_;
  b->setValue(bascule ? b->maximum() : 0);
  bascule = !bascule;
}

void TFenetreFeuille::MontrerDevoir(int k) {
  MajDefilement();  // the range must already hold a test just added
  const int droite = Geometrie().X(20.0 * (k + 1 + Geometrie().W));
  QScrollBar* b = horizontalScrollBar();
  if (droite > viewport()->width()) b->setValue(b->value() + droite - viewport()->width());
}

void TFenetreFeuille::ExporterTableau() {
  if (!pf::CopierTexte(pf::DepuisCp1252(TexteTableau(Classe(), options_))))
    Erreur("Le presse-papiers n'est pas disponible.");
}

void TFenetreFeuille::Zoom(bool plus) {
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

QString TFenetreFeuille::TextePeriode() const {
  const int p = Classe().PeriodeCourante();
  if (p == 4) return QStringLiteral("Bilan");
  return pf::DepuisCp1252(NomCourtPeriode(Classe().NbPeriodes())) + QString::number(p);
}

QString TFenetreFeuille::Chemin() const { return QString::fromStdString(Classe().NomFichier); }

bool TFenetreFeuille::Disponible(pf::TCommandeCadre commande) const {
  using C = pf::TCommandeCadre;
  switch (commande) {
    case C::Sauver: return document_->Modifie();
    case C::Effacer: return !document_->JamaisSauve();
    case C::NouveauDevoir: return Action(pf::TAction::AjouterDevoir)->isEnabled();
    case C::OuvrirStatistiques: return Action(pf::TAction::TroisFenetresStat)->isEnabled();
    case C::DefilementHorizontal:
    case C::DefilementVertical:
    case C::ZoomPlus:
    case C::ZoomMoins: return etat_.ModeApercu;
    default: return true;
  }
}

void TFenetreFeuille::Executer(pf::TCommandeCadre commande) {
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
    case C::NouveauDevoir: Action(pf::TAction::AjouterDevoir)->trigger(); break;
    case C::OuvrirStatistiques: Action(pf::TAction::TroisFenetresStat)->trigger(); break;
    case C::MatiereSuivante: MatiereSuivante(); break;
    case C::PeriodeSuivante: PeriodeSuivante(); break;
    case C::DefilementHorizontal: DefilementRapide(true); break;
    case C::DefilementVertical: DefilementRapide(false); break;
    case C::ZoomPlus: Zoom(true); break;
    case C::ZoomMoins: Zoom(false); break;
  }
}

void TFenetreFeuille::contextMenuEvent(QContextMenuEvent* event) {
  if (SaisieEnCours()) return;
  OuvrirMenuContextuel(event->globalPos());
}

void TFenetreFeuille::OuvrirMenuContextuel(const QPoint& global) {
  viewport()->unsetCursor();
  MajMenus();
  contextuel_->popup(global - QPoint(contextuel_->sizeHint().width() / 2, contextuel_->sizeHint().height() / 2));
}

}  // namespace calevrin
