// The emulated printer: validates a command against the catalogue, runs its handler on the state,
// puts the state back when the handler refuses, hands the print events to the output and rewrites
// the context file whenever the state changed.
#include "ecf/impressora.h"

#include <optional>

#include "comandos/comandos.h"
#include "comandos/documento.h"
#include "compat/file_lock.h"
#include "contexto/capacidade.h"
#include "contexto/contexto.h"
#include "fiscal/relogio.h"
#include "impressao/saida.h"
#include "impressora_emulada.h"
#include "protocolo/registradores.h"
#include "protocolo/validacao.h"
#include "quorbal/catalogo.h"
#include "quorbal/erros.h"

namespace ecf {

namespace {

class ImpressoraEmulada final : public Impressora {
 public:
  ImpressoraEmulada(std::unique_ptr<compat::FileLock> trava, ArquivoDeContexto arquivo, Estado estado,
                    std::unique_ptr<Saida> saida)
      : trava_(std::move(trava)), arquivo_(std::move(arquivo)), estado_(std::move(estado)), saida_(std::move(saida)) {}
  // Closing leaves the copy equal to the context file; a close cut short leaves it behind, and the
  // next opening brings it in line.
  ~ImpressoraEmulada() override {
    try {
      if (!copia_em_dia_) arquivo_.GuardaCopia(gravado_);
    } catch (...) {
    }
  }

  // Opening: the memories follow the state. The context file was left as it was read (a damaged
  // one already restored byte for byte); it is written only when there was none or the output had
  // to bring its memories in line.
  bool Inicia(std::string lidos) {
    saida_->Registra(estado_, {});
    estado_gravado_ = CodificaEstado(estado_);
    revisao_gravada_ = saida_->Revisao();
    if (!lidos.empty() && revisao_gravada_ == 0) {
      gravado_ = std::move(lidos);
      copia_em_dia_ = true;  // the opening brought it in line
      return true;
    }
    return Grava(estado_gravado_);
  }

  Resposta Executa(const std::string& comando, const std::vector<Item>& parametros) override {
    Resposta resposta;
    int indice = quorbal::ProcuraComando(comando);
    Falha falha;
    if (indice < 0) {
      falha = Erro("ErroProtComandoInexistente", "Comando '" + comando + "' não existe");
    } else {
      const auto comando_catalogado = static_cast<quorbal::Comando>(indice);
      falha = Executa(comando_catalogado, parametros, resposta);
      if (!ManipulacaoDe(comando_catalogado).le_registrador) {
        ultimo_erro_ = falha;
        ultimo_erro_nome_ = quorbal::NomeErro(falha.codigo);
      }
    }
    resposta.codigo_erro = falha.codigo;
    resposta.nome_erro = quorbal::NomeErro(falha.codigo);
    resposta.circunstancia = falha.circunstancia;
    if (falha) resposta.retornos.clear();
    return resposta;
  }

  std::string ArquivoContexto() const override { return arquivo_.Caminho(); }

 private:
  Falha Executa(quorbal::Comando comando, const std::vector<Item>& itens, Resposta& resposta) {
    Parametros parametros;
    if (Falha f = Valida(quorbal::Descritor(comando), itens, parametros)) return f;
    const Manipulacao& manipulacao = ManipulacaoDe(comando);

    // A reading changes nothing: it needs no copy of the state to put back.
    const bool so_leitura = manipulacao.so_leitura;
    std::optional<Estado> antes;
    if (!so_leitura && !manipulacao.so_saida) antes = estado_;
    Sessao sessao{estado_, parametros, *saida_, AgoraHospedeiro() + estado_.desvio_relogio, ultimo_erro_,
                  ultimo_erro_nome_, {}, {}};
    Falha f = manipulacao.manipulador(sessao);
    if (!f && antes && !DentroDaCapacidade(estado_))
      f = Erro("ErroCMDMontanteOperacao", "Os valores acumulados excederiam a capacidade dos totalizadores");
    if (!f && antes) f = ConfereOrdemDosDocumentos(*antes, estado_);
    if (f) {
      if (antes) estado_ = std::move(*antes);
      return f;
    }
    resposta.retornos = std::move(sessao.retornos);
    if (so_leitura) return Ok();
    saida_->Registra(estado_, sessao.eventos);
    if (!GravaSeMudou(manipulacao.so_saida))
      return Erro("ErroContextDrvrEscrita", "Comando executado, mas o arquivo de contexto '" + arquivo_.Caminho() +
                                                "' não pôde ser gravado");
    return Ok();
  }

