#include "controls/saisienombre.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTimer>
#include <cmath>

#include "platform/canevas.h"
#include "platform/messages.h"

namespace calevrin {

namespace pf = plateforme;

namespace {

// A button ten pixels high: too small for a text, so the sign is drawn as strokes.
class TBoutonPas : public QPushButton {
 public:
  TBoutonPas(bool plus, QWidget* parent) : QPushButton(parent), plus_(plus) {
    setFocusPolicy(Qt::NoFocus);
    setText(plus ? QStringLiteral("+") : QStringLiteral("-"));
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    QStyleOptionButton opt;
    opt.initFrom(this);
    if (isDown())
      opt.state |= QStyle::State_Sunken;
    else
      opt.state |= QStyle::State_Raised;
    style()->drawPrimitive(QStyle::PE_PanelButtonCommand, &opt, &p, this);
    p.setPen(QPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText), 1));
    const int cx = width() / 2;
    const int cy = height() / 2;
    p.drawLine(cx - 3, cy, cx + 3, cy);
    if (plus_) p.drawLine(cx, cy - 3, cx, cy + 3);
  }

 private:
  bool plus_;
};

}  // namespace

TEditSaisieNombre::TEditSaisieNombre(QWidget* parent) : QLineEdit(QStringLiteral("5"), parent) {}

