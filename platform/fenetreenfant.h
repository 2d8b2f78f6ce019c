#pragma once
// What the main window asks of each of its child windows, whatever they show: the menus to
// merge while the child is active, the commands of the frame's menus and toolbar it can run,
// the period panel's text, and the question before closing.

#include <QList>
#include <QObject>
#include <QString>

class QMenu;

namespace calevrin::plateforme {

// The frame's commands that act on the active child.
enum class TCommandeCadre {
  Sauver,
  SauverSous,
  Effacer,
  Imprimer,
  ImprimerSansDialogue,
  ConfigurerImprimante,
  Apercu,          // into the print preview
  BasculerApercu,  // the preview on or off
  NouveauDevoir,
  OuvrirStatistiques,
  MatiereSuivante,
  PeriodeSuivante,
  DefilementHorizontal,
  DefilementVertical,
  ZoomPlus,
  ZoomMoins,
};

// A child's signals to the frame (the child itself need not be a QObject of its own kind).
class TSignauxEnfant : public QObject {
  Q_OBJECT
 public:
  using QObject::QObject;
 signals:
  // Its menus, its commands or its period panel changed.
  void EtatChange();
  // The message panel: a text, or (horloge) back to the clock.
  void Message(const QString& texte, bool horloge);
  void Modification();
  void FichierRecent(const QString& chemin);
};

class TFenetreEnfant {
 public:
  virtual ~TFenetreEnfant() = default;
  virtual TSignauxEnfant& Signaux() = 0;
  virtual QList<QMenu*> MenusFusionnes() const = 0;
  virtual bool Disponible(TCommandeCadre commande) const = 0;
  virtual void Executer(TCommandeCadre commande) = 0;
  virtual bool Modifie() const = 0;
  virtual bool EnApercu() const = 0;
  // The period panel of the status bar; empty for none.
  virtual QString TextePeriode() const = 0;
  // The file shown, full path; empty for none.
  virtual QString Chemin() const = 0;
  // Asked before the child closes (saving a modified class ...): false to stay open.
  virtual bool DemanderFermeture() = 0;
};

}  // namespace calevrin::plateforme
