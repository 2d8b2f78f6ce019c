#include "platform/canevasqt.h"

#include <QHash>
#include <QPaintEngine>
#include <QSemaphore>
#include <QThreadPool>
#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <cwchar>
#include <limits>
#include <map>
#include <tuple>

#include "platform/cachetables.h"

namespace calevrin::plateforme {

namespace {

// What the pictures of texts may take together, and the smallest line height kept as one:
// small glyphs come from Qt's glyph cache about as fast as from a picture.
constexpr qsizetype MaxOctetsImages = qsizetype{32} << 20;
constexpr int HauteurMinImage = 32;
constexpr int TailleMaxGlyphesQt = 64;
qsizetype octetsImages = 0;

}  // namespace

TCanevasQt::TImageTexte::~TImageTexte() { octetsImages -= image.sizeInBytes() + opaque.sizeInBytes(); }

QColor TCanevasQt::Couleur(TCouleurRGB c) {
  return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>((c >> 16) & 0xFF));
}

// Fonts are built once for the process: a table switches between its title's font and its
// cells' at each text, and building one asks the font database and engine under locks.
namespace {

// The same font, whatever its colour.
bool MemeForme(const TPolice& a, const TPolice& b) {
  return a.Nom == b.Nom && a.Taille == b.Taille && a.Gras == b.Gras && a.Italique == b.Italique &&
         a.Souligne == b.Souligne && a.Pixels == b.Pixels;
}

}  // namespace

std::uint64_t TCanevasQt::CleAppareil(const QPaintDevice& appareil) {
  return (std::uint64_t{1} << 63) | (static_cast<std::uint64_t>(appareil.logicalDpiX()) << 36) |
         (static_cast<std::uint64_t>(appareil.logicalDpiY()) << 8) | static_cast<std::uint64_t>(appareil.devType());
}

struct TCanevasQt::TPoliceConstruite {
  TPolice police;  // its colour aside
  std::uint64_t appareil = 0;
  QFont font;
  std::optional<QFontMetrics> metriques;
  int hauteur = 0, ascent = 0;
  std::shared_ptr<TTableTextes> textes;
};

const TCanevasQt::TPoliceConstruite& TCanevasQt::Construire(const TPolice& pol, const QPaintDevice& appareil) {
  static std::vector<std::unique_ptr<TPoliceConstruite>> connues;  // the last used first
  const std::uint64_t cle = CleAppareil(appareil);
  const auto meme = [&](const std::unique_ptr<TPoliceConstruite>& c) {
    return c->appareil == cle && MemeForme(c->police, pol);
  };
  if (auto it = std::find_if(connues.begin(), connues.end(), meme); it != connues.end()) {
    std::rotate(connues.begin(), it, it + 1);
    return *connues.front();
  }
  auto c = std::make_unique<TPoliceConstruite>();
  c->police = pol;
  c->appareil = cle;
  c->font = QFont(pol.Nom);
  if (pol.Pixels)
    c->font.setPixelSize(std::max(1, R(pol.Taille)));  // Qt warns about a size of 0
  else
    c->font.setPointSizeF(pol.Taille > 0 ? pol.Taille : 1);
  c->font.setBold(pol.Gras);
  c->font.setItalic(pol.Italique);
  c->font.setUnderline(pol.Souligne);
  c->metriques.emplace(c->font, &appareil);
  c->hauteur = c->metriques->height();  // each asks the font engine under a lock
  c->ascent = c->metriques->ascent();
  // One table of texts per font and resolution (a printer page is not the screen): a sheet
  // switches between a few fonts at every paint, and must not lose its texts each time.
  // Several canvases live at once (a window and the print dialog's picture): each holds its
  // table, so the set trimmed by one never frees a table another is writing into.
  static TCacheTables<QString, TTableTextes> tables(16);
  c->textes = tables.Obtenir(c->font.key() + QLatin1Char('@') + QString::number(appareil.logicalDpiY()));
  if (connues.size() >= 12) connues.pop_back();
  connues.insert(connues.begin(), std::move(c));
  return *connues.front();
}

const QFontMetrics& TCanevasQt::Metriques() {
  const TPolice& pol = Police();
  if (!cacheValide_ || !MemeForme(pol, policeCache_)) {
    const TPoliceConstruite& c = Construire(pol, *Appareil());
    font_ = c.font;
    metriques_ = c.metriques;
    hauteur_ = c.hauteur;
    ascent_ = c.ascent;
    cacheCourant_ = c.textes;
    policeCache_ = pol;
    cacheValide_ = true;
    p_.setFont(font_);
  }
  return *metriques_;
}

std::size_t TCanevasQt::THachageCourt::operator()(const QString& t) const noexcept {
  std::uint64_t h = 14695981039346656037ull;  // FNV-1a
  for (const QChar c : t) {
    h ^= c.unicode();
    h *= 1099511628211ull;
  }
  return static_cast<std::size_t>(h);
}

QPen TCanevasQt::Plume() const {
  if (StylePlume() == TStylePlume::Aucun) return QPen(Qt::NoPen);
  QPen pen(Couleur(CouleurPlume()));
  pen.setWidth(LargeurPlume());
  pen.setStyle(StylePlume() == TStylePlume::Pointille ? Qt::DotLine : Qt::SolidLine);
  pen.setCapStyle(Qt::FlatCap);
  pen.setJoinStyle(Qt::MiterJoin);
  return pen;
}

