#include "dialogs/choixoptions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>
#include <filesystem>

#include "controls/couleurs.h"
#include "controls/onglets.h"
#include "controls/saisienombre.h"
#include "dialogs/composants.h"
#include "model/cp1252.h"
#include "model/note.h"
#include "platform/canevasqt.h"
#include "platform/chemins.h"
#include "platform/messages.h"
#include "platform/texte.h"
#include "platform/validateurcp1252.h"

namespace calevrin {

namespace pf = plateforme;

namespace {

// What a typed number may be: screen sizes as the lists offer them, print factors above zero.
constexpr double FacteurMin = 0.1;
constexpr double FacteurMax = 10.0;

// The check boxes and the fields they edit, in the order of the configuration file.
struct TCase {
  const char* nom;
  bool TOptions::*champ;
};
constexpr TCase Cases[] = {
    {"CheckBox4", &TOptions::arrondiN},       {"CheckBox2", &TOptions::prenom},
    {"CheckBox3", &TOptions::trait},          {"CheckBox6", &TOptions::majuscule},
    {"CheckBox7", &TOptions::noirblanc},      {"CheckBox8", &TOptions::moydiv2},
    {"CheckBox11", &TOptions::textebas},      {"CheckBox12", &TOptions::sauvegarde},
    {"CheckBox14", &TOptions::alignernb},     {"CheckBox9", &TOptions::verification},
    {"CheckBox10", &TOptions::imprimerAnnee}, {"CheckBox15", &TOptions::tailleid},
    {"CheckBox16", &TOptions::utiliserL},     {"CheckBox13", &TOptions::marge},
    {"CheckBox17", &TOptions::centrert},
};

const char* const Separateurs[] = {"Signe moins",    "Signe plus", "Slash", "Antislash",     "Tidle",
                                   "Trait vertical", "Espace",     "Point", "Point virgule", "Virgule"};
const char SignesSeparateurs[] = {'-', '+', '/', '\\', '~', '|', ' ', '.', ';', ','};

const char* const LibellesCouleurs[NbCouleurs] = {"Nom des élèves",
                                                  "Ligne",
                                                  "Fond",
                                                  "Coefficient",
                                                  "Titre des colonnes",
                                                  "Note sup. à la moy.",
                                                  "Note inf. à la moy.",
                                                  "Moy. sup. à la note moy.",
                                                  "Moy. inf. à la note moy.",
                                                  "Texte en bas du tableau",
                                                  "Fond ( mode aperçu )",
                                                  "Notes non valides"};

QString Texte(const char* utf8) { return QString::fromUtf8(utf8); }

// A number typed with "." (or a comma, the French keypad's) as the decimal point, the whole
// text and nothing else.
bool LireNombreTexte(const QString& texte, double& v) {
  const QString t = QString::fromStdString(PointDecimal(texte.trimmed().toStdString()));
  if (t.isEmpty()) return false;
  for (const QChar c : t)
    if (!(c.isDigit() || c == QLatin1Char('.') || c == QLatin1Char('-') || c == QLatin1Char('+'))) return false;
  bool ok = false;
  const double r = QLocale::c().toDouble(t, &ok);
  if (!ok || !std::isfinite(r)) return false;
  v = r;
  return true;
}

QString UneDecimale(double v) { return QString::number(v, 'f', 1); }

// The three line styles of the sheet as small pictures: one line, sunken, raised.
QPixmap ImageRelief(int relief) {
  QPixmap pm(28, 12);
  pm.fill(QColor(192, 192, 192));
  QPainter p(&pm);
  const QColor gris(128, 128, 128);
  const auto ligne = [&](const QColor& c, int d) {
    p.setPen(c);
    p.drawLine(2 + d, 5 + d, 25 + d, 5 + d);
    p.drawLine(13 + d, 1 + d, 13 + d, 10 + d);
  };
  if (relief == 0) ligne(Qt::black, 0);
  if (relief == 1) {
    ligne(gris, 0);
    ligne(Qt::white, 1);
  }
  if (relief == 2) {
    ligne(Qt::white, 0);
    ligne(gris, 1);
  }
  return pm;
}

// The letter row of the table takes two characters the class file can hold.
class TDelegueLettres : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QWidget* w = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
      if (index.row() == 0) {
        e->setMaxLength(CapaciteLettre);
        e->setValidator(new pf::TValidateurCp1252(e));
      } else {
        e->setMaxLength(12);
      }
      // Written as typed: OK pressed with a cell still open must not lose it.
      auto* delegue = const_cast<TDelegueLettres*>(this);
      connect(e, &QLineEdit::textEdited, delegue, [delegue, e] { emit delegue->commitData(e); });
    }
    return w;
  }
};

}  // namespace

QString ExempleTitre(int indsep, bool annee) {
  const QString s = QStringLiteral(" ") + QLatin1Char(SignesSeparateurs[indsep]) + QStringLiteral(" ");
  QString t = QStringLiteral("3A") + s + QStringLiteral("Anglais") + s + QStringLiteral("Trimestre 1") + s +
              QStringLiteral("Devoir 4");
  if (annee) t += QStringLiteral(" ( 1999 / 2000 )");
  return t;
}

