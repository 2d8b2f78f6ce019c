#pragma once
// A recovery copy is one file: the class image, then what it is the copy of and when it was
// written, sealed by a checksum. Written at once, it is whole or absent: never a copy without
// its description, nor a description of another copy.

#include <cstdint>
#include <string>

#include "model/fichierclasse.h"

namespace calevrin {

struct TCopieSecours {
  std::string Original;  // the class's own path
  std::string Moment;    // when it was written, ISO 8601
  // Empty for a sound copy; else why it cannot be recovered, in French.
  std::string Defaut;
};

// Writes the copy privately (0600) through the atomic writer. Throws EErreurClasse.
void EcrireCopieSecours(const std::string& chemin, const TImage& image, const TCopieSecours& description);

// The description of the copy at chemin, its image into image when given; never throws: what
// cannot be read is told in Defaut.
TCopieSecours LireCopieSecours(const std::string& chemin, TImage* image = nullptr);

}  // namespace calevrin
