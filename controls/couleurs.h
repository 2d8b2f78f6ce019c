#pragma once
// The colour chooser with the program's own sixteen custom colours, kept from one use to the
// next in "colorperso.ini" beside the configuration file, and the coloured panel that opens it.

#include <QColorDialog>
#include <QFrame>
#include <QString>
#include <cstdint>
#include <functional>

namespace calevrin {

using TCouleurPanneau = std::uint32_t;  // red in the lowest byte, then green, then blue

// The desktop's chooser, never its native one: only Qt's own keeps custom colours we can set.
// Created, it shows the custom colours of the file (blank where the file has none, whatever Qt
// remembered itself); destroyed, confirmed or not, it writes all sixteen back.
class TMaColorDialog : public QColorDialog {
  Q_OBJECT
 public:
  explicit TMaColorDialog(QWidget* parent = nullptr);
  ~TMaColorDialog() override;

  TCouleurPanneau Color() const;
  void FixerColor(TCouleurPanneau c);
  // Shows the chooser; true when a colour was chosen.
  bool Execute();

  // "colorperso.ini" in the configuration file's folder, unless another was given.
  static QString Fichier();
  static void FixerFichier(const QString& chemin);

  // One entry of the file, "ColorB=00ff00": the slot's letter, then blue, green, red.
  static QString Entree(int i, TCouleurPanneau c);
  // The slot (0..15) and colour of an entry; false when it is not one.
  static bool LireEntree(const QString& entree, int& i, TCouleurPanneau& c);

  void ChargerCouleurs();
  void SauverCouleurs();
};

// A sunken panel showing a colour; clicked (or Space with the focus), it opens the chooser on
// its colour and takes the one chosen.
class TColorPanel : public QFrame {
  Q_OBJECT
 public:
  explicit TColorPanel(QWidget* parent = nullptr);

  TCouleurPanneau Color() const { return couleur_; }
  void FixerColor(TCouleurPanneau c);
  // Raised after a colour was chosen, with the panel.
  std::function<void(TColorPanel*)> OnChange;
  // What a click does: choosing a colour, unless a form puts something else.
  std::function<void()> Clic;
  void Choisir();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  TCouleurPanneau couleur_ = 0;
  bool presse_ = false;
};

}  // namespace calevrin
