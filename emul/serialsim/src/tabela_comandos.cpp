#include "tabela_comandos.h"

namespace serialsim {
namespace {

// Numbers 21, 28, 31 to 33, 37, 38, 40, 41, 43 and 55 are not commands of the printer.
constexpr ComandoSerial kComandos[] = {
    {0, 4, 0, false, {}, -1},
    {1, 4, 0, false, {}, -1},
    {2, 5, 0, false, {}, -1},
    {3, 6, 0, false, {{4, 2}}, -1},
    {4, 7, 0, false, {}, -1},
    {5, 100, 0, false, {}, -1},
    {6, 12, 0, false, {}, -1},
    {7, 12, 0, false, {}, -1},
    {8, 5, 0, false, {}, -1},
    {9, 12, 0, false, {}, -1},
    {10, 26, 0, false, {{4, 2}}, -1},
    {11, 4, 0, false, {}, -1},
    {12, 164, 0, false, {}, -1},
    {13, 131, 0, false, {}, -1},
    {14, 143, 0, false, {}, -1},
    {15, 10, 0, false, {{4, 2}}, -1},
    {16, 22, 0, false, {}, -1},
    {17, 7, 0, false, {}, -1},
    {18, 25, 0, false, {}, 4},
    {19, 25, 0, false, {}, 4},
    {20, 24, 0, false, {}, -1},
    {22, 19, 0, false, {}, -1},  // same length in every clock mode
    {23, 16, 0, false, {{4, 2}}, -1},
    {24, 22, 0, false, {{4, 2}}, -1},
    {25, 11, 0, false, {{4, 2}}, -1},
    {26, 5, 0, false, {}, -1},
    {27, 835, 0, false, {{4, 2}, {831, 2}, {833, 2}}, -1},
    {29, 24, 0, false, {}, -1},
    {30, 12, 0, false, {{4, 8}}, -1},
    {34, 189, 169, false, {}, -1},  // cheque, long or short layout form
    {35, 52, 0, false, {}, -1},
    {36, 839, 0, false, {{4, 2}, {835, 2}, {837, 2}}, -1},
    {39, 5, 0, false, {}, -1},
    {42, 35, 0, false, {{4, 2}}, -1},
    {44, 32, 0, false, {{4, 6}, {10, 2}}, -1},
    {45, 4, 0, false, {}, -1},
    {46, 4, 0, false, {}, -1},
    {47, 4, 0, false, {}, -1},
    {48, 417, 0, false, {{4, 3}}, -1},
    {49, 4, 0, false, {}, -1},
    {50, 856, 0, false, {{4, 2}, {852, 2}, {854, 2}}, -1},
    {51, 34, 0, false, {}, -1},
    {52, 5, 0, false, {}, -1},
    {53, 4, 0, false, {}, -1},
    {54, 50, 0, false, {}, -1},
    {56, 45, 0, false, {}, -1},
    {57, 324, 0, false, {}, -1},
    {58, 361, 0, false, {}, -1},
    {59, 27, 0, false, {{4, 2}, {6, 3}}, -1},
    {60, 8, 0, true, {}, -1},
};

}  // namespace

const ComandoSerial* ProcuraComandoSerial(int numero) {
  for (const ComandoSerial& c : kComandos)
    if (c.numero == numero) return &c;
  return nullptr;
}

const ComandoSerial* ComandosSeriais(std::size_t& quantidade) {
  quantidade = sizeof kComandos / sizeof kComandos[0];
  return kComandos;
}

}  // namespace serialsim
