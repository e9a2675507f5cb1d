#pragma once

#include <string_view>

namespace ordel::texts {

inline constexpr std::string_view kProgramTitle = "Ordel";
inline constexpr std::string_view kIniciante = "Iniciante";
inline constexpr std::string_view kAvancado = "Avançado";
inline constexpr std::string_view kCorrect = "Muito bem, você acertou !!!";
inline constexpr std::string_view kWrong = "Tente Novamente !!!";
inline constexpr std::string_view kEquals = "=";

} // namespace ordel::texts