QStringList PolicesProposees() {
  QStringList r;
  for (QString f : QFontDatabase::families()) {
    if (QFontDatabase::isPrivateFamily(f)) continue;
    // A family several foundries make is listed once per foundry ("C059 [urw]"): the name
    // alone finds it.
    if (const qsizetype crochet = f.indexOf(QStringLiteral(" [")); crochet > 0 && f.endsWith(QLatin1Char(']')))
      f.truncate(crochet);
    const std::optional<std::string> nom = pf::VersCp1252(f);
    if (!nom || nom->size() > CapacitePolice) continue;
    r.push_back(f);
  }
  r.sort(Qt::CaseInsensitive);
  r.removeDuplicates();
  return r;
}

void DessinerApercu(pf::TCanevas& c, const TOptions& o) {
  const double zd = std::clamp(std::isfinite(o.zoomD) ? o.zoomD : 2.0, ZoomMin, ZoomMax);
  const double zp = std::clamp(std::isfinite(o.zoomP) ? o.zoomP : 2.0, ZoomMin, ZoomMax);
  const auto px = [zd](double v) { return pf::R(v * zd); };
  c.FixerCouleurBrosse(o.couleur[3]);
  c.FixerStyleBrosse(pf::TStyleBrosse::Plein);
  c.FixerCouleurPlume(o.couleur[3]);
  c.RemplirRectangle(0, 0, LargeurApercu, HauteurApercu);
  c.FixerStyleBrosse(pf::TStyleBrosse::Vide);
  c.FixerAlignement(pf::TAlignement::Gauche);
  pf::TPolice police;
  police.Nom = pf::DepuisCp1252(o.polname);
  police.Taille = std::max(1, pf::R(6 * zp));
  police.Gras = o.polstyle.gras;
  police.Italique = o.polstyle.italique;
  police.Souligne = o.polstyle.souligne;
  c.FixerPolice(police);
  const auto texte = [&](pf::TCouleurRGB couleur, double x, double y, const QString& t) {
    c.FixerCouleurPolice(couleur);
    c.TexteSortie(px(x), px(y), t);
  };

  const char* const noms[3][2] = {{"Laparesse", "LAPARESSE"}, {"Lepénible", "LEPENIBLE"}, {"Parletrop", "PARLETROP"}};
  const char* const prenoms[3] = {" Pierre", " Paul", " Jack"};
  for (int i = 0; i < 3; ++i) {
    QString nom = Texte(noms[i][o.majuscule ? 1 : 0]);
    if (o.prenom) nom += Texte(prenoms[i]);
    texte(o.couleur[1], 10, 20 + 10 * i, nom);
  }
  texte(o.couleur[5], 80, 0, QStringLiteral("dev"));
  texte(o.couleur[5], 100, 0, QStringLiteral("1"));
  texte(o.couleur[5], 120, 0, QStringLiteral("2"));
  texte(o.couleur[5], 80, 10, QStringLiteral("coef"));
  texte(o.couleur[5], 140, 10, QStringLiteral("moy"));
  texte(o.couleur[4], 100, 10, QStringLiteral("1"));
  texte(o.couleur[4], 120, 10, QStringLiteral("1"));
  // Rounded as the sheet rounds grades: a half goes up.
  const QString g = o.arrondiN ? QStringLiteral("13") : QStringLiteral("12.5");
  texte(o.couleur[6], 100, 20, g);
  texte(o.couleur[6], 120, 20, QStringLiteral("14"));
  texte(o.couleur[6], 120, 30, QStringLiteral("13"));
  texte(o.couleur[6], 120, 40, QStringLiteral("19"));
  const int s = o.alignernb ? pf::R(c.LargeurTexte(QStringLiteral("2")) / zd) : 0;
  texte(o.couleur[7], 100 + s, 40, QStringLiteral("7"));
  texte(o.couleur[7], 100 + s, 30, QStringLiteral("7"));
  texte(o.couleur[9], 100 + s, 50, g);
  texte(o.couleur[8], 140, 20, g);
  texte(o.couleur[8], 140, 30, QStringLiteral("10"));
  texte(o.couleur[8], 140, 40, QStringLiteral("13"));
  texte(o.couleur[8], 120, 50, QStringLiteral("13"));
  // (140, 50) stays empty: nothing of the options belongs there.

  c.FixerStylePlume(pf::TStylePlume::Plein);
  c.FixerLargeurPlume(1);
  const pf::TCouleurRGB gris = pf::RGB(128, 128, 128);
  const pf::TCouleurRGB blanc = pf::RGB(255, 255, 255);
  const auto ligne = [&](double x1, double y1, double x2, double y2) {
    const auto trait = [&](pf::TCouleurRGB couleur, int d) {
      c.FixerCouleurPlume(couleur);
      c.DeplacerVers(px(x1) + d, px(y1) + d);
      c.LigneVers(px(x2) + d, px(y2) + d);
    };
    switch (o.relief) {
      case 1:
        trait(gris, 0);
        trait(blanc, 1);
        break;
      case 2:
        trait(blanc, 0);
        trait(gris, 1);
        break;
      default: trait(o.couleur[2], 0); break;
    }
  };
  for (const double x : {98.0, 118.0, 138.0}) ligne(x, 3, x, 59);
  ligne(78, 9, 138, 9);
  ligne(78, 19, 158, 19);
  ligne(78, 49, 158, 49);
  if (o.textebas) texte(o.couleur[10], 10, 60, Texte("Devoir 1 : date 10 sept durée 2h Devoir de sciences"));
}

