#pragma once
// Fixed-capacity texts of the class file and 1-based arrays.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace calevrin {

// string[N]: one length byte then N Windows-1252 bytes. The bytes past the length
// are leftovers of earlier values; they are kept so that a file saves back unchanged.
template <std::size_t N>
struct TChaine {
  static constexpr std::size_t Capacite = N;

  std::uint8_t Longueur = 0;
  std::array<char, N> Car{};

  // A length byte larger than the capacity (a damaged file) is read as the capacity.
  std::size_t Taille() const { return std::min<std::size_t>(Longueur, N); }
  bool Vide() const { return Taille() == 0; }
  bool LongueurValide() const { return Longueur <= N; }
  std::string Texte() const { return std::string(Car.data(), Taille()); }
  std::string_view Vue() const { return std::string_view(Car.data(), Taille()); }

  // Too long a value is cut to the capacity, never refused.
  void Affecter(std::string_view s) {
    const std::size_t n = std::min(s.size(), N);
    std::copy_n(s.data(), n, Car.data());
    Longueur = static_cast<std::uint8_t>(n);
  }
  void Vider() { Longueur = 0; }

  bool operator==(std::string_view s) const { return Vue() == s; }
};

// Case of ASCII letters only, as the class file's identifiers and paths are compared.
inline std::string MajusculesAscii(std::string s) {
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}
inline std::string MinusculesAscii(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

// Fixed array indexed from 1, as every index of the class document is.
template <typename T, std::size_t N>
class TTableau1 {
 public:
  static constexpr std::size_t Taille = N;
  T& operator[](std::size_t i) { return v_.at(i - 1); }
  const T& operator[](std::size_t i) const { return v_.at(i - 1); }
  auto begin() { return v_.begin(); }
  auto end() { return v_.end(); }
  auto begin() const { return v_.begin(); }
  auto end() const { return v_.end(); }
  bool operator==(const TTableau1&) const = default;

 private:
  std::array<T, N> v_{};
};

}  // namespace calevrin
