#pragma once
// Input of a text that ends in a Windows-1252 file (the class document, the options).

#include <QValidator>

namespace calevrin::plateforme {

// Refuses, with a beep, an edit that would bring in a character without a Windows-1252 form,
// rather than let it be stored as "?" later. The field keeps its previous text.
class TValidateurCp1252 : public QValidator {
  Q_OBJECT

 public:
  using QValidator::QValidator;
  State validate(QString& texte, int& position) const override;
};

}  // namespace calevrin::plateforme