TDialOption::TDialOption(QWidget* parent, const TOptions& o)
    : QDialog(parent),
      copie_(o),
      dossierInitial_(QString::fromStdString(o.repsauve).trimmed()),
      sauvegardeInitiale_(o.sauvegarde) {
  setWindowTitle(QStringLiteral("Choix des options"));
  ChoisirDossier = [](QWidget* p, const QString& depart) {
    return QFileDialog::getExistingDirectory(p, QStringLiteral("Répertoire de la sauvegarde"), depart);
  };

  onglets_ = new TZlkPageControl(this);
  onglets_->setObjectName(QStringLiteral("Onglets"));
  onglets_->addTab(OngletDivers(), QStringLiteral("&Divers"));
  onglets_->addTab(OngletCouleur(), QStringLiteral("&Couleur"));
  onglets_->addTab(OngletPolice(), QStringLiteral("&Police"));
  onglets_->addTab(OngletImpression(), QStringLiteral("&Impression"));
  onglets_->addTab(OngletSauvegarde(), QStringLiteral("&Sauvegarde"));
  onglets_->addTab(OngletTitre(), QStringLiteral("&Titre imprimé"));
  onglets_->addTab(OngletLettres(), QStringLiteral("&Lettre + Chiffre"));
  onglets_->addTab(OngletSaisie(), QStringLiteral("Saisie des &notes"));
  onglets_->setCurrentIndex(0);

  panneauApercu_ = new QLabel(this);
  panneauApercu_->setObjectName(QStringLiteral("Apercu"));
  panneauApercu_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panneauApercu_->setFixedSize(LargeurApercu + 2 * panneauApercu_->frameWidth(),
                               HauteurApercu + 2 * panneauApercu_->frameWidth());

  QPushButton* ok = Bouton(this, QStringLiteral("OK"), "BoutonOK");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &TDialOption::accept);
  QPushButton* annuler = Bouton(this, QStringLiteral("Annuler"), "BoutonAnnuler");
  connect(annuler, &QPushButton::clicked, this, &TDialOption::reject);
  auto* boutons = new QVBoxLayout;
  boutons->addWidget(ok);
  boutons->addWidget(annuler);
  const QString sujetAide = QStringLiteral("LesOptions");
  boutons->addWidget(BoutonAide(this, sujetAide));
  boutons->addStretch();

  auto* bas = new QHBoxLayout;
  bas->addWidget(panneauApercu_);
  bas->addLayout(boutons);
  auto* racine = new QVBoxLayout(this);
  racine->addWidget(onglets_);
  racine->addLayout(bas);
  racine->setSizeConstraint(QLayout::SetFixedSize);

  AppliquerDomaines();
  AfficherExempleTitre();
  DessinerApercu();
}

QCheckBox* TDialOption::Case(QWidget* parent, const char* nom, const QString& texte, bool coche, bool redessine) {
  auto* c = new QCheckBox(texte, parent);
  c->setObjectName(QLatin1String(nom));
  c->setChecked(coche);
  cases_.push_back(c);
  if (redessine) connect(c, &QCheckBox::clicked, this, &TDialOption::RedessinerApercu);
  return c;
}

QWidget* TDialOption::OngletDivers() {
  auto* page = new QWidget;
  auto* afficher = new QGroupBox(QStringLiteral("Afficher:"), page);
  auto* la = new QVBoxLayout(afficher);
  la->addWidget(Case(afficher, "CheckBox6", Texte("Les noms des élèves en majuscule"), copie_.majuscule));
  la->addWidget(Case(afficher, "CheckBox2", Texte("Les prénoms des élèves"), copie_.prenom));
  la->addWidget(Case(afficher, "CheckBox11", QStringLiteral("Les commentaires des devoirs"), copie_.textebas));
  auto* arrondir = new QGroupBox(QStringLiteral("Arrondir:"), page);
  auto* lr = new QVBoxLayout(arrondir);
  lr->addWidget(Case(arrondir, "CheckBox4", QStringLiteral("Les notes"), copie_.arrondiN));
  lr->addStretch();
  auto* divers = new QGroupBox(QStringLiteral("Divers:"), page);
  auto* ld = new QVBoxLayout(divers);
  ld->addWidget(Case(divers, "CheckBox14", QStringLiteral("Aligner les notes sur la virgule"), copie_.alignernb));
  ld->addWidget(Case(divers, "CheckBox3", QStringLiteral("Souligner la note sous le curseur"), copie_.trait));
  auto* g = new QGridLayout(page);
  g->addWidget(afficher, 0, 0);
  g->addWidget(arrondir, 0, 1);
  g->addWidget(divers, 1, 0, 1, 2);
  g->setRowStretch(2, 1);
  return page;
}

