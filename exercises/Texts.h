#pragma once

#include <string_view>

namespace ordel::texts {

inline constexpr std::string_view kProgramTitle = "Ordel";
inline constexpr std::string_view kIniciante = "Iniciante";
inline constexpr std::string_view kAvancado = "Avançado";
inline constexpr std::string_view kCorrect = "Muito bem, você acertou !!!";
inline constexpr std::string_view kWrong = "Tente Novamente !!!";
inline constexpr std::string_view kEquals = "=";

// The place-value modes as the program records them (Casa), smallest first.
inline constexpr std::string_view kUnidade = "Unidade";
inline constexpr std::string_view kDezena = "Dezena";
inline constexpr std::string_view kCentena = "Centena";
inline constexpr std::string_view kMilhar = "Milhar";

// The operations' signs as the exercise line shows them.
inline constexpr std::string_view kPlus = "+";
inline constexpr std::string_view kMinus = "-";
inline constexpr std::string_view kTimes = "x";
inline constexpr std::string_view kDividedBy = ":";

} // namespace ordel::texts
