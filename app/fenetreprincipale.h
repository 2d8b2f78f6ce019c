#pragma once
// The main window.

#include <QMainWindow>
#include <memory>
#include <string>
#include <vector>

#include "model/classe.h"

namespace calevrin {

class TMDI : public QMainWindow {
  Q_OBJECT

 public:
  explicit TMDI(QWidget* parent = nullptr);
  ~TMDI() override;

  // Loads a class file; false (after the message) when it cannot be read.
  bool OuvrirFichier(const std::string& chemin);
  const std::vector<std::unique_ptr<TClasse>>& Classes() const { return classes_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  std::vector<std::unique_ptr<TClasse>> classes_;
};

}  // namespace calevrin
