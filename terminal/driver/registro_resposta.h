// The items of a reply record as Tarnel composes them.
#pragma once
#include <string>

namespace tarnel {

// Error reply items: NomeErro="<name>" Circunstancia="<circumstance>". A double quote or a backslash
// inside a text is preceded by a backslash, so that the record reads back whole.
std::string ItensErro(const std::string& nome_erro, const std::string& circunstancia);

// A text between double quotes with backslash escapes.
std::string TextoEntreAspas(const std::string& texto);

}  // namespace tarnel
