#pragma once
// The lock a running program keeps beside each class file it has open: ".NOM.cl3.lock" in the
// class's folder, holding the process id, the program's name and the machine's name, one per
// line. Tools that write a class without the desktop read it to leave such a class alone.

#include <string>

namespace calevrin {

std::string CheminVerrou(const std::string& chemin);

// True when a living process of this machine holds the lock of the class file; detenteur
// then reads "processus 1234 sur machine". A lock left by a crash holds nothing.
bool VerrouDetenu(const std::string& chemin, std::string& detenteur);

}  // namespace calevrin
