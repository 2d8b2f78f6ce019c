#pragma once
// The drawing surface of a window, of the print preview or of a printer page, in pixels.
// Its rules are those every painter of the program is written against:
// - text is placed by the top of its text, left, centre or right of the reference point;
// - a text's background is painted with the brush when the brush is solid;
// - rectangles exclude their right and bottom edges, as do lines their end point;
// - setting the brush colour makes a clear brush solid.

#include <QString>
#include <cmath>
#include <cstdint>
#include <vector>

namespace calevrin::plateforme {

using TCouleurRGB = std::uint32_t;  // red in the lowest byte, then green, then blue

inline constexpr TCouleurRGB RGB(int r, int g, int b) {
  return static_cast<TCouleurRGB>(r) | (static_cast<TCouleurRGB>(g) << 8) | (static_cast<TCouleurRGB>(b) << 16);
}

// Nearest integer, an exact half going to the even neighbour; every layout computation uses it.
inline int R(double x) { return static_cast<int>(std::nearbyint(x)); }
// Integer division truncating toward zero.
inline int Div(int a, int b) { return a / b; }

enum class TStylePlume { Plein, Pointille, Aucun };
enum class TStyleBrosse { Plein, Vide, Croise, CroixDiagonale };
enum class TAlignement { Gauche, Centre, Droite };

struct TPolice {
  QString Nom = QStringLiteral("Arial");
  double Taille = 8;  // points, or pixels of the device with Pixels
  bool Gras = false;
  bool Italique = false;
  bool Souligne = false;
  TCouleurRGB Couleur = 0;
  // Controls that scale their texts with their rectangle size them in the device's pixels.
  bool Pixels = false;
  bool operator==(const TPolice&) const = default;
};

// A rectangle of pixels, its right and bottom edges excluded.
struct TBoite {
  int Gauche = 0, Haut = 0, Droite = 0, Bas = 0;
};

class TCanevas {
 public:
  virtual ~TCanevas() = default;

  // Pen, brush, font and alignment are plain state; the drawing calls read it.
  void FixerCouleurPlume(TCouleurRGB c) { plumeCouleur_ = c; }
  void FixerLargeurPlume(int l) { plumeLargeur_ = l < 1 ? 1 : l; }
  void FixerStylePlume(TStylePlume s) { plumeStyle_ = s; }
  void FixerCouleurBrosse(TCouleurRGB c) {
    brosseCouleur_ = c;
    if (brosseStyle_ == TStyleBrosse::Vide) brosseStyle_ = TStyleBrosse::Plein;
  }
  void FixerStyleBrosse(TStyleBrosse s) { brosseStyle_ = s; }
  void FixerPolice(const TPolice& p) { police_ = p; }
  void FixerTaillePolice(double points) { police_.Taille = points; }
  void FixerCouleurPolice(TCouleurRGB c) { police_.Couleur = c; }
  void FixerAlignement(TAlignement a) { alignement_ = a; }

  TCouleurRGB CouleurPlume() const { return plumeCouleur_; }
  int LargeurPlume() const { return plumeLargeur_; }
  TStylePlume StylePlume() const { return plumeStyle_; }
  TCouleurRGB CouleurBrosse() const { return brosseCouleur_; }
  TStyleBrosse StyleBrosse() const { return brosseStyle_; }
  const TPolice& Police() const { return police_; }
  TAlignement Alignement() const { return alignement_; }

  virtual void TexteSortie(int x, int y, const QString& texte) = 0;
  // The text at (x, y), cut at the edges of the rectangle (right and bottom excluded).
  virtual void TexteCadre(int gauche, int haut, int droite, int bas, int x, int y, const QString& texte) = 0;
  void DeplacerVers(int x, int y) {
    x_ = x;
    y_ = y;
  }
  void LigneVers(int x, int y) {
    Ligne(x_, y_, x, y);
    x_ = x;
    y_ = y;
  }
  virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;
  // The same for a control whose texts, written next with this solid brush, paint their own
  // boxes: a device that writes pixels may leave those boxes out of the fill rather than
  // paint them twice.
  virtual void RectangleSousTextes(int x1, int y1, int x2, int y2, const std::vector<TBoite>& textes) {
    (void)textes;
    Rectangle(x1, y1, x2, y2);
  }
  // Where a text written now at (x, y) paints its background, by the font and the alignment.
  TBoite BoiteEcriture(int x, int y, const QString& texte) {
    const int l = LargeurTexte(texte);
    if (alignement_ == TAlignement::Centre) x -= l / 2;
    if (alignement_ == TAlignement::Droite) x -= l;
    return {x, y, x + l, y + HauteurTexte(texte)};
  }
  virtual void RemplirRectangle(int x1, int y1, int x2, int y2) = 0;
  // Around the paint of a whole control: a device that writes pixels may hold its fills,
  // straight lines and pictures of texts until the end, then write them band by band, each row
  // while it is still in the processor's cache. What is drawn stays the same.
  virtual void DebutComposition() {}
  virtual void FinComposition() {}
  // Canvases giving the same key other than zero measure every text alike: a drawing may keep
  // its layout from one paint to the next. Zero promises nothing.
  virtual std::uint64_t CleMesures() { return 0; }
  virtual int LargeurTexte(const QString& texte) = 0;
  virtual int HauteurTexte(const QString& texte) = 0;

 protected:
  virtual void Ligne(int x1, int y1, int x2, int y2) = 0;

 private:
  TCouleurRGB plumeCouleur_ = 0;
  int plumeLargeur_ = 1;
  TStylePlume plumeStyle_ = TStylePlume::Plein;
  TCouleurRGB brosseCouleur_ = RGB(255, 255, 255);
  TStyleBrosse brosseStyle_ = TStyleBrosse::Plein;
  TPolice police_;
  TAlignement alignement_ = TAlignement::Gauche;
  int x_ = 0;
  int y_ = 0;
};

// A composition over a scope, ended whichever way the drawing returns.
class TComposee {
 public:
  explicit TComposee(TCanevas& c) : c_(c) { c_.DebutComposition(); }
  ~TComposee() { c_.FinComposition(); }
  TComposee(const TComposee&) = delete;
  TComposee& operator=(const TComposee&) = delete;

 private:
  TCanevas& c_;
};

}  // namespace calevrin::plateforme
