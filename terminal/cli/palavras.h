// The words of one shell line: separated by blanks and tabs; a stretch between double quotes keeps
// its blanks (NomeProduto="Arroz 5kg" is one word), and inside it a backslash makes a following
// double quote or backslash literal. Other backslashes stay as typed, so paths need no doubling.
#pragma once
#include <string>
#include <vector>

namespace tarnel::cli {

// False with a message when a quote is left open; palavras then holds nothing.
bool SeparaPalavras(const std::string& linha, std::vector<std::string>& palavras, std::string& erro);

}  // namespace tarnel::cli
