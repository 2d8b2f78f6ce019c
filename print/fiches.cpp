#include "print/fiches.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

#include "controls/graphe.h"
#include "controls/tableau.h"
#include "fichiers/ecriture.h"
#include "model/dates.h"
#include "model/erreurs.h"
#include "platform/canevasqt.h"
#include "platform/imprimantes.h"
#include "platform/texte.h"
#include "print/controlesstat.h"

namespace calevrin {

namespace pf = plateforme;
using pf::R;

namespace {

QString Q(const std::string& cp1252) { return pf::DepuisCp1252(cp1252); }

// The page is laid out in millimetres of a 190 x 277 mm printable area (A4 within 10 mm
// margins) and scaled to whatever device draws it, so every device shows the same page.
constexpr double LargeurMm = 190;
constexpr double HauteurMm = 277;
constexpr double Entete = 18;
constexpr double EnteteSuite = 9;
constexpr double Pied = 6;
constexpr double Ecart = 3;
constexpr double Moyennes = 36;
constexpr double Graphique = 45;
constexpr double Appreciation = 52;  // room for a few lines of handwriting
constexpr double Ligne = 4;          // a row of a test table
// The columns of a test table: number, date, comment, coefficient, grade, class average.
constexpr std::array<double, 6> Colonnes = {8, 22, 98, 14, 20, 28};

constexpr pf::TCouleurRGB Noir = pf::RGB(0, 0, 0);
constexpr pf::TCouleurRGB Blanc = pf::RGB(255, 255, 255);
constexpr pf::TCouleurRGB Gris = pf::RGB(224, 224, 224);

// Where the blocks of a report stand, in pixels of its page.
struct TPlan {
  double u = 1;  // pixels per millimetre
  int W = 0;
  int H = 0;
  int hautNotes = 0;  // the test tables of page 1 between these two heights
  int basNotes = 0;
  int hautMoyennes = -1;  // -1: the block is not on the page
  int hautGraphique = -1;
  int hautAppreciation = -1;
  int hauteurAppreciation = 0;
  std::vector<int> page1;  // subjects (indices into Notes) on page 1, then on page 2
  std::vector<int> page2;
  int lignePage2 = 0;  // row height of page 2, smaller when its tables need it
  int NbPages() const { return page2.empty() ? 1 : 2; }
  int mm(double v) const { return R(v * u); }
};

int NbLignes(const TNotesMatiereFiche& n) { return 1 + std::max<int>(1, static_cast<int>(n.Lignes.size())); }

TPlan Planifier(const TFicheEleve& f, const TParametresFiches& p, int W, int H) {
  TPlan plan;
  plan.W = W;
  plan.H = H;
  plan.u = std::min(W / LargeurMm, H / HauteurMm);
  int bas = H - plan.mm(Pied);
  const auto bloc = [&](bool present, double hauteur, int& haut) {
    if (!present) return;
    haut = bas - plan.mm(hauteur);
    bas = haut - plan.mm(Ecart);
  };
  bloc(p.Contenu.Appreciation, Appreciation, plan.hautAppreciation);
  bloc(p.Contenu.Graphique && !f.Graphes.empty(), Graphique, plan.hautGraphique);
  bloc(p.Contenu.Moyennes && f.PasDeNotes.empty(), Moyennes, plan.hautMoyennes);
  plan.hautNotes = plan.mm(Entete + Ecart);
  plan.basNotes = bas;
  if (plan.hautAppreciation >= 0) plan.hauteurAppreciation = H - plan.mm(Pied) - plan.hautAppreciation;
  if (!f.PasDeNotes.empty()) return plan;

  const int ligne = plan.mm(Ligne);
  int y = plan.hautNotes;
  if (!p.Contenu.Notes) return plan;
  int lignes2 = 0;
  for (std::size_t m = 0; m < f.Notes.size(); ++m) {
    const int h = NbLignes(f.Notes[m]) * ligne;
    if (plan.page2.empty() && y + h <= bas) {
      plan.page1.push_back(static_cast<int>(m));
      y += h + plan.mm(Ecart);
    } else {
      plan.page2.push_back(static_cast<int>(m));
      lignes2 += NbLignes(f.Notes[m]) + 1;  // a blank row between two subjects
    }
  }
  // The blocks below follow the tables, and the room they leave goes to the handwriting.
  const int libre = bas - (y - plan.mm(Ecart));
  if (libre > 0)
    for (int* haut : {&plan.hautMoyennes, &plan.hautGraphique, &plan.hautAppreciation})
      if (*haut >= 0) *haut -= libre;
  if (plan.hautAppreciation >= 0) plan.hauteurAppreciation = H - plan.mm(Pied) - plan.hautAppreciation;
  if (!plan.page2.empty()) {
    const int zone = H - plan.mm(Pied) - plan.mm(EnteteSuite + Ecart);
    plan.lignePage2 = std::min(ligne, zone / std::max(1, lignes2 - 1));
  }
  return plan;
}

pf::TPolice Police(const TParametresFiches& p, double pixels, bool gras = false) {
  pf::TPolice f;
  f.Nom = p.Police;
  f.Taille = std::max(1.0, pixels);
  f.Pixels = true;
  f.Gras = gras;
  return f;
}

// A text inside its box: a smaller font when it is too wide (down to two thirds), then cut at
// the box's edges. A cut text is placed by its left end, whatever the alignment.
void TexteBoite(pf::TCanevas& c, int x1, int y1, int x2, int y2, pf::TAlignement a, const QString& t) {
  const int largeur = x2 - x1 - 2;
  int tw = c.LargeurTexte(t);
  if (tw > largeur && largeur > 0) {
    const double taille = c.Police().Taille;
    c.FixerTaillePolice(std::max(taille * 2 / 3, taille * largeur / tw));
    tw = c.LargeurTexte(t);
  }
  int x = x1 + 1;
  if (tw <= largeur)
    x = a == pf::TAlignement::Droite ? x2 - 1 - tw : a == pf::TAlignement::Centre ? x1 + (x2 - x1 - tw) / 2 : x;
  const int y = y1 + std::max(0, (y2 - y1 - c.HauteurTexte(t)) / 2);
  c.FixerAlignement(pf::TAlignement::Gauche);
  c.TexteCadre(x1, y1, x2, y2, x, y, t);
}

void Cadre(pf::TCanevas& c, int x1, int y1, int x2, int y2) {
  c.FixerStylePlume(pf::TStylePlume::Plein);
  c.FixerCouleurPlume(Noir);
  c.FixerLargeurPlume(1);
  c.FixerStyleBrosse(pf::TStyleBrosse::Vide);
  c.Rectangle(x1, y1, x2, y2);
}

void DessinerEntete(pf::TCanevas& c, const TFicheEleve& f, const TParametresFiches& p, const TPlan& pl) {
  const int milieu = pl.W * 3 / 5;
  c.FixerStyleBrosse(pf::TStyleBrosse::Vide);
  c.FixerPolice(Police(p, pl.u * 5.5, true));
  TexteBoite(c, 0, 0, milieu, pl.mm(7), pf::TAlignement::Gauche, Q(f.Nom));
  c.FixerPolice(Police(p, pl.u * 5, true));
  TexteBoite(c, milieu, 0, pl.W, pl.mm(7), pf::TAlignement::Droite, Q(f.Periode));
  std::string naissance = "Date de naissance : " + f.Naissance;
  if (!f.Age.empty()) naissance += "  (" + f.Age + ")";
  c.FixerPolice(Police(p, pl.u * 3.6));
  TexteBoite(c, 0, pl.mm(8), milieu, pl.mm(12.5), pf::TAlignement::Gauche, Q(naissance));
  c.FixerPolice(Police(p, pl.u * 3.6));
  TexteBoite(c, milieu, pl.mm(8), pl.W, pl.mm(12.5), pf::TAlignement::Droite,
             Q("Classe : " + f.Classe + "   " + f.AnneeScolaire));
  c.FixerPolice(Police(p, pl.u * 3.6));
  TexteBoite(c, milieu / 2, pl.mm(12.5), pl.W, pl.mm(17), pf::TAlignement::Droite, Q("Professeur : " + f.Professeur));
  c.FixerCouleurPlume(Noir);
  c.FixerStylePlume(pf::TStylePlume::Plein);
  c.FixerLargeurPlume(std::max(1, pl.mm(0.4)));
  c.DeplacerVers(0, pl.mm(Entete - 0.5));
  c.LigneVers(pl.W, pl.mm(Entete - 0.5));
  c.FixerLargeurPlume(1);
}

// One subject's tests: a heading row (the subject's name over the comments), then a row per
// test; y is the top, the height the rows'.
int DessinerNotes(pf::TCanevas& c, const TNotesMatiereFiche& n, const std::string& sansNotes,
                  const TParametresFiches& p, const TPlan& pl, int y, int ligne) {
  std::array<int, Colonnes.size() + 1> x{};
  double cumul = 0;
  for (std::size_t i = 0; i < Colonnes.size(); ++i) {
    x[i] = R(cumul * pl.W / LargeurMm);
    cumul += Colonnes[i];
  }
  x.back() = pl.W;
  const int nb = NbLignes(n);
  const int bas = y + nb * ligne;
  if (!p.NoirBlanc) {
    c.FixerStylePlume(pf::TStylePlume::Aucun);
    c.FixerCouleurBrosse(Gris);
    c.FixerStyleBrosse(pf::TStyleBrosse::Plein);
    c.RemplirRectangle(0, y, pl.W, y + ligne);
  }
  Cadre(c, 0, y, pl.W + 1, bas + 1);
  for (int l = 1; l < nb; ++l) {
    c.DeplacerVers(0, y + l * ligne);
    c.LigneVers(pl.W, y + l * ligne);
  }
  for (std::size_t i = 1; i + 1 < x.size(); ++i) {
    c.DeplacerVers(x[i], y);
    c.LigneVers(x[i], n.Lignes.empty() ? y + ligne : bas);
  }
  c.FixerStyleBrosse(pf::TStyleBrosse::Vide);
  const double taille = ligne * 0.62;
  const std::array<std::string, 6> entete = {"N\xB0", "Date", n.Matiere, "Coef.", "Note", "Moy. classe"};
  for (std::size_t i = 0; i < entete.size(); ++i) {
    c.FixerPolice(Police(p, taille, true));
    TexteBoite(c, x[i] + (i == 2 ? pl.mm(1) : 0), y, x[i + 1], y + ligne,
               i == 2 ? pf::TAlignement::Gauche : pf::TAlignement::Centre, Q(entete[i]));
  }
  if (n.Lignes.empty()) {
    c.FixerPolice(Police(p, taille));
    TexteBoite(c, 0, y + ligne, pl.W, bas, pf::TAlignement::Centre, Q(sansNotes));
    return bas;
  }
  int yl = y + ligne;
  for (const TLigneNotesFiche& d : n.Lignes) {
    const std::array<const std::string*, 6> cellules = {&d.Numero, &d.Date, &d.Commentaire,
                                                        &d.Coef,   &d.Note, &d.MoyenneClasse};
    for (std::size_t i = 0; i < cellules.size(); ++i) {
      c.FixerPolice(Police(p, taille, i == 4));
      TexteBoite(c, x[i] + (i == 2 ? pl.mm(1) : 0), yl, x[i + 1], yl + ligne,
                 i == 2 ? pf::TAlignement::Gauche : pf::TAlignement::Centre, Q(*cellules[i]));
    }
    yl += ligne;
  }
  return bas;
}

void DessinerMoyennes(pf::TCanevas& c, const TFicheEleve& f, const TParametresFiches& p, const TPlan& pl) {
  const int n = static_cast<int>(f.Moyennes.size());
  const auto preparer = [&](controles::TTableau& t, const QString& titre, int lignes) {
    t.Caption = titre;
    t.Police = Police(p, 10);
    t.NoirBlanc = p.NoirBlanc;
    t.CouleurFond = Blanc;
    t.Relief = controles::TRelief::rAucun;
    t.FixerNbColonne(std::max(4, n + 1));
    t.FixerNbLigne(lignes);
    for (int col = 1; col <= controles::TTableau::MaxColonnes; ++col)
      for (int l = 1; l <= controles::TTableau::MaxLignes; ++l) t.FixerCellule(col, l, QString());
    for (int i = 0; i < n; ++i) t.FixerCellule(i + 2, 1, Q(f.Moyennes[static_cast<std::size_t>(i)].Libelle));
  };
  controles::TTableau moy;
  preparer(moy, QStringLiteral("Moyennes"), 5);
  moy.FixerCellule(1, 2, QStringLiteral("Élève"));
  moy.FixerCellule(1, 3, QStringLiteral("Classe"));
  moy.FixerCellule(1, 4, QStringLiteral("Plus basse"));
  moy.FixerCellule(1, 5, QStringLiteral("Plus haute"));
  controles::TTableau rang;
  preparer(rang, QStringLiteral("Rang"), 3);
  rang.FixerCellule(1, 2, QStringLiteral("Rang"));
  rang.FixerCellule(1, 3, QStringLiteral("Manquantes"));
  for (int i = 0; i < n; ++i) {
    const TMoyenneFiche& m = f.Moyennes[static_cast<std::size_t>(i)];
    moy.FixerCellule(i + 2, 2, Q(m.TexteEleve));
    moy.FixerCellule(i + 2, 3, Q(m.Classe));
    moy.FixerCellule(i + 2, 4, Q(m.Basse));
    moy.FixerCellule(i + 2, 5, Q(m.Haute));
    rang.FixerCellule(i + 2, 2, Q(m.TexteRang));
    rang.FixerCellule(i + 2, 3, QString::number(m.Absences));
  }
  const int largeur = pl.W * 3 / 5;
  const int h = pl.mm(Moyennes);
  moy.Dessine(c, 0, pl.hautMoyennes, largeur, h);
  rang.Dessine(c, largeur + pl.mm(Ecart), pl.hautMoyennes, pl.W - largeur - pl.mm(Ecart), h);
}

void DessinerGraphiques(pf::TCanevas& c, const TFicheEleve& f, const TParametresFiches& p, const TPlan& pl) {
  const int n = static_cast<int>(f.Graphes.size());
  const int ecart = pl.mm(Ecart);
  const int largeur = (pl.W - (n - 1) * ecart) / n;
  for (int i = 0; i < n; ++i) {
    controles::TNewGraphe g;
    AppliquerGraphe(f.Graphes[static_cast<std::size_t>(i)], g);
    g.Mode = controles::TMode::mBarre;
    g.CouleurFond = Blanc;
    g.CouleurL = Noir;
    g.Police.Couleur = Noir;
    g.Police.Nom = p.Police;
    g.NoirBlanc = p.NoirBlanc;
    g.Dessine(c, i * (largeur + ecart), pl.hautGraphique, largeur, pl.mm(Graphique));
  }
}

void DessinerPied(pf::TCanevas& c, const TParametresFiches& p, const TPlan& pl, int page) {
  c.FixerStyleBrosse(pf::TStyleBrosse::Vide);
  c.FixerPolice(Police(p, pl.u * 3));
  TexteBoite(c, 0, pl.H - pl.mm(Pied - 1), pl.W * 2 / 3, pl.H, pf::TAlignement::Gauche, p.Pied);
  if (pl.NbPages() == 2)
    TexteBoite(c, pl.W * 2 / 3, pl.H - pl.mm(Pied - 1), pl.W, pl.H, pf::TAlignement::Droite,
               QStringLiteral("%1 / 2").arg(page));
}

}  // namespace

TParametresFiches ParametresFiches(const TContenuFiche& contenu, const TOptions& o, const TDateJour& aujourdhui) {
  TParametresFiches p;
  p.Contenu = contenu;
  p.NoirBlanc = o.noirblanc;
  p.Police = Q(o.polname);
  p.Pied = QStringLiteral("Imprimé le ") + Q(FormaterDate(aujourdhui, "dddd d mmmm yyyy"));
  return p;
}

QSize ZoneA4(int resolution) {
  const double pixelsParMm = resolution / 25.4;
  return {R((210 - 2 * pf::MargePdfMillimetres) * pixelsParMm), R((297 - 2 * pf::MargePdfMillimetres) * pixelsParMm)};
}

int NbPagesFiche(const TFicheEleve& f, const TParametresFiches& p, int W, int H) {
  return Planifier(f, p, W, H).NbPages();
}

void DessinerPageFiche(pf::TCanevas& c, const TFicheEleve& f, int page, const TParametresFiches& p, int W, int H) {
  const TPlan pl = Planifier(f, p, W, H);
  if (page == 2) {
    if (pl.page2.empty()) return;
    c.FixerStyleBrosse(pf::TStyleBrosse::Vide);
    c.FixerPolice(Police(p, pl.u * 4.5, true));
    TexteBoite(c, 0, 0, pl.W, pl.mm(EnteteSuite - 2), pf::TAlignement::Gauche,
               Q(f.Nom + " - " + f.Periode + " (suite)"));
    int y = pl.mm(EnteteSuite + Ecart);
    for (const int m : pl.page2)
      y = DessinerNotes(c, f.Notes[static_cast<std::size_t>(m)], f.SansNotes, p, pl, y, pl.lignePage2) + pl.lignePage2;
    DessinerPied(c, p, pl, 2);
    return;
  }
  DessinerEntete(c, f, p, pl);
  if (!f.PasDeNotes.empty() && (p.Contenu.Notes || p.Contenu.Moyennes)) {
    c.FixerStyleBrosse(pf::TStyleBrosse::Vide);
    c.FixerPolice(Police(p, pl.u * 5, true));
    TexteBoite(c, 0, pl.hautNotes, pl.W, pl.basNotes, pf::TAlignement::Centre, Q(f.PasDeNotes));
  }
  int y = pl.hautNotes;
  for (const int m : pl.page1)
    y = DessinerNotes(c, f.Notes[static_cast<std::size_t>(m)], f.SansNotes, p, pl, y, pl.mm(Ligne)) + pl.mm(Ecart);
  if (pl.hautMoyennes >= 0) DessinerMoyennes(c, f, p, pl);
  if (pl.hautGraphique >= 0) DessinerGraphiques(c, f, p, pl);
  if (pl.hautAppreciation >= 0) {
    Cadre(c, 0, pl.hautAppreciation, pl.W, pl.hautAppreciation + pl.hauteurAppreciation);
    c.FixerPolice(Police(p, pl.u * 3.6, true));
    TexteBoite(c, pl.mm(2), pl.hautAppreciation + pl.mm(1), pl.W / 2, pl.hautAppreciation + pl.mm(6),
               pf::TAlignement::Gauche, QStringLiteral("Appréciation"));
  }
  DessinerPied(c, p, pl, 1);
}

std::vector<std::pair<int, int>> PagesFiches(const std::vector<TFicheEleve>& fiches, const TParametresFiches& p, int W,
                                             int H) {
  std::vector<std::pair<int, int>> pages;
  for (std::size_t i = 0; i < fiches.size(); ++i)
    for (int n = 1; n <= NbPagesFiche(fiches[i], p, W, H); ++n) pages.emplace_back(static_cast<int>(i), n);
  return pages;
}

QImage ImagePageFiche(const TFicheEleve& f, int page, const TParametresFiches& p, int largeur) {
  // The sheet of paper at this width, the page drawn within its margins as on the PDF.
  const double pixelsParMm = largeur / 210.0;
  QImage image(largeur, R(297 * pixelsParMm), QImage::Format_RGB32);
  image.fill(Qt::white);
  const int resolution = R(pixelsParMm * 25.4);
  image.setDotsPerMeterX(R(pixelsParMm * 1000));
  image.setDotsPerMeterY(R(pixelsParMm * 1000));
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  const int marge = R(pf::MargePdfMillimetres * pixelsParMm);
  painter.translate(marge, marge);
  pf::TCanevasQt c(painter);
  const QSize zone = ZoneA4(resolution);
  DessinerPageFiche(c, f, page, p, zone.width(), zone.height());
  return image;
}

bool ImprimerFiches(QPagedPaintDevice& d, const std::vector<TFicheEleve>& fiches, const TParametresFiches& p) {
  QPainter painter;
  if (!painter.begin(&d)) return false;
  const QRect zone = d.pageLayout().paintRectPixels(d.logicalDpiX());
  pf::TCanevasQt c(painter);
  bool premiere = true;
  for (const auto& [i, page] : PagesFiches(fiches, p, zone.width(), zone.height())) {
    if (!premiere && !d.newPage()) return false;
    premiere = false;
    DessinerPageFiche(c, fiches[static_cast<std::size_t>(i)], page, p, zone.width(), zone.height());
  }
  return painter.end();
}

QByteArray PdfFiches(const std::vector<TFicheEleve>& fiches, const TParametresFiches& p, const QString& titre) {
  QByteArray octets;
  QBuffer tampon(&octets);
  tampon.open(QIODevice::WriteOnly);
  QPdfWriter pdf(&tampon);
  pdf.setResolution(pf::ResolutionPdf);
  pdf.setPageLayout(QPageLayout(
      QPageSize(QPageSize::A4), QPageLayout::Portrait,
      QMarginsF(pf::MargePdfMillimetres, pf::MargePdfMillimetres, pf::MargePdfMillimetres, pf::MargePdfMillimetres),
      QPageLayout::Millimeter));
  pdf.setTitle(titre);
  pdf.setCreator(QStringLiteral("Calevrin"));
  if (!ImprimerFiches(pdf, fiches, p)) return {};
  tampon.close();
  return octets;
}

void EcrirePdfFiches(const std::string& chemin, const std::vector<TFicheEleve>& fiches, const TParametresFiches& p,
                     const QString& titre) {
  CibleEcriture(chemin);
  const QByteArray octets = PdfFiches(fiches, p, titre);
  if (octets.isEmpty()) throw EErreurClasse(Formater(MsgCreation, chemin));
  EcrireFichierAtomique(chemin, reinterpret_cast<const std::uint8_t*>(octets.constData()),
                        static_cast<std::size_t>(octets.size()));
}

}  // namespace calevrin
