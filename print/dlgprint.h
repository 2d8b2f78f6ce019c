#pragma once
// "Aperçu avant impression": a statistics window's graph or table placed on a picture of the
// page, printed into the chosen part of one page, or written to a PDF page or a PNG image.

#include <QDialog>
#include <QPageLayout>
#include <functional>

#include "controls/vues.h"
#include "platform/canevas.h"
#include "print/feuille.h"
#include "print/miseenpage.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QFrame;
class QVBoxLayout;
class QLabel;
class QPrinter;
class QPushButton;

namespace calevrin {

class TDialImpression : public QDialog {
  Q_OBJECT
 public:
  static constexpr const char* IdConception = "TDLGPrint";
  // Exactly one of tableau and graphe is given; the dialog works on its own copy of it.
  // noirBlanc is the user's preference; the printer is the application's unless one is given.
  TDialImpression(QWidget* parent, const controles::TTableau* tableau, const controles::TNewGraphe* graphe,
                  bool noirBlanc, QPrinter* imprimante = nullptr);

  int Contenu() const { return contenu_; }  // 0 a graph, 1 a table
  TDisposition Disposition() const { return disposition_; }
  const TMiseEnPage& MiseEnPage() const { return mise_; }
  const controles::TNewGraphe& G() const { return g_->Graphe(); }
  const controles::TTableau& T() const { return t_->Tableau(); }

  // What "Imprimer" sends to the page: the copy drawn into its zone.
  void DessinerPage(plateforme::TCanevas& c);

  // The commands of the buttons; true when the page or the file was written.
  bool Imprimer();
  bool EnregistrerPdf();
  bool EnregistrerImage();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QVBoxLayout* CreerApercu();
  void AjouterChoix(QVBoxLayout* droite);
  void AjouterBoutons(QVBoxLayout* droite);
  void ChoisirDisposition(int id);
  void ChoisirOrientation(int id);
  void MettreEnPage();
  void AfficherTaillePage();
  bool Paysage() const;
  QString Titre() const;
  // The page of the PDF and of the image: the printer's, or A4 when it has no printable area.
  QPageLayout PageExport() const;
  QString DemanderFichier(const QString& filtre, const QString& extension);
  bool EcrirePdf(const QString& fichier, int resolution, const QPageLayout& page);
  void Dessiner(plateforme::TCanevas& c, const QRect& zone);
  std::function<void(plateforme::TCanevas&, const QRect&)> Dessin();

  QPrinter& imprimante_;
  int contenu_ = 0;
  TDisposition disposition_ = TDisposition::Haut;
  TMiseEnPage mise_;
  QFrame* panneau_ = nullptr;
  TFeuille* f_ = nullptr;
  controles::TVueGraphe* g_ = nullptr;
  controles::TVueTableau* t_ = nullptr;
  QButtonGroup* dispositions_ = nullptr;
  QButtonGroup* orientations_ = nullptr;
  QCheckBox* cadre_ = nullptr;
  QCheckBox* noirBlanc_ = nullptr;
  QLabel* taillePage_ = nullptr;
  QLabel* sansZone_ = nullptr;
  QPushButton* imprimer_ = nullptr;
};

}  // namespace calevrin