QWidget* TDialOption::OngletCouleur() {
  auto* page = new QWidget;
  auto* g = new QGridLayout(page);
  for (int i = 0; i < NbCouleurs; ++i) {
    auto* p = new TColorPanel(page);
    p->setObjectName(QStringLiteral("ColorPanel%1").arg(i + 1));
    p->FixerColor(copie_.couleur[static_cast<std::size_t>(i + 1)]);
    p->OnChange = [this](TColorPanel*) { RedessinerApercu(); };
    panneaux_[i] = p;
    const int colonne = i < 6 ? 0 : 2;
    g->addWidget(p, i % 6, colonne);
    auto* l = new QLabel(Texte(LibellesCouleurs[i]), page);
    l->setBuddy(p);
    g->addWidget(l, i % 6, colonne + 1);
  }
  g->setColumnMinimumWidth(1, 170);
  g->setColumnStretch(3, 1);
  g->setRowStretch(6, 1);
  return page;
}

QWidget* TDialOption::OngletPolice() {
  auto* page = new QWidget;
  edit1_ = new QLineEdit(pf::DepuisCp1252(copie_.polname), page);
  edit1_->setObjectName(QStringLiteral("Edit1"));
  edit1_->setReadOnly(true);  // the font is chosen in the list; a typed name was never read
  lb2_ = new QListWidget(page);
  lb2_->setObjectName(QStringLiteral("LB2"));
  lb2_->addItems(PolicesProposees());
  lb2_->setCurrentRow(-1);
  connect(lb2_, &QListWidget::currentRowChanged, this, [this](int ligne) {
    if (ligne >= 0) edit1_->setText(lb2_->item(ligne)->text());
    RedessinerApercu();
  });

  const auto tailles = [page](const char* nom) {
    auto* lb = new QListWidget(page);
    lb->setObjectName(QLatin1String(nom));
    for (int i = 2; i <= 50; ++i) lb->addItem(UneDecimale(i / 10.0));
    lb->setFixedWidth(lb->fontMetrics().horizontalAdvance(QStringLiteral("0.00")) + 40);
    return lb;
  };
  edit2_ = new QLineEdit(UneDecimale(copie_.zoomP), page);
  edit2_->setObjectName(QStringLiteral("Edit2"));
  lb3_ = tailles("LB3");
  connect(lb3_, &QListWidget::currentRowChanged, this, &TDialOption::TailleEcranChoisie);
  edit6_ = new QLineEdit(UneDecimale(copie_.zoomD), page);
  edit6_->setObjectName(QStringLiteral("Edit6"));
  lb4_ = tailles("LB4");
  connect(lb4_, &QListWidget::currentRowChanged, this, &TDialOption::TailleImpressionChoisie);
  for (QLineEdit* e : {edit2_, edit6_}) e->setFixedWidth(lb3_->width());

  gras_ = new QCheckBox(QStringLiteral("Gras"), page);
  gras_->setObjectName(QStringLiteral("CBGras"));
  gras_->setChecked(copie_.polstyle.gras);
  connect(gras_, &QCheckBox::clicked, this, &TDialOption::RedessinerApercu);
  italique_ = new QCheckBox(QStringLiteral("Italique"), page);
  italique_->setObjectName(QStringLiteral("CBItalic"));
  italique_->setChecked(copie_.polstyle.italique);
  connect(italique_, &QCheckBox::clicked, this, &TDialOption::RedessinerApercu);
  QCheckBox* identique =
      Case(page, "CheckBox15", QStringLiteral("Taille de la Police = Taille du Quadrillage"), copie_.tailleid, false);
  connect(identique, &QCheckBox::clicked, this, [this] {
    edit6_->setText(edit2_->text());
    RedessinerApercu();
  });

  cb1_ = new QComboBox(page);
  cb1_->setObjectName(QStringLiteral("CB1"));
  cb1_->setIconSize(QSize(28, 12));
  cb1_->addItem(QIcon(ImageRelief(2)), QStringLiteral(" En relief"));
  cb1_->addItem(QIcon(ImageRelief(1)), QStringLiteral(" En creux "));
  cb1_->addItem(QIcon(ImageRelief(0)), QStringLiteral(" Simple "));
  cb1_->setCurrentIndex(2 - std::min<int>(copie_.relief, 2));
  connect(cb1_, &QComboBox::activated, this, &TDialOption::RedessinerApercu);

  DisposerOngletPolice(page, identique);
  return page;
}

