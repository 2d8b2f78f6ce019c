#pragma once
// What changed in a class, as the windows of that class are told. The numbers are those the
// statistics windows have always been told.

namespace calevrin {

enum class TCodeChangement {
  Eleves = 1,             // students added, removed, renamed or sorted
  Devoirs = 2,            // the tests of a period
  Note = 3,               // one grade: a the test, b the student
  CoefficientDevoir = 4,  // one test's coefficient: a the test
  Periode = 5,            // the period shown, or the class parameters
  Options = 6,            // the preferences
  Matiere = 7,            // the subject shown, or the subjects: a the subject
};

struct TChangement {
  TCodeChangement Code = TCodeChangement::Eleves;
  int Periode = 0;
  int A = 0;
  int B = 0;
  bool operator==(const TChangement&) const = default;
};

}  // namespace calevrin