void TCanevasQt::AppliquerPlume() {
  plumeTexte_.reset();
  p_.setPen(Plume());
}

void TCanevasQt::AppliquerBrosse() {
  p_.setBrush(StyleBrosse() == TStyleBrosse::Vide ? QBrush(Qt::NoBrush) : QBrush(Couleur(CouleurBrosse())));
}

// Hatches drawn as lines rather than with Qt's pattern brushes: those are 8 device pixels
// apart, a grey tint on a printer page, and they let show what lies under them. Here the
// spacing is that of a 96 dpi screen on every device, the gaps are white as the paper, and
// the lines are anchored at the origin so that neighbouring bars continue each other.
namespace {

// The hatch lines that cross the rectangle, every 'pas' pixels from the origin.
void Hachures(QPainter& p, int x1, int y1, int x2, int y2, int pas, bool croix) {
  auto premier = [pas](int v) { return v >= 0 ? v / pas * pas : -((-v + pas - 1) / pas * pas); };
  if (croix) {
    for (int x = premier(x1); x < x2; x += pas) p.drawLine(QPointF(x + 0.5, y1), QPointF(x + 0.5, y2));
    for (int y = premier(y1); y < y2; y += pas) p.drawLine(QPointF(x1, y + 0.5), QPointF(x2, y + 0.5));
  } else {
    const double h = y2 - y1;
    // The lines x - y = c, then x + y = c, for the multiples c of the spacing that cross the rectangle.
    for (int c = premier(x1 - y2); c <= x2 - y1; c += pas) p.drawLine(QPointF(y1 + c, y1), QPointF(y2 + c, y2));
    for (int c = premier(x1 + y1); c <= x2 + y2; c += pas) p.drawLine(QPointF(c - y1, y1), QPointF(c - y1 - h, y2));
  }
}

}  // namespace

void TCanevasQt::Hachurer(int x1, int y1, int x2, int y2) {
  plumeTexte_.reset();
  const double echelle = std::max(1.0, Appareil()->logicalDpiX() / 96.0);
  const int pas = R(8 * echelle);
  QPen pen(Couleur(CouleurBrosse()));
  pen.setWidth(R(echelle));
  const bool croix = StyleBrosse() == TStyleBrosse::Croise;
  if (PixelsDirects()) {
    // The hatch repeats every 'pas' pixels both ways: one tile of it, cut from the middle of a
    // larger drawing so that the lines crossing its edges are whole, fills the rectangle as
    // the lines would, several times faster than drawing them.
    static QHash<QString, QImage> motifs;
    const QString cle = QStringLiteral("%1/%2/%3/%4").arg(pas).arg(pen.width()).arg(CouleurBrosse()).arg(croix);
    auto it = motifs.find(cle);
    if (it == motifs.end()) {
      QImage grand(3 * pas, 3 * pas, QImage::Format_RGB32);
      grand.fill(Qt::white);
      QPainter q(&grand);
      q.setPen(pen);
      Hachures(q, 0, 0, 3 * pas, 3 * pas, pas, croix);
      q.end();
      it = motifs.insert(cle, grand.copy(pas, pas, pas, pas));
    }
    P().fillRect(QRect(x1, y1, x2 - x1, y2 - y1), QBrush(*it));
    return;
  }
  P().fillRect(x1, y1, x2 - x1, y2 - y1, Qt::white);
  p_.save();
  p_.setClipRect(x1, y1, x2 - x1, y2 - y1, Qt::IntersectClip);
  p_.setPen(pen);
  Hachures(p_, x1, y1, x2, y2, pas, croix);
  p_.restore();
  cacheValide_ = false;  // restore() took the font back
}

// Texts measured once are kept between paints, with their width: a sheet writes the same few
// hundred texts at every paint, and shaping them is most of its cost.
TCanevasQt::TTexte& TCanevasQt::Prepare(const QString& texte) {
  Metriques();
  TTableTextes& textes = *cacheCourant_;
  auto it = textes.find(texte);
  if (it == textes.end()) {
    if (textes.size() > 8192) textes.clear();
    TTexte t;
    t.largeur = metriques_->horizontalAdvance(texte);
    it = textes.emplace(texte, t).first;
  }
  return it->second;
}

const QStaticText& TCanevasQt::Statique(TTexte& t, const QString& texte) {
  if (!t.statique) {
    t.statique.emplace(texte);
    t.statique->setTextFormat(Qt::PlainText);
    t.statique->prepare(QTransform(), font_);
  }
  return *t.statique;
}

// A raster device at its own scale, where a picture or a filled rectangle gives the pixels a
// text or a line would: not a printer, a PDF, a high-density screen nor the scaled preview.
bool TCanevasQt::PixelsDirects() const {
  const QPaintEngine* moteur = p_.paintEngine();
  if (!moteur || moteur->type() != QPaintEngine::Raster || p_.device()->devicePixelRatio() != 1) return false;
  const QTransform t = p_.deviceTransform();
  return t.type() <= QTransform::TxTranslate && t.dx() == std::floor(t.dx()) && t.dy() == std::floor(t.dy());
}

