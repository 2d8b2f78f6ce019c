#include "sheet/feuille.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPageLayout>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPrinter>
#include <QScrollBar>

#include "model/alertes.h"
#include "model/edition.h"
#include "model/formatage.h"
#include "platform/canevasqt.h"
#include "platform/imprimantes.h"
#include "platform/messages.h"
#include "platform/texte.h"
#include "print/metriques.h"
#include "sheet/edition.h"

namespace calevrin {

namespace pf = plateforme;
using pf::R;

namespace {

// The entry cursor: a pencil whose tip, the hot spot, points at the cell.
const QCursor& CurseurSaisie() {
  static const QCursor curseur = [] {
    QPixmap pm(24, 24);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath crayon;
    crayon.moveTo(1, 1);
    crayon.lineTo(8, 4);
    crayon.lineTo(21, 17);
    crayon.lineTo(17, 21);
    crayon.lineTo(4, 8);
    crayon.closeSubpath();
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(QColor(240, 200, 60));
    p.drawPath(crayon);
    p.setBrush(Qt::black);
    p.drawPolygon(QPolygonF({QPointF(1, 1), QPointF(4.5, 2.5), QPointF(2.5, 4.5)}));
    p.setBrush(QColor(230, 120, 120));
    p.drawPolygon(QPolygonF({QPointF(21, 17), QPointF(23, 19), QPointF(19, 23), QPointF(17, 21)}));
    return QCursor(pm, 1, 1);
  }();
  return curseur;
}

}  // namespace

TFenetreFeuille::TFenetreFeuille(std::unique_ptr<TDocumentClasse> document, TDialoguesFeuille& dialogues,
                                 const TOptions& o, QWidget* parent)
    : QAbstractScrollArea(parent),
      document_(std::move(document)),
      sauvegarde_(*document_, *this),
      dialogues_(dialogues),
      options_(o) {
  setObjectName(QLatin1String(IdConception));
  document_->setParent(nullptr);  // owned here, whatever the caller made it
  setAttribute(Qt::WA_DeleteOnClose);
  MajTitre();
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setMouseTracking(true);
  // The sheet paints its own background over the whole client: a fill by Qt first would only
  // double the cost of each paint.
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  AppliquerCouleurFond();
  edition_ = new TEdition(
      Classe(),
      [this](int ligne, int colonne, const TEcritureSaisie& ecrire) { ValiderSaisie(ligne, colonne, ecrire); },
      options_, viewport());
  connect(document_.get(), &TDocumentClasse::ModificationChangee, &signaux_, &plateforme::TSignauxEnfant::Modification);
  connect(document_.get(), &TDocumentClasse::ModificationChangee, this, &QWidget::setWindowModified);
  connect(document_.get(), &TDocumentClasse::Change, this, &TFenetreFeuille::ApresChangement);
  connect(document_.get(), &TDocumentClasse::Restauree, this, &TFenetreFeuille::ApresRestauration);
  etat_.LigneAvant = etat_.ColonneAvant = 0;
  // The page's measures serve the preview and the printing only, which read them first.
  CalculerLargeurNoms();
  CreerMenus();
  MajLibellesMatieres();
  MajLibellesPeriodes();
  MajMenus();
}

TFenetreFeuille::~TFenetreFeuille() = default;

// Asking the printer at every paint would cost more than the paint itself.
void TFenetreFeuille::LireMesuresPage() {
  const TMetriques& m = Metriques();
  TMesuresPage& page = page_;
  page = TMesuresPage{};
  if (m.ResolutionImprimante <= 0) return;
  page.LargeurPhysique = m.LargeurPhysique;
  page.HauteurPhysique = m.HauteurPhysique;
  page.RapportEcran = m.RapportEcran;
  const QRect zone = pf::ImprimanteCourante().pageLayout().paintRectPixels(m.ResolutionImprimante);
  page.LargeurImprimable = zone.width() > 0 ? zone.width() : m.LargeurPhysique;
  page.HauteurImprimable = zone.height() > 0 ? zone.height() : m.HauteurPhysique;
}

void TFenetreFeuille::AppliquerCouleurFond() {
  QPalette pal = viewport()->palette();
  pal.setColor(QPalette::Window, pf::TCanevasQt::Couleur(options_.couleur[3]));
  pal.setColor(QPalette::Base, pf::TCanevasQt::Couleur(options_.couleur[3]));
  viewport()->setPalette(pal);
}

void TFenetreFeuille::AppliquerOptions() {
  AppliquerCouleurFond();
  CalculerLargeurNoms();
  Rafraichir();
}

void TFenetreFeuille::CalculerLargeurNoms() {
  // Measured on a pixmap of the screen: a widget may only be painted on in its paint event.
  QPixmap mesure(1, 1);
  QPainter p(&mesure);
  pf::TCanevasQt c(p);
  etat_.NbColNoms = calevrin::CalculerLargeurNoms(c, Classe(), options_);
}

void TFenetreFeuille::paintEvent(QPaintEvent* event) {
  QPainter p(viewport());
  pf::TCanevasQt c(p);
  c.FixerZoneUtile(event->region());
  c.CopierTextesSurFond();  // the sheet's texts lie on its own fill, which covers the client
  etat_.H = horizontalScrollBar()->value();
  etat_.V = verticalScrollBar()->value();
  etat_.LargeurClient = viewport()->width();
  etat_.HauteurClient = viewport()->height();
  etat_.EditionOuverte = SaisieEnCours();
  DessinerFeuille(c, false, etat_, Classe(), Document().Figures(options_), MesuresPage(), options_);
  if (event->rect() == viewport()->rect()) marque_ = options_.trait && !etat_.EditionOuverte ? ZoneMarque() : QRect();
  MajDefilement();
}

TGeometrieFeuille TFenetreFeuille::Geometrie() const {
  TGeometrieFeuille g;
  g.Zoom = ZoomBorne(options_.zoomD);
  g.W = std::max(5, etat_.NbColNoms);
  g.H = horizontalScrollBar()->value();
  g.V = verticalScrollBar()->value();
  g.OrigineX = etat_.OrigineX;
  g.OrigineY = etat_.OrigineY;
  return g;
}

void TFenetreFeuille::MajTitre() {
  const QString chemin = QString::fromStdString(Classe().NomFichier);
  // "[*]": the desktop's mark of a modified document, drawn while the class is not saved.
  setWindowTitle(QFileInfo(chemin).fileName() + QStringLiteral("[*]") +
                 (document_->LectureSeule() ? QStringLiteral(" (lecture seule)") : QString()));
  setWindowModified(document_->Modifie());
  setWindowFilePath(chemin);
}

// Where the painter draws the cursor mark of the current cell; empty when it draws none.
QRect TFenetreFeuille::ZoneMarque() const {
  const int ligne = etat_.LigneCourante;
  const int colonne = etat_.ColonneCourante;
  if (!CaseExiste(ligne, colonne) || ligne < 1) return {};
  return Geometrie().ZoneMarque(ligne, colonne);
}

void TFenetreFeuille::MajDefilement() {
  const TDefilement d = CalculerDefilement(etat_, Classe(), MesuresPage(), options_);
  const auto regler = [](QScrollBar* b, int etendue, int client) {
    b->setRange(0, std::max(0, etendue - client));
    b->setPageStep(std::max(1, client));
    const int pas = (etendue - client) / 5;
    if (pas >= 1 && pas <= 32767) b->setSingleStep(pas);
  };
  regler(horizontalScrollBar(), d.Largeur, viewport()->width());
  regler(verticalScrollBar(), d.Hauteur, viewport()->height());
}

// Qt repaints the whole widget, its scroll bars and every cell when the focus comes or goes
// (the editor takes it for each grade typed); the sheet draws no focus mark to update.
void TFenetreFeuille::focusInEvent(QFocusEvent*) {}
void TFenetreFeuille::focusOutEvent(QFocusEvent*) {}

void TFenetreFeuille::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  MajDefilement();
}

