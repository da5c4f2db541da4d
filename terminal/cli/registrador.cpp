#include "console.h"
#include "mostra.h"
#include "sessao_cli.h"
#include "subcomandos.h"
#include "registers/leitura_registrador.h"

namespace tarnel::cli {

int Registrador(const Pedido& pedido, std::ostream& saida, std::ostream& mensagens) {
  SessaoCli sessao(mensagens);
  if (!sessao.Conecta(pedido)) return kSaidaFalha;
  const std::optional<ValorRegistrador> valor = LeValorRegistrador(sessao.frm, pedido.nome);
  if (!valor) {
    EscreveLinha(mensagens, MensagemRegistradorNaoLido(pedido.nome));
    return kSaidaFalha;
  }
  MostraLeituraRegistrador(sessao.frm, *valor, saida);
  return valor->erro ? kSaidaErroImpressora : kSaidaSucesso;
}

}  // namespace tarnel::cli