// The smallest rectangle holding every pixel other than vide; null when there is none.
QRect TCanevasQt::PixelsAutresQue(const QImage& image, QRgb vide) {
  QRect r;
  for (int y = 0; y < image.height(); ++y) {
    const auto* ligne = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    const auto* fin = ligne + image.width();
    const auto autre = [vide](QRgb c) { return c != vide; };
    const auto* premier = std::find_if(ligne, fin, autre);
    if (premier == fin) continue;
    const auto dernier = std::find_if(std::reverse_iterator(fin), std::reverse_iterator(premier), autre);
    r |= QRect(static_cast<int>(premier - ligne), y, static_cast<int>(dernier.base() - premier), 1);
  }
  return r;
}

// Cut to the pixels drawn: a text's line height above capitals and below the baseline is
// empty, and every transparent pixel kept is blended again at each paint. The origin follows.
void TCanevasQt::RognerAEncre(QImage& image, QPoint& origine) {
  const QRect encre = PixelsAutresQue(image, 0);  // premultiplied: transparent is all zero
  if (encre.isNull()) {
    image = QImage();  // nothing drawn: blanks only
    return;
  }
  if (encre == image.rect()) return;
  image = image.copy(encre);
  origine -= encre.topLeft();
}

const TCanevasQt::TImageTexte* TCanevasQt::Image(TTexte& t, const QString& texte) {
  // A picture kept from a window is no text for a page, a PDF or a scaled preview of the same
  // resolution, which share the window's table of texts.
  if (mesure_ || !PixelsDirects()) return nullptr;
  const TCouleurRGB couleur = Police().Couleur;
  if (t.image && t.image->couleur == couleur) return t.image.get();
  // Below the size Qt keeps glyphs for, the first time the text is drawn directly: a window
  // being resized shows each size once. Above it Qt draws every glyph's outline each time, as
  // slow as making the picture.
  const bool contours = font_.pixelSize() > TailleMaxGlyphesQt;
  if ((t.traces < 2 && !contours) || !Police().Pixels || metriques_->height() < HauteurMinImage) return nullptr;
  // Glyphs may stand out of their advance (italics, accents): the picture holds their ink.
  const int ascent = metriques_->ascent();
  const QRect boite =
      metriques_->boundingRect(texte).united(QRect(0, -ascent, t.largeur, metriques_->height())).adjusted(-1, -1, 1, 1);
  if (octetsImages + qsizetype{4} * boite.width() * boite.height() > MaxOctetsImages) return nullptr;
  auto im = std::make_shared<TImageTexte>();
  im->image = QImage(boite.size(), QImage::Format_ARGB32_Premultiplied);
  im->image.fill(Qt::transparent);
  im->origine = QPoint(-boite.left(), -boite.top() - ascent);
  im->couleur = couleur;
  QPainter q(&im->image);
  q.setRenderHints(p_.renderHints());
  q.setFont(font_);
  q.setPen(Couleur(couleur));
  q.drawText(QPoint(-boite.left(), -boite.top()), texte);
  q.end();
  RognerAEncre(im->image, im->origine);
  octetsImages += im->image.sizeInBytes();
  t.image = std::move(im);
  return t.image.get();
}

// A text on its own background, its whole box in one copy: a picture composed once on the
// brush's colour, without blending at each paint. Only the ink standing out of the box (a
// descender, an italic's slant) is blended over what lies there.
bool TCanevasQt::EcrireOpaque(const QRect& boite, const TImageTexte& im) {
  if (im.opaque.size() != boite.size() || im.fondOpaque != CouleurBrosse()) {
    if (octetsImages - im.opaque.sizeInBytes() + qsizetype{4} * boite.width() * boite.height() > MaxOctetsImages)
      return false;
    octetsImages -= im.opaque.sizeInBytes();
    im.opaque = QImage(boite.size(), QImage::Format_RGB32);
    im.opaque.fill(Couleur(CouleurBrosse()));
    QPainter q(&im.opaque);
    q.drawImage(-im.origine, im.image);
    q.end();
    im.fondOpaque = CouleurBrosse();
    octetsImages += im.opaque.sizeInBytes();
  }
  const QRect encre = im.Place(boite.topLeft());
  if (composition_) {
    // Above and below its ink the picture is the brush's colour: filled, its pixels need not be
    // read. The rows with ink are copied whole.
    const QRect e = im.image.isNull() ? QRect() : encre & boite;
    const int haut = e.isEmpty() ? boite.bottom() + 1 : e.top(), bas = e.isEmpty() ? haut : e.bottom() + 1;
    TenirRemplissage(QRect(boite.left(), boite.top(), boite.width(), haut - boite.top()), CouleurBrosse());
    TenirImage(QPoint(boite.left(), haut), im.opaque, QRect(0, haut - boite.top(), boite.width(), bas - haut));
    TenirRemplissage(QRect(boite.left(), bas, boite.width(), boite.bottom() + 1 - bas), CouleurBrosse());
  } else {
    p_.drawImage(boite.topLeft(), im.opaque);
  }
  if (im.image.isNull() || boite.contains(encre)) return true;
  for (const QRect& r : QRegion(encre).subtracted(boite)) {
    const QRect de = r.translated(-encre.topLeft());
    if (!TenirImage(r.topLeft(), im.image, de)) p_.drawImage(r.topLeft(), im.image, de);
  }
  return true;
}

void TCanevasQt::TexteSortie(int x, int y, const QString& texte) { Ecrire(x, y, texte, Prepare(texte)); }

void TCanevasQt::TracerTexte(QPainter& p, int x, int y, const QString& texte, TTexte& t) {
  // Qt draws a static text's underline without the painter's translation (a child window, a
  // preview page): underlined texts take the slower way, placed by their baseline.
  if (font_.underline())
    p.drawText(QPoint(x, y + metriques_->ascent()), texte);
  else
    p.drawStaticText(x, y, Statique(t, texte));  // placed by its top, as the program's texts are
}

