#pragma once
// The canvas on a QPainter: window, preview, printer page, image or PDF.

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRegion>
#include <QStaticText>
#include <cstdint>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

#include "platform/canevas.h"

namespace calevrin::plateforme {

class TCanevasQt : public TCanevas {
 public:
  explicit TCanevasQt(QPainter& p) : p_(p) {}
  ~TCanevasQt() override;
  TCanevasQt(const TCanevasQt&) = delete;
  TCanevasQt& operator=(const TCanevasQt&) = delete;
  // Texts wholly outside this rectangle are skipped: a repaint of a few cells stays cheap.
  void FixerZoneUtile(const QRegion& zone) { zone_ = zone; }
  // Texts measured as on another device (the printer, for its preview), drawn here.
  void FixerMesure(const QPaintDevice* appareil) {
    mesure_ = appareil;
    cacheValide_ = false;
  }
  // The caller promises that nothing but this canvas draws on its device while it lives. The
  // canvas then follows where the plain fill of the whole device is still untouched, and
  // copies a text landing there from a picture made once on that colour: the same pixels as
  // blending its glyphs again, at the cost of a copy.
  void CopierTextesSurFond();

  void TexteSortie(int x, int y, const QString& texte) override;
  void TexteCadre(int gauche, int haut, int droite, int bas, int x, int y, const QString& texte) override;
  void Rectangle(int x1, int y1, int x2, int y2) override;
  void RectangleSousTextes(int x1, int y1, int x2, int y2, const std::vector<TBoite>& textes) override;
  void RemplirRectangle(int x1, int y1, int x2, int y2) override;
  void DebutComposition() override;
  void FinComposition() override;
  std::uint64_t CleMesures() override;
  int LargeurTexte(const QString& texte) override;
  int HauteurTexte(const QString& texte) override;

  static QColor Couleur(TCouleurRGB c);

 protected:
  void Ligne(int x1, int y1, int x2, int y2) override;

