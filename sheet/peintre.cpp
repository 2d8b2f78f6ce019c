#include "sheet/peintre.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "model/dates.h"
#include "model/figures.h"
#include "model/formatage.h"
#include "model/moyennes.h"
#include "model/note.h"
#include "platform/texte.h"

namespace calevrin {

namespace pf = plateforme;
using pf::R;
using pf::RGB;

double ZoomBorne(double zoom) {
  // A zero, negative or absurd factor from a hand-edited file must not divide by zero
  // or ask for fonts of thousands of points. The range is the one the options dialog offers.
  if (!std::isfinite(zoom) || zoom < ZoomMin) return ZoomMin;
  return std::min(zoom, ZoomMax);
}

double FacteurBorne(double facteur) {
  if (!std::isfinite(facteur) || facteur < 0.1) return 0.1;
  return std::min(facteur, 10.0);
}

TEchelles Echelles(bool impression, const TEtatFeuille& etat, const TMesuresPage& page, const TOptions& o) {
  const double zd = ZoomBorne(o.zoomD);
  const double zp = ZoomBorne(o.zoomP);
  if (impression) {
    const double rho = page.RapportEcran > 0 ? page.RapportEcran : 0.32;
    return {FacteurBorne(o.kd) * zd / rho, FacteurBorne(o.kp) * zp};
  }
  if (etat.ModeApercu) return {zd * etat.ZoomApercu, zp * etat.ZoomApercu};
  return {zd, zp};
}

namespace {

constexpr pf::TCouleurRGB Gris = RGB(128, 128, 128);
constexpr pf::TCouleurRGB Blanc = RGB(255, 255, 255);
constexpr pf::TCouleurRGB Noir = 0;

QString Q(std::string_view cp1252) { return pf::DepuisCp1252(cp1252); }
QString Q(const std::string& cp1252) { return pf::DepuisCp1252(cp1252); }

class TPeintre {
 public:
  TPeintre(pf::TCanevas& cv, bool impression, TEtatFeuille& etat, const TClasse& c, const TFiguresClasse& f,
           const TMesuresPage& page, const TOptions& o)
      : cv_(cv),
        impr_(impression),
        apercu_(!impression && etat.ModeApercu),
        e_(etat),
        c_(c),
        f_(f),
        page_(page),
        o_(o),
        coul_(o.couleur) {}

  void Dessiner();

 private:
  int Px(double x) const { return g_.X(x); }
  int Py(double y) const { return g_.Y(y); }
  void Taille(double points) { cv_.FixerTaillePolice(std::max(1, R(points * ep_))); }
  void Texte(double x, double y, const QString& t) { cv_.TexteSortie(Px(x), Py(y), t); }
  // A cell's text cut at its column, so a long text never covers the neighbour's grade.
  void TexteCellule(double x, double y, double gauche, double largeur, const QString& t) {
    cv_.TexteCadre(Px(gauche), Py(y), Px(gauche + largeur), Py(y + 10), Px(x), Py(y), t);
  }
  void Trait(double x1, double y1, double x2, double y2);
  void CouleurMoyenne(double v);
  QString TexteMoyenne(double v) const;
  void CelluleMoyenne(double x, double y, double gauche, double v, double largeur = 20) {
    CouleurMoyenne(v);
    TexteCellule(x + Decalage(v), y, gauche, largeur, TexteMoyenne(v));
  }
  int Decalage(double v) const {
    return o_.alignernb && v != PasDeMoyenne && MoyenneAffichee(c_.Arrondi(), v) < 10 ? chiffre_ : 0;
  }
  void Note(int k, int i, int m, int p);
  void Titre();
  void Eleves();
  void VueDevoirs();
  void CadreBilan(double delta);
  QString EnTete(const TMatiere& mt);
  void VueSynthese();
  void VueAnnee();
  void CadreApercu();

