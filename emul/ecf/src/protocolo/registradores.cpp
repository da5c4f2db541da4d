#include "protocolo/registradores.h"

#include <algorithm>
#include <iterator>

#include "fiscal/relogio.h"
#include "fiscal/situacao.h"
#include "impressao/saida.h"
#include "memorias/memoria_fiscal.h"
#include "protocolo/valores.h"
#include "quorbal/catalogo.h"
#include "quorbal/igual_sem_caixa.h"
#include "quorbal/registradores.h"

namespace ecf {

namespace {

using TR = TipoRegistrador;
using R = quorbal::Registrador;
using C = const ContextoLeitura&;

constexpr std::uint32_t kCapacidadeReducoes = 3650;
constexpr std::uint32_t kCapacidadeReinicios = 200;

ValorRegistrador N(std::int64_t v) { return {v, {}}; }

// The counter's limit, or the room left in the fiscal memory when that is less.
std::int64_t ReducoesRestantes(C c) {
  const std::uint32_t crz = c.estado.contadores.crz;
  const std::uint64_t pelo_contador = crz < kCapacidadeReducoes ? kCapacidadeReducoes - crz : 0;
  return static_cast<std::int64_t>(
      std::min<std::uint64_t>(pelo_contador, c.saida.BytesMFLivres() / memorias::MemoriaFiscal::kTamanhoReducao));
}
ValorRegistrador T(std::string s) { return {0, std::move(s)}; }
ValorRegistrador B(bool b) { return {b ? 1 : 0, b ? "Sim" : "Não"}; }

std::size_t U(int i) { return static_cast<std::size_t>(i); }
std::int32_t Hoje(C c) { return DataDe(c.agora); }

// Time the printer has been working, by the host's clock it started on: setting the printer's clock
// does not make it older or younger.
std::int64_t MinutosEmOperacao(C c) {
  const std::int64_t hospedeiro = c.agora - c.estado.desvio_relogio;
  return hospedeiro > c.estado.inicio_operacao ? (hospedeiro - c.estado.inicio_operacao) / 60 : 0;
}
const char* NomeDe(R r) { return quorbal::kNomesRegistradores[quorbal::Indice(r)]; }

const Documento* Doc(C c) { return DocumentoCorrente(c.estado); }
const RegistroReducao& Z(C c) { return UltimaReducao(c.estado); }

Falha Faixa(const ValorRegistrador& v, std::int64_t minimo, std::int64_t maximo, const char* nome) {
  if (v.numero < minimo || v.numero > maximo)
    return Erro("ErroCMDValorInvalido", std::string(nome) + " aceita valores de " + std::to_string(minimo) + " a " +
                                            std::to_string(maximo));
  return Ok();
}

Falha TextoAte(const ValorRegistrador& v, std::size_t maximo, const char* nome) {
  if (v.texto.size() > maximo)
    return Erro("ErroProtParamStringInvalido",
                std::string(nome) + " aceita no máximo " + std::to_string(maximo) + " caracteres");
  return Ok();
}

Falha SoComDiaFechado(const Estado& e, const char* nome) {
  if (e.data_abertura != 0)
    return Erro("ErroDiaAberto", std::string(nome) + " só pode ser alterado antes do primeiro documento do dia");
  return Ok();
}

// Plain registers.
#define REG(nome, tipo, dec, ...) \
  { R::nome, tipo, dec, 0, -1, true, false, [](C c, int) -> ValorRegistrador { (void)c; return __VA_ARGS__; }, nullptr }
#define INT(nome, ...) REG(nome, TR::kInteiro, 0, N(__VA_ARGS__))
#define MOE(nome, ...) REG(nome, TR::kMoeda, 2, N(__VA_ARGS__))
#define TXT(nome, ...) REG(nome, TR::kTexto, 0, T(__VA_ARGS__))
#define DAT(nome, ...) REG(nome, TR::kData, 0, N(__VA_ARGS__))
#define HOR(nome, ...) REG(nome, TR::kHora, 0, N(__VA_ARGS__))
#define IND(nome, ...) REG(nome, TR::kIndicador, 0, B(__VA_ARGS__))
// Indexed registers: the body sees the index as i.
#define ARR(nome, tipo, dec, n, ...) \
  { R::nome, tipo, dec, n, -1, true, false, [](C c, int i) -> ValorRegistrador { (void)c; return __VA_ARGS__; }, nullptr }
// Registers that can also be written: the body sees the state as e, the output as saida and the
// value as v.
#define RW(nome, tipo, leitura, ...)                                                                  \
  {                                                                                                   \
    R::nome, tipo, 0, 0, -1, true, true, [](C c, int) -> ValorRegistrador { return leitura; },         \
        [](Estado& e, Saida& saida, const ValorRegistrador& v) -> Falha { (void)e; (void)saida; __VA_ARGS__ } \
  }
// A setting of the state written as an integer within [minimo, maximo].
#define RW_INTEIRO(nome, campo, minimo, maximo)                              \
  RW(nome, TR::kInteiro, N(c.estado.campo),                                  \
     if (Falha f = Faixa(v, minimo, maximo, NomeDe(R::nome))) return f;                 \
     e.campo = static_cast<decltype(e.campo)>(v.numero); return Ok();)
// A text of the state of at most `maximo` characters; some change only while the day is closed.
#define RW_TEXTO(nome, campo, maximo, so_com_dia_fechado)                                      \
  RW(nome, TR::kTexto, T(c.estado.campo),                                                      \
     if (Falha f = TextoAte(v, maximo, NomeDe(R::nome))) return f;                                        \
     if (so_com_dia_fechado) if (Falha f = SoComDiaFechado(e, NomeDe(R::nome))) return f;                 \
     e.campo = v.texto; return Ok();)

// The registers of each programmable aliquot frozen at the last Z; the slot is implied by the name.
#define ALIQUOTA_REDUCAO(kk, k)                                                                            \
  {R::Aliquota##kk##ICMSReducao, TR::kIndicador, 0, 0, k, true, false,                                     \
   [](C c, int i) { return B(Z(c).aliquotas[U(i)].icms); }, nullptr},                                      \
  {                                                                                                        \
    R::Aliquota##kk##Reducao, TR::kMoeda, 2, 0, k, true, false,                                            \
        [](C c, int i) { return N(Z(c).aliquotas[U(i)].percentual); }, nullptr                             \
  }
#define TOTAL_ALIQUOTA_REDUCAO(kk, k)                                                                      \
  {                                                                                                        \
    R::TotalAliquota##kk##Reducao, TR::kMoeda, 2, 0, k, true, false,                                       \
        [](C c, int i) { return N(Z(c).aliquotas[U(i)].valor); }, nullptr                                  \
  }

// Every register of the protocol, at its index in quorbal's list.
constexpr DefRegistrador kTabela[] = {
      ALIQUOTA_REDUCAO(00, 0), ALIQUOTA_REDUCAO(01, 1), ALIQUOTA_REDUCAO(02, 2), ALIQUOTA_REDUCAO(03, 3),
      ALIQUOTA_REDUCAO(04, 4), ALIQUOTA_REDUCAO(05, 5), ALIQUOTA_REDUCAO(06, 6), ALIQUOTA_REDUCAO(07, 7),
      ALIQUOTA_REDUCAO(08, 8), ALIQUOTA_REDUCAO(09, 9), ALIQUOTA_REDUCAO(10, 10), ALIQUOTA_REDUCAO(11, 11),
      ALIQUOTA_REDUCAO(12, 12), ALIQUOTA_REDUCAO(13, 13), ALIQUOTA_REDUCAO(14, 14), ALIQUOTA_REDUCAO(15, 15),
      INT(AliquotaDisponivel, [&] {
        int livres = 0;
        for (const Aliquota& a : c.estado.aliquotas) livres += a.definida ? 0 : 1;
        return livres;
      }()),
      MOE(CancelamentosICMSReducao, Z(c).cancelamentos_icms),
      MOE(CancelamentosISSQNReducao, Z(c).cancelamentos_issqn),
      INT(CCF, c.estado.contadores.ccf),
      INT(CDC, c.estado.contadores.cdc),
      ARR(CER, TR::kInteiro, 0, kTotalGerenciais, N(c.estado.contadores.cer[U(i)])),
      INT(CFC, c.estado.contadores.cfc),
      INT(CFD, c.estado.contadores.cfd),
      TXT(Cliche, c.estado.cabecalho),
      // No CMC-7 reader on this printer: the fields of the last reading stay empty.
      TXT(CMC7Campo1, std::string()),
      TXT(CMC7Campo2, std::string()),
      TXT(CMC7Campo3, std::string()),
      TXT(CMC7Documento, std::string()),
      TXT(CMC7Memoria, std::string()),
      TXT(CNPJ, c.estado.cnpj),
      ARR(CON, TR::kInteiro, 0, kTotalNaoFiscais, N(c.estado.contadores.con[U(i)])),
      INT(ContadorDocUltimoItemVendido, c.estado.coo_ultimo_item),
      INT(ContadorProprietarios, c.estado.contadores.proprietarios),
      INT(ContadorReinicioReducao, c.estado.contadores.reinicios),
      INT(ContadorVersoes, 1),
      RW_INTEIRO(ContrasteBobina, contraste_bobina, 1, 9),
      RW_INTEIRO(ContrastePagina, contraste_pagina, 1, 9),
      INT(COO, c.estado.contadores.coo),
      INT(COOInicioDia, c.estado.coo_inicio_dia),
      INT(COOReducao, Z(c).coo),
      INT(CRO, c.estado.contadores.cro),
      INT(CRORestantes, c.estado.contadores.cro < kCapacidadeReinicios ? kCapacidadeReinicios - c.estado.contadores.cro : 0),
      INT(CRZ, c.estado.contadores.crz),
      INT(CRZRestantes, ReducoesRestantes(c)),
      TXT(DadosUltimaReducaoZ, [&] {
        const RegistroReducao& z = Z(c);
        if (z.crz == 0) return std::string();
        return "CRZ=" + std::to_string(z.crz) + " COO=" + std::to_string(z.coo) + " CRO=" + std::to_string(z.cro) +
               " Data=" + FormataData(z.data) + " Hora=" + FormataHora(z.hora) +
               " Movimento=" + (z.movimento ? FormataData(z.movimento) : std::string("sem movimento")) +
               " GT=" + FormataMoeda(z.gt, 2) + " VendaBruta=" + FormataMoeda(z.venda_bruta, 2);
      }()),
      DAT(Data, Hoje(c)),
      DAT(DataAbertura, c.estado.data_abertura),
      DAT(DataReducao, Z(c).data),
      DAT(DataUltimoDoc, c.estado.data_ultimo_doc),
      MOE(DescontosReducao, Z(c).descontos),
      IND(DiaAberto, DiaAberto(c.estado)),
      IND(DiaFechado, DiaFechado(c.estado, Hoje(c))),
      IND(DocumentoAberto, DocumentoEmEmissao(c.estado) != nullptr),
      INT(ECF, c.estado.ecf),
      // The memory window's address, kept by the window and not saved; values above 2^31 are
      // written as unsigned decimals.
      RW(EnderecoSoftwareBasico, TR::kInteiro, N(c.saida.EnderecoMemoria()),
         if (Falha f = Faixa(v, 0, 0xFFFFFFFFLL, NomeDe(R::EnderecoSoftwareBasico))) return f;
         saida.DefineEnderecoMemoria(static_cast<std::uint32_t>(v.numero)); return Ok();),
      RW_INTEIRO(EspacamentoDocumentos, espacamento_documentos, 0, 255),
      RW_INTEIRO(EspacamentoLinhas, espacamento_linhas, 0, 255),
      INT(EstadoFiscal, CodigoEstadoFiscal(c.estado, Hoje(c))),
      INT(EstadoGeralECF, 0),
      INT(GNF, c.estado.contadores.gnf),
      INT(GRG, c.estado.contadores.grg),
      MOE(GT, c.estado.gt_inicial + c.TotaisDia().venda_bruta),
      MOE(GTInicial, c.estado.gt_inicial),
      RW(HabilitaCupomAdicional, TR::kIndicador, B(c.estado.cupom_adicional),
         if (Falha f = Faixa(v, 0, 1, NomeDe(R::HabilitaCupomAdicional))) return f;
         e.cupom_adicional = v.numero != 0; return Ok();),
      HOR(Hora, HoraDe(c.agora)),
      HOR(HoraReducao, Z(c).hora),
      IND(HorarioVerao, c.estado.horario_verao),
      HOR(HoraUltimoDoc, c.estado.hora_ultimo_doc),
      TXT(IE, c.estado.ie),
      TXT(IM, c.estado.im),
      // Bit 0 day open, 1 document open, 2 day closed by a Z, 3 Z pending, 4 summer time.
      INT(Indicadores, (DiaAberto(c.estado) ? 1 : 0) | (DocumentoEmEmissao(c.estado) ? 2 : 0) |
                             (DiaFechado(c.estado, Hoje(c)) ? 4 : 0) | (ReducaoPendente(c.estado, Hoje(c)) ? 8 : 0) |
                             (c.estado.horario_verao ? 16 : 0)),
      IND(IntervencaoTecnica, false),
      INT(Loja, c.estado.loja),
      TXT(Marca, std::string("EMULADOR")),
      IND(MecanismoBobina, true),
      IND(MecanismoPagina, true),
      IND(MFDDesconectada, false),
      IND(MFDesconectada, false),
      IND(MFDEsgotada, c.saida.MFDEsgotada()),
      INT(MFDLivre, static_cast<std::int64_t>(c.saida.BytesMFDLivres())),
      TXT(Modelo, std::string("ECF EMULADO")),
      INT(NCN, c.estado.contadores.ncn),
      INT(NFC, c.estado.contadores.nfc),
      TXT(NomeEstadoFiscal, std::string(NomeEstadoFiscal(CodigoEstadoFiscal(c.estado, Hoje(c))))),
      RW_TEXTO(NomeMoedaPlural, moeda_plural, 20, true),
      RW_TEXTO(NomeMoedaSingular, moeda_singular, 20, true),
      INT(NumeroMeiosPagamentoCupomAtual, Doc(c) ? static_cast<std::int64_t>(Doc(c)->pagamentos.size()) : 0),
      TXT(NumeroSerieECF, c.estado.numero_serie),
      TXT(NumeroSerieMFD, c.estado.numero_serie_mfd),
      INT(NumLinhasImpressas, c.saida.LinhasImpressas()),
      MOE(OperacoesNaoFiscaisReducao, Z(c).operacoes_nao_fiscais),
      INT(PercentualMFDUtilizada, c.saida.CapacidadeMFD() == 0 ? 0
                                        : static_cast<std::int64_t>(c.saida.BytesMFDUsados() * 100 / c.saida.CapacidadeMFD())),
      INT(ProtocoloSerial, 1),
      IND(RAMInvalida, false),
      IND(RelogioInconsistente, RelogioInconsistente(c.estado, c.agora)),
      IND(SemPapel, false),
      IND(SensorAutenticacao, false),
      IND(SensorCabecote, false),
      IND(SensorCheque, false),
      IND(SensorGaveta, false),
      IND(SensorPoucoPapel, false),
      RW_TEXTO(SimboloMoeda, simbolo_moeda, 4, true),
      TXT(SoftwareBasico, c.saida.LeMemoria()),
      INT(TamanhoSoftwareBasico, c.saida.TamanhoSoftwareBasico()),
      RW_INTEIRO(TempoAcionamentoPadrao, tempo_gaveta, 1, 10000),
      INT(TempoEmitindoDocFiscal, c.estado.segundos_emitindo),
      INT(TempoOperacional, MinutosEmOperacao(c)),
      RW_TEXTO(TextoLivre, texto_livre, 492, false),
      INT(TipoDocEmEmissao, DocumentoEmEmissao(c.estado) ? static_cast<int>(DocumentoEmEmissao(c.estado)->tipo) : 0),
      TXT(TipoECF, std::string("ECF-IF")),
      INT(TipoUltimoDocEmitido, static_cast<int>(c.estado.ultimo_tipo)),
      TOTAL_ALIQUOTA_REDUCAO(00, 0), TOTAL_ALIQUOTA_REDUCAO(01, 1), TOTAL_ALIQUOTA_REDUCAO(02, 2),
      TOTAL_ALIQUOTA_REDUCAO(03, 3), TOTAL_ALIQUOTA_REDUCAO(04, 4), TOTAL_ALIQUOTA_REDUCAO(05, 5),
      TOTAL_ALIQUOTA_REDUCAO(06, 6), TOTAL_ALIQUOTA_REDUCAO(07, 7), TOTAL_ALIQUOTA_REDUCAO(08, 8),
      TOTAL_ALIQUOTA_REDUCAO(09, 9), TOTAL_ALIQUOTA_REDUCAO(10, 10), TOTAL_ALIQUOTA_REDUCAO(11, 11),
      TOTAL_ALIQUOTA_REDUCAO(12, 12), TOTAL_ALIQUOTA_REDUCAO(13, 13), TOTAL_ALIQUOTA_REDUCAO(14, 14),
      TOTAL_ALIQUOTA_REDUCAO(15, 15),
      MOE(TotalDiaAcrescimos, c.TotaisDia().acrescimos),
      MOE(TotalDiaAcrescimosItens, c.TotaisDia().acrescimos_itens),
      MOE(TotalDiaAcrescimosNaoFiscais, c.TotaisDia().acrescimos_nao_fiscais),
      MOE(TotalDiaCancelamentoItens, c.TotaisDia().cancelamento_itens),
      MOE(TotalDiaCancelamentosICMS, c.TotaisDia().cancelamentos_icms),
      MOE(TotalDiaCancelamentosISSQN, c.TotaisDia().cancelamentos_issqn),
      MOE(TotalDiaCancelamentosNaoFiscais, c.TotaisDia().cancelamentos_nao_fiscais),
      MOE(TotalDiaDescontos, c.TotaisDia().descontos),
      MOE(TotalDiaDescontosItens, c.TotaisDia().descontos_itens),
      MOE(TotalDiaDescontosNaoFiscais, c.TotaisDia().descontos_nao_fiscais),
      MOE(TotalDiaDinheiro, c.TotaisDia().meio[U(c.estado.meio_dinheiro)]),
      ARR(TotalDiaImpostoAliquota, TR::kMoeda, 2, kTotalAliquotas, N(ImpostoAliquota(c.estado, c.TotaisDia(), i))),
      MOE(TotalDiaImpostoICMS, [&] {
        std::int64_t soma = 0;
        for (int k = 0; k < kTotalAliquotas; ++k)
          if (TributoICMS(c.estado, k)) soma += ImpostoAliquota(c.estado, c.TotaisDia(), k);
        return soma;
      }()),
      MOE(TotalDiaImpostoISSQN, [&] {
        std::int64_t soma = 0;
        for (int k = 0; k < kTotalAliquotas; ++k)
          if (!TributoICMS(c.estado, k)) soma += ImpostoAliquota(c.estado, c.TotaisDia(), k);
        return soma;
      }()),
      MOE(TotalDiaIsencaoICMS, c.TotaisDia().isento_icms),
      MOE(TotalDiaIsencaoISSQN, c.TotaisDia().isento_issqn),
      MOE(TotalDiaISSQN, c.TotaisDia().ISSQN(c.estado)),
      ARR(TotalDiaMeioPagamento, TR::kMoeda, 2, kTotalMeiosPagamento, N(c.TotaisDia().meio[U(i)])),
      ARR(TotalDiaNaoFiscal, TR::kMoeda, 2, kTotalNaoFiscais, N(c.TotaisDia().nao_fiscal[U(i)])),
      MOE(TotalDiaNaoTributadoICMS, c.TotaisDia().nao_tributado_icms),
      MOE(TotalDiaNaoTributadoISSQN, c.TotaisDia().nao_tributado_issqn),
      MOE(TotalDiaOperacoesNaoFiscais, c.TotaisDia().OperacoesNaoFiscais()),
      ARR(TotalDiaQuantidadeVendasDepartamento, TR::kMoeda, 3, kTotalDepartamentos,
          N(c.TotaisDia().departamento_quantidade[U(i)])),
      MOE(TotalDiaSubstituicaoTributariaICMS, c.TotaisDia().substituicao_icms),
      MOE(TotalDiaSubstituicaoTributariaISSQN, c.TotaisDia().substituicao_issqn),
      MOE(TotalDiaTroco, c.TotaisDia().troco),
      ARR(TotalDiaValorAliquota, TR::kMoeda, 2, kTotalAliquotas, N(c.TotaisDia().aliquota[U(i)])),
      MOE(TotalDiaValorEmCaixa, c.TotaisDia().meio[U(c.estado.meio_dinheiro)] - c.TotaisDia().troco),
      MOE(TotalDiaValorRecebido, c.TotaisDia().recebido),
      MOE(TotalDiaValorTributadoICMS, c.TotaisDia().ValorTributadoICMS(c.estado)),
      MOE(TotalDiaValorTributadoISSQN, c.TotaisDia().ValorTributadoISSQN(c.estado)),
      ARR(TotalDiaValorVendasDepartamento, TR::kMoeda, 2, kTotalDepartamentos, N(c.TotaisDia().departamento_valor[U(i)])),
      MOE(TotalDiaVendaBruta, c.TotaisDia().venda_bruta),
      MOE(TotalDiaVendaLiquida, c.TotaisDia().VendaLiquida()),
      MOE(TotalDocAcrescimos, c.TotaisDocumento().acrescimos),
      ARR(TotalDocAliquota, TR::kMoeda, 2, kTotalAliquotas, N(c.TotaisDocumento().aliquota[U(i)])),
      MOE(TotalDocBruto, c.TotaisDocumento().venda_bruta),
      MOE(TotalDocCancelamentoICMS, c.TotaisDocumento().cancelamentos_icms),
      MOE(TotalDocCancelamentoISSQN, c.TotaisDocumento().cancelamentos_issqn),
      MOE(TotalDocCancelamentosNaoFiscais, c.TotaisDocumento().cancelamentos_nao_fiscais),
      MOE(TotalDocDescontos, c.TotaisDocumento().descontos),
      MOE(TotalDocDinheiro, c.TotaisDocumento().meio[U(c.estado.meio_dinheiro)]),
      MOE(TotalDocIsencaoICMS, c.TotaisDocumento().isento_icms),
      MOE(TotalDocIsencaoISSQN, c.TotaisDocumento().isento_issqn),
      MOE(TotalDocISSQN, c.TotaisDocumento().ISSQN(c.estado)),
      MOE(TotalDocLiquido, Doc(c) && Doc(c)->tipo == TipoDocumento::kNaoFiscal ? c.TotaisDocumento().OperacoesNaoFiscais()
                                                                                  : c.TotaisDocumento().Liquido()),
      ARR(TotalDocMeioPagamento, TR::kMoeda, 2, kTotalMeiosPagamento, N(c.TotaisDocumento().meio[U(i)])),
      ARR(TotalDocNaoFiscal, TR::kMoeda, 2, kTotalNaoFiscais, N(c.TotaisDocumento().nao_fiscal[U(i)])),
      MOE(TotalDocNaoTributadoICMS, c.TotaisDocumento().nao_tributado_icms),
      MOE(TotalDocNaoTributadoISSQN, c.TotaisDocumento().nao_tributado_issqn),
      MOE(TotalDocSubstituicaoTributariaICMS, c.TotaisDocumento().substituicao_icms),
      MOE(TotalDocSubstituicaoTributariaISSQN, c.TotaisDocumento().substituicao_issqn),
      MOE(TotalDocTransacoesVenda, c.TotaisDocumento().itens_liquido),
      MOE(TotalDocTroco, c.TotaisDocumento().troco),
      MOE(TotalDocValorPago, c.TotaisDocumento().pago),
      INT(TradutorIndiceMeioPagamentoDinheiro, c.estado.meio_dinheiro),
      TXT(UltimoErroCircunstancia, c.ultimo_erro.circunstancia),
      INT(UltimoErroCodigo, c.ultimo_erro.codigo),
      TXT(UltimoErroNome, c.ultimo_erro_nome),
      MOE(VendaBrutaReducao, Z(c).venda_bruta),
      TXT(VersaoSW, std::string("01.00.00")),
};

constexpr bool TabelaNaOrdemDoProtocolo() {
  for (int i = 0; i < quorbal::kTotalRegistradores; ++i)
    if (quorbal::Indice(kTabela[i].registrador) != i) return false;
  return true;
}
static_assert(std::size(kTabela) == quorbal::kTotalRegistradores && TabelaNaOrdemDoProtocolo(),
              "one entry per register of quorbal's list, in its order");

constexpr bool IndicesComoNoProtocolo() {
  for (const DefRegistrador& def : kTabela)
    if ((def.indices > 0) != quorbal::Indexado(def.registrador)) return false;
  return true;
}
static_assert(IndicesComoNoProtocolo(), "indexed exactly where quorbal's list marks the register indexed");

}  // namespace

const Totais& ContextoLeitura::TotaisDia() const {
  if (!dia_) dia_ = CalculaDia(estado);
  return *dia_;
}

const Totais& ContextoLeitura::TotaisDocumento() const {
  if (!documento_) {
    const Documento* corrente = DocumentoCorrente(estado);
    documento_ = corrente ? CalculaDocumento(estado, *corrente) : Totais{};
  }
  return *documento_;
}

namespace {

// The entry whose name is nome up to any "[" (without regard to case).
const DefRegistrador* ProcuraBase(std::string_view nome) {
  const std::string_view base = nome.substr(0, nome.find('['));
  for (int i = 0; i < quorbal::kTotalRegistradores; ++i)
    if (quorbal::IgualSemCaixa(quorbal::kNomesRegistradores[i], base)) return &kTabela[i];
  return nullptr;
}

// The index written after def's name in nome ("[i]" closing the name): false when it is malformed,
// out of def's range, or def has no index.
bool LeIndice(const DefRegistrador& def, std::string_view nome, int& indice) {
  const std::string_view dentro = nome.substr(nome.find('[') + 1);
  std::int64_t lido = 0;
  if (def.indices == 0 || dentro.empty() || dentro.back() != ']' ||
      !LeInteiro(dentro.substr(0, dentro.size() - 1), 0, def.indices - 1, lido))
    return false;
  indice = static_cast<int>(lido);
  return true;
}

}  // namespace

const DefRegistrador* ProcuraRegistrador(std::string_view nome) {
  const DefRegistrador* def = ProcuraBase(nome);
  int indice = 0;
  if (def == nullptr || (nome.find('[') != std::string_view::npos && !LeIndice(*def, nome, indice))) return nullptr;
  return def;
}

Falha ResolveRegistrador(std::string_view nome, RegistradorResolvido& resolvido) {
  const DefRegistrador* def = ProcuraBase(nome);
  if (def == nullptr) return Erro("ErroProtNomeRegistrador", "Registrador '" + std::string(nome) + "' não existe");
  int indice = def->fixo >= 0 ? def->fixo : 0;
  if (nome.find('[') == std::string_view::npos) {
    if (def->indices > 0)
      return Erro("ErroProtIndiceRegistrador", "Registrador '" + std::string(def->nome()) + "' exige um índice de 0 a " +
                                                   std::to_string(def->indices - 1) + ", como " + def->nome() + "[0]");
  } else if (def->indices == 0) {
    return Erro("ErroProtIndiceRegistrador", "Registrador '" + std::string(def->nome()) + "' não tem índice");
  } else if (!LeIndice(*def, nome, indice)) {
    return Erro("ErroProtIndiceRegistrador", "Índice inválido em '" + std::string(nome) + "': use de 0 a " +
                                                 std::to_string(def->indices - 1));
  }
  resolvido.def = def;
  resolvido.indice = indice;
  return Ok();
}

std::optional<quorbal::Comando> ComandoDoTipo(TipoRegistrador tipo) {
  using quorbal::Comando;
  switch (tipo) {
    case TR::kInteiro: return Comando::LeInteiro;
    case TR::kMoeda: return Comando::LeMoeda;
    case TR::kTexto: return Comando::LeTexto;
    case TR::kData: return Comando::LeData;
    case TR::kHora: return Comando::LeHora;
    case TR::kIndicador: return Comando::LeIndicador;
    default: return std::nullopt;
  }
}

LeituraRegistrador ResolveComandoLeitura(std::optional<quorbal::Comando> comando, std::string& nome_comando) {
  if (!comando) return LeituraRegistrador::kTipoIncompativel;
  const quorbal::DescritorComando& d = quorbal::Descritor(*comando);
  if (d.total_parametros == 0) return LeituraRegistrador::kSemParametro;
  if (std::string_view(d.parametros[0].nome).substr(0, 4) != "Nome") return LeituraRegistrador::kSemParametroNome;
  nome_comando = d.nome;
  return LeituraRegistrador::kComando;
}

LeituraRegistrador ComandoDeLeitura(const std::string& registrador, std::string& comando) {
  const DefRegistrador* def = ProcuraRegistrador(registrador);
  if (def == nullptr) return LeituraRegistrador::kInexistente;
  return ResolveComandoLeitura(ComandoDoTipo(def->tipo), comando);
}

}  // namespace ecf