void TDialOption::DisposerOngletPolice(QWidget* page, QCheckBox* identique) {
  auto* g = new QGridLayout(page);
  g->addWidget(Etiquette(QStringLiteral("Police :"), lb2_, page), 0, 0);
  g->addWidget(edit1_, 1, 0);
  g->addWidget(lb2_, 2, 0, 4, 1);
  g->addWidget(Etiquette(QStringLiteral("Taille de la Police:"), lb3_, page), 0, 1);
  g->addWidget(edit2_, 1, 1);
  g->addWidget(lb3_, 2, 1, 4, 1);
  g->addWidget(Etiquette(QStringLiteral("Taille du Quadrillage:"), lb4_, page), 0, 2);
  g->addWidget(edit6_, 1, 2);
  g->addWidget(lb4_, 2, 2, 4, 1);
  g->addWidget(gras_, 2, 3);
  g->addWidget(italique_, 3, 3);
  g->addWidget(identique, 4, 3);
  auto* style = new QHBoxLayout;
  style->setSpacing(8);
  style->addWidget(Etiquette(QStringLiteral("Style de ligne:"), cb1_, page));
  style->addWidget(cb1_);
  style->addStretch();
  g->addLayout(style, 5, 3);
  g->setColumnStretch(0, 1);
  g->setHorizontalSpacing(14);
  lb2_->setMinimumWidth(150);
  lb2_->setFixedHeight(150);
  lb3_->setFixedHeight(150);
  lb4_->setFixedHeight(150);
}

QWidget* TDialOption::OngletImpression() {
  auto* page = new QWidget;
  auto* v = new QVBoxLayout(page);
  v->addWidget(Case(page, "CheckBox7", QStringLiteral("Imprimer en Noir && Blanc uniquement ( Imprimante monochrome )"),
                    copie_.noirblanc, false));
  v->addWidget(Case(page, "CheckBox13", Texte("Afficher la marge de la feuille en mode Aperçu avant impression"),
                    copie_.marge, false));
  auto* correction = new QGroupBox(QStringLiteral("Correction de l'impression:"), page);
  auto* g = new QGridLayout(correction);
  g->addWidget(new QLabel(Texte("( taille imprimée = taille à l'écran x facteur d'échelle )"), correction), 0, 0, 1, 2);
  edit3_ = new QLineEdit(QString::number(copie_.kd, 'f', 2), correction);
  edit3_->setObjectName(QStringLiteral("Edit3"));
  edit4_ = new QLineEdit(QString::number(copie_.kp, 'f', 2), correction);
  edit4_->setObjectName(QStringLiteral("Edit4"));
  for (QLineEdit* e : {edit3_, edit4_})
    e->setFixedWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("00.000")) + 16);
  g->addWidget(Etiquette(Texte("Facteur d'échelle pour le quadrillage :"), edit3_, correction), 1, 0);
  g->addWidget(edit3_, 1, 1);
  g->addWidget(Etiquette(Texte("Facteur d'échelle pour l'écriture : "), edit4_, correction), 2, 0);
  g->addWidget(edit4_, 2, 1);
  g->setColumnStretch(2, 1);
  v->addWidget(correction);
  v->addStretch();
  return page;
}

QWidget* TDialOption::OngletSauvegarde() {
  auto* page = new QWidget;
  auto* v = new QVBoxLayout(page);
  v->addWidget(new QLabel(Texte("Lors de la fermeture d'un fichier classe, il est possible de créer une copie"), page));
  v->addWidget(new QLabel(Texte("de sauvegarde, sur le disque  ( ou le répertoire ) de votre choix."), page));
  v->addWidget(new QLabel(QStringLiteral("( Exemple : /media/cle_usb , /home/prof/Sauvegardes/Calevrin )"), page));
  v->addWidget(Case(page, "CheckBox12", QStringLiteral("Activer la sauvegarde automatique"), copie_.sauvegarde, false));
  edit5_ = new QLineEdit(QString::fromStdString(copie_.repsauve), page);
  edit5_->setObjectName(QStringLiteral("Edit5"));
  edit5_->setMinimumWidth(300);
  QPushButton* parcourir = Bouton(page, QStringLiteral("Parcourir..."), "BoutonParcourir");
  connect(parcourir, &QPushButton::clicked, this, &TDialOption::Parcourir);
  v->addWidget(Etiquette(Texte("Disque + répertoire de la sauvegarde:"), edit5_, page));
  auto* h = new QHBoxLayout;
  h->addWidget(edit5_, 1);
  h->addWidget(parcourir);
  v->addLayout(h);
  v->addStretch();
  return page;
}

