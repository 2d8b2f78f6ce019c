#pragma once
// The maker's and the software's addresses, in one place until real ones exist.

namespace calevrin {

inline constexpr const char* NomSociete = "Kestrova";
inline constexpr const char* SiteSociete = "https://www.kestrova.example.org/";
inline constexpr const char* SiteLogiciel = "https://calevrin.example.org/";
inline constexpr const char* MailSociete = "contact@kestrova.example.org";
inline constexpr const char* PageContactAuteur = "https://calevrin.example.org/contact";
// The contact lines of the empty frame and of the about box.
inline constexpr const char* CoordonneesSociete[5] = {
    "Kestrova",
    "12, rue des Tilleuls - 00000 Exempleville",
    "T\xC3\xA9l\xC3\xA9phone : 00 00 00 00 00",
    "Fax : 00 00 00 00 01",
    "Mail : contact@kestrova.example.org",
};

}  // namespace calevrin
