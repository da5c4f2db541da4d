#include "window/larguras.h"

#include <algorithm>

namespace tarnel {

namespace {

constexpr int kLarguraStringSemLimite = 4000;
constexpr int kLarguraMinimaParametro = 3;

}  // namespace

int LarguraTipo(std::uint8_t tipo, std::int16_t tamanho) {
  static const int kLarguras[quorbal::kTotalTipos] = {5, 4, 10, 8, 6, 11, 18, 0, 3, 5, 10};
  if (tipo >= quorbal::kTotalTipos) return 0;
  if (tipo == quorbal::kString) return tamanho < 0 ? kLarguraStringSemLimite : tamanho;
  return kLarguras[tipo];
}

int LarguraParametro(const quorbal::DescritorCampo& campo) {
  return std::max(kLarguraMinimaParametro, LarguraTipo(campo.tipo, campo.tamanho));
}

int LarguraRetorno(const quorbal::DescritorCampo& campo) { return LarguraTipo(campo.tipo, campo.tamanho); }

int ComprimentoMaximo(const quorbal::DescritorCampo& campo) {
  const int largura = LarguraTipo(campo.tipo, campo.tamanho);
  return EhMultilinha(largura) ? 0 : largura;
}

std::string TituloRetornos(std::uint32_t total) { return total == 1 ? "Retorno:" : "Retornos:"; }

std::string TituloParametros(std::uint32_t total) { return total == 1 ? "Parâmetro:" : "Parâmetros:"; }

std::vector<int> TopoDosCampos(const std::vector<int>& alturas) {
  std::vector<int> topos;
  int topo = 13;
  for (int altura : alturas) {
    topos.push_back(topo);
    topo += altura + 4;
  }
  return topos;
}

std::optional<int> ColunasLista(int largura_cliente, int largura_item_maior) {
  if (largura_item_maior == 0) return std::nullopt;
  return std::max(1, largura_cliente / largura_item_maior);
}

std::optional<int> LarguraCircunstancia(int largura_cliente_painel, int esquerda) {
  const int largura = largura_cliente_painel - esquerda - 1;
  if (largura <= 0) return std::nullopt;
  return largura;
}

int LarguraDisponivel(int largura_cliente_area, int largura_rotulos) {
  return std::max(5, largura_cliente_area - largura_rotulos - 7);
}

int LarguraAjustada(int disponivel, int largura_atual, int largura_natural) {
  if (disponivel < largura_atual) return disponivel;
  if (largura_atual != largura_natural) return std::min(disponivel, largura_natural);
  return largura_atual;
}

}  // namespace tarnel
