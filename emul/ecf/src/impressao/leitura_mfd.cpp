// Detail-tape reading: the stored documents of the range, each exactly as it was printed.
#include "impressao/leituras_memoria.h"
#include "impressao/texto_impresso.h"
#include "protocolo/valores.h"

namespace ecf::impressao {

std::vector<memorias::DocumentoGravado> SelecionaDocumentos(const memorias::MemoriaFitaDetalhe& memoria,
                                                           const FaixaMFD& faixa) {
  std::vector<memorias::DocumentoGravado> selecao;
  for (memorias::DocumentoGravado& d : memoria.Documentos()) {
    const memorias::CabecalhoDocumento& c = d.cabecalho;
    const bool na_faixa = faixa.por_data ? c.data >= faixa.data_inicial && c.data <= faixa.data_final
                                         : c.coo >= faixa.coo_inicial && c.coo <= faixa.coo_final;
    if (!na_faixa) continue;
    if (faixa.proprietario >= 0 && c.proprietario != faixa.proprietario) continue;
    if (faixa.tipo != 0 && static_cast<char>(c.tipo) != faixa.tipo) continue;
    selecao.push_back(std::move(d));
  }
  return selecao;
}

std::string FormataLeituraMFD(const Estabelecimento& estabelecimento, const Instante& emissao, std::uint32_t coo,
                              const memorias::MemoriaFitaDetalhe& memoria, const FaixaMFD& faixa,
                              const Rodape& rodape) {
  const std::vector<memorias::DocumentoGravado> documentos = SelecionaDocumentos(memoria, faixa);
  TextoImpresso t;
  t.Acrescenta(FormataCabecalho(estabelecimento, emissao, coo));
  t.Centro("LEITURA DA MEMÓRIA DE FITA-DETALHE", true);
  if (faixa.por_data)
    t.Colunas("DATA INICIAL: " + FormataData(faixa.data_inicial), "DATA FINAL: " + FormataData(faixa.data_final));
  else
    t.Colunas("COO INICIAL: " + Numero(faixa.coo_inicial, 6), "COO FINAL: " + Numero(faixa.coo_final, 6));
  if (faixa.proprietario >= 0) t.Linha("PROPRIETÁRIO: " + Numero(static_cast<std::uint64_t>(faixa.proprietario), 2));
  if (faixa.tipo != 0) t.Linha(std::string("TIPO DE DOCUMENTO: ") + faixa.tipo);
  t.Linha("MFD: " + memoria.Identificacao().numero_serie_mfd);
  t.Separador('=');
  if (documentos.empty()) t.Centro("NÃO HÁ DOCUMENTOS NO PERÍODO");
  for (const memorias::DocumentoGravado& d : documentos) t.Acrescenta(d.texto);
  t.Separador('=');
  t.Colunas("DOCUMENTOS REPRODUZIDOS", std::to_string(documentos.size()));
  t.Acrescenta(FormataRodape(estabelecimento, rodape));
  return t.Extrai();
}

}  // namespace ecf::impressao
