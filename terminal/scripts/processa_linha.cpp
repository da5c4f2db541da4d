// ProcessaLinhaComando: one command line of a command file replayed through the execute path, with
// the pause questions and the comparison with the recorded reply line.
#include <string>
#include <vector>

#include "driver/execucao.h"
#include "quorbal/catalogo.h"
#include "quorbal/erros.h"
#include "scripts/contexto.h"
#include "scripts/lista_parametros.h"
#include "scripts/numeros_script.h"
#include "scripts/processa_arquivo.h"
#include "scripts/registro_script.h"
#include "scripts/valor_parametro.h"

namespace tarnel {

namespace {

// A plain message of the replay, also told to the listener.
void ErroScript(TfrmMain& frm, EstadoScript& estado, const std::string& mensagem) {
  frm.interacao.Mensagem(mensagem);
  if (estado.acompanhamento) estado.acompanhamento->ErroScript(estado.LinhaAtual, mensagem);
}

// A question with Yes and No and the stop icon; Yes goes on.
bool Continua(TfrmMain& frm, const std::string& texto, const std::string& titulo) {
  return frm.interacao.Pergunta(texto, Icone::Erro, false, Resposta::Sim, titulo) == Resposta::Sim;
}

// The parameters from the list, with the value rule. False on a syntax error.
bool PreencheParametros(TfrmMain& frm, EstadoScript& estado, int indice, std::string_view lista) {
  std::vector<quorbal::Item> itens;
  const bool sintaxe_ok = LeListaParametros(lista, itens);
  if (!sintaxe_ok) return false;
  const quorbal::DescritorComando& comando = quorbal::kCatalogo[indice];
  for (const quorbal::Item& item : itens) {
    const int campo = quorbal::ProcuraCampo(comando.parametros, comando.total_parametros, item.nome);
    if (campo < 0) continue;  // not a parameter of this command
    frm.DefineParametro(indice, item.nome, ValorParametro(estado, comando.parametros[campo], item.nome, item.valor));
  }
  estado.NomesArmazenados.clear();
  estado.ValoresArmazenados.clear();
  return true;
}

// The recorded reply line's code and returns; false when its code field cannot be read.
bool LeRespostaGravada(const std::string& resposta, std::string& codigo, std::string& retornos) {
  std::size_t depois = 0;
  if (!LeCampoRegistro(resposta, codigo, depois)) return false;
  const std::size_t fim = FimItensRegistro(resposta, depois);
  retornos = resposta.substr(depois, fim == std::string::npos ? std::string::npos : fim - depois);
  return true;
}

// This run's code and returns against the recorded reply read into reproduzido (legivel false: it
// could not be read), with a question at each difference.
Seguimento ComparaResposta(TfrmMain& frm, EstadoScript& estado, const std::string& nome, const std::string& resposta,
                           bool legivel, ComandoReproduzido& reproduzido) {
  if (!legivel) {
    ErroScript(frm, estado, "Linha de Retorno '" + resposta + "' está inconsistente.");
    return Seguimento::Para;
  }
  const std::string& codigo = reproduzido.codigo_gravado;
  const std::string& retornos = reproduzido.retorno_gravado;
  reproduzido.comparado = true;
  reproduzido.codigo_diferente = LeInteiroInicial32(codigo) != frm.CodigoErro;
  reproduzido.retorno_diferente = retornos != frm.UltimoRetorno;

  const std::string prefixo = estado.PrefixoPasso();
  if (reproduzido.codigo_diferente &&
      !Continua(frm,
                "Comando " + nome + " com Código de Retorno diferente.\n\nCodErro Original: " + codigo +
                    "\nCodErro Retorno: " + std::to_string(frm.CodigoErro) + "\n\n\tContinuar ?",
                prefixo + "Pausado por Codigo Retorno diferir do original"))
    return Seguimento::Para;
  if (reproduzido.retorno_diferente &&
      !Continua(frm,
                "Comando '" + nome + "' com Retorno diferente.\n\nRetorno Original: " + retornos +
                    "\nRetorno Recebido: " + frm.UltimoRetorno + "\n\n\tContinuar ?",
                prefixo + "Pausado por Retorno(s) diferir(em) do original"))
    return Seguimento::Para;
  return Seguimento::Continua;
}

// Once the command is selected and its parameters filled: it runs, a pending store takes its
// return, the context is checked, then the pause questions and the comparison with the recorded
// reply.
Seguimento ExecutaEPausa(TfrmMain& frm, EstadoScript& estado, int indice, const std::string& nome,
                         const std::string* resposta, ComandoReproduzido& reproduzido) {
  // When the library did nothing (a closed connection), CodigoErro and UltimoRetorno still hold
  // the previous command's outcome: this command is neither questioned nor compared on them.
  reproduzido.executado = ExecutaComandoSelecionado(frm);
  if (reproduzido.executado) {
    reproduzido.codigo_recebido = frm.CodigoErro;
    reproduzido.retorno_recebido = frm.UltimoRetorno;
  }
  // What was recorded, for whoever reports this command (a pause shows both replies), also when
  // the replies are not compared.
  const bool legivel = resposta && LeRespostaGravada(*resposta, reproduzido.codigo_gravado, reproduzido.retorno_gravado);

  if (estado.ArmazenamentoPendente) {
    estado.ArmazenamentoPendente = false;
    const quorbal::DescritorComando& comando = quorbal::kCatalogo[indice];
    const int campo = quorbal::ProcuraCampo(comando.retornos, comando.total_retornos, estado.NomeRetornoArmazenar);
    if (campo >= 0) {
      frm.ValorAtual = frm.Campos[indice].retornos[campo];
      frm.TipoValorAtual = comando.retornos[campo].tipo;
    }
  }

  if (estado.TestarContexto) {
    VerificacaoContexto verificacao = VerificaContexto(frm);
    reproduzido.problema_contexto = std::move(verificacao.problema);
    if (verificacao.seguimento != Seguimento::Continua) return Seguimento::Para;
  }
  if (estado.NaoPausar || !reproduzido.executado) return Seguimento::Continua;

  const std::string prefixo = estado.PrefixoPasso();
  if (frm.CodigoErro != 0 && estado.PausarComErro &&
      (!estado.FiltroErroAtivo || frm.CodigoErro == estado.CodigoErroFiltro) &&
      !Continua(frm, "Comando '" + nome + "' retornou com erro (" + std::to_string(frm.CodigoErro) + ").\n\n\tContinuar ?",
                prefixo + "Pausado por Erro"))
    return Seguimento::Para;
  if (frm.CodigoErro == 0 && estado.PausarSemErro &&
      !Continua(frm, "Comando '" + nome + "' retornou sem erro.\n\n\tContinuar ?", prefixo + "Pausado sem Erro"))
    return Seguimento::Para;
  if (!estado.PausarDiferente || !resposta) return Seguimento::Continua;
  return ComparaResposta(frm, estado, nome, *resposta, legivel, reproduzido);
}

}  // namespace

Seguimento ProcessaLinhaComando(TfrmMain& frm, EstadoScript& estado, const std::string& registro,
                                const std::string* resposta) {
  // 1. Command name and the end of the parameter list.
  std::string nome;
  std::size_t depois = 0;
  if (!LeCampoRegistro(registro, nome, depois)) {
    ErroScript(frm, estado, "Linha de Comando '" + registro + "' está inconsistente.");
    return Seguimento::Para;
  }
  if (FimItensRegistro(registro, depois) == std::string::npos) {
    ErroScript(frm, estado, "Linha de Comando '" + registro + "' está inconsistente ou incompleta.");
    return Seguimento::Para;
  }

  // 2. The command selected, its fields emptied.
  const int indice = frm.IndiceComando(nome);
  if (indice < 0) {
    ErroScript(frm, estado, "Comando " + nome + " inexistente nesta versão do software.");
    return Seguimento::Para;
  }
  frm.SelecionaComando(indice);
  frm.btLimpaParsClick();

  // 3. Parameters.
  if (quorbal::kCatalogo[indice].total_parametros > 0 &&
      !PreencheParametros(frm, estado, indice, std::string_view(registro).substr(depois))) {
    const std::string codigo = std::to_string(quorbal::CodigoDoErro(kNomeErroSintaxeParametro));
    ErroScript(frm, estado,
               "Erro " + codigo + " (" + kNomeErroSintaxeParametro + "): " + kCircunstanciaErroSintaxeParametro +
                   ".\n\nLinha de Comando '" + registro + "'");
    return Seguimento::Encerra;
  }

  // 4. The run, its pauses and the comparison, reported to the listener.
  ComandoReproduzido reproduzido;
  reproduzido.linha = estado.LinhaAtual;
  reproduzido.nome = nome;
  reproduzido.passo = estado.NomePassoAtual;
  reproduzido.com_resposta = resposta != nullptr;
  const Seguimento seguimento = ExecutaEPausa(frm, estado, indice, nome, resposta, reproduzido);
  if (estado.acompanhamento) estado.acompanhamento->Comando(reproduzido);
  return seguimento;
}

}  // namespace tarnel