void TFenetreFeuille::scrollContentsBy(int, int) {
  // The editor stays over its cell.
  if (SaisieEnCours())
    edition_->move(Geometrie().ZoneCellule(edition_->LigneEdition, edition_->ColonneEdition).topLeft());
  viewport()->update();
}

bool TFenetreFeuille::SaisieEnCours() const { return edition_ && !edition_->isHidden(); }

bool TFenetreFeuille::RefuserPendantSaisie() {
  if (!SaisieEnCours()) return false;
  pf::BoiteMessage(QStringLiteral("Terminer d'abord la saisie de la note !"), pf::TGenreMessage::Erreur);
  return true;
}

void TFenetreFeuille::Rafraichir() {
  viewport()->update();
  MajDefilement();
  MajMenus();
  emit signaux_.EtatChange();
}

void TFenetreFeuille::ApresRestauration() {
  OublierCase();
  CalculerLargeurNoms();
  MajLibellesMatieres();
  MajLibellesPeriodes();
  Rafraichir();
}

void TFenetreFeuille::ApresChangement(const TChangement& changement) {
  switch (changement.Code) {
    case TCodeChangement::Note:
    case TCodeChangement::CoefficientDevoir:
      if (saisieEnregistree_) return;
      break;
    case TCodeChangement::Eleves:
      OublierCase();  // the row the keyboard pointed at may hold another student now
      CalculerLargeurNoms();
      break;
    case TCodeChangement::Periode:
    case TCodeChangement::Matiere:
      OublierCase();
      MajLibellesPeriodes();
      MajLibellesMatieres();
      break;
    case TCodeChangement::Devoirs:
    case TCodeChangement::Options: break;
  }
  Rafraichir();
}