QWidget* TDialOption::OngletTitre() {
  auto* page = new QWidget;
  QCheckBox* annee =
      Case(page, "CheckBox10", QStringLiteral("Ajouter l'année scolaire au titre"), copie_.imprimerAnnee, false);
  connect(annee, &QCheckBox::clicked, this, &TDialOption::AfficherExempleTitre);
  QCheckBox* centrer = Case(page, "CheckBox17", QStringLiteral("Centrer le titre"), copie_.centrert, false);
  cb2_ = new QComboBox(page);
  cb2_->setObjectName(QStringLiteral("CB2"));
  for (const char* s : Separateurs) cb2_->addItem(Texte(s));
  cb2_->setCurrentIndex(std::min<int>(copie_.indsep, 9));
  connect(cb2_, &QComboBox::currentIndexChanged, this, &TDialOption::AfficherExempleTitre);
  exemple_ = new QLabel(page);
  exemple_->setObjectName(QStringLiteral("ExempleTitre"));
  exemple_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  exemple_->setMinimumHeight(40);
  auto* v = new QVBoxLayout(page);
  v->addWidget(annee);
  v->addWidget(centrer);
  auto* h = new QHBoxLayout;
  h->addWidget(Etiquette(Texte("Séparateur de titre:"), cb2_, page));
  h->addWidget(cb2_);
  h->addStretch();
  v->addLayout(h);
  v->addWidget(new QLabel(QStringLiteral("Exemple:"), page));
  v->addWidget(exemple_);
  v->addStretch();
  return page;
}

QWidget* TDialOption::OngletLettres() {
  auto* page = new QWidget;
  st1_ = new QTableWidget(2, NbCorrespondances, page);
  st1_->setObjectName(QStringLiteral("ST1"));
  st1_->setVerticalHeaderLabels({QStringLiteral("Lettre"), QStringLiteral("Valeur")});
  st1_->horizontalHeader()->hide();
  st1_->setItemDelegate(new TDelegueLettres(st1_));
  st1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  st1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  for (int i = 1; i <= NbCorrespondances; ++i) {
    const TCorrespondance& c = copie_.cores[static_cast<std::size_t>(i)];
    auto* lettre = new QTableWidgetItem(pf::DepuisCp1252(c.coresL));
    auto* valeur = new QTableWidgetItem(UneDecimale(c.coresV));
    lettre->setTextAlignment(Qt::AlignCenter);
    valeur->setTextAlignment(Qt::AlignCenter);
    st1_->setItem(0, i - 1, lettre);
    st1_->setItem(1, i - 1, valeur);
    st1_->setColumnWidth(i - 1, st1_->fontMetrics().horizontalAdvance(QStringLiteral("00.00")) + 14);
  }
  st1_->setFixedHeight(st1_->horizontalScrollBar()->sizeHint().height() + 2 * st1_->rowHeight(0) +
                       2 * st1_->frameWidth() + 2);
  auto* v = new QVBoxLayout(page);
  v->addWidget(Case(page, "CheckBox16", QStringLiteral("Utiliser les lettres pour le calcul des moyennes"),
                    copie_.utiliserL, false));
  v->addWidget(Etiquette(QStringLiteral("Correspondances lettres / valeur:"), st1_, page));
  v->addWidget(st1_);
  v->addStretch();
  return page;
}

QWidget* TDialOption::OngletSaisie() {
  auto* page = new QWidget;
  QCheckBox* verification =
      Case(page, "CheckBox9", Texte("Activer la vérification automatique du domaine de validité lors de la saisie"),
           copie_.verification, false);
  connect(verification, &QCheckBox::clicked, this, &TDialOption::AppliquerDomaines);
  const auto nombre = [page](const char* nom, const QString& texte, int max, int valeur) {
    auto* sn = new TSaisieNombre(page);
    sn->setObjectName(QLatin1String(nom));
    sn->FixerMax(max);
    sn->FixerTexte1(texte);
    sn->FixerAfficherT2(false);
    sn->FixerValeurI(valeur);
    return sn;
  };
  sn1_ = nombre("SN1", Texte("Note, de 0 à"), 24, copie_.notemax);
  sn2_ = nombre("SN2", Texte("Coefficient, de 0 à"), 255, copie_.coefmax);
  sn3_ = nombre("SN3", QStringLiteral("Note moyenne"), 24, copie_.notemoy);
  // The captions end at one place, wide enough for the longest in the desktop's font.
  int texte = 0;
  for (const TSaisieNombre* sn : {sn1_, sn2_, sn3_})
    texte = std::max(texte, sn->fontMetrics().horizontalAdvance(sn->Texte1() + QLatin1Char(':')));
  for (TSaisieNombre* sn : {sn1_, sn2_, sn3_}) sn->FixerSizeText(std::max(108, texte + 2));
  QCheckBox* moitie = Case(page, "CheckBox8", QStringLiteral("Note moyenne = note max / 2"), copie_.moydiv2, false);
  connect(moitie, &QCheckBox::clicked, this, &TDialOption::AppliquerDomaines);
  sn1_->OnChange = [this](QLineEdit*) { AppliquerDomaines(); };

  domaine_ = new QLabel(Texte("Domaine de validité:"), page);
  auto* v = new QVBoxLayout(page);
  v->addWidget(verification);
  auto* g = new QGridLayout;
  g->addWidget(domaine_, 0, 0, 1, 2);
  g->addWidget(sn1_, 1, 1);
  g->addWidget(sn2_, 2, 1);
  g->addWidget(new QLabel(QStringLiteral("Note moyenne:"), page), 3, 0, 1, 2);
  g->addWidget(sn3_, 4, 1);
  g->addWidget(moitie, 5, 1);
  g->setColumnMinimumWidth(0, 10);
  g->setColumnStretch(2, 1);
  v->addLayout(g);
  v->addStretch();
  return page;
}