void TCanevasQt::Ecrire(int x, int y, const QString& texte, TTexte& t) {
  const int l = t.largeur;
  const int h = hauteur_;
  if (Alignement() == TAlignement::Centre) x -= l / 2;
  if (Alignement() == TAlignement::Droite) x -= l;
  if (!zone_.isEmpty() && !zone_.intersects(QRect(x, y, l, h))) return;
  if (t.traces < 2) ++t.traces;
  const QRect boite(x, y, l, h);
  if (StyleBrosse() == TStyleBrosse::Plein) {
    const TImageTexte* im = Image(t, texte);
    if (im && EcrireOpaque(boite, *im)) {
      FondTouche(boite.united(im->Place(boite.topLeft())));
      return;
    }
    RemplirPixels(boite, CouleurBrosse());
    FondTouche(boite);
  }
  if (const TImageTexte* copie = suiviFond_ ? CopieSurFond(t, texte) : nullptr) {
    if (copie->image.isNull()) return;  // no glyph covers a pixel
    const QRect r = copie->Place(boite.topLeft());
    if (FondIntact(r)) {
      P().drawImage(r.topLeft(), copie->image);
      FondTouche(r);
      return;
    }
  }
  if (const TImageTexte* im = Image(t, texte)) {
    const QRect r = im->Place(boite.topLeft());
    if (!im->image.isNull() && !TenirImage(r.topLeft(), im->image, im->image.rect()))
      p_.drawImage(r.topLeft(), im->image);
    FondTouche(r);
    return;
  }
  if (plumeTexte_ != Police().Couleur) {
    p_.setPen(Couleur(Police().Couleur));
    plumeTexte_ = Police().Couleur;
  }
  TracerTexte(P(), x, y, texte, t);
  if (suiviFond_) {
    // Glyphs may stand out of the text's box (italics, accents): a wide margin until their
    // pixels are known, found with the text's first copy.
    const int marge = std::max(4, h / 2);
    FondTouche(t.encre && !t.encreDebordante ? t.encre->translated(x, y)
                                             : QRect(x, y, l, h).adjusted(-marge, -marge, marge, marge));
  }
}

void TCanevasQt::TexteCadre(int gauche, int haut, int droite, int bas, int x, int y, const QString& texte) {
  if (!zone_.isEmpty() && !zone_.intersects(QRect(gauche, haut, droite - gauche, bas - haut))) return;
  TTexte& t = Prepare(texte);
  const TAlignement a = Alignement();
  FixerAlignement(TAlignement::Gauche);
  if (x >= gauche && y >= haut && x + t.largeur <= droite && y + ascent_ <= bas) {
    Ecrire(x, y, texte, t);  // most cell texts fit: clipping them would only cost time
  } else {
    // The font set before save() is the one restore() gives back: the metrics stay valid, and
    // a sheet full of clipped cells does not build its font again for each of them.
    P().save();
    p_.setClipRect(gauche, haut, droite - gauche, bas - haut, Qt::IntersectClip);
    const std::optional<QRect> clip = composition_ ? std::optional(composition_->clip) : std::nullopt;
    if (clip)  // what is held is cut there as well
      composition_->clip &= QRect(gauche, haut, droite - gauche, bas - haut).translated(composition_->decalage);
    Ecrire(x, y, texte, t);
    if (clip) composition_->clip = *clip;
    p_.restore();
    plumeTexte_.reset();
  }
  FixerAlignement(a);
}

void TCanevasQt::Rectangle(int x1, int y1, int x2, int y2) {
  if (x2 <= x1 || y2 <= y1) return;
  if (suiviFond_) {
    const bool plumeInvisible =
        StylePlume() == TStylePlume::Aucun ||
        (StylePlume() == TStylePlume::Plein && LargeurPlume() == 1 && CouleurPlume() == CouleurBrosse());
    NoterRemplissage(x1, y1, x2, y2, plumeInvisible);
  }
  if (StyleBrosse() == TStyleBrosse::Croise || StyleBrosse() == TStyleBrosse::CroixDiagonale) {
    Hachurer(x1, y1, x2, y2);
  } else if (StyleBrosse() != TStyleBrosse::Vide) {
    RemplirBrosse(x1, y1, x2, y2);
  }
  Contour(x1, y1, x2, y2);
}

void TCanevasQt::RectangleSousTextes(int x1, int y1, int x2, int y2, const std::vector<TBoite>& textes) {
  // A canvas following its plain background keeps its one fill.
  if (x2 <= x1 || y2 <= y1 || StyleBrosse() != TStyleBrosse::Plein || textes.empty() || suiviFond_ || !PixelsDirects())
    return Rectangle(x1, y1, x2, y2);
  // What a full-screen control costs is mostly the memory its pixels take to write: a third of
  // a table lies under its texts.
  QRegion fond(x1, y1, x2 - x1, y2 - y1);
  for (const TBoite& b : textes) fond -= QRect(b.Gauche, b.Haut, b.Droite - b.Gauche, b.Bas - b.Haut);
  for (const QRect& r : fond) RemplirPixels(r, CouleurBrosse());
  Contour(x1, y1, x2, y2);
}