void TFenetreFeuille::OublierCase() {
  SourisSurCase = false;
  caseClavier_ = false;
  dernierePosition_ = QPoint(-1, -1);
  viewport()->unsetCursor();
}

void TFenetreFeuille::ChangerPeriode(int p) {
  if (RefuserPendantSaisie()) return;
  document_->ChangerVue({Classe().MatiereCourante(), p});
  OublierCase();
  Rafraichir();
}

void TFenetreFeuille::ChangerMatiere(int s) {
  if (RefuserPendantSaisie()) return;
  document_->ChangerVue({s, Classe().PeriodeCourante()});
  OublierCase();
  Rafraichir();
}

void TFenetreFeuille::PeriodeSuivante() {
  const int p = Classe().PeriodeCourante();
  const bool semestres = Classe().NbPeriodes() == 2;
  int suivante = p + 1;
  if (p == 4 || (semestres && p == 3)) suivante = 1;
  if (semestres && p == 2) suivante = 4;
  ChangerPeriode(suivante);
}

void TFenetreFeuille::PeriodePrecedente() {
  const int p = Classe().PeriodeCourante();
  const bool semestres = Classe().NbPeriodes() == 2;
  int precedente = p - 1;
  if (p == 1) precedente = 4;
  if (p == 4) precedente = semestres ? 2 : 3;
  ChangerPeriode(precedente);
}

void TFenetreFeuille::MatiereSuivante() {
  const int s = Classe().MatiereCourante();
  const int nb = Classe().NbMatieres();
  int suivante = 1;
  if (s < nb)
    suivante = s + 1;
  else if (s == nb)
    suivante = 4;
  ChangerMatiere(suivante);
}

void TFenetreFeuille::BasculerApercu() {
  if (RefuserPendantSaisie()) return;
  etat_.ModeApercu = !etat_.ModeApercu;
  if (etat_.ModeApercu) {
    LireMetriques();
    LireMesuresPage();
    const TMesuresPage& page = page_;
    const double hauteur = page.HauteurPhysique * page.RapportEcran;
    if (hauteur > 0) etat_.ZoomApercu = (viewport()->height() - 15) / hauteur;
  }
  OublierCase();
  horizontalScrollBar()->setValue(0);
  verticalScrollBar()->setValue(0);
  Rafraichir();
}

bool TFenetreFeuille::CaseDesignee() const {
  return (SourisSurCase || caseClavier_) && CaseExiste(etat_.LigneCourante, etat_.ColonneCourante);
}

bool TFenetreFeuille::VueDevoirs() const {
  return !etat_.ModeApercu && Classe().MatiereCourante() <= 3 && Classe().PeriodeCourante() <= 3;
}

bool TFenetreFeuille::CaseExiste(int ligne, int colonne) const {
  const int m = NbDevoirsVue();  // none outside a view of tests
  return colonne >= 1 && colonne <= m && ligne >= 0 && ligne <= Classe().NbEleves();
}