// The range inputs follow the range check; the pass mark is the half of the maximum grade
// while that box is ticked, and shows it.
void TDialOption::AppliquerDomaines() {
  const bool verification = findChild<QCheckBox*>(QStringLiteral("CheckBox9"))->isChecked();
  const bool moitie = findChild<QCheckBox*>(QStringLiteral("CheckBox8"))->isChecked();
  domaine_->setEnabled(verification);
  sn1_->FixerEnabled(verification);
  sn2_->FixerEnabled(verification);
  sn3_->FixerEnabled(!moitie);
  if (moitie && sn1_->Valide()) sn3_->FixerValeurI(sn1_->ValeurI() / 2);
}

void TDialOption::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  DialogueAffiche = true;
}

void TDialOption::RedessinerApercu() {
  if (!DialogueAffiche) return;
  LireControles();
  DessinerApercu();
}

void TDialOption::TailleEcranChoisie() {
  if (lb3_->currentItem()) edit2_->setText(lb3_->currentItem()->text());
  if (copie_.tailleid) edit6_->setText(edit2_->text());
  RedessinerApercu();
}

void TDialOption::TailleImpressionChoisie() {
  if (lb4_->currentItem()) edit6_->setText(lb4_->currentItem()->text());
  if (copie_.tailleid) edit2_->setText(edit6_->text());
  RedessinerApercu();
}

void TDialOption::LireControles() {
  for (const TCase& c : Cases) copie_.*c.champ = findChild<QCheckBox*>(QLatin1String(c.nom))->isChecked();

  // Paths use "/", and an empty field means the usual backup folder.
  std::string dossier = edit5_->text().trimmed().toStdString();
  if (dossier.empty()) dossier = pf::RepertoireSauvegardeParDefaut();
  if (dossier.back() != '/') dossier += '/';
  copie_.repsauve = CouperUtf8(dossier, CapaciteChemin);

  if (lb2_->currentItem())
    if (const std::optional<std::string> nom = pf::VersCp1252(lb2_->currentItem()->text()))
      copie_.polname = nom->substr(0, CapacitePolice);
  // A size outside the lists' range is not taken: a zoom of 0 would divide by zero.
  for (auto [edit, champ] : {std::pair{edit2_, &TOptions::zoomP}, std::pair{edit6_, &TOptions::zoomD}}) {
    double v = 0;
    if (LireNombreTexte(edit->text(), v) && v >= ZoomMin && v <= ZoomMax) copie_.*champ = v;
  }
  copie_.polstyle = TStylePolice{gras_->isChecked(), italique_->isChecked(), false};
  copie_.notemax = static_cast<std::uint8_t>(sn1_->ValeurI());
  copie_.coefmax = static_cast<std::uint8_t>(sn2_->ValeurI());
  copie_.notemoy = copie_.moydiv2 ? copie_.notemax / 2 : static_cast<std::uint8_t>(sn3_->ValeurI());
  copie_.relief = static_cast<std::uint8_t>(2 - std::max(0, cb1_->currentIndex()));
  for (int i = 1; i <= NbCorrespondances; ++i) {
    TCorrespondance& c = copie_.cores[static_cast<std::size_t>(i)];
    const QTableWidgetItem* lettre = st1_->item(0, i - 1);
    const QTableWidgetItem* valeur = st1_->item(1, i - 1);
    if (lettre)
      if (const std::optional<std::string> l = pf::VersCp1252(lettre->text())) c.coresL = l->substr(0, CapaciteLettre);
    double v = 0;
    if (valeur && LireNombreTexte(valeur->text(), v)) c.coresV = v;
  }
  copie_.indsep = static_cast<std::uint8_t>(std::max(0, cb2_->currentIndex()));
  for (int i = 0; i < NbCouleurs; ++i) copie_.couleur[static_cast<std::size_t>(i + 1)] = panneaux_[i]->Color();
}

void TDialOption::DessinerApercu() {
  apercu_ = QImage(LargeurApercu, HauteurApercu, QImage::Format_RGB32);
  {
    QPainter p(&apercu_);
    pf::TCanevasQt c(p);
    calevrin::DessinerApercu(c, copie_);
  }
  panneauApercu_->setPixmap(QPixmap::fromImage(apercu_));
}

