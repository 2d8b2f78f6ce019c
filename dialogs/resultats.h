#pragma once
// What exec() returns for the dialogs that confirm or cancel; a dialog that chooses returns
// its choice instead.

namespace calevrin {

inline constexpr int DialogueConfirme = 1;
inline constexpr int DialogueAnnule = 2;

}  // namespace calevrin