bool TFenetreFeuille::CaseSousPoint(int x, int y, int& ligne, int& colonne) const {
  Geometrie().Cellule(x, y, ligne, colonne);
  return CaseExiste(ligne, colonne);
}

QString TFenetreFeuille::TexteCase() const {
  const int r = etat_.LigneCourante;
  const int c = etat_.ColonneCourante;
  if (!CaseExiste(r, c)) return {};
  const QString commentaire =
      pf::DepuisCp1252(Classe().Devoir(Classe().MatiereCourante(), Classe().PeriodeCourante(), c).Commentaire.Vue());
  if (r == 0) return QStringLiteral(" Coef. du devoir n° ") + QString::number(c) + " ( " + commentaire + " )";
  return " " + pf::DepuisCp1252(Classe().Eleve(r).Nom.Vue()) + "/Dev" + QString::number(c) + ": " + commentaire;
}

void TFenetreFeuille::DessinerCurseur(bool montrer, bool defiler) {
  if (SaisieEnCours()) return;
  if (montrer && defiler && etat_.LigneCourante != AucuneCellule) {
    // The current row is kept a row away from the window's edges.
    const int u = R(10 * ZoomBorne(options_.zoomD));
    QScrollBar* b = verticalScrollBar();
    const auto y = [&] { return Geometrie().AngleMarque(etat_.LigneCourante, 0).y(); };
    if (viewport()->height() - 2 * u < y()) b->setValue(b->value() + b->singleStep());
    if (y() < u) b->setValue(b->value() - b->singleStep());
  }
  // The sheet paints the mark at the current cell: repainting where it was last drawn and
  // where it goes moves it, whatever moved the cell meanwhile.
  viewport()->update(marque_);
  marque_ = montrer ? ZoneMarque() : QRect();
  viewport()->update(marque_);
}

bool TFenetreFeuille::viewportEvent(QEvent* event) {
  if (event->type() == QEvent::Leave && !SaisieEnCours() && !caseClavier_) {
    // The pointer has left the sheet: no key may start an entry at a cell it pointed at.
    OublierCase();
    emit signaux_.Message(QString(), true);
  }
  // The window's tooltip is its file's path, for its title bar and icon, not for the grid.
  if (event->type() == QEvent::ToolTip) return true;
  return QAbstractScrollArea::viewportEvent(event);
}

void TFenetreFeuille::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  if (pos == dernierePosition_) return;
  dernierePosition_ = pos;
  if (!VueDevoirs()) {
    viewport()->unsetCursor();
    SourisSurCase = false;
    return;
  }
  int ligne = 0;
  int colonne = 0;
  if (CaseSousPoint(pos.x(), pos.y(), ligne, colonne)) {
    caseClavier_ = false;
    etat_.LigneCourante = ligne;
    etat_.ColonneCourante = colonne;
    viewport()->setCursor(CurseurSaisie());
    SourisSurCase = true;
    if ((ligne != etat_.LigneAvant || colonne != etat_.ColonneAvant) && !SaisieEnCours()) {
      if (options_.trait) DessinerCurseur(true, false);
      emit signaux_.Message(TexteCase(), false);
      etat_.LigneAvant = ligne;
      etat_.ColonneAvant = colonne;
    }
    if (SaisieEnCours()) emit signaux_.Message(TexteCase(), false);
    return;
  }
  // Over the margins the keyboard keeps its cell; the pointer only gives up its own.
  if (caseClavier_) return;
  DessinerCurseur(false, false);
  etat_.LigneCourante = 0;
  etat_.LigneAvant = AucuneCellule;
  emit signaux_.Message(QString(), true);
  viewport()->unsetCursor();
  SourisSurCase = false;
}

void TFenetreFeuille::mousePressEvent(QMouseEvent* event) {
  if (SaisieEnCours()) {
    Bip();
    return;
  }
  // The right button opens the pop-up menu through the context-menu event.
  if (event->buttons() != Qt::LeftButton || event->modifiers() != Qt::NoModifier) return;
  const QPoint pos = event->position().toPoint();
  int ligne = 0;
  int colonne = 0;
  if (VueDevoirs() && CaseSousPoint(pos.x(), pos.y(), ligne, colonne)) {
    etat_.LigneCourante = ligne;
    etat_.ColonneCourante = colonne;
    SourisSurCase = true;
    CommencerSaisie(QString());
    return;
  }
  OuvrirMenuContextuel(event->globalPosition().toPoint());
}

