// Detail-tape reading: the stored documents of the range, each exactly as it was printed.
#include "impressao/leituras_memoria.h"
#include "impressao/texto_impresso.h"
#include "protocolo/valores.h"

namespace ecf::impressao {

namespace {
bool NaFaixa(const memorias::CabecalhoDocumento& c, const FaixaMFD& faixa) {
  const bool na_faixa = faixa.por_data ? c.data >= faixa.data_inicial && c.data <= faixa.data_final
                                       : c.coo >= faixa.coo_inicial && c.coo <= faixa.coo_final;
  if (!na_faixa) return false;
  if (faixa.proprietario >= 0 && c.proprietario != faixa.proprietario) return false;
  return faixa.tipo == 0 || static_cast<char>(c.tipo) == faixa.tipo;
}
}  // namespace

std::vector<memorias::DocumentoGravado> SelecionaDocumentos(const memorias::MemoriaFitaDetalhe& memoria,
                                                           const FaixaMFD& faixa) {
  std::vector<memorias::DocumentoGravado> selecao;
  memoria.PercorreDocumentos([&](memorias::DocumentoGravado&& d) {
    if (NaFaixa(d.cabecalho, faixa)) selecao.push_back(std::move(d));
  });
  return selecao;
}

void ComponheLeituraMFD(const Estabelecimento& estabelecimento, const Instante& emissao, std::uint32_t coo,
                        const memorias::MemoriaFitaDetalhe& memoria, const FaixaMFD& faixa, const Rodape& rodape,
                        const DestinoTexto& destino) {
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
  destino(t.Extrai());
  std::size_t reproduzidos = 0;
  memoria.PercorreDocumentos([&](memorias::DocumentoGravado&& d) {
    if (!NaFaixa(d.cabecalho, faixa)) return;
    destino(d.texto);
    ++reproduzidos;
  });
  TextoImpresso fim;
  if (reproduzidos == 0) fim.Centro("NÃO HÁ DOCUMENTOS NO PERÍODO");  // no document follows it
  fim.Separador('=');
  fim.Colunas("DOCUMENTOS REPRODUZIDOS", std::to_string(reproduzidos));
  fim.Acrescenta(FormataRodape(estabelecimento, rodape));
  destino(fim.Texto());
}

std::string FormataLeituraMFD(const Estabelecimento& estabelecimento, const Instante& emissao, std::uint32_t coo,
                              const memorias::MemoriaFitaDetalhe& memoria, const FaixaMFD& faixa,
                              const Rodape& rodape) {
  std::string texto;
  ComponheLeituraMFD(estabelecimento, emissao, coo, memoria, faixa, rodape,
                     [&texto](std::string_view parte) { texto.append(parte.data(), parte.size()); });
  return texto;
}

}  // namespace ecf::impressao
