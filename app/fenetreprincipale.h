#pragma once
// The main window: menus, toolbar and status panels around the grade-sheet windows.

#include <QMainWindow>
#include <QMdiArea>
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "platform/actions.h"
#include "platform/fenetreenfant.h"

class QAction;
class QLabel;
class QMenu;
class QTimer;
class QToolButton;

namespace calevrin {

class TFenetreFeuille;

inline constexpr plateforme::TAction Recents[] = {plateforme::TAction::Recent1, plateforme::TAction::Recent2,
                                                  plateforme::TAction::Recent3};
class TDialoguesApplication;
class TDocumentClasse;

// The frame's client area, painted when no window covers it.
class TZoneClient : public QMdiArea {
  Q_OBJECT
 public:
  using QMdiArea::QMdiArea;
 signals:
  void CliqueGauche();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
};

class TFenetrePrincipale : public QMainWindow {
  Q_OBJECT

 public:
  static constexpr const char* IdConception = "TMDI";
  // The configuration file read now and written at closing; the program's own by default.
  explicit TFenetrePrincipale(const std::string& fichierConfiguration = std::string(), QWidget* parent = nullptr);
  ~TFenetrePrincipale() override;

  // Opens a class file in a new grade sheet; false (after the message) when it cannot be read.
  bool OuvrirFichier(const std::string& chemin);
  // Shows a child window (a grade sheet, a statistics window) in the frame.
  QMdiSubWindow* AjouterEnfant(QWidget* fenetre);
  // Offers each class that a former run left unsaved when it stopped.
  void ProposerRecuperations();
  // Quiet time before a recovery copy is written, and the longest time without one while
  // changes go on, in milliseconds.
  int DelaiCalme = 30000;
  int DelaiMaximum = 120000;

  void MajMenuFichier();
  void MajMenuFenetre(int k);
  void AjouterFichierRecent(const std::string& nom);
  void AfficherFichiersRecents();
  void AfficherPeriode(const QString& texte);
  void DesactiverBoutons();
  void EffacerInvite();
  void AfficherMessage(const QString& texte);
  // "&Options...": the options dialog; confirmed, the options in force, written, and followed
  // by every open window.
  void MenuOption();
  // "Exporter vers un classeur...": the active class as an .xlsx workbook.
  void MenuExporterClasseur();
  void MosaiqueCourante() { Mosaique(mosaiqueHorizontale_); }
  // Only these windows, in the frame's tile mode; the others stay where they are.
  void MosaiqueCourante(const QList<QMdiSubWindow*>& fenetres) { Mosaique(mosaiqueHorizontale_, fenetres); }

  bool HorlogeActive = true;
  bool InviteDernierFichier = false;

  plateforme::TFenetreEnfant* EnfantActif() const;
  QList<plateforme::TFenetreEnfant*> Enfants() const;
  TZoneClient* Zone() const { return zone_; }
  QToolButton* Bouton(int i) const { return sb_.at(static_cast<std::size_t>(i - 1)); }
  QAction* Action(plateforme::TAction a) const;
  QString TextePeriode() const;
  QString TexteMessage() const;
  // The clock's text comes through this, so tests can freeze the time.
  std::function<QString()> TexteHorloge;

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void CreerMenus();
  void CreerMenuFichier();
  void CreerMenuFenetre();
  void ListerFenetres();
  void CreerMenuOutils();
  void CreerBarreEtat();
  void RelierBoutons();
  void FeuilleActivee(QMdiSubWindow* fenetre);
  void AppliquerApercu(plateforme::TFenetreEnfant* enfant);
  // The command on the active child; a button whose child is gone turns off.
  void Commande(plateforme::TCommandeCadre commande, int bouton = 0);
  void Mosaique(bool horizontale);
  void Mosaique(bool horizontale, const QList<QMdiSubWindow*>& fenetres);
  void Cascade();
  void ArrangerIcones();
  void MenuOuvrirFichier();
  void MenuFichier(int i);
  bool MenuFermerTous();
  bool Verrouiller(TDocumentClasse& document);
  TFenetreFeuille* OuvrirDocument(std::unique_ptr<TDocumentClasse> document);
  void FusionnerMenus(plateforme::TFenetreEnfant* enfant);
  void OuvrirSiteWeb(const char* adresse);
  void AfficherHint(const QString& hint);
  void OnTimer();

  TZoneClient* zone_ = nullptr;
  QLabel* periodeAffichee_ = nullptr;
  QLabel* message_ = nullptr;
  QWidget* boutonsStat_ = nullptr;
  std::array<QToolButton*, 13> sb_{};
  plateforme::TActions actions_;
  QMenu* menuFenetre_ = nullptr;
  QTimer* horloge_ = nullptr;
  bool mosaiqueHorizontale_ = true;
  plateforme::TFenetreEnfant* menusFusionnes_ = nullptr;
  std::unique_ptr<TDialoguesApplication> dialogues_;
  std::string configuration_;
};

}  // namespace calevrin