void TFenetreFeuille::mouseDoubleClickEvent(QMouseEvent*) {}

void TFenetreFeuille::OnKeyDown(int touche) {
  if (!options_.trait || !VueDevoirs() || SaisieEnCours()) return;
  const int n = Classe().NbEleves();
  const int m = NbDevoirsVue();
  int& r = etat_.LigneCourante;
  int& c = etat_.ColonneCourante;
  const bool fleche =
      touche == Qt::Key_Down || touche == Qt::Key_Up || touche == Qt::Key_Left || touche == Qt::Key_Right;
  if (fleche && !CaseDesignee()) {
    // The keyboard starts where the pointer was, or at the first grade.
    if (!CaseExiste(r, c)) {
      r = n >= 1 ? 1 : 0;
      c = 1;
    }
    if (!CaseExiste(r, c)) return;
    caseClavier_ = true;
    DessinerCurseur(true, true);
    emit signaux_.Message(TexteCase(), false);
    return;
  }
  static const char* const codes[4] = {"abs", "disp", "excu", "ret"};
  switch (touche) {
    case Qt::Key_Down:
      if (r != AucuneCellule && r < n) ++r;
      break;
    case Qt::Key_Up:
      if (r != AucuneCellule && r > 0) --r;
      break;
    case Qt::Key_Left:
      if (c != AucuneCellule && c > 1) --c;
      break;
    case Qt::Key_Right:
      if (c != AucuneCellule && c < m) ++c;
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (CaseDesignee())
        CommencerSaisie(QString());
      else
        Bip();
      break;
    case Qt::Key_F1:
    case Qt::Key_F2:
    case Qt::Key_F3:
    case Qt::Key_F4:
      if (CaseDesignee())
        CommencerSaisie(QString::fromLatin1(codes[touche - Qt::Key_F1]));
      else
        Bip();
      break;
    default: return;
  }
  if (CaseExiste(r, c) && !SaisieEnCours()) {
    if (fleche && !SourisSurCase) caseClavier_ = true;
    DessinerCurseur(true, true);
    emit signaux_.Message(TexteCase(), false);
    etat_.LigneAvant = r;
    etat_.ColonneAvant = c;
  }
}

void TFenetreFeuille::keyPressEvent(QKeyEvent* event) {
  const int touche = event->key();
  const bool speciale = touche == Qt::Key_Down || touche == Qt::Key_Up || touche == Qt::Key_Left ||
                        touche == Qt::Key_Right || touche == Qt::Key_Return || touche == Qt::Key_Enter ||
                        (touche >= Qt::Key_F1 && touche <= Qt::Key_F4);
  if (speciale) {
    OnKeyDown(touche);
    return;
  }
  // Ctrl and Alt combinations are the menus' and the desktop's, never a grade.
  if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
    QAbstractScrollArea::keyPressEvent(event);
    return;
  }
  const QString t = event->text();
  if (t.size() != 1) return;
  const QChar ch = t[0];
  if ((ch >= '0' && ch <= '9') || (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z')) {
    if (options_.trait && CaseDesignee() && !SaisieEnCours())
      CommencerSaisie(t);
    else
      Bip();
  } else if (ch == '+') {
    PeriodeSuivante();
  } else if (ch == '-') {
    PeriodePrecedente();
  }
}

void TFenetreFeuille::keyReleaseEvent(QKeyEvent* event) {
  QScrollBar* b = verticalScrollBar();
  switch (event->key()) {
    case Qt::Key_PageUp: b->setValue(b->value() - b->singleStep()); break;
    case Qt::Key_PageDown: b->setValue(b->value() + b->singleStep()); break;
    case Qt::Key_End: b->setValue(b->maximum()); break;
    case Qt::Key_Home: b->setValue(0); break;
    default: break;
  }
}