void TEditSaisieNombre::keyPressEvent(QKeyEvent* event) {
  const int touche = event->key();
  if ((touche == Qt::Key_Up || touche == Qt::Key_Down) && Pas) {
    Pas(touche == Qt::Key_Up ? 2 : 1);
    return;
  }
  const QString t = event->text();
  // Keys without a character (arrows, Home, Delete, Tab, shortcuts) edit as usual.
  if (t.isEmpty() || event->modifiers() & (Qt::ControlModifier | Qt::AltModifier) || touche == Qt::Key_Return ||
      touche == Qt::Key_Enter || touche == Qt::Key_Backspace || touche == Qt::Key_Escape || touche == Qt::Key_Tab ||
      touche == Qt::Key_Backtab) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  const QChar c = t.at(0);
  bool passe = t.size() == 1 && c >= QLatin1Char('0') && c <= QLatin1Char('9');
  if (t == QLatin1String("-")) passe = Negatif;
  if (t == QLatin1String(",") || t == QLatin1String(".")) {
    // "." is the only decimal point the program reads: a comma typed is taken as one.
    if (Mode == TModeSN::mReal)
      insert(QStringLiteral("."));
    else
      pf::Bip();
    return;
  }
  if (!passe) {
    pf::Bip();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

TSaisieNombre::TSaisieNombre(QWidget* parent)
    : QWidget(parent),
      label1_(new QLabel(this)),
      label2_(new QLabel(this)),
      edit_(new TEditSaisieNombre(this)),
      moins_(new TBoutonPas(false, this)),
      plus_(new TBoutonPas(true, this)),
      timer_(new QTimer(this)) {
  label1_->setObjectName(QStringLiteral("Texte1"));
  label2_->setObjectName(QStringLiteral("Texte2"));
  edit_->setObjectName(QStringLiteral("Edit"));
  moins_->setObjectName(QStringLiteral("BoutonMoins"));
  plus_->setObjectName(QStringLiteral("BoutonPlus"));
  label1_->setBuddy(edit_);
  setFocusProxy(edit_);
  edit_->setFixedSize(46, 21);
  moins_->setFixedSize(25, 10);
  plus_->setFixedSize(23, 10);
  timer_->setInterval(100);
  connect(timer_, &QTimer::timeout, this, &TSaisieNombre::Repeter);
  connect(moins_, &QPushButton::pressed, this, [this] { Presser(1); });
  connect(plus_, &QPushButton::pressed, this, [this] { Presser(2); });
  connect(moins_, &QPushButton::released, this, &TSaisieNombre::Relacher);
  connect(plus_, &QPushButton::released, this, &TSaisieNombre::Relacher);
  connect(moins_, &QPushButton::clicked, this, &TSaisieNombre::Decrementer);
  connect(plus_, &QPushButton::clicked, this, &TSaisieNombre::Incrementer);
  connect(edit_, &QLineEdit::textChanged, this, [this] {
    if (OnChange && OnChangeActif) OnChange(edit_);
  });
  edit_->Pas = [this](int direction) { Pas(direction); };
  FixerMin(0);
  FixerMax(10);
  FixerTexte1(QStringLiteral("Texte de présentation"));
  FixerTexte2(QStringLiteral("Unité"));
}

QString TSaisieNombre::Nombre(double v, int n) {
  QString t = QString::number(v, 'f', n);
  if (t.contains(QLatin1Char('.'))) {
    while (t.endsWith(QLatin1Char('0'))) t.chop(1);
    if (t.endsWith(QLatin1Char('.'))) t.chop(1);
  }
  if (t == QLatin1String("-0")) t = QStringLiteral("0");
  return t;
}

void TSaisieNombre::FixerMin(double v) {
  min_ = v;
  edit_->setToolTip(QStringLiteral("De ") + Nombre(min_, 3) + QStringLiteral(" à ") + Nombre(max_, 3));
}

void TSaisieNombre::FixerMax(double v) {
  max_ = v;
  FixerMin(min_);
}

void TSaisieNombre::FixerTexte1(const QString& t) {
  if (t == texte1_) return;
  texte1_ = t;
  label1_->setText(t + QLatin1Char(':'));
  Disposer();
}

void TSaisieNombre::FixerTexte2(const QString& t) {
  if (t == texte2_) return;
  texte2_ = t;
  label2_->setText(t);
  Disposer();
}

void TSaisieNombre::FixerSizeText(int s) {
  if (s == sizeText_) return;
  sizeText_ = s;
  Disposer();
}

void TSaisieNombre::FixerAfficherT1(bool a) {
  afficherT1_ = a;
  Disposer();
}

void TSaisieNombre::FixerAfficherT2(bool a) {
  afficherT2_ = a;
  Disposer();
}

void TSaisieNombre::FixerAfficherBt(bool a) {
  afficherBt_ = a;
  Disposer();
}

void TSaisieNombre::Disposer() {
  label1_->adjustSize();
  label2_->adjustSize();
  label1_->setVisible(afficherT1_);
  label2_->setVisible(afficherT2_ && !texte2_.isEmpty());
  moins_->setVisible(afficherBt_);
  plus_->setVisible(afficherBt_);
  const int e = edit_->width();
  const int hauteur = afficherBt_ ? 35 : 23;
  int largeur = width();
  if (afficherT1_) {
    edit_->move(sizeText_ + 10, 1);
    label2_->move(edit_->geometry().right() + 1 + 5, 2);
    label1_->move(sizeText_ - label1_->width() + 5, 2);
    largeur = label2_->isVisibleTo(this) ? label2_->geometry().right() + 1 + 5 : edit_->geometry().right() + 1;
  } else if (label2_->isVisibleTo(this)) {
    edit_->move(0, 1);
    label1_->move(0, 2);
    label2_->move(e + 5, 2);
    largeur = std::max(largeur, label2_->geometry().right() + 1);
  } else {
    edit_->move(0, 1);
    largeur = e;
  }
  moins_->move(edit_->x(), 23);
  plus_->move(edit_->x() + moins_->width() - 2, 23);
  setFixedSize(largeur, hauteur);
}

// Disabled, the control still answers Valide honestly, and its buttons go grey with it: a
// value stepped in a greyed box would be a change nobody sees as one.
void TSaisieNombre::FixerEnabled(bool e) {
  if (e == enabled_) return;
  enabled_ = e;
  label1_->setEnabled(e);
  label2_->setEnabled(e);
  edit_->setEnabled(e);
  moins_->setEnabled(e);
  plus_->setEnabled(e);
  if (!e) Relacher();
}

bool TSaisieNombre::Lire(double& v) const {
  QString t = edit_->text();
  // The French keypad's decimal key types a comma.
  for (qsizetype i = 1; i + 1 < t.size(); ++i)
    if (t[i] == QLatin1Char(',') && t[i - 1].isDigit() && t[i + 1].isDigit()) t[i] = QLatin1Char('.');
  if (t.isEmpty()) return false;
  if (t.contains(QLatin1Char('-')) && !Negatif()) return false;
  if (Mode() == TModeSN::mLongint && (t.contains(QLatin1Char(',')) || t.contains(QLatin1Char('.')))) return false;
  for (const QChar c : t)
    if (!(c.isDigit() || c == QLatin1Char('.') || c == QLatin1Char('-'))) return false;
  bool ok = false;
  v = QLocale::c().toDouble(t, &ok);
  return ok && std::isfinite(v);
}

bool TSaisieNombre::Valide() const {
  double v = 0;
  return Lire(v) && v >= min_ && v <= max_;
}

int TSaisieNombre::ValeurI() const {
  double v = 0;
  if (Valide() && Lire(v) && v == std::trunc(v)) return static_cast<int>(v);
  return pf::R(min_);
}

void TSaisieNombre::FixerValeurI(int v) {
  if (v < min_ || v > max_) return;
  edit_->setText(QString::number(v));
}

double TSaisieNombre::ValeurR() const {
  double v = 0;
  return Valide() && Lire(v) ? v : min_;
}

void TSaisieNombre::FixerValeurR(double v) {
  if (v < min_ || v > max_) return;
  edit_->setText(Nombre(v, NbDecimale));
}

void TSaisieNombre::Pas(int direction) {
  if (direction == 2)
    Incrementer();
  else
    Decrementer();
}

void TSaisieNombre::Incrementer() {
  if (!Valide()) {
    if (Mode() == TModeSN::mReal)
      FixerValeurR(max_);
    else
      FixerValeurI(pf::R(max_));
    return;
  }
  if (Mode() == TModeSN::mReal) {
    if (ValeurR() + VInc <= max_) FixerValeurR(ValeurR() + VInc);
    return;
  }
  const int n = pf::R(ValeurI() + VInc);
  if (n <= max_) FixerValeurI(n);
}

void TSaisieNombre::Decrementer() {
  if (!Valide()) {
    if (Mode() == TModeSN::mReal)
      FixerValeurR(min_);
    else
      FixerValeurI(pf::R(min_));
    return;
  }
  if (Mode() == TModeSN::mReal) {
    if (ValeurR() - VInc >= min_) FixerValeurR(ValeurR() - VInc);
    return;
  }
  const int n = pf::R(ValeurI() - VInc);
  if (n >= min_) FixerValeurI(n);
}

void TSaisieNombre::Presser(int direction) {
  direction_ = direction;
  ticks_ = 0;
  timer_->start();
}

void TSaisieNombre::Relacher() {
  timer_->stop();
  ticks_ = 0;
}

// Held down, the value starts running only after 700 ms, so that a click never steps twice.
void TSaisieNombre::Repeter() {
  ++ticks_;
  if (ticks_ >= 7) Pas(direction_);
}

}  // namespace calevrin
