// Slips: the authentication of a document and the cheque's face, endorsement and crossing.
#include "impressao/documentos.h"
#include "impressao/extenso.h"
#include "impressao/texto_impresso.h"
#include "protocolo/valores.h"

namespace ecf::impressao {

std::string FormataAutenticacao(const Estabelecimento& estabelecimento, const Autenticacao& a) {
  TextoImpresso t;
  t.LinhaEmBranco();
  t.Centro("AUTENTICAÇÃO", true);
  t.Colunas("COO:" + Numero(a.coo, 6) + "  " + a.contador.first + ":" + Numero(a.contador.second, 6),
            FormataData(a.emissao.data) + " " + FormataHora(a.emissao.hora));
  t.Colunas("ECF:" + Numero(estabelecimento.ecf, 3) + "  LJ:" + Numero(estabelecimento.loja, 4) +
                "  FAB:" + estabelecimento.numero_serie,
            "R$ " + Valor(a.valor));
  t.TextoLivre(a.texto);
  return t.Extrai();
}

std::string FormataCheque(const Cheque& cheque) {
  TextoImpresso t;
  t.LinhaEmBranco();
  t.Centro("CHEQUE", true);
  t.Colunas("VALOR R$", Valor(cheque.valor), true);
  t.Linha("(" + ValorPorExtenso(cheque.valor, cheque.moeda_singular, cheque.moeda_plural) + ")");
  t.Linha("A " + cheque.favorecido + " OU À SUA ORDEM");
  t.Linha(cheque.cidade + ", " + DataPorExtenso(cheque.data));
  for (const std::string& mensagem : cheque.mensagens) t.TextoLivre(mensagem);
  return t.Extrai();
}

std::string FormataChancela(const std::string& texto) {
  TextoImpresso t;
  t.LinhaEmBranco();
  t.Centro("CHANCELA", true);
  t.TextoLivre(texto);
  return t.Extrai();
}

std::string FormataCruzamento(const std::vector<std::string>& linhas) {
  TextoImpresso t;
  t.LinhaEmBranco();
  t.Centro("CRUZAMENTO", true);
  t.Separador('/');
  for (const std::string& linha : linhas) t.Centro(linha);
  t.Separador('/');
  return t.Extrai();
}

}  // namespace ecf::impressao
