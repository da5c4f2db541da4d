// The console edge: Tarnel's texts are Windows-1252, the console speaks UTF-8.
#pragma once
#include <ostream>
#include <string>

namespace tarnel::cli {

// Prepares the console for UTF-8 output (Windows); nothing to do elsewhere.
void PreparaConsole();

// A command-line argument as a Windows-1252 text.
std::string ArgumentoCp1252(const char* argumento);

// Writes a Windows-1252 text and a line end to a console stream.
void EscreveLinha(std::ostream& saida, const std::string& texto_cp1252);

}  // namespace tarnel::cli
