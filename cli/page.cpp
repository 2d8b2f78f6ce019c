#include "cli/page.h"

#include <QPageLayout>
#include <ostream>

#include "cli/pdf.h"
#include "fichiers/ecriture.h"
#include "model/erreurs.h"
#include "platform/imprimantes.h"
#include "print/controlesstat.h"
#include "print/page.h"

namespace calevrin {

int ImprimerPage(const cli::TDemandePage& d, std::ostream& erreurs) {
  const std::unique_ptr<QGuiApplication> application = ApplicationSansEcran();
  try {
    CibleEcriture(d.sortie);
  } catch (const EErreurClasse& e) {
    erreurs << e.what() << '\n';
    return 1;
  }
  const auto disposition = static_cast<TDisposition>(d.placement);
  const QPageLayout page(QPageSize(QPageSize::A4), d.paysage ? QPageLayout::Landscape : QPageLayout::Portrait,
                         QMarginsF(plateforme::MargePdfMillimetres, plateforme::MargePdfMillimetres,
                                   plateforme::MargePdfMillimetres, plateforme::MargePdfMillimetres),
                         QPageLayout::Millimeter);
  // The copies the print dialog makes of the window's graph or table, with its choices.
  controles::TNewGraphe graphe;
  controles::TTableau tableau;
  QString titre;
  if (d.graphe) {
    controles::TNewGraphe fenetre;
    AppliquerGraphe(*d.graphe, fenetre);
    graphe.CopierPourImpression(fenetre);
    graphe.NoirBlanc = d.noirBlanc;
    graphe.Cadre = d.cadre;
    // The curve's steps follow the dialog's picture of the graph, as on its printed page.
    const QRect zone = page.paintRectPixels(ResolutionPdf);
    graphe.LargeurControle = CalculerMiseEnPage(zone.width(), zone.height(), d.paysage, disposition, 5).Image.width();
    titre = graphe.Caption;
  } else if (d.tableau) {
    controles::TTableau fenetre;
    AppliquerTableau(*d.tableau, fenetre);
    tableau.CopierPourImpression(fenetre);
    tableau.NoirBlanc = d.noirBlanc;
    tableau.Cadre = d.cadre;
    titre = tableau.Caption;
  }
  const TDessinZone dessin = [&](plateforme::TCanevas& c, const QRect& z) {
    if (d.graphe)
      graphe.Dessine(c, z.x(), z.y(), z.width(), z.height());
    else
      tableau.Dessine(c, z.x(), z.y(), z.width(), z.height());
  };
  const QByteArray octets = d.png ? ImagePng(dessin, page, disposition, d.paysage)
                                  : PagePdf(dessin, page, ResolutionPdf, disposition, d.paysage, titre);
  if (octets.isEmpty()) {
    erreurs << Formater(MsgCreation, d.sortie) << '\n';
    return 1;
  }
  return EcrireSortie(d.sortie, octets, erreurs);
}

}  // namespace calevrin