  // Rewrites the context file when the state or the output's part changed. The fiscal state is
  // encoded to compare, unless the command touches the output alone; the output's part only when
  // its revision moved, so commands that change neither (the memory window's address, the drawer)
  // cost no write.
  bool GravaSeMudou(bool estado_intacto) {
    std::string estado = estado_intacto ? estado_gravado_ : CodificaEstado(estado_);
    if (estado == estado_gravado_ && saida_->Revisao() == revisao_gravada_) return true;
    if (!Grava(estado)) return false;
    estado_gravado_ = std::move(estado);
    revisao_gravada_ = saida_->Revisao();
    return true;
  }

  // What grew goes to its files first, then the context that commits it (and its copy).
  bool Grava(const std::string& estado) {
    if (!saida_->AcrescentaArquivos()) return false;
    std::string bytes = MontaContexto(estado, saida_->Grava());
    if (bytes != gravado_) {
      if (!arquivo_.Grava(bytes)) return false;
      copia_em_dia_ = false;
    }
    gravado_ = std::move(bytes);
    saida_->ContextoGravado();
    return true;
  }

  std::unique_ptr<compat::FileLock> trava_;  // released after the destructor saved the copy
  ArquivoDeContexto arquivo_;
  Estado estado_;
  std::unique_ptr<Saida> saida_;
  std::string gravado_;          // the context file's bytes as last written
  bool copia_em_dia_ = true;     // the copy holds them too (nothing written yet that it lacks)
  std::string estado_gravado_;   // the fiscal state's part of them
  std::uint64_t revisao_gravada_ = 0;
  Falha ultimo_erro_;
  std::string ultimo_erro_nome_ = "NoError";
};

}  // namespace

std::unique_ptr<Impressora> AbreImpressora(const std::string& pasta, int numero, const FabricaSaida& cria_saida,
                                           std::string* motivo) {
  const auto falha = [motivo](std::string texto) -> std::unique_ptr<Impressora> {
    if (motivo) *motivo = std::move(texto);
    return nullptr;
  };
  ArquivoDeContexto arquivo(pasta, numero);
  // Two programs on one printer would each save over the other's work: the second waits a little
  // for the first to close it, then gives up. A folder where the lock cannot be made is one where
  // nothing can be saved either; the opening goes on and says so at the first save.
  auto trava = std::make_unique<compat::FileLock>();
  switch (trava->acquire(arquivo.CaminhoTrava(), Impressora::kEsperaOcupada)) {
    case compat::FileLock::Result::kBusy:
      return falha("a impressora emulada de '" + arquivo.Caminho() + "' está em uso por outro programa");
    case compat::FileLock::Result::kRefused:
      return falha("a trava '" + arquivo.CaminhoTrava() +
                   "' não pode ser usada (é de outro usuário e sem leitura, é um link ou não é um arquivo): apague-a "
                   "quando nenhum programa estiver usando a impressora");
    default:
      break;
  }
  Estado estado;
  std::string bytes_saida;
  std::string bytes;
  const auto nova_saida = [&] {
    std::unique_ptr<Saida> saida = cria_saida();
    saida->Associa(arquivo.BaseArquivos(), arquivo.CaminhoBobina());
    return saida;
  };
  std::unique_ptr<Saida> saida = nova_saida();
  if (arquivo.Carrega(bytes, estado, bytes_saida) == ArquivoDeContexto::Origem::kNovo) {
    estado = EstadoInicial();
    estado.inicio_operacao = AgoraHospedeiro();
  } else if (!saida->Carrega(bytes_saida)) {
    // The output's part is unreadable, or its files do not hold what it committed: keep the
    // fiscal state, start the output afresh.
    saida = nova_saida();
    bytes.clear();
  }
  // A context of the previous layout kept every Z: the fiscal memory holds them, the state the last.
  if (estado.reducoes.size() > 1) estado.reducoes.erase(estado.reducoes.begin(), estado.reducoes.end() - 1);
  const std::string caminho = arquivo.Caminho();
  auto impressora = std::make_unique<ImpressoraEmulada>(std::move(trava), std::move(arquivo), std::move(estado),
                                                        std::move(saida));
  if (!impressora->Inicia(std::move(bytes)))
    return falha("o arquivo de contexto '" + caminho + "' ou as memórias ao lado dele não puderam ser gravados");
  return impressora;
}

std::unique_ptr<Impressora> Impressora::Abre(const std::string& pasta, int numero, std::string* motivo) {
  return AbreImpressora(pasta, numero, CriaSaida, motivo);
}

}  // namespace ecf
