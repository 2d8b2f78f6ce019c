// The sheet's page printed to a PDF file through the program's own painter.
#include "cli/pdf.h"

#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <cstdlib>
#include <memory>
#include <ostream>

#include "fichiers/ecriture.h"
#include "model/classe.h"
#include "model/erreurs.h"
#include "platform/canevasqt.h"
#include "platform/chemins.h"
#include "platform/imprimantes.h"
#include "platform/texte.h"
#include "print/fiches.h"
#include "sheet/peintre.h"

namespace calevrin {

// Fonts need a GUI application; the tool has no display, nor needs one.
std::unique_ptr<QGuiApplication> ApplicationSansEcran() {
  if (QGuiApplication::instance()) return nullptr;
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  plateforme::DossierExecutionPrive();
  static int argc = 1;
  static char nom[] = "calevrin-cli";
  static char* argv[] = {nom, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}

int EcrireSortie(const std::string& sortie, const QByteArray& octets, std::ostream& erreurs) {
  try {
    EcrireFichierAtomique(sortie, reinterpret_cast<const std::uint8_t*>(octets.constData()),
                          static_cast<std::size_t>(octets.size()));
  } catch (const EErreurClasse& e) {
    erreurs << e.what() << '\n';
    return 1;
  }
  return 0;
}

int ImprimerFichesPdf(const TClasse& c, const TOptions& o, int periode, const std::vector<int>& eleves,
                      const std::string& sortie, std::ostream& erreurs) {
  const std::unique_ptr<QGuiApplication> application = ApplicationSansEcran();
  try {
    EcrirePdfFiches(sortie, CalculerFiches(c, periode, eleves, o), ParametresFiches({}, o),
                    plateforme::DepuisCp1252(c.Abreviation.Texte() + " - " + NomPeriodeFiche(c, periode)));
  } catch (const EErreurClasse& e) {
    erreurs << e.what() << '\n';
    return 1;
  }
  return 0;
}

int ImprimerPdf(const TClasse& c, const TOptions& o, const std::string& sortie, std::ostream& erreurs) {
  const std::unique_ptr<QGuiApplication> application = ApplicationSansEcran();
  // Refused before the work of drawing; the page then goes to memory and to the file in one
  // atomic write, so that a failure never leaves a torn or empty PDF.
  try {
    CibleEcriture(sortie);
  } catch (const EErreurClasse& e) {
    erreurs << e.what() << '\n';
    return 1;
  }
  QByteArray octets;
  QBuffer tampon(&octets);
  tampon.open(QIODevice::WriteOnly);
  constexpr int Resolution = 300;
  QPdfWriter pdf(&tampon);
  pdf.setResolution(Resolution);
  pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                QMarginsF(plateforme::MargePdfMillimetres, plateforme::MargePdfMillimetres,
                                          plateforme::MargePdfMillimetres, plateforme::MargePdfMillimetres),
                                QPageLayout::Millimeter));
  pdf.setTitle(QString::fromStdString(c.NomFichier));
  pdf.setCreator(QStringLiteral("Calevrin"));
  QPainter p;
  if (!p.begin(&pdf)) {
    erreurs << Formater(MsgCreation, sortie) << '\n';
    return 1;
  }
  TMesuresPage page;
  const QRect zone = pdf.pageLayout().paintRectPixels(Resolution);
  const QRect papier = pdf.pageLayout().fullRectPixels(Resolution);
  page.LargeurPhysique = papier.width();
  page.HauteurPhysique = papier.height();
  page.LargeurImprimable = zone.width();
  page.HauteurImprimable = zone.height();
  page.RapportEcran = 96.0 / Resolution;  // the screen the layout is written for
  plateforme::TCanevasQt canevas(p);
  TEtatFeuille etat;
  etat.PremierDessin = false;
  {
    // The width of the name area as the window computes it, on a screen of 96 dpi.
    QImage ecran(1, 1, QImage::Format_RGB32);
    ecran.setDotsPerMeterX(3780);
    ecran.setDotsPerMeterY(3780);
    QPainter mesure(&ecran);
    plateforme::TCanevasQt c96(mesure);
    etat.NbColNoms = CalculerLargeurNoms(c96, c, o);
  }
  DessinerFeuille(canevas, true, etat, c, page, o);
  if (!p.end()) {
    erreurs << Formater(MsgCreation, sortie) << '\n';
    return 1;
  }
  return EcrireSortie(sortie, octets, erreurs);
}

}  // namespace calevrin
