#include "controls/couleurs.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

#include "platform/chemins.h"
#include "platform/profil.h"

namespace calevrin {

namespace pf = plateforme;

namespace {

QString& FichierFixe() {
  static QString f;
  return f;
}

const char* const Section = "ColorPerso";
const TCouleurPanneau Blanc = 0xFFFFFF;

QColor VersQColor(TCouleurPanneau c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }
TCouleurPanneau DepuisQColor(const QColor& q) {
  return static_cast<TCouleurPanneau>(q.red()) | static_cast<TCouleurPanneau>(q.green()) << 8 |
         static_cast<TCouleurPanneau>(q.blue()) << 16;
}

}  // namespace

TMaColorDialog::TMaColorDialog(QWidget* parent) : QColorDialog(parent) {
  setOption(QColorDialog::DontUseNativeDialog);
  ChargerCouleurs();
}

TMaColorDialog::~TMaColorDialog() { SauverCouleurs(); }

TCouleurPanneau TMaColorDialog::Color() const { return DepuisQColor(currentColor()); }

void TMaColorDialog::FixerColor(TCouleurPanneau c) { setCurrentColor(VersQColor(c)); }

bool TMaColorDialog::Execute() { return exec() == QDialog::Accepted; }

QString TMaColorDialog::Fichier() {
  if (!FichierFixe().isEmpty()) return FichierFixe();
  return QFileInfo(QString::fromStdString(pf::FichierConfiguration())).dir().filePath(QStringLiteral("colorperso.ini"));
}

void TMaColorDialog::FixerFichier(const QString& chemin) { FichierFixe() = chemin; }

QString TMaColorDialog::Entree(int i, TCouleurPanneau c) {
  return QStringLiteral("Color") + QChar(u'A' + i) + QLatin1Char('=') +
         QStringLiteral("%1").arg(c & 0xFFFFFF, 6, 16, QLatin1Char('0'));
}

bool TMaColorDialog::LireEntree(const QString& entree, int& i, TCouleurPanneau& c) {
  if (entree.size() != 13 || !entree.startsWith(QLatin1String("Color")) || entree.at(6) != QLatin1Char('='))
    return false;
  const int lettre = entree.at(5).toUpper().unicode() - u'A';
  if (lettre < 0 || lettre > 15) return false;
  bool ok = false;
  const uint v = entree.mid(7).toUInt(&ok, 16);
  if (!ok) return false;
  i = lettre;
  c = v;
  return true;
}

// Every slot is set, blank ones too: whatever Qt kept in its own settings must not show.
void TMaColorDialog::ChargerCouleurs() {
  TCouleurPanneau couleurs[16];
  for (TCouleurPanneau& c : couleurs) c = Blanc;
  const std::string fichier = Fichier().toStdString();
  if (QFileInfo::exists(Fichier())) {
    for (int k = 0; k < 16; ++k) {
      const QString v = QString::fromStdString(pf::LireProfil(Section, "nColor" + std::to_string(k), "", fichier));
      int i = 0;
      TCouleurPanneau c = 0;
      if (!v.isEmpty() && LireEntree(v, i, c)) couleurs[i] = c;
    }
  }
  for (int i = 0; i < 16; ++i) QColorDialog::setCustomColor(i, VersQColor(couleurs[i]));
}

// A folder that cannot be written loses the custom colours, nothing more: no message.
void TMaColorDialog::SauverCouleurs() {
  std::vector<pf::TEntreeProfil> entrees;
  entrees.reserve(16);
  for (int i = 0; i < 16; ++i)
    entrees.push_back(
        {Section, "nColor" + std::to_string(i), Entree(i, DepuisQColor(QColorDialog::customColor(i))).toStdString()});
  pf::EcrireProfils(entrees, Fichier().toStdString());
}

TColorPanel::TColorPanel(QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(1);
  resize(89, 25);
  setMinimumSize(89, 25);
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::StrongFocus);
  Clic = [this] { Choisir(); };
}

void TColorPanel::FixerColor(TCouleurPanneau c) {
  couleur_ = c & 0xFFFFFF;
  update();
}

void TColorPanel::Choisir() {
  TMaColorDialog d(this);
  d.FixerColor(couleur_);
  if (!d.Execute()) return;
  FixerColor(d.Color());
  if (OnChange) OnChange(this);
}

void TColorPanel::mousePressEvent(QMouseEvent* event) {
  presse_ = event->button() == Qt::LeftButton;
  QFrame::mousePressEvent(event);
}

void TColorPanel::mouseReleaseEvent(QMouseEvent* event) {
  const bool clic = presse_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  presse_ = false;
  if (clic && Clic) Clic();
}

void TColorPanel::keyPressEvent(QKeyEvent* event) {
  // Space, as on a button; Enter stays the dialog's, for its default button.
  if (event->key() == Qt::Key_Space && Clic) {
    Clic();
    return;
  }
  QFrame::keyPressEvent(event);
}

void TColorPanel::paintEvent(QPaintEvent* event) {
  {
    QPainter p(this);
    p.fillRect(contentsRect(), VersQColor(couleur_));
    if (hasFocus()) {
      QStyleOptionFocusRect opt;
      opt.initFrom(this);
      opt.rect = contentsRect().adjusted(2, 2, -2, -2);
      style()->drawPrimitive(QStyle::PE_FrameFocusRect, &opt, &p, this);
    }
  }
  QFrame::paintEvent(event);
}

}  // namespace calevrin