void TCanevasQt::Contour(int x1, int y1, int x2, int y2) {
  if (StylePlume() == TStylePlume::Aucun) return;
  if (StylePlume() == TStylePlume::Plein && LargeurPlume() == 1 && PixelsDirects()) {
    // Its four sides as rows and columns of pixels, as lines are.
    RemplirPixels(QRect(x1, y1, x2 - x1, 1), CouleurPlume());
    RemplirPixels(QRect(x1, y2 - 1, x2 - x1, 1), CouleurPlume());
    RemplirPixels(QRect(x1, y1, 1, y2 - y1), CouleurPlume());
    RemplirPixels(QRect(x2 - 1, y1, 1, y2 - y1), CouleurPlume());
    return;
  }
  AppliquerPlume();
  p_.setBrush(Qt::NoBrush);
  // The outline lies inside the rectangle, its last row and column excluded.
  const int w = LargeurPlume();
  const double d = w / 2.0;
  P().drawRect(QRectF(x1 + d, y1 + d, x2 - x1 - w, y2 - y1 - w));
}

void TCanevasQt::RemplirRectangle(int x1, int y1, int x2, int y2) {
  if (x2 <= x1 || y2 <= y1) return;
  if (suiviFond_) NoterRemplissage(x1, y1, x2, y2, true);
  if (StyleBrosse() == TStyleBrosse::Croise || StyleBrosse() == TStyleBrosse::CroixDiagonale) {
    Hachurer(x1, y1, x2, y2);
    return;
  }
  if (StyleBrosse() != TStyleBrosse::Vide) RemplirBrosse(x1, y1, x2, y2);
}

void TCanevasQt::RemplirBrosse(int x1, int y1, int x2, int y2) {
  if (TenirRemplissage(QRect(x1, y1, x2 - x1, y2 - y1), CouleurBrosse())) return;
  AppliquerBrosse();
  plumeTexte_.reset();
  p_.setPen(Qt::NoPen);
  p_.drawRect(x1, y1, x2 - x1, y2 - y1);
}

// Filling the pixels is several times quicker than stroking them; a printer or a PDF keeps
// real lines.
bool TCanevasQt::LigneParRemplissage(int x1, int y1, int x2, int y2) {
  if (StylePlume() != TStylePlume::Plein || LargeurPlume() != 1 || (x1 != x2 && y1 != y2) || !PixelsDirects())
    return false;
  // The end point excluded, whichever way the line goes.
  const int fx = x2 > x1 ? x2 - 1 : x2 < x1 ? x2 + 1 : x2;
  const int fy = y2 > y1 ? y2 - 1 : y2 < y1 ? y2 + 1 : y2;
  RemplirPixels(QRect(QPoint(std::min(x1, fx), std::min(y1, fy)), QPoint(std::max(x1, fx), std::max(y1, fy))),
                CouleurPlume());
  return true;
}

// What a full-screen table costs is mostly the memory its pixels take to write. Written by
// Qt in the order drawn, each text's pixels land in rows the background's fill has already
// pushed out of the cache, and are fetched again to be written twice. Held, then written band
// by band, every row is fetched and written once.
namespace {

constexpr int RangsParBande = 64;  // 480 KB of 1920-pixel rows: inside a core's cache

void Remplir(QRgb* d, int n, QRgb couleur) {
  static_assert(sizeof(wchar_t) == sizeof(QRgb));
  if (n < 16)
    std::fill_n(d, n, couleur);
  else  // the C library's fill: twice as fast as the loop compiled for the baseline processor
    std::wmemset(reinterpret_cast<wchar_t*>(d), static_cast<wchar_t>(couleur), static_cast<std::size_t>(n));
}

}  // namespace

TCanevasQt::~TCanevasQt() {
  if (p_.isActive()) Vider();
}

// Only where the painter writes the pixels of an image as they are: a window's backing store
// or an image, at its own scale, cut to one rectangle at most.
void TCanevasQt::DebutComposition() {
  Vider();
  composition_.reset();
  if (suiviFond_ || !PixelsDirects() || p_.compositionMode() != QPainter::CompositionMode_SourceOver ||
      p_.opacity() != 1.0)
    return;
  QPaintDevice* appareil = p_.paintEngine()->paintDevice();
  if (!appareil || appareil->devType() != QInternal::Image) return;
  auto* image = static_cast<QImage*>(appareil);
  const QImage::Format f = image->format();
  if ((f != QImage::Format_RGB32 && f != QImage::Format_ARGB32_Premultiplied) || !image->isDetached()) return;
  const QTransform t = p_.deviceTransform();
  const QPoint decalage(static_cast<int>(t.dx()), static_cast<int>(t.dy()));
  QRegion zone(image->rect());
  if (const QRegion systeme = p_.paintEngine()->systemClip(); !systeme.isEmpty()) zone &= systeme;
  if (p_.hasClipping()) zone &= p_.clipRegion().translated(decalage);
  if (zone.rectCount() > 1) return;
  composition_ = TComposition{image, decalage, zone.boundingRect(), {}};
}

void TCanevasQt::FinComposition() {
  Vider();
  composition_.reset();
}

bool TCanevasQt::TenirRemplissage(const QRect& r, TCouleurRGB couleur) {
  if (!composition_) return false;
  const QRect z = r.translated(composition_->decalage) & composition_->clip;
  if (!z.isEmpty()) composition_->operations.push_back({z, Couleur(couleur).rgb(), QImage(), QPoint()});
  return true;
}