void TFenetreFeuille::CommencerSaisie(const QString& texte) {
  if (SaisieEnCours()) return;
  const int r = etat_.LigneCourante;
  const int c = etat_.ColonneCourante;
  // Only a cell of the test view shown now: never the year view, a free slot or beyond.
  if (!CaseExiste(r, c)) return;
  const int m = Classe().MatiereCourante();
  const int p = Classe().PeriodeCourante();
  edition_->LigneEdition = r;
  edition_->ColonneEdition = c;
  QString initial = texte;
  if (initial.isEmpty())
    initial = r >= 1 ? pf::DepuisCp1252(Classe().Eleve(r).Note(m, p, c).Vue())
                     : pf::DepuisCp1252(FormaterNombre(Classe().Devoir(m, p, c).Coef));
  edition_->setText(initial.left(LongueurNoteSaisie));
  edition_->TexteInitial = texte.isEmpty() ? edition_->text() : QString();
  edition_->setGeometry(Geometrie().ZoneCellule(r, c));
  QFont f(pf::DepuisCp1252(options_.polname));
  f.setPointSize(std::max(1, R(6 * ZoomBorne(options_.zoomP))));
  f.setBold(options_.polstyle.gras);
  f.setItalic(options_.polstyle.italique);
  f.setUnderline(options_.polstyle.souligne);
  edition_->setFont(f);
  edition_->setEnabled(true);
  edition_->show();
  edition_->setFocus();
  MajMenus();  // the commands an entry forbids
  edition_->deselect();
  edition_->setCursorPosition(static_cast<int>(edition_->text().size()));
}

// Only what the entry can change: the averages of the row (with the Joker column), the test's
// average and the class averages; for a coefficient the whole average columns and its line
// in the list under the table. The edited cell repaints as the editor hides.
void TFenetreFeuille::RepeindreApresSaisie(int ligne, int colonne) {
  const TGeometrieFeuille g = Geometrie();
  const int W = g.W;
  const int n = Classe().NbEleves();
  const int m = Classe().NbDevoirs(Classe().MatiereCourante(), Classe().PeriodeCourante());
  const auto zone = [&](double x1, double y1, double x2, double y2) { viewport()->update(g.Zone(x1, y1, x2, y2)); };
  const double moyennes = 20.0 * (m + W) + 16;
  const double finMoyennes = 20.0 * (m + W + 3) + 16;
  if (ligne == 0) {
    zone(moyennes, 20, finMoyennes, 10.0 * (n + 4));
    if (options_.textebas) zone(40, 10.0 * (colonne + n + 4), 85, 10.0 * (colonne + n + 5));
    return;
  }
  zone(moyennes, 10.0 * (ligne + 1), finMoyennes, 10.0 * (ligne + 2));
  zone(20.0 * (colonne + W), 10.0 * (n + 2), 20.0 * (colonne + W + 1), 10.0 * (n + 4));
  zone(moyennes, 10.0 * (n + 2), finMoyennes, 10.0 * (n + 4));
}

void TFenetreFeuille::ValiderSaisie(int ligne, int colonne, const TEcritureSaisie& ecrire) {
  edition_->hide();
  edition_->setEnabled(false);
  setFocus();
  MajMenus();
  if (options_.trait) DessinerCurseur(true, false);
  if (ligne == AucuneCellule || !ecrire) return;
  saisieEnregistree_ = true;
  if (ligne == 0)
    Changer(QStringLiteral("la saisie du coefficient"),
            {TCodeChangement::CoefficientDevoir, Classe().PeriodeCourante(), colonne, 0}, ecrire);
  else
    Changer(QStringLiteral("la saisie de la note"), {TCodeChangement::Note, Classe().PeriodeCourante(), colonne, ligne},
            ecrire);
  saisieEnregistree_ = false;
  RepeindreApresSaisie(ligne, colonne);
  const int touche = edition_->DerniereTouche;
  if (ligne >= 1 && (touche == Qt::Key_Up || touche == Qt::Key_Down)) {
    // From the cell that was edited, wherever the pointer went meanwhile.
    etat_.LigneCourante = ligne;
    etat_.ColonneCourante = colonne;
    OnKeyDown(touche);
  }
}

}  // namespace calevrin
