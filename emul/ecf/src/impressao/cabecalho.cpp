// Top and bottom of every document.
#include "impressao/documentos.h"
#include "impressao/texto_impresso.h"
#include "protocolo/valores.h"

namespace ecf::impressao {

std::string FormataCabecalho(const Estabelecimento& estabelecimento, const Instante& emissao, std::uint32_t coo) {
  TextoImpresso t;
  t.LinhaEmBranco();  // paper feed between documents
  std::size_t inicio = 0;
  const std::string& cabecalho = estabelecimento.texto_cabecalho;
  bool primeira = true;
  while (inicio < cabecalho.size()) {
    std::size_t fim = cabecalho.find_first_of("\r\n", inicio);
    if (fim == std::string::npos) fim = cabecalho.size();
    if (fim > inicio) {
      t.Centro(cabecalho.substr(inicio, fim - inicio), primeira);
      primeira = false;
    }
    inicio = fim + 1;
  }
  t.Linha("CNPJ:" + estabelecimento.cnpj);
  t.Colunas("IE:" + estabelecimento.inscricao_estadual,
            estabelecimento.inscricao_municipal.empty() ? "" : "IM:" + estabelecimento.inscricao_municipal);
  t.Separador();
  t.Colunas(FormataData(emissao.data) + " " + FormataHora(emissao.hora), "COO:" + Numero(coo, 6));
  return t.Extrai();
}

std::string FormataRodape(const Estabelecimento& estabelecimento, const Rodape& rodape) {
  TextoImpresso t;
  t.Separador();
  t.TextoLivre(rodape.texto_promocional);
  if (!rodape.operador.empty()) t.Linha("OPERADOR: " + rodape.operador);
  std::string contadores;
  for (const auto& [nome, valor] : rodape.contadores) {
    if (!contadores.empty()) contadores += "  ";
    contadores += nome + ":" + Numero(valor, 6);
  }
  if (!contadores.empty()) t.Linha(contadores);
  t.Colunas("ECF:" + Numero(estabelecimento.ecf, 3) + "  LJ:" + Numero(estabelecimento.loja, 4),
            FormataData(rodape.emissao.data) + " " + FormataHora(rodape.emissao.hora));
  t.Colunas(estabelecimento.marca + " " + estabelecimento.modelo, "VERSÃO:" + estabelecimento.versao_sw);
  t.Colunas("FAB:" + estabelecimento.numero_serie, "BR", true);
  return t.Extrai();
}

}  // namespace ecf::impressao