bool TCanevasQt::TenirImage(const QPoint& coin, const QImage& source, const QRect& de) {
  if (!composition_) return false;
  const QRect r(coin + composition_->decalage, de.size());
  const QRect z = r & composition_->clip;
  if (!z.isEmpty())
    composition_->operations.push_back(
        {z, 0, source, de.topLeft() + z.topLeft() - r.topLeft(), source.format() != QImage::Format_RGB32});
  return true;
}

void TCanevasQt::RemplirPixels(const QRect& r, TCouleurRGB couleur) {
  if (!TenirRemplissage(r, couleur)) p_.fillRect(r, Couleur(couleur));
}

namespace {

// An operation as the band loop wants it, without a call into Qt for each row.
struct TRangs {
  int gauche, haut, bas, largeur;
  QRgb couleur;
  const uchar* source;  // the first row's first pixel, null for a fill
  qsizetype pasSource;
  std::size_t melange;  // the operation the painter blends, or none
};
constexpr std::size_t Aucune = std::numeric_limits<std::size_t>::max();

void EcrireRangs(const TRangs& r, uchar* pixels, qsizetype pas, int debut, int fin) {
  uchar* ligne = pixels + debut * pas + sizeof(QRgb) * static_cast<std::size_t>(r.gauche);
  if (r.source) {
    const uchar* s = r.source + (debut - r.haut) * r.pasSource;
    for (int y = debut; y < fin; ++y, ligne += pas, s += r.pasSource)
      std::memcpy(ligne, s, sizeof(QRgb) * static_cast<std::size_t>(r.largeur));
  } else if (r.largeur == 1) {
    for (int y = debut; y < fin; ++y, ligne += pas) *reinterpret_cast<QRgb*>(ligne) = r.couleur;
  } else {
    for (int y = debut; y < fin; ++y, ligne += pas) Remplir(reinterpret_cast<QRgb*>(ligne), r.largeur, r.couleur);
  }
}

// Below about a core's cache of pixels (4 MB), one core writes them as fast as two would, and
// waking a second thread costs more than it saves.
constexpr qint64 PixelsPourDeuxFils = qint64{1} << 20;

}  // namespace

// In the order held within each band, so that every pixel ends as drawing in order leaves it.
// The bands are apart in memory: a second core writes some of them, since what a full-screen
// paint waits for is the memory, and one core alone does not draw on all it can give. Only
// this thread may use the painter: the bands with a picture it blends stay here.
void TCanevasQt::Vider() {
  if (!composition_ || composition_->operations.empty()) return;
  TComposition& c = *composition_;
  std::vector<TRangs> rangs;
  rangs.reserve(c.operations.size());
  int haut = std::numeric_limits<int>::max(), bas = std::numeric_limits<int>::min();
  for (std::size_t i = 0; i < c.operations.size(); ++i) {
    const auto& o = c.operations[i];
    TRangs r{o.r.left(), o.r.top(), o.r.bottom() + 1, o.r.width(), o.couleur, nullptr, 0, o.melange ? i : Aucune};
    if (!o.source.isNull() && !o.melange) {
      r.source = o.source.constScanLine(o.depuis.y()) + sizeof(QRgb) * static_cast<std::size_t>(o.depuis.x());
      r.pasSource = o.source.bytesPerLine();
    }
    rangs.push_back(r);
    haut = std::min(haut, r.haut);
    bas = std::max(bas, r.bas);
  }
  uchar* pixels = c.image->bits();  // detached: writes in place, where the painter does
  const qsizetype pas = c.image->bytesPerLine();
  const auto bande = [&](int b) {
    const int debutBande = haut + b * RangsParBande, finBande = std::min(debutBande + RangsParBande, bas);
    for (const TRangs& r : rangs) {
      const int debut = std::max(debutBande, r.haut), fin = std::min(finBande, r.bas);
      if (debut >= fin) continue;
      if (r.melange == Aucune) {
        EcrireRangs(r, pixels, pas, debut, fin);
        continue;
      }
      const auto& o = c.operations[r.melange];
      p_.drawImage(QPoint(r.gauche, debut) - c.decalage, o.source,
                   QRect(o.depuis.x(), o.depuis.y() + debut - r.haut, r.largeur, fin - debut));
    }
  };
  const int nbBandes = (bas - haut + RangsParBande - 1) / RangsParBande;
  std::vector<bool> auPeintre(static_cast<std::size_t>(nbBandes));
  for (const TRangs& r : rangs)
    if (r.melange != Aucune)
      for (int b = (r.haut - haut) / RangsParBande; b <= (r.bas - 1 - haut) / RangsParBande; ++b)
        auPeintre[static_cast<std::size_t>(b)] = true;
  std::vector<int> partagees;
  for (int b = 0; b < nbBandes; ++b)
    if (!auPeintre[static_cast<std::size_t>(b)]) partagees.push_back(b);
  std::atomic<std::size_t> suivante{0};
  const auto tirer = [&] {
    for (std::size_t i = suivante++; i < partagees.size(); i = suivante++) bande(partagees[i]);
  };
  QSemaphore fini;
  const bool aide = qint64{bas - haut} * c.clip.width() >= PixelsPourDeuxFils && partagees.size() > 1 &&
                    QThreadPool::globalInstance()->tryStart([&] {
                      tirer();
                      fini.release();
                    });
  for (int b = 0; b < nbBandes; ++b)
    if (auPeintre[static_cast<std::size_t>(b)]) bande(b);
  tirer();
  if (aide) fini.acquire();
  c.operations.clear();
}

