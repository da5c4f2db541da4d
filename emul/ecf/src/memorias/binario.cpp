#include "memorias/binario.h"

namespace ecf::memorias {

void EscreveTextoFixo(Escritor& e, std::string_view texto, std::size_t tamanho, char enchimento) {
  const std::size_t n = texto.size() < tamanho ? texto.size() : tamanho;
  e.bytes().append(texto.data(), n);
  e.bytes().append(tamanho - n, enchimento);
}

std::string LeTextoFixo(Leitor& l, std::size_t tamanho) {
  std::string texto;
  texto.reserve(tamanho);
  for (std::size_t i = 0; i < tamanho; ++i) texto += static_cast<char>(l.Inteiro(1));
  if (!l.ok()) return {};
  while (!texto.empty() && (texto.back() == ' ' || texto.back() == '\0')) texto.pop_back();
  return texto;
}

void EscreveBloco(Escritor& e, std::string_view bytes) {
  e.Inteiro(bytes.size(), 4);
  e.bytes().append(bytes.data(), bytes.size());
}

std::string LeBloco(Leitor& l, std::size_t limite) {
  std::string bytes;
  l(bytes);
  if (l.ok() && bytes.size() <= limite) return bytes;
  l.Pula(~std::uint64_t{0});  // marks the reader failed
  return {};
}

void EscreveDataHora(Escritor& e, std::int32_t data, std::int32_t hora) {
  e.Inteiro(static_cast<std::uint64_t>(data % 100), 1);
  e.Inteiro(static_cast<std::uint64_t>(data / 100 % 100), 1);
  e.Inteiro(static_cast<std::uint64_t>(data / 10000), 2);
  e.Inteiro(static_cast<std::uint64_t>(hora / 3600), 1);
  e.Inteiro(static_cast<std::uint64_t>(hora / 60 % 60), 1);
  e.Inteiro(static_cast<std::uint64_t>(hora % 60), 1);
}

void LeDataHora(Leitor& l, std::int32_t& data, std::int32_t& hora) {
  const auto dia = static_cast<std::int32_t>(l.Inteiro(1));
  const auto mes = static_cast<std::int32_t>(l.Inteiro(1));
  const auto ano = static_cast<std::int32_t>(l.Inteiro(2));
  const auto h = static_cast<std::int32_t>(l.Inteiro(1));
  const auto m = static_cast<std::int32_t>(l.Inteiro(1));
  const auto s = static_cast<std::int32_t>(l.Inteiro(1));
  data = ano * 10000 + mes * 100 + dia;
  hora = h * 3600 + m * 60 + s;
}

void GravaU16(char* destino, std::uint16_t v) {
  destino[0] = static_cast<char>(v & 0xFF);
  destino[1] = static_cast<char>(v >> 8);
}

void GravaU32(char* destino, std::uint32_t v) {
  GravaU16(destino, static_cast<std::uint16_t>(v));
  GravaU16(destino + 2, static_cast<std::uint16_t>(v >> 16));
}

std::uint16_t LeU16(const char* origem) {
  const auto* p = reinterpret_cast<const unsigned char*>(origem);
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t LeU32(const char* origem) {
  return LeU16(origem) | (static_cast<std::uint32_t>(LeU16(origem + 2)) << 16);
}

}  // namespace ecf::memorias
