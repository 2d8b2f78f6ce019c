#include "stats/statgraphe.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

#include "platform/texte.h"
#include "print/dlgprint.h"
#include "stats/icones.h"

namespace calevrin {

namespace pf = plateforme;

namespace {

QString Q(const std::string& cp1252) { return pf::DepuisCp1252(cp1252); }

}  // namespace

TStatGraphe::TStatGraphe(TFenetreStat genre, TDocumentClasse& document, const TOptions& o, QWidget* parent)
    : TFenetreStatistique(genre, document, o, parent) {
  QHBoxLayout* rangee = Panneau();
  AjouterListe(genre, rangee);
  AjouterPeriodesEtMatieres(genre, rangee);
  AjouterModes(genre, rangee);
  BoutonsFin(QStringLiteral("Imprimer"), genre == TFenetreStat::Devoir     ? QStringLiteral("stat_02")
                                         : genre == TFenetreStat::Moyennes ? QStringLiteral("stat_03")
                                                                           : QStringLiteral("stat_01"));

  vue_ = new controles::TVueGraphe(this);
  vue_->setObjectName(QStringLiteral("G"));
  Contenu(vue_);
  // The form's values, the same in the three windows.
  controles::TNewGraphe& g = G();
  g.LegH = g.LegV = true;
  g.Mode = controles::TMode::mLigne;
  g.Cadre = true;
  g.NoirBlanc = false;

  TReactionStat tout;
  tout.BoutonsPeriode = tout.BoutonsMatiere = true;
  tout.ListeDevoirs = genre == TFenetreStat::Devoir;
  tout.ListeEleves = genre == TFenetreStat::Evolution;
  Reconstruire(tout);
  Calculer();
  // Named after what it shows, whatever the first computation said.
  setWindowTitle(Q(TitreFenetreStat(genre, Classe())));
  resize(800, 500);
}

// The test or student list of the windows that have one.
void TStatGraphe::AjouterListe(TFenetreStat genre, QHBoxLayout* rangee) {
  if (genre == TFenetreStat::Devoir) {
    auto* l = new QLabel(QStringLiteral("Devoir:"), rangee->parentWidget());
    l->setObjectName(QStringLiteral("Label1"));
    rangee->addWidget(l);
  }
  if (genre != TFenetreStat::Moyennes) {
    cb_ = new QComboBox(rangee->parentWidget());
    cb_->setObjectName(QStringLiteral("CB"));
    cb_->setEditable(false);
    cb_->setMinimumContentsLength(genre == TFenetreStat::Devoir ? 30 : 24);
    cb_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cb_->setMaxVisibleItems(25);
    rangee->addWidget(cb_);
    rangee->addSpacing(6);
    connect(cb_, &QComboBox::currentIndexChanged, this, &TStatGraphe::CB_OnChange);
  }
}

void TStatGraphe::AjouterPeriodesEtMatieres(TFenetreStat genre, QHBoxLayout* rangee) {
  periodes_ = new QButtonGroup(this);
  for (int p = 1; p <= 3; ++p) {
    const std::string nom = "SB" + std::to_string(p);
    periodes_->addButton(Bouton(nom.c_str(), QString(), QString(), true), p);
  }
  if (genre == TFenetreStat::Moyennes)
    periodes_->addButton(Bouton("SB4", QStringLiteral("Bi"), QStringLiteral("Bilan annuel"), true), 4);
  if (genre == TFenetreStat::Evolution) {
    periodes_->addButton(Bouton("SB4", QStringLiteral("A"), QString(), true), 4);
    periodes_->addButton(Bouton("SB0", QStringLiteral("To"), QStringLiteral("Toutes les notes de l'année"), true), 5);
  }
  connect(periodes_, &QButtonGroup::idClicked, this, &TStatGraphe::ClicPeriode);
  rangee->addSpacing(6);

  matieres_ = new QButtonGroup(this);
  for (int m = 1; m <= 3; ++m) {
    const std::string nom = "SB1" + std::to_string(m);
    matieres_->addButton(Bouton(nom.c_str(), QString(), QString(), true), m);
  }
  if (genre == TFenetreStat::Moyennes)
    matieres_->addButton(Bouton("SB14", QStringLiteral("S"), QStringLiteral("Synthèse"), true), 4);
  connect(matieres_, &QButtonGroup::idClicked, this, &TStatGraphe::ClicMatiere);
  rangee->addSpacing(6);
}

void TStatGraphe::AjouterModes(TFenetreStat genre, QHBoxLayout* rangee) {
  auto* modes = new QButtonGroup(this);
  const struct {
    const char* nom;
    TIconeStat icone;
    const char* hint;
    controles::TMode mode;
  } boutonsMode[] = {{"SB5", TIconeStat::Barre, "Graphe en barre", controles::TMode::mBarre},
                     {"SB6", TIconeStat::Ligne, "Graphe en ligne", controles::TMode::mLigne},
                     {"SpeedButton2", TIconeStat::Tendance, "Tendance", controles::TMode::mBezier}};
  for (const auto& m : boutonsMode) {
    QToolButton* b = Bouton(m.nom, QString(), QString::fromUtf8(m.hint), true);
    b->setIcon(IconeStat(m.icone));
    b->setChecked(m.mode == controles::TMode::mLigne);
    modes->addButton(b);
    const controles::TMode mode = m.mode;
    connect(b, &QToolButton::clicked, this, [this, mode] {
      G().Mode = mode;
      vue_->update();
    });
  }
  rangee->addSpacing(6);
  if (genre == TFenetreStat::Evolution) {
    sb7_ = Bouton("SB7", QStringLiteral("M"), QStringLiteral("Afficher/Cacher la moyenne"), true);
    sb7_->setChecked(true);
    connect(sb7_, &QToolButton::toggled, this, [this](bool montrer) {
      EtatModifiable().Moy = montrer;
      Calculer();
    });
  }
  sb8_ = Bouton("SB8", QStringLiteral("An"), QStringLiteral("Afficher/Cacher l'année scolaire"), true);
  sb8_->setChecked(Etat().AvecAnnee);
  connect(sb8_, &QToolButton::toggled, this, [this](bool annee) {
    EtatModifiable().AvecAnnee = annee;
    Calculer();
  });
}

void TStatGraphe::Remplir() {
  const TEtatStat& e = Etat();
  TGrapheStat s;
  switch (e.Fenetre) {
    case TFenetreStat::Devoir: s = CalculerStat02(Classe(), Chiffres(), e, Opt()); break;
    case TFenetreStat::Moyennes: s = CalculerStat03(Classe(), Chiffres(), e, Opt()); break;
    default: s = CalculerStat01(Classe(), Chiffres(), e, Opt()); break;
  }
  AppliquerGraphe(s, G());
  if (!s.TitreFenetre.empty()) setWindowTitle(Q(s.TitreFenetre));
  vue_->update();
}

void TStatGraphe::Reconstruire(const TReactionStat& r) {
  if (r.BoutonsPeriode) BoutonsPeriode();
  if (r.BoutonsMatiere) BoutonsMatiere();
  if (r.ListeDevoirs && cb_)
    RemplirListe(cb_, ListeDevoirsStat(Classe(), Etat().Matiere, Etat().Periode), Etat().Devoir - 1);
  if (r.ListeEleves && cb_) RemplirListe(cb_, ListeElevesStat(Classe()), Etat().Eleve);
}

void TStatGraphe::BoutonsPeriode() {
  const int n = Classe().NbPeriodes();
  const bool trimestres = n == 3;
  for (int p = 1; p <= 3; ++p) {
    QAbstractButton* b = periodes_->button(p);
    b->setText((trimestres ? QStringLiteral("T") : QStringLiteral("S")) + QString::number(p));
    const QString hint = (trimestres ? QStringLiteral("Trimestre ") : QStringLiteral("Semestre ")) + QString::number(p);
    b->setToolTip(hint);
    b->setStatusTip(hint);
    b->setVisible(p <= n);
  }
  if (Etat().Fenetre == TFenetreStat::Evolution) {
    const QString hint =
        trimestres ? QStringLiteral("Moyenne des 3 trimestres") : QStringLiteral("Moyenne des 2 semestres");
    periodes_->button(4)->setToolTip(hint);
    periodes_->button(4)->setStatusTip(hint);
  }
  ChoisirDansGroupe(periodes_, Etat().Periode);
}

void TStatGraphe::BoutonsMatiere() {
  const TClasse& c = Classe();
  for (int m = 1; m <= 3; ++m) {
    QAbstractButton* b = matieres_->button(m);
    b->setText(Q(c.Matiere(m).Abrev.Texte()));
    const QString nom = Q(c.Matiere(m).Nom.Texte());
    b->setToolTip(nom);
    b->setStatusTip(nom);
    b->setVisible(m <= c.NbMatieres());
  }
  ChoisirDansGroupe(matieres_, Etat().Matiere);
}

void TStatGraphe::CB_OnChange(int index) {
  if (index < 0) return;
  if (Etat().Fenetre == TFenetreStat::Devoir)
    EtatModifiable().Devoir = index + 1;
  else
    EtatModifiable().Eleve = index;
  Calculer();
}

void TStatGraphe::ClicPeriode(int p) {
  EtatModifiable().Periode = p;
  if (Etat().Fenetre == TFenetreStat::Devoir) {
    EtatModifiable().Devoir = Classe().NbDevoirs(Etat().Matiere, p);
    RemplirListe(cb_, ListeDevoirsStat(Classe(), Etat().Matiere, p), Etat().Devoir - 1);
  }
  Calculer();
}

void TStatGraphe::ClicMatiere(int m) {
  EtatModifiable().Matiere = m;
  if (Etat().Fenetre == TFenetreStat::Devoir && Etat().Periode <= 3) {
    EtatModifiable().Devoir = Classe().NbDevoirs(m, Etat().Periode);
    RemplirListe(cb_, ListeDevoirsStat(Classe(), m, Etat().Periode), Etat().Devoir - 1);
  }
  Calculer();
}

void TStatGraphe::Imprimer() {
  TDialImpression d(this, nullptr, &G(), Opt().noirblanc);
  d.exec();
}

}  // namespace calevrin