void TDialOption::AfficherExempleTitre() {
  if (cb2_->currentIndex() < 0) return;
  const bool annee = findChild<QCheckBox*>(QStringLiteral("CheckBox10"))->isChecked();
  exemple_->setText(ExempleTitre(cb2_->currentIndex(), annee));
  QFont f(pf::DepuisCp1252(copie_.polname));
  f.setPointSize(std::max(1, pf::R(7 * std::clamp(copie_.zoomP, ZoomMin, ZoomMax))));
  exemple_->setFont(f);
}

void TDialOption::Parcourir() {
  const QString dossier = ChoisirDossier(this, edit5_->text());
  if (!dossier.isEmpty()) edit5_->setText(QDir::fromNativeSeparators(dossier));
}

void TDialOption::Refuser(QWidget* champ, const QString& message) {
  for (QWidget* w = champ; w; w = w->parentWidget()) {
    const int i = onglets_->indexOf(w);
    if (i >= 0) {
      onglets_->setCurrentIndex(i);
      break;
    }
  }
  pf::BoiteMessage(message, pf::TGenreMessage::Avertissement);
  champ->setFocus();
  if (auto* e = qobject_cast<QLineEdit*>(champ)) e->selectAll();
}

// Nothing out of range goes into the options: a maximum grade of 30 would overrun the
// statistics' arrays, a zoom or a print factor of 0 would divide by zero.
bool TDialOption::VerifierNombres() {
  for (TSaisieNombre* sn : {sn1_, sn2_, sn3_}) {
    if (sn->Valide() || (sn == sn3_ && !sn3_->Enabled())) continue;
    QWidget* champ = sn->Enabled() ? static_cast<QWidget*>(sn->Edit())
                     : sn == sn3_  ? static_cast<QWidget*>(findChild<QCheckBox*>(QStringLiteral("CheckBox8")))
                                   : static_cast<QWidget*>(findChild<QCheckBox*>(QStringLiteral("CheckBox9")));
    Refuser(champ, QStringLiteral("« %1 » doit être un nombre entier de %2 à %3.")
                       .arg(sn->Texte1(), TSaisieNombre::Nombre(sn->Min(), 0), TSaisieNombre::Nombre(sn->Max(), 0)));
    return false;
  }
  const struct {
    QLineEdit* edit;
    const char* libelle;
    double min, max;
  } champs[] = {{edit2_, "Taille de la Police", ZoomMin, ZoomMax},
                {edit6_, "Taille du Quadrillage", ZoomMin, ZoomMax},
                {edit3_, "Facteur d'échelle pour le quadrillage", FacteurMin, FacteurMax},
                {edit4_, "Facteur d'échelle pour l'écriture", FacteurMin, FacteurMax}};
  for (const auto& c : champs) {
    double v = 0;
    if (!LireNombreTexte(c.edit->text(), v) || (v >= c.min && v <= c.max)) continue;
    Refuser(c.edit, QStringLiteral("« %1 » doit être un nombre de %2 à %3.")
                        .arg(Texte(c.libelle), QString::number(c.min, 'f', 1), QString::number(c.max, 'f', 1)));
    return false;
  }
  return true;
}

// The backup folder is checked when it was changed or the backup turned on: a teacher who
// changes a colour is not asked about a folder he did not touch.
bool TDialOption::VerifierDossier() {
  const bool sauvegarde = findChild<QCheckBox*>(QStringLiteral("CheckBox12"))->isChecked();
  const QString texte = edit5_->text().trimmed();
  if (!sauvegarde || texte.isEmpty()) return true;
  if (texte == dossierInitial_ && sauvegardeInitiale_) return true;
  namespace fs = std::filesystem;
  const fs::path dossier(texte.toStdString());
  std::error_code ec;
  if (fs::is_directory(dossier, ec)) return true;
  if (fs::exists(dossier, ec)) {
    Refuser(edit5_, QStringLiteral("%1 n'est pas un répertoire.").arg(texte));
    return false;
  }
  if (pf::BoiteMessage(QStringLiteral("Le répertoire %1 n'existe pas.\nLe créer ?").arg(texte),
                       pf::TGenreMessage::Confirmation, pf::BoutonOui | pf::BoutonNon) != pf::TReponse::Oui) {
    edit5_->setFocus();
    return false;
  }
  if (!fs::create_directories(dossier, ec) && !fs::is_directory(dossier, ec)) {
    Refuser(edit5_, QStringLiteral("Impossible de créer le répertoire %1.").arg(texte));
    return false;
  }
  return true;
}

void TDialOption::accept() {
  if (!VerifierNombres() || !VerifierDossier()) return;
  LireControles();
  // A factor that is not a number means no correction.
  for (auto [edit, champ] : {std::pair{edit3_, &TOptions::kd}, std::pair{edit4_, &TOptions::kp}}) {
    double v = 0;
    copie_.*champ = LireNombreTexte(edit->text(), v) ? v : 1.0;
  }
  done(DialogueConfirme);
}

void TDialOption::reject() { done(DialogueAnnule); }

}  // namespace calevrin
