// Field lists of the state structures for the context file. A new field goes at the end of its
// list together with a new context version.
#pragma once
#include "fiscal/estado.h"

namespace ecf {

template <class A>
void Visita(A& a, Aliquota& x) { a(x.definida); a(x.icms); a(x.percentual); a(x.descricao); }
template <class A>
void Visita(A& a, MeioPagamento& x) { a(x.definido); a(x.nome); a(x.descricao); a(x.permite_vinculado); }
template <class A>
void Visita(A& a, Departamento& x) { a(x.definido); a(x.nome); a(x.descricao); }
template <class A>
void Visita(A& a, NaoFiscal& x) { a(x.definido); a(x.nome); a(x.descricao); a(x.entrada); }
template <class A>
void Visita(A& a, Gerencial& x) { a(x.definido); a(x.nome); a(x.descricao); }
template <class A>
void Visita(A& a, Ajuste& x) { a(x.existe); a(x.cancelado); a(x.valor); a(x.percentual); }
template <class A>
void Visita(A& a, ItemDocumento& x) {
  a(x.codigo); a(x.descricao); a(x.unidade); a(x.tributo); a(x.departamento); a(x.quantidade); a(x.preco);
  a(x.total); a(x.quantidade_cancelada); a(x.valor_cancelado); a(x.ajuste);
}
template <class A>
void Visita(A& a, Pagamento& x) { a(x.meio); a(x.valor); a(x.texto); }
template <class A>
void Visita(A& a, Documento& x) {
  a(x.tipo); a(x.fase); a(x.coo); a(x.contador); a(x.data); a(x.hora); a(x.cancelado); a(x.consumidor_id);
  a(x.consumidor_nome); a(x.consumidor_endereco); a(x.itens); a(x.ajuste_subtotal); a(x.pagamentos); a(x.indice);
  a(x.coo_vinculado); a(x.valor); a(x.parcelas); a(x.vias); a(x.operador);
}
// The aliquot flags were kept as whole bytes: any byte but zero reads as set.
template <class A>
void VisitaByte(A& a, bool& x) {
  std::uint8_t byte = x ? 1 : 0;
  a(byte);
  x = byte != 0;
}
// The aliquots go field by field over the 16 slots.
template <class A>
void Visita(A& a, RegistroReducao& x) {
  a(static_cast<ResumoFiscal&>(x));
  a(x.crz); a(x.coo); a(x.cro); a(x.data); a(x.hora); a(x.movimento); a(x.gt); a(x.operacoes_nao_fiscais);
  for (AliquotaReducao& q : x.aliquotas) a(q.valor);
  for (AliquotaReducao& q : x.aliquotas) a(q.percentual);
  for (AliquotaReducao& q : x.aliquotas) VisitaByte(a, q.icms);
  for (AliquotaReducao& q : x.aliquotas) VisitaByte(a, q.definida);
}
template <class A>
void Visita(A& a, Contadores& x) {
  a(x.coo); a(x.ccf); a(x.gnf); a(x.grg); a(x.cdc); a(x.cfc); a(x.cfd); a(x.nfc); a(x.crz); a(x.cro); a(x.ncn);
  a(x.con); a(x.cer); a(x.proprietarios); a(x.reinicios);
}
template <class A>
void Visita(A& a, Estado& x) {
  a(x.numero_serie); a(x.numero_serie_mfd); a(x.cnpj); a(x.ie); a(x.im); a(x.senha); a(x.ecf); a(x.loja);
  a(x.cabecalho); a(x.logotipo); a(x.logotipo_altura); a(x.logotipo_largura);
  a(x.desvio_relogio); a(x.horario_verao); a(x.data_acerto_verao);
  a(x.tempo_gaveta); a(x.contraste_bobina); a(x.contraste_pagina); a(x.espacamento_linhas);
  a(x.espacamento_documentos); a(x.cupom_adicional); a(x.texto_livre); a(x.moeda_singular); a(x.moeda_plural);
  a(x.simbolo_moeda);
  a(x.aliquotas); a(x.meios); a(x.departamentos); a(x.nao_fiscais); a(x.gerenciais); a(x.meio_dinheiro);
  a(x.contadores);
  a(x.data_abertura); a(x.coo_inicio_dia); a(x.data_ultima_z); a(x.gt_inicial); a(x.documentos);
  a(x.ultimo_tipo); a(x.ultimo_coo); a(x.data_ultimo_doc); a(x.hora_ultimo_doc); a(x.coo_ultimo_item);
  a(x.segundos_emitindo); a(x.inicio_operacao); a(x.autenticacoes); a(x.ultimo_cdc_coo); a(x.reimpressoes_cdc);
  a(x.reducoes);
}

}  // namespace ecf
