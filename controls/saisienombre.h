#pragma once
// An input for one number: a caption, an edit box taking only the characters of a number, a
// unit text, and "-" / "+" buttons that step the value and repeat while held down.
//
// Object names for tests: Edit (the box), BoutonMoins, BoutonPlus, Texte1, Texte2.

#include <QLineEdit>
#include <QWidget>
#include <functional>

class QLabel;
class QPushButton;
class QTimer;

namespace calevrin {

enum class TModeSN { mLongint, mReal };

// The edit box: refuses with a beep every character that cannot belong to a number.
class TEditSaisieNombre : public QLineEdit {
  Q_OBJECT
 public:
  explicit TEditSaisieNombre(QWidget* parent = nullptr);
  bool Negatif = false;
  TModeSN Mode = TModeSN::mLongint;
  // Up and Down step the value, as the buttons do.
  std::function<void(int direction)> Pas;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

class TSaisieNombre : public QWidget {
  Q_OBJECT

 public:
  explicit TSaisieNombre(QWidget* parent = nullptr);

  double Min() const { return min_; }
  double Max() const { return max_; }
  void FixerMin(double v);
  void FixerMax(double v);
  double VInc = 1;
  const QString& Texte1() const { return texte1_; }
  void FixerTexte1(const QString& t);
  const QString& Texte2() const { return texte2_; }
  void FixerTexte2(const QString& t);
  int NbDecimale = 2;
  TModeSN Mode() const { return edit_->Mode; }
  void FixerMode(TModeSN m) { edit_->Mode = m; }
  bool Negatif() const { return edit_->Negatif; }
  void FixerNegatif(bool n) { edit_->Negatif = n; }
  int SizeText() const { return sizeText_; }
  void FixerSizeText(int s);
  void FixerAfficherT1(bool a);
  void FixerAfficherT2(bool a);
  void FixerAfficherBt(bool a);
  bool OnChangeActif = true;
  std::function<void(QLineEdit*)> OnChange;

  // The caption, the unit and the box; the buttons stay enabled.
  void FixerEnabled(bool e);
  bool Enabled() const { return enabled_; }

  // The text is a number of the range (and of the mode), whatever the control's state: a
  // disabled control must not let an out-of-range value through.
  bool Valide() const;
  int ValeurI() const;
  void FixerValeurI(int v);  // ignored outside Min..Max
  double ValeurR() const;
  void FixerValeurR(double v);  // ignored outside Min..Max

  void Incrementer();
  void Decrementer();

  TEditSaisieNombre* Edit() const { return edit_; }
  QTimer* Minuterie() const { return timer_; }
  // One beat of the repeat timer; the timer calls it every 100 ms while a button is held.
  void Repeter();  // Timer1Timer

  // Writes a number with at most n decimals, trailing zeros and point removed.
  static QString Nombre(double v, int n);

 private:
  void Disposer();
  void Presser(int direction);
  void Relacher();
  void Pas(int direction);
  bool Lire(double& v) const;

  QLabel* label1_;
  QLabel* label2_;
  TEditSaisieNombre* edit_;
  QPushButton* moins_;
  QPushButton* plus_;
  QTimer* timer_;
  double min_ = 0;
  double max_ = 10;
  QString texte1_;
  QString texte2_;
  int sizeText_ = 108;
  bool afficherT1_ = true;
  bool afficherT2_ = true;
  bool afficherBt_ = true;
  bool enabled_ = true;
  int direction_ = 0;  // 1 down, 2 up
  int ticks_ = 0;
};

}  // namespace calevrin