 private:
  // Fonts and their metrics are built once per change of font: a sheet writes a thousand texts.
  const QFontMetrics& Metriques();
  const QPaintDevice* Appareil() const { return mesure_ ? mesure_ : p_.device(); }
  // A text already drawn once at a large size, kept as a picture: shaping and rasterising
  // big glyphs again at every paint is most of what a full-screen graph or table costs.
  struct TImageTexte {
    QImage image;
    QPoint origine;  // where the text's top-left corner lies in the picture
    TCouleurRGB couleur = 0;
    TCouleurRGB fond = 0;  // of an opaque copy: the colour it was made on
    // The same composed on a solid background, made when first written on one.
    mutable QImage opaque;
    mutable TCouleurRGB fondOpaque = 0;
    ~TImageTexte();
    // Where the picture lies for a text whose top-left corner is at coin.
    QRect Place(const QPoint& coin) const { return {coin - origine, image.size()}; }
  };
  struct TTexte {
    std::optional<QStaticText> statique;  // laid out only once drawn: most measured texts never are
    int largeur = 0;
    int traces = 0;
    std::shared_ptr<const TImageTexte> image;
    // One text is drawn in a few colours (a test number, a student number; a grade, an average).
    std::vector<std::shared_ptr<const TImageTexte>> copies;
    std::optional<QRect> encre;
    bool encreDebordante = false;
    std::uint32_t peinture = 0;  // the first paint with copies that drew it
  };
  // Grade and name texts are a few characters long: Qt's seeded string hash costs here far
  // more than the lookup it serves (about 250 ns a text on the machines measured).
  struct THachageCourt {
    std::size_t operator()(const QString& t) const noexcept;
  };
  using TTableTextes = std::unordered_map<QString, TTexte, THachageCourt>;
  struct TPoliceConstruite;
  static const TPoliceConstruite& Construire(const TPolice& pol, const QPaintDevice& appareil);
  // What a font's measures depend on besides the font: the device's resolution and kind.
  static std::uint64_t CleAppareil(const QPaintDevice& appareil);
  TTexte& Prepare(const QString& texte);
  void Ecrire(int x, int y, const QString& texte, TTexte& t);
  const QStaticText& Statique(TTexte& t, const QString& texte);
  bool PixelsDirects() const;
  const TImageTexte* Image(TTexte& t, const QString& texte);
  static QRect PixelsAutresQue(const QImage& image, QRgb vide);
  static void RognerAEncre(QImage& image, QPoint& origine);
  bool EcrireOpaque(const QRect& boite, const TImageTexte& im);  // false when over the pictures' budget
  // The plain background followed in blocks of pixels: Couvert after a fill of one colour,
  // Touche after anything else; a copy is drawn only where every block is still plain.
  void NoterRemplissage(int x1, int y1, int x2, int y2, bool plumeInvisible);
  void FondCouvert(int x1, int y1, int x2, int y2, TCouleurRGB couleur);
  void FondTouche(const QRect& r);
  bool FondIntact(const QRect& r) const;
  QRect Encre(TTexte& t, const QString& texte);
  QImage ImagePour(const QSize& taille) const;
  const TImageTexte* CopieSurFond(TTexte& t, const QString& texte);
  void TracerTexte(QPainter& p, int x, int y, const QString& texte, TTexte& t);
  // A straight solid line one pixel wide, as the rectangle of pixels it covers.
  bool LigneParRemplissage(int x1, int y1, int x2, int y2);
  void Contour(int x1, int y1, int x2, int y2);
  bool LigneDepuisImage(int x1, int y1, int x2, int y2);
  // Pixels held during a composition, in the device's coordinates and cut to its clip: solid
  // fills, copies of opaque pictures (RGB32), and pictures blended by the painter.
  struct TComposition {
    QImage* image = nullptr;  // the pixels the painter writes
    QPoint decalage;          // from the canvas's coordinates to the image's
    QRect clip;
    struct TOperation {
      QRect r;
      QRgb couleur = 0;
      QImage source;  // null for a fill
      QPoint depuis;  // the pixel of the source written at r's top-left corner
      bool melange = false;
    };
    std::vector<TOperation> operations;
  };
  bool TenirRemplissage(const QRect& r, TCouleurRGB couleur);
  // The part de of the picture at coin, copied when opaque, otherwise blended.
  bool TenirImage(const QPoint& coin, const QImage& source, const QRect& de);
  void RemplirPixels(const QRect& r, TCouleurRGB couleur);
  void RemplirBrosse(int x1, int y1, int x2, int y2);  // with the solid brush
  void Vider();
  // The painter, once the pixels held are written: every other drawing goes through it.
  QPainter& P() {
    if (composition_ && !composition_->operations.empty()) Vider();
    return p_;
  }
  QPen Plume() const;
  void AppliquerPlume();
  void AppliquerBrosse();
  void Hachurer(int x1, int y1, int x2, int y2);
  QPainter& p_;
  QRegion zone_;
  const QPaintDevice* mesure_ = nullptr;
  TPolice policeCache_;
  bool cacheValide_ = false;
  QFont font_;
  std::optional<QFontMetrics> metriques_;
  int hauteur_ = 0;
  int ascent_ = 0;
  std::shared_ptr<TTableTextes> cacheCourant_;  // the font's table of texts, kept while in use
  // The painter's pen is the plain pen of this text colour: set again only when it changes.
  std::optional<TCouleurRGB> plumeTexte_;
  bool suiviFond_ = false;
  std::uint32_t peinture_ = 0;
  std::optional<TCouleurRGB> fond_;  // known once the whole device is filled
  bool fondDirect_ = false;          // and its pixels are the device's own (PixelsDirects)
  QSize taillePlan_;
  std::vector<std::uint8_t> blocsIntacts_;  // one per block, row by row
  std::optional<TComposition> composition_;
};

}  // namespace calevrin::plateforme
