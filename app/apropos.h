#pragma once
// The about box.

#include <QDialog>

class QLabel;

namespace calevrin {

class TDialInformation : public QDialog {
  Q_OBJECT
 public:
  static constexpr const char* IdConception = "TDlgInfo";
  explicit TDialInformation(QWidget* parent = nullptr);

 protected:
  bool eventFilter(QObject* objet, QEvent* event) override;

 private:
  QLabel* image_ = nullptr;
  QLabel* societe_ = nullptr;
  int clics_ = 0;
};

}  // namespace calevrin
