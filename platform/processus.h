#pragma once
// Starting other programs; this process's own memory policy.

#include <string>
#include <vector>

namespace calevrin::plateforme {

// Runs a program found in PATH and waits for it, its output discarded; false when it
// could not be started or failed.
bool Executer(const std::vector<std::string>& arguments);

// Freed pixel buffers (pictures, paint buffers of windows) go back to the system at once.
// Without this the C library raises its threshold after the first large buffer is freed and
// keeps the following ones in the heap, a few megabytes the program never uses again.
// To call at start, before any window.
void RendreLesGrandsBlocs();

}  // namespace calevrin::plateforme