namespace {

// Through pixel centres, the end point excluded as the program's line rule has it: a square
// cap on the last included pixel covers exactly [x1, x2) for straight lines.
void Tracer(QPainter& p, int x1, int y1, int x2, int y2) {
  const int dx = x2 > x1 ? 1 : x2 < x1 ? -1 : 0;
  const int dy = y2 > y1 ? 1 : y2 < y1 ? -1 : 0;
  if (dx == 0 || dy == 0) {
    QPen pen = p.pen();
    pen.setCapStyle(Qt::SquareCap);
    p.setPen(pen);
    p.drawLine(QPointF(x1 + 0.5, y1 + 0.5), QPointF(x2 - dx + 0.5, y2 - dy + 0.5));
  } else {
    p.drawLine(QPointF(x1 + 0.5, y1 + 0.5), QPointF(x2 + 0.5, y2 + 0.5));
  }
}

}  // namespace

// A straight dotted or wide line on pixels, from a picture of it made once: Qt strokes each
// dot again at every paint, a tenth of what a full-screen graph costs. Its dots start at its
// first end, so that the picture holds wherever the line lies.
bool TCanevasQt::LigneDepuisImage(int x1, int y1, int x2, int y2) {
  if ((x1 != x2 && y1 != y2) || !PixelsDirects()) return false;
  struct TImageLigne {
    QImage image;
    QPoint origine;  // where the first end lies in the picture
  };
  using TCle = std::tuple<int, int, int, int, TCouleurRGB, int>;
  static std::map<TCle, TImageLigne> lignes;
  const int dx = x2 - x1, dy = y2 - y1;
  const TCle cle{dx, dy, LargeurPlume(), static_cast<int>(StylePlume()), CouleurPlume(), p_.renderHints().toInt()};
  auto it = lignes.find(cle);
  if (it == lignes.end()) {
    if (lignes.size() >= 256) lignes.clear();
    const int m = LargeurPlume() + 2;
    const QRect r = QRect(QPoint(std::min(0, dx), std::min(0, dy)), QPoint(std::max(0, dx), std::max(0, dy)))
                        .adjusted(-m, -m, m, m);
    TImageLigne l{QImage(r.size(), QImage::Format_ARGB32_Premultiplied), -r.topLeft()};
    l.image.fill(Qt::transparent);
    QPainter q(&l.image);
    q.setRenderHints(p_.renderHints());
    q.translate(-r.left(), -r.top());
    q.setPen(Plume());
    Tracer(q, 0, 0, dx, dy);
    q.end();
    RognerAEncre(l.image, l.origine);
    it = lignes.emplace(cle, std::move(l)).first;
  }
  const QPoint coin = QPoint(x1, y1) - it->second.origine;
  if (!it->second.image.isNull() && !TenirImage(coin, it->second.image, it->second.image.rect()))
    p_.drawImage(coin, it->second.image);
  return true;
}

void TCanevasQt::Ligne(int x1, int y1, int x2, int y2) {
  if (StylePlume() == TStylePlume::Aucun || (x1 == x2 && y1 == y2)) return;
  if (suiviFond_) {
    const int w = LargeurPlume() + 1;
    FondTouche(QRect(QPoint(std::min(x1, x2), std::min(y1, y2)), QPoint(std::max(x1, x2), std::max(y1, y2)))
                   .adjusted(-w, -w, w, w));
  }
  if (LigneParRemplissage(x1, y1, x2, y2) || LigneDepuisImage(x1, y1, x2, y2)) return;
  AppliquerPlume();
  Tracer(P(), x1, y1, x2, y2);
}

std::uint64_t TCanevasQt::CleMesures() { return CleAppareil(*Appareil()); }

int TCanevasQt::LargeurTexte(const QString& texte) { return Prepare(texte).largeur; }

int TCanevasQt::HauteurTexte(const QString& texte) {
  Q_UNUSED(texte);
  return Metriques().height();
}

// Texts copied over a plain background: a sheet writes a thousand short texts on one colour,
// and blending each glyph's pixels into the device was most of its paint.
namespace {

constexpr int Bloc = 4;  // pixels a side of the blocks followed

int BlocsPour(int pixels) { return (pixels + Bloc - 1) / Bloc; }

}  // namespace

void TCanevasQt::CopierTextesSurFond() {
  static std::uint32_t peintures = 0;
  suiviFond_ = true;
  peinture_ = ++peintures;
}

void TCanevasQt::NoterRemplissage(int x1, int y1, int x2, int y2, bool plumeInvisible) {
  if (StyleBrosse() != TStyleBrosse::Plein || !plumeInvisible) {
    FondTouche(QRect(x1, y1, x2 - x1, y2 - y1));
    return;
  }
  FondCouvert(x1, y1, x2, y2, CouleurBrosse());
}

