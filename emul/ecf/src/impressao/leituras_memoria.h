// Readings of the memories: the fiscal-memory reading (by reduction or by date, simplified or
// complete) from the Z records, and the detail-tape reading (by COO or by date, optionally of one
// owner or one kind of document) that reproduces the stored documents byte for byte.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "impressao/documentos.h"
#include "memorias/memoria_fiscal.h"
#include "memorias/memoria_fita_detalhe.h"

namespace ecf::impressao {

struct FaixaMF {
  bool por_data = false;
  std::uint32_t reducao_inicial = 1, reducao_final = 9999;
  std::int32_t data_inicial = 0, data_final = 0;  // yyyymmdd, movement days
  bool simplificada = false;
};

struct FaixaMFD {
  bool por_data = false;
  std::uint32_t coo_inicial = 1, coo_final = 999999;
  std::int32_t data_inicial = 0, data_final = 0;  // yyyymmdd, issue days
  std::int64_t proprietario = -1;                 // -1: every owner
  char tipo = 0;                                  // a TipoDocumento letter; 0: every kind
};

std::vector<RegistroReducao> SelecionaReducoes(const memorias::MemoriaFiscal& memoria, const FaixaMF& faixa);
std::vector<memorias::DocumentoGravado> SelecionaDocumentos(const memorias::MemoriaFitaDetalhe& memoria,
                                                           const FaixaMFD& faixa);

// Whole documents, header and footer included; coo is the reading's own.
std::string FormataLeituraMF(const Estabelecimento& estabelecimento, const Instante& emissao, std::uint32_t coo,
                             const memorias::MemoriaFiscal& memoria, const FaixaMF& faixa, const Rodape& rodape);
std::string FormataLeituraMFD(const Estabelecimento& estabelecimento, const Instante& emissao, std::uint32_t coo,
                              const memorias::MemoriaFitaDetalhe& memoria, const FaixaMFD& faixa,
                              const Rodape& rodape);
// The same handed to `destino` as it is made: the header, each document of the range, the footer,
// so a reading of the whole memory never sits whole in memory.
using DestinoTexto = std::function<void(std::string_view parte)>;
void ComponheLeituraMFD(const Estabelecimento& estabelecimento, const Instante& emissao, std::uint32_t coo,
                        const memorias::MemoriaFitaDetalhe& memoria, const FaixaMFD& faixa, const Rodape& rodape,
                        const DestinoTexto& destino);

}  // namespace ecf::impressao