  pf::TCanevas& cv_;
  const bool impr_;
  const bool apercu_;
  TEtatFeuille& e_;
  const TClasse& c_;
  const TFiguresClasse& f_;
  const TMesuresPage& page_;
  const TOptions& o_;
  TTableau1<TCouleur, NbCouleurs> coul_;  // the palette of this paint only
  TGeometrieFeuille g_;                   // lines scale: a unit is et_ pixels
  double et_ = 1;
  double ep_ = 1;
  int h_ = 0;
  int v_ = 0;
  int n_ = 0;
  int W_ = 5;
  int chiffre_ = 0;
  int lp_ = 0, hp_ = 0, mx_ = 0, my_ = 0;
};

void TPeintre::Trait(double x1, double y1, double x2, double y2) {
  const int a = Px(x1), b = Py(y1), c = Px(x2), d = Py(y2);
  if (!impr_ && !apercu_ && (o_.relief == 1 || o_.relief == 2)) {
    const pf::TCouleurRGB premiere = o_.relief == 1 ? Gris : Blanc;
    const pf::TCouleurRGB seconde = o_.relief == 1 ? Blanc : Gris;
    cv_.FixerCouleurPlume(premiere);
    cv_.DeplacerVers(a, b);
    cv_.LigneVers(c, d);
    cv_.FixerCouleurPlume(seconde);
    cv_.DeplacerVers(a + 1, b + 1);
    cv_.LigneVers(c + 1, d + 1);
    return;
  }
  cv_.FixerCouleurPlume(coul_[2]);
  cv_.DeplacerVers(a, b);
  cv_.LigneVers(c, d);
}

void TPeintre::CouleurMoyenne(double v) {
  const double affichee = MoyenneAffichee(c_.Arrondi(), v);
  cv_.FixerCouleurPolice(v != PasDeMoyenne && affichee < o_.notemoy ? coul_[9] : coul_[8]);
}

QString TPeintre::TexteMoyenne(double v) const {
  return v == PasDeMoyenne ? QStringLiteral(" ?") : Q(FormaterMoyenne(c_.Arrondi(), v));
}

void TPeintre::Note(int k, int i, int m, int p) {
  const std::string_view g = c_.Eleve(i).Note(m, p, k).Vue();
  const TNote n = f_.Note(i, m, p, k);
  QString texte = Q(g);
  int d = 0;
  if (n.EstNote()) {
    // Coloured by what is shown: 9.5 shown "10" is no failing grade.
    const double affichee = o_.arrondiN ? std::round(n.Valeur) : n.Valeur;
    cv_.FixerCouleurPolice(affichee >= o_.notemoy ? coul_[6] : coul_[7]);
    if (o_.arrondiN) {
      char tampon[400];
      std::snprintf(tampon, sizeof tampon, "%.0f", affichee == 0 ? 0.0 : affichee);
      texte = QString::fromLatin1(tampon);
    }
    if (o_.alignernb && (n.Genre == NoteLettre || affichee < 10)) d = chiffre_;
  } else {
    cv_.FixerCouleurPolice(coul_[12]);
  }
  const double x = 20.0 * (k + W_);
  TexteCellule(x + d, 10.0 * (i + 1), x, 20, texte);
}

void TPeintre::Titre() {
  const int s = c_.MatiereCourante();
  const int p = c_.PeriodeCourante();
  if (impr_ || apercu_) {
    pf::TPolice f;
    f.Nom = Q(o_.polname);
    f.Taille = std::max(1, R(11 * ep_));
    f.Gras = f.Italique = f.Souligne = true;
    f.Couleur = coul_[1];
    cv_.FixerPolice(f);
    cv_.FixerStyleBrosse(pf::TStyleBrosse::Vide);
    const QString t = Q(ConstruireTitre(c_, s, p, 0, 0, o_.imprimerAnnee, o_));
    if (impr_) {
      cv_.FixerAlignement(o_.centrert ? pf::TAlignement::Centre : pf::TAlignement::Gauche);
      cv_.TexteSortie(o_.centrert ? pf::Div(page_.LargeurImprimable, 2) : 0, 0, t);
    } else {
      const int y = e_.OrigineY - v_ - R(30 * et_);
      cv_.FixerAlignement(o_.centrert ? pf::TAlignement::Centre : pf::TAlignement::Gauche);
      cv_.TexteSortie(o_.centrert ? pf::Div(lp_, 2) + 10 - h_ : mx_ + 10 - h_, y, t);
    }
    cv_.FixerAlignement(pf::TAlignement::Gauche);
    return;
  }
  cv_.FixerStylePlume(pf::TStylePlume::Plein);
  cv_.FixerCouleurPlume(RGB(0, 255, 255));
  cv_.FixerStyleBrosse(pf::TStyleBrosse::Plein);
  cv_.FixerCouleurBrosse(p == 4 ? RGB(255, 0, 0) : RGB(0, 0, 255));
  cv_.Rectangle(-h_, -v_, R(80 * et_) - h_, R(20 * et_) - v_);
  pf::TPolice f;
  f.Nom = Q(o_.polname);
  f.Gras = f.Italique = true;
  f.Taille = std::max(1, R(6 * ep_));
  f.Couleur = RGB(0, 255, 0);
  cv_.FixerPolice(f);
  cv_.FixerStyleBrosse(pf::TStyleBrosse::Vide);
  cv_.FixerAlignement(pf::TAlignement::Centre);
  const QString abrev = Q(c_.Abreviation.Vue());
  if (p == 4)
    Texte(40, 1, abrev + QStringLiteral(" -  Année"));
  else
    Texte(40, 1, abrev + " - " + Q(NomCourtPeriode(c_.NbPeriodes())) + " " + QString::number(p));
  Texte(40, 10, s == 4 ? QStringLiteral("Synthèse") : Q(c_.Matiere(s).Nom.Vue()));
  cv_.FixerAlignement(pf::TAlignement::Gauche);
}

void TPeintre::Eleves() {
  cv_.FixerAlignement(pf::TAlignement::Gauche);
  cv_.FixerStyleBrosse(pf::TStyleBrosse::Vide);
  pf::TPolice f;
  f.Nom = Q(o_.polname);
  f.Gras = o_.polstyle.gras;
  f.Italique = o_.polstyle.italique;
  f.Souligne = o_.polstyle.souligne;
  f.Taille = std::max(1, R(6 * ep_));
  f.Couleur = coul_[1];
  cv_.FixerPolice(f);
  cv_.FixerStylePlume(pf::TStylePlume::Plein);
  cv_.FixerCouleurPlume(coul_[2]);
  chiffre_ = R(cv_.LargeurTexte(QStringLiteral("2")) / et_);
  for (int i = 1; i <= n_; ++i) {
    Texte(10, 10 * (i + 1), QString::number(i));
    const int gauche = Px(23);
    const int haut = Py(10.0 * (i + 1));
    const int droite = Px(20.0 * W_ + 14);
    const int bas = haut + R(10 * et_);
    cv_.TexteCadre(gauche, haut, droite, bas, gauche, haut, Q(c_.NomComplet(i, o_.prenom)));
  }
  cv_.FixerCouleurPolice(coul_[5]);
}

void TPeintre::VueDevoirs() {
  const int s = c_.MatiereCourante();
  const int p = c_.PeriodeCourante();
  const int m = c_.NbDevoirs(s, p);
  if (m == 0) return;
  const int n = n_;
  const int W = W_;
  const double yb = 10.0 * n + 25;
  const bool joker = c_.Joker();
  const int J = joker ? 20 : 0;

  Texte(20 * (m + W + 1), 5, QStringLiteral("moy"));
  Texte(20 * W - 10, 1, QStringLiteral("dev"));
  Texte(20 * W - 10, 10, QStringLiteral("coef"));
  Texte(20, yb, QStringLiteral("Moy. du devoir"));
  if (joker) {
    Trait(20 * (m + W) + 38, 5, 20 * (m + W) + 38, 10 * (n + 4));
    Texte(20 * (m + W + 2), 0, QStringLiteral("moy"));
    Texte(20 * (m + W + 2), 10, QStringLiteral("Joker"));
  }
  const double xMoy = 20.0 * (m + W + 1);
  const double xJoker = 20.0 * (m + W + 2);
  TMoyennesVue moy;
  f_.Vue(s, p, moy);
  for (int i = 1; i <= n; ++i) CelluleMoyenne(xMoy, 10 * (i + 1), xMoy, moy.Eleves[static_cast<std::size_t>(i - 1)]);
  if (joker) {
    for (int i = 1; i <= n; ++i)
      CelluleMoyenne(xJoker, 10 * (i + 1), xJoker, moy.ElevesJoker[static_cast<std::size_t>(i - 1)]);
    CelluleMoyenne(xJoker, yb, xJoker, moy.ClasseJoker);
  }
  for (int k = 1; k <= m; ++k) {
    const double x = 20.0 * (k + W);
    cv_.FixerCouleurPolice(coul_[5]);
    Texte(x, 1, QString::number(k));
    cv_.FixerCouleurPolice(coul_[4]);
    TexteCellule(x, 10, x, 20, Q(FormaterNombre(c_.Devoir(s, p, k).Coef)));
    CelluleMoyenne(x, yb, x, moy.Devoirs[static_cast<std::size_t>(k - 1)]);
  }
  for (int k = 1; k <= m; ++k)
    for (int i = 1; i <= n; ++i) Note(k, i, s, p);
  // The ordinary average's class average stays without the Joker: the Joker column has its own.
  CelluleMoyenne(xMoy, yb, xMoy, moy.Classe);

  const double droite = 20.0 * (W + m + 2) + J;
  Trait(20 * W + 14, 5, 20 * W + 14, 10 * (n + 4));
  Trait(20 * (m + W) + 16, 5, 20 * (m + W) + 16, 10 * (n + 4));
  Trait(80, 10, 20 * (m + W) + 16, 10);
  Trait(80, 20, droite, 20);
  Trait(1, 10 * (n + 2), droite, 10 * (n + 2));
  Trait(1, 10 * (n + 4), droite, 10 * (n + 4));

  cv_.FixerCouleurPolice(coul_[10]);
  if (o_.textebas) {
    for (int k = 1; k <= m; ++k) {
      const TDevoir& d = c_.Devoir(s, p, k);
      const double y = 10.0 * (n + 4 + k);
      Texte(5, y, "Dev. " + QString::number(k));
      Texte(40, y, " Coef. " + Q(FormaterNombre(d.Coef)));
      Texte(85, y, QStringLiteral("Durée: ") + Q(d.Duree.Vue()));
      Texte(140, y, "Date: " + Q(d.Date.Vue()));
      Texte(220, y, Q(d.Commentaire.Vue()));
    }
    Texte(5, 10 * (n + m + 5), "Arrondi des moyennes: " + Q(NomArrondi(c_.Arrondi())));
  }
  if (!impr_ && !apercu_ && o_.trait && e_.ColonneCourante >= 1 && e_.ColonneCourante <= m && e_.LigneCourante >= 0 &&
      e_.LigneCourante <= n)
    DessinerCurseur(cv_, e_, true, o_, false);
}

// The synthesis and the year views share their "Moyenne" labels and their three lines;
// delta moves the general column left when fewer subjects or periods are shown.
void TPeintre::CadreBilan(double delta) {
  const int n = n_;
  const int W = W_;
  Texte(10, 10.0 * n + 25, QStringLiteral("Moyenne"));
  Texte(20 * W + 132 - delta, 3, QStringLiteral("Moyenne"));
  Trait(5, 10 * n + 22, 20 * (W + 8) - delta, 10 * n + 22);
  Trait(20 * W + 126 - delta, 5, 20 * W + 126 - delta, 10 * (n + 4));
  Trait(19 * W, 19, 20 * (W + 8) - delta, 19);
}

// A subject's name in its 40-unit column: names run into each other otherwise.
QString TPeintre::EnTete(const TMatiere& mt) {
  const int place = R(40 * et_) - 2;
  QString t = Q(mt.Nom.Vue());
  if (cv_.LargeurTexte(t) <= place) return t;
  if (!mt.Abrev.Vue().empty()) t = Q(mt.Abrev.Vue());
  const QString points(QChar(0x2026));
  while (t.size() > 1 && cv_.LargeurTexte(t) > place) {
    t.chop(t.endsWith(points) ? 2 : 1);
    t += points;
  }
  return t;
}

void TPeintre::VueSynthese() {
  const int p = c_.PeriodeCourante();
  const int n = n_;
  const int W = W_;
  const int S = c_.NbMatieres();
  const double delta = 60 - 20.0 * S;
  const double yb = 10.0 * n + 25;
  const bool joker = c_.Joker();
  CadreBilan(delta);

  cv_.FixerAlignement(pf::TAlignement::Centre);
  Taille(5);
  Texte(19 * W, 11, QStringLiteral("Coef"));
  for (int t = 1; t <= S; ++t) {
    const TMatiere& mt = c_.Matiere(t);
    QString coef;
    if (p <= 3) {
      coef = Q(FormaterNombre(mt.Coef[static_cast<std::size_t>(p)]));
    } else {
      coef = Q(FormaterNombre(mt.Coef[1])) + "+" + Q(FormaterNombre(mt.Coef[2]));
      if (c_.NbPeriodes() == 3) coef += "+" + Q(FormaterNombre(mt.Coef[3]));
    }
    Texte(20 * (W + 2 * t - 1), 11, coef);
  }
  Taille(6);
  for (int t = 1; t <= S; ++t) Texte(20 * (W + 2 * t - 1), 2, EnTete(c_.Matiere(t)));
  cv_.FixerAlignement(pf::TAlignement::Gauche);

  const double xGen = 20 * (W + 7) - delta;
  const TMoyennes& moyennes = f_.Moyennes(joker);
  for (int i = 1; i <= n; ++i) {
    for (int t = 1; t <= S; ++t) {
      const double x = 20.0 * (W + 2 * t) - 24;
      CelluleMoyenne(x, 10 * (i + 1), x, moyennes.Eleve(i, t, p), 40);
    }
    CelluleMoyenne(xGen, 10 * (i + 1), xGen, moyennes.Eleve(i, 4, p), 40);
  }
  for (int t = 1; t <= S; ++t) {
    const double x = 20.0 * (W + 2 * t) - 24;
    CelluleMoyenne(x, yb, x, moyennes.Classe(t, p), 40);
  }
  CelluleMoyenne(xGen, yb, xGen, moyennes.Classe(4, p), 40);
}

void TPeintre::VueAnnee() {
  const int s = c_.MatiereCourante();
  const int n = n_;
  const int W = W_;
  const int P = c_.NbPeriodes();
  const double delta = 60 - 20.0 * P;
  const double yb = 10.0 * n + 25;
  const bool joker = c_.Joker();
  cv_.FixerAlignement(pf::TAlignement::Gauche);
  CadreBilan(delta);
  Taille(5);
  Texte(17 * W, 11, QStringLiteral("Coef"));
  for (int q = 1; q <= P; ++q)
    Texte(20 * (W + 2 * q - 1), 11, Q(FormaterNombre(c_.Matiere(s).Coef[static_cast<std::size_t>(q)])));
  Taille(6);
  for (int q = 1; q <= P; ++q) Texte(20 * (W + 2 * q) - 30, 3, Q(NomCourtPeriode(P)) + " " + QString::number(q));

  const double xAn = 20 * (W + 7) - delta;
  const TMoyennes& moyennes = f_.Moyennes(joker);
  for (int i = 1; i <= n; ++i) {
    for (int q = 1; q <= P; ++q) {
      const double x = 20.0 * (W + 2 * q) - 24;
      CelluleMoyenne(x, 10 * (i + 1), x, moyennes.Eleve(i, s, q), 40);
    }
    CelluleMoyenne(xAn, 10 * (i + 1), xAn, moyennes.Eleve(i, s, 4), 40);
  }
  for (int q = 1; q <= P; ++q) {
    const double x = 20.0 * (W + 2 * q) - 24;
    CelluleMoyenne(x, yb, x, moyennes.Classe(s, q), 40);
  }
  CelluleMoyenne(xAn, yb, xAn, moyennes.Classe(s, 4), 40);
}

void TPeintre::CadreApercu() {
  const int lc = e_.LargeurClient;
  const int hc = e_.HauteurClient;
  cv_.FixerStylePlume(pf::TStylePlume::Aucun);
  int E = lp_ + 10 - mx_ - h_;
  int F = hp_ + 10 - my_ - v_;
  cv_.FixerCouleurBrosse(coul_[3]);
  cv_.FixerStyleBrosse(pf::TStyleBrosse::Plein);
  cv_.Rectangle(E, -v_, E + mx_, F + my_);
  cv_.Rectangle(-h_, F, E + mx_, F + my_);
  E += mx_;
  F += my_;
  cv_.FixerCouleurBrosse(coul_[11]);
  cv_.Rectangle(-h_, -v_, 11 - h_, F + 10);
  cv_.Rectangle(-h_, -v_, E + 10, 11 - v_);
  cv_.Rectangle(E, -v_, lc + 1, hc + 1);
  cv_.Rectangle(-h_, F, lc + 1, hc + 1);
  cv_.FixerCouleurBrosse(Noir);
  cv_.FixerStylePlume(pf::TStylePlume::Plein);
  cv_.FixerCouleurPlume(Noir);
  cv_.Rectangle(E, 15 - v_, E + 5, F + 5);
  cv_.Rectangle(15 - h_, F, E + 5, F + 5);
  cv_.FixerStyleBrosse(pf::TStyleBrosse::Vide);
  if (o_.marge) {
    cv_.FixerStylePlume(pf::TStylePlume::Pointille);
    cv_.Rectangle(mx_ + 10 - h_, my_ + 10 - v_, lp_ + 10 - mx_ - h_, hp_ + 10 - my_ - v_);
  }
  cv_.FixerStylePlume(pf::TStylePlume::Plein);
  cv_.FixerLargeurPlume(2);
  cv_.Rectangle(10 - h_, 10 - v_, lp_ + 10 - h_, hp_ + 10 - v_);
  cv_.FixerLargeurPlume(1);
}

void TPeintre::Dessiner() {
  // The first paint draws the sheet too: Qt sends no second paint to rely on.
  e_.PremierDessin = false;
  n_ = c_.NbEleves();
  W_ = std::max(5, e_.NbColNoms);

  const TEchelles ech = Echelles(impr_, e_, page_, o_);
  et_ = ech.Trait;
  ep_ = ech.Police;
  if (impr_) {
    h_ = v_ = 0;
    e_.OrigineX = 0;
    e_.OrigineY = R(30 * et_);
  } else if (apercu_) {
    h_ = e_.H;
    v_ = e_.V;
    const double rz = page_.RapportEcran * e_.ZoomApercu;
    lp_ = R(page_.LargeurPhysique * rz);
    hp_ = R(page_.HauteurPhysique * rz);
    mx_ = R((page_.LargeurPhysique - page_.LargeurImprimable) * rz / 2);
    my_ = R((page_.HauteurPhysique - page_.HauteurImprimable) * rz / 2);
    e_.OrigineX = mx_ + 10;
    e_.OrigineY = my_ + 10 + R(30 * et_);
  } else {
    h_ = e_.H;
    v_ = e_.V;
    e_.OrigineX = e_.OrigineY = 0;
  }
  g_ = TGeometrieFeuille{et_, W_, h_, v_, e_.OrigineX, e_.OrigineY};
  cv_.FixerLargeurPlume(1);

  if (impr_ || apercu_) {
    if (o_.noirblanc)
      for (std::size_t i = 1; i <= NbCouleurs; ++i)
        if (i != 11) coul_[i] = Noir;
    coul_[3] = Blanc;
  }
  if (!impr_) {
    // The sheet paints its own background: the widget's palette is not the option colour.
    cv_.FixerStylePlume(pf::TStylePlume::Plein);
    cv_.FixerCouleurPlume(coul_[3]);
    cv_.FixerStyleBrosse(pf::TStyleBrosse::Plein);
    cv_.FixerCouleurBrosse(coul_[3]);
    cv_.Rectangle(0, 0, e_.LargeurClient + 1, e_.HauteurClient + 1);
  }
  if (n_ == 0) return;

  Titre();
  Eleves();
  const int s = c_.MatiereCourante();
  const int p = c_.PeriodeCourante();
  if (s == 4)
    VueSynthese();
  else if (p == 4)
    VueAnnee();
  else
    VueDevoirs();
  if (apercu_) CadreApercu();
}

}  // namespace

void DessinerFeuille(pf::TCanevas& canevas, bool impression, TEtatFeuille& etat, const TClasse& c,
                     const TFiguresClasse& figures, const TMesuresPage& page, const TOptions& o) {
  TPeintre(canevas, impression, etat, c, figures, page, o).Dessiner();
}

void DessinerFeuille(pf::TCanevas& canevas, bool impression, TEtatFeuille& etat, const TClasse& c,
                     const TMesuresPage& page, const TOptions& o) {
  DessinerFeuille(canevas, impression, etat, c, TFiguresClasse(c, o), page, o);
}

void DessinerCurseur(pf::TCanevas& cv, const TEtatFeuille& e, bool montrer, const TOptions& o, bool effacer) {
  if (e.ModeApercu || e.EditionOuverte) return;
  const double z = ZoomBorne(o.zoomD);
  const TGeometrieFeuille g{z, std::max(5, e.NbColNoms), e.H, e.V, e.OrigineX, e.OrigineY};
  const auto marque = [&](int ligne, int colonne, int decalage, pf::TCouleurRGB couleur) {
    if (ligne < 1 || ligne == AucuneCellule || colonne == AucuneCellule) return;
    const QPoint a = g.AngleMarque(ligne, colonne, decalage);
    cv.FixerStylePlume(pf::TStylePlume::Plein);
    cv.FixerCouleurPlume(couleur);
    cv.DeplacerVers(a.x(), a.y() - R(7.5 * z));
    cv.LigneVers(a.x(), a.y());
    cv.LigneVers(a.x() + R(15 * z), a.y());
  };
  const TCouleur fond = o.couleur[3];
  if (effacer) {
    marque(e.LigneAvant, e.ColonneAvant, 0, fond);
    if (o.relief != 0) marque(e.LigneAvant, e.ColonneAvant, 1, fond);
  }
  if (!montrer) return;
  if (o.relief == 0) {
    marque(e.LigneCourante, e.ColonneCourante, 0, o.couleur[2]);
  } else {
    marque(e.LigneCourante, e.ColonneCourante, 0, o.relief == 1 ? Gris : Blanc);
    marque(e.LigneCourante, e.ColonneCourante, 1, o.relief == 1 ? Blanc : Gris);
  }
}

TDefilement CalculerDefilement(const TEtatFeuille& e, const TClasse& c, const TMesuresPage& page, const TOptions& o) {
  if (e.ModeApercu) {
    const double rz = page.RapportEcran * e.ZoomApercu;
    return {R(page.LargeurPhysique * rz) + 20, R(page.HauteurPhysique * rz) + 20};
  }
  const double z = ZoomBorne(o.zoomD);
  const int n = c.NbEleves();
  const int W = std::max(5, e.NbColNoms);
  const int s = c.MatiereCourante();
  const int p = c.PeriodeCourante();
  if (s == 4 || p == 4) return {R(300 * z), R(10 * (n + 4) * z)};
  const int m = c.NbDevoirs(s, p);
  int hauteur = R(10 * (n + 5) * z);
  if (o.textebas) hauteur += R(10 * (m + 1) * z);
  int largeur = 0;
  if (m > 0) {
    largeur = R(20 * z * (m + W + 3));
    if (c.Joker()) largeur += R(20 * z);
    largeur = std::max(largeur, R(400 * z));
  } else {
    largeur = R(20 * (W + 1) * z);
  }
  return {largeur, hauteur};
}

int CalculerLargeurNoms(pf::TCanevas& cv, const TClasse& c, const TOptions& o) {
  pf::TPolice f;
  f.Nom = Q(o.polname);
  f.Taille = std::max(1, R(6 * ZoomBorne(o.zoomP)));
  f.Gras = o.polstyle.gras;
  f.Italique = o.polstyle.italique;
  f.Souligne = o.polstyle.souligne;
  cv.FixerPolice(f);
  int w = 0;
  for (int i = 1; i <= c.NbEleves(); ++i) w = std::max(w, cv.LargeurTexte(Q(c.NomComplet(i, o.prenom))));
  const int u = R((w + 23) / ZoomBorne(o.zoomD));
  return std::max(5, R(u / 20.0 + 0.7));
}

}  // namespace calevrin