void TCanevasQt::FondCouvert(int x1, int y1, int x2, int y2, TCouleurRGB couleur) {
  const QSize taille(p_.device()->width(), p_.device()->height());
  if (x1 <= 0 && y1 <= 0 && x2 >= taille.width() && y2 >= taille.height()) {
    fond_ = couleur;
    fondDirect_ = PixelsDirects();
    taillePlan_ = taille;
    blocsIntacts_.assign(static_cast<std::size_t>(BlocsPour(taille.width())) * BlocsPour(taille.height()), 1);
    return;
  }
  if (fond_ != couleur) {
    FondTouche(QRect(x1, y1, x2 - x1, y2 - y1));
    return;
  }
  // Blocks wholly inside the fill are plain again; the others keep their state.
  const int colonnes = BlocsPour(taillePlan_.width());
  const int c1 = std::max(0, BlocsPour(x1)), c2 = std::min(colonnes, x2 / Bloc);
  const int l1 = std::max(0, BlocsPour(y1)), l2 = std::min(BlocsPour(taillePlan_.height()), y2 / Bloc);
  for (int l = l1; l < l2; ++l)
    for (int c = c1; c < c2; ++c) blocsIntacts_[static_cast<std::size_t>(l) * colonnes + c] = 1;
}

void TCanevasQt::FondTouche(const QRect& r) {
  if (blocsIntacts_.empty()) return;
  const QRect z = r.intersected(QRect(QPoint(0, 0), taillePlan_));
  if (z.isEmpty()) return;
  const int colonnes = BlocsPour(taillePlan_.width());
  for (int l = z.top() / Bloc; l <= z.bottom() / Bloc; ++l)
    std::fill_n(blocsIntacts_.begin() + static_cast<std::ptrdiff_t>(l) * colonnes + z.left() / Bloc,
                z.right() / Bloc - z.left() / Bloc + 1, std::uint8_t{0});
}

bool TCanevasQt::FondIntact(const QRect& r) const {
  if (blocsIntacts_.empty()) return false;
  const QRect z = r.intersected(QRect(QPoint(0, 0), taillePlan_));
  if (z.isEmpty()) return false;
  const int colonnes = BlocsPour(taillePlan_.width());
  for (int l = z.top() / Bloc; l <= z.bottom() / Bloc; ++l) {
    const auto debut = blocsIntacts_.begin() + static_cast<std::ptrdiff_t>(l) * colonnes;
    if (std::find(debut + z.left() / Bloc, debut + z.right() / Bloc + 1, std::uint8_t{0}) !=
        debut + z.right() / Bloc + 1)
      return false;
  }
  return true;
}

// The pixels a text may change, relative to its top-left corner: those its glyphs cover, found
// once by drawing it black on white. Empty when ink may run beyond the picture drawn.
QRect TCanevasQt::Encre(TTexte& t, const QString& texte) {
  if (t.encre) return *t.encre;
  const int h = metriques_->height();
  const int marge = std::max(4, h / 2);
  const QRect boite = QRect(0, 0, t.largeur, h).adjusted(-marge, -marge, marge, marge);
  QImage image = ImagePour(boite.size());
  image.fill(Qt::white);
  {
    QPainter q(&image);
    q.setRenderHints(p_.renderHints());
    q.setFont(font_);
    q.setPen(Qt::black);
    TracerTexte(q, -boite.left(), -boite.top(), texte, t);
  }
  const QRect encre = PixelsAutresQue(image, 0xFFFFFFFFu);
  // Ink up to the picture's edge may go on beyond it: such a text is never copied.
  if (!encre.isNull() && !QRect(1, 1, image.width() - 2, image.height() - 2).contains(encre)) {
    t.encre = QRect();
    t.encreDebordante = true;
  } else {
    t.encre = encre.translated(boite.topLeft());
  }
  return *t.encre;
}

// A picture at the resolution of the device: the font takes its pixel size from it.
QImage TCanevasQt::ImagePour(const QSize& taille) const {
  QImage image(taille, QImage::Format_RGB32);
  image.setDotsPerMeterX(qRound(p_.device()->logicalDpiX() / 0.0254));
  image.setDotsPerMeterY(qRound(p_.device()->logicalDpiY() / 0.0254));
  return image;
}

// The text drawn once by the same call on a picture of the background's colour, over the
// pixels its glyphs cover: where the background is still plain, copying it gives what drawing
// it does.
const TCanevasQt::TImageTexte* TCanevasQt::CopieSurFond(TTexte& t, const QString& texte) {
  // A text is copied from the second paint that draws it: the first paint of a window, on
  // the way to the first picture on screen, makes no pictures.
  if (t.peinture == 0) t.peinture = peinture_;
  if (!fond_ || !fondDirect_ || t.peinture == peinture_ || mesure_) return nullptr;
  const TCouleurRGB couleur = Police().Couleur;
  for (const auto& c : t.copies)
    if (c->couleur == couleur && c->fond == *fond_) return c.get();
  const QRect encre = Encre(t, texte);
  if (t.encreDebordante || octetsImages + qsizetype{4} * encre.width() * encre.height() > MaxOctetsImages)
    return nullptr;
  auto copie = std::make_shared<TImageTexte>();
  copie->origine = -encre.topLeft();
  copie->couleur = couleur;
  copie->fond = *fond_;
  if (!encre.isEmpty()) {
    copie->image = ImagePour(encre.size());
    copie->image.fill(Couleur(*fond_));
    QPainter q(&copie->image);
    q.setRenderHints(p_.renderHints());
    q.setFont(font_);
    q.setPen(Couleur(couleur));
    TracerTexte(q, -encre.left(), -encre.top(), texte, t);
  }
  octetsImages += copie->image.sizeInBytes();
  if (t.copies.size() >= 3) t.copies.erase(t.copies.begin());
  t.copies.push_back(std::move(copie));
  return t.copies.back().get();
}

}  // namespace calevrin::plateforme
