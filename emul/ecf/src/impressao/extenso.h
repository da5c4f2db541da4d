// Amounts and dates written out in words, as a cheque carries them.
#pragma once
#include <cstdint>
#include <string>

namespace ecf::impressao {

// "cento e vinte e três reais e quarenta e cinco centavos"; moeda_singular/plural name the unit
// ("real"/"reais", taken in lower case). Any amount from 0,01 up.
std::string ValorPorExtenso(std::int64_t centavos, const std::string& moeda_singular, const std::string& moeda_plural);

// "15 de março de 2024" from yyyymmdd.
std::string DataPorExtenso(std::int32_t data);

}  // namespace ecf::impressao
