// Writes the sample class: calevrin-exemple OUT.cl3
#include <cstdio>
#include <memory>

#include "examples/exemple.h"
#include "model/erreurs.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage : calevrin-exemple SORTIE.cl3\n");
    return 2;
  }
  auto c = std::make_unique<calevrin::TClasse>();
  calevrin::GenererExemple(*c);
  c->NomFichier = argv[1];
  try {
    c->Enregistrer();
  } catch (const calevrin::EErreurClasse& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  return 0;
}
