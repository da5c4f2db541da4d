#include "quorbal/catalogo.h"

#include "quorbal/igual_sem_caixa.h"

namespace quorbal {

namespace {

const DescritorCampo kParAbreCreditoDebito[] = {
    {"CodMeioPagamento", kChar, 1, 0, 0},
    {"COO", kULong, 4, 0, 0},
    {"NomeMeioPagamento", kString, 16, 0, 0},
    {"NumItem", kInt, 2, 0, 0},
    {"NumParcelas", kChar, 1, 0, 0},
    {"Valor", kMoeda, 8, 2, 0},
};
const DescritorCampo kParAbreCupomFiscal[] = {
    {"EnderecoConsumidor", kString, 80, 0, 0},
    {"IdConsumidor", kString, 29, 0, 0},
    {"NomeConsumidor", kString, 30, 0, 0},
};
const DescritorCampo kParAbreCupomNaoFiscal[] = {
    {"EnderecoConsumidor", kString, 80, 0, 0},
    {"IdConsumidor", kString, 29, 0, 0},
    {"NomeConsumidor", kString, 30, 0, 0},
};
const DescritorCampo kParAbreGaveta[] = {
    {"TempoAcionamentoGaveta", kInt, 2, 0, 0},
};
const DescritorCampo kParAbreGerencial[] = {
    {"CodGerencial", kUChar, 1, 0, 0},
    {"NomeGerencial", kString, 30, 0, 0},
};
const DescritorCampo kParAcertaHorarioVerao[] = {
    {"EntradaHV", kChar, 1, 0, 0},
};
const DescritorCampo kParAcresceItemFiscal[] = {
    {"Cancelar", kBool, 1, 0, 1},
    {"NumItem", kInt, 2, 0, 0},
    {"ValorAcrescimo", kMoeda, 8, 2, 0},
    {"ValorPercentual", kMoeda, 8, 2, 0},
};
const DescritorCampo kParAcresceItemNaoFiscal[] = {
    {"Cancelar", kBool, 1, 0, 1},
    {"NumItem", kInt, 2, 0, 0},
    {"ValorAcrescimo", kMoeda, 8, 2, 0},
    {"ValorPercentual", kMoeda, 8, 2, 0},
};
const DescritorCampo kParAcresceSubtotal[] = {
    {"Cancelar", kBool, 1, 0, 1},
    {"ValorAcrescimo", kMoeda, 8, 2, 0},
    {"ValorPercentual", kMoeda, 8, 2, 0},
};
const DescritorCampo kParAvancaPapel[] = {
    {"Avanco", kUInt, 2, 0, 1},
};
const DescritorCampo kParCancelaCupom[] = {
    {"Operador", kString, 8, 0, 0},
};
const DescritorCampo kParCancelaItemFiscal[] = {
    {"NumItem", kInt, 2, 0, 0},
    {"Quantidade", kMoeda, 8, 3, 0},
};
const DescritorCampo kParCancelaItemNaoFiscal[] = {
    {"NumItem", kInt, 2, 0, 0},
};
const DescritorCampo kParChancelaCheque[] = {
    {"HPosChancelamento", kUInt, 2, 0, 1},
    {"TextoChancela", kString, 18, 0, 1},
    {"VPosChancelamento", kUInt, 2, 0, 1},
};
const DescritorCampo kParCortaPapel[] = {
    {"TipoCorte", kUChar, 1, 0, 1},
};
const DescritorCampo kParCruzaCheque[] = {
    {"LinhaCruzamento1", kString, 15, 0, 0},
    {"LinhaCruzamento2", kString, 15, 0, 0},
    {"LinhaCruzamento3", kString, 15, 0, 0},
    {"TipoCruzamento", kUChar, 1, 0, 0},
};
const DescritorCampo kParDefineAliquota[] = {
    {"AliquotaICMS", kBool, 1, 0, 0},
    {"CodAliquotaProgramavel", kChar, 1, 0, 0},
    {"DescricaoAliquota", kString, 80, 0, 0},
    {"PercentualAliquota", kMoeda, 8, 2, 1},
};
const DescritorCampo kRetDefineAliquota[] = {
    {"CodAliquotaProgramavel", kChar, 1, 0, 0},
};
const DescritorCampo kParDefineDadosCabecalho[] = {
    {"AlturaLogotipo", kUInt, 2, 0, 0},
    {"ECF", kUInt, 2, 0, 1},
    {"LarguraLogotipo", kUInt, 2, 0, 0},
    {"Logotipo", kString, 2025, 0, 0},
    {"Loja", kUInt, 2, 0, 1},
    {"TextoCabecalho", kString, 255, 0, 1},
};
const DescritorCampo kParDefineDepartamento[] = {
    {"CodDepartamento", kChar, 1, 0, 0},
    {"DescricaoDepartamento", kString, 80, 0, 0},
    {"NomeDepartamento", kString, 15, 0, 0},
};
const DescritorCampo kRetDefineDepartamento[] = {
    {"CodDepartamento", kChar, 1, 0, 0},
};
const DescritorCampo kParDefineGerencial[] = {
    {"CodGerencial", kUChar, 1, 0, 0},
    {"DescricaoGerencial", kString, 80, 0, 0},
    {"NomeGerencial", kString, 30, 0, 0},
};
const DescritorCampo kRetDefineGerencial[] = {
    {"CodGerencial", kUChar, 1, 0, 0},
};
const DescritorCampo kParDefineMeioPagamento[] = {
    {"CodMeioPagamentoProgram", kChar, 1, 0, 0},
    {"DescricaoMeioPagamento", kString, 80, 0, 0},
    {"NomeMeioPagamento", kString, 16, 0, 0},
    {"PermiteVinculado", kBool, 1, 0, 0},
};
const DescritorCampo kRetDefineMeioPagamento[] = {
    {"CodMeioPagamentoProgram", kChar, 1, 0, 0},
};
const DescritorCampo kParDefineNaoFiscal[] = {
    {"CodNaoFiscal", kChar, 1, 0, 0},
    {"DescricaoNaoFiscal", kString, 80, 0, 0},
    {"NomeNaoFiscal", kString, 19, 0, 0},
    {"TipoNaoFiscal", kBool, 1, 0, 0},
};
const DescritorCampo kRetDefineNaoFiscal[] = {
    {"CodNaoFiscal", kChar, 1, 0, 0},
};
const DescritorCampo kParDefineProprietario[] = {
    {"CNPJ", kString, 20, 0, 1},
    {"InscricaoEstadual", kString, 20, 0, 1},
    {"InscricaoMunicipal", kString, 20, 0, 0},
    {"Senha", kULong, 4, 0, 1},
};
const DescritorCampo kParEmiteItemNaoFiscal[] = {
    {"CodNaoFiscal", kChar, 1, 0, 0},
    {"NomeNaoFiscal", kString, 19, 0, 0},
    {"Valor", kMoeda, 8, 2, 1},
};
const DescritorCampo kParEmiteLeituraFitaDetalhe[] = {
    {"COOFinal", kULong, 4, 0, 0},
    {"COOInicial", kULong, 4, 0, 0},
    {"DataFinal", kData, 4, 0, 0},
    {"DataInicial", kData, 4, 0, 0},
    {"Destino", kString, 1, 0, 0},
    {"Proprietario", kUChar, 1, 0, 0},
    {"TipoDocumento", kString, 1, 0, 0},
};
const DescritorCampo kParEmiteLeituraMF[] = {
    {"DataFinal", kData, 4, 0, 0},
    {"DataInicial", kData, 4, 0, 0},
    {"Destino", kString, 1, 0, 0},
    {"LeituraSimplificada", kBool, 1, 0, 1},
    {"Operador", kString, 8, 0, 0},
    {"ReducaoFinal", kUInt, 2, 0, 0},
    {"ReducaoInicial", kUInt, 2, 0, 0},
};
const DescritorCampo kParEmiteLeituraX[] = {
    {"Destino", kString, 1, 0, 0},
    {"ImprimeBitmap", kBool, 1, 0, 0},
    {"Operador", kString, 8, 0, 0},
};
const DescritorCampo kParEmiteReducaoZ[] = {
    {"Hora", kHora, 4, 0, 0},
    {"Operador", kString, 8, 0, 0},
};
const DescritorCampo kParEncerraDocumento[] = {
    {"Operador", kString, 8, 0, 0},
    {"TextoPromocional", kString, 492, 0, 0},
};
const DescritorCampo kParEscreveData[] = {
    {"NomeData", kString, 50, 0, 1},
    {"ValorData", kData, 4, 0, 1},
};
const DescritorCampo kParEscreveHora[] = {
    {"NomeHora", kString, 50, 0, 1},
    {"ValorHora", kHora, 4, 0, 1},
};
const DescritorCampo kParEscreveIndicador[] = {
    {"NomeIndicador", kString, 2000, 0, 1},
    {"ValorNumericoIndicador", kLong, 4, 0, 0},
    {"ValorTextoIndicador", kString, 16, 0, 0},
};
const DescritorCampo kParEscreveInteiro[] = {
    {"NomeInteiro", kString, 50, 0, 1},
    {"ValorInteiro", kLong, 4, 0, 1},
};
const DescritorCampo kParEscreveMoeda[] = {
    {"NomeDadoMonetario", kString, 50, 0, 1},
    {"ValorMonetario", kMoeda, 8, 4, 1},
};
const DescritorCampo kParEscreveTexto[] = {
    {"NomeTexto", kString, 50, 0, 1},
    {"ValorTexto", kString, 4000, 0, 1},
};
const DescritorCampo kParEstornaCreditoDebito[] = {
    {"COO", kULong, 4, 0, 1},
};
const DescritorCampo kParEstornaMeioPagamento[] = {
    {"CodMeioPagamentoDestino", kChar, 1, 0, 0},
    {"CodMeioPagamentoOrigem", kChar, 1, 0, 0},
    {"NomeMeioPagamentoDest", kString, 16, 0, 0},
    {"NomeMeioPagamentoOrig", kString, 16, 0, 0},
    {"Operador", kString, 8, 0, 0},
    {"Valor", kMoeda, 8, 2, 1},
};
const DescritorCampo kParExcluiAliquota[] = {
    {"AliquotaICMS", kBool, 1, 0, 0},
    {"CodAliquotaProgramavel", kChar, 1, 0, 0},
    {"PercentualAliquota", kMoeda, 8, 2, 0},
};
const DescritorCampo kParExcluiDepartamento[] = {
    {"CodDepartamento", kChar, 1, 0, 0},
    {"NomeDepartamento", kString, 15, 0, 0},
};
const DescritorCampo kParExcluiGerencial[] = {
    {"CodGerencial", kUChar, 1, 0, 0},
    {"NomeGerencial", kString, 30, 0, 0},
};
const DescritorCampo kParExcluiMeioPagamento[] = {
    {"CodMeioPagamentoProgram", kChar, 1, 0, 0},
    {"NomeMeioPagamento", kString, 16, 0, 0},
};
const DescritorCampo kParExcluiNaoFiscal[] = {
    {"CodNaoFiscal", kChar, 1, 0, 0},
    {"NomeNaoFiscal", kString, 19, 0, 0},
};
const DescritorCampo kParIdentificaConsumidor[] = {
    {"EnderecoConsumidor", kString, 80, 0, 0},
    {"IdConsumidor", kString, 29, 0, 0},
    {"NomeConsumidor", kString, 30, 0, 0},
};
const DescritorCampo kParImprimeAutenticacao[] = {
    {"CaracterAutenticacao", kString, 36, 0, 0},
    {"SentidoInsercao", kUInt, 2, 0, 0},
    {"TempoEspera", kUChar, 1, 0, 0},
    {"TextoAutenticacao", kString, 50, 0, 0},
};
const DescritorCampo kParImprimeCheque[] = {
    {"Cidade", kString, 27, 0, 1},
    {"Data", kData, 4, 0, 1},
    {"Favorecido", kString, 45, 0, 1},
    {"HPosAno", kUInt, 2, 0, 1},
    {"HPosCidade", kUInt, 2, 0, 1},
    {"HPosDia", kUInt, 2, 0, 1},
    {"HPosExtensoLinha1", kUInt, 2, 0, 1},
    {"HPosExtensoLinha2", kUInt, 2, 0, 1},
    {"HPosFavorecido", kUInt, 2, 0, 1},
    {"HPosMes", kUInt, 2, 0, 1},
    {"HPosMsgLinha1", kUInt, 2, 0, 0},
    {"HPosMsgLinha2", kUInt, 2, 0, 0},
    {"HPosMsgLinha3", kUInt, 2, 0, 0},
    {"HPosValor", kUInt, 2, 0, 1},
    {"MensagemDocLinha1", kString, 80, 0, 0},
    {"MensagemDocLinha2", kString, 80, 0, 0},
    {"MensagemDocLinha3", kString, 80, 0, 0},
    {"TempoEspera", kUChar, 1, 0, 0},
    {"Valor", kMoeda, 8, 2, 1},
    {"VPosCidade", kUInt, 2, 0, 1},
    {"VPosExtensoLinha1", kUInt, 2, 0, 1},
    {"VPosExtensoLinha2", kUInt, 2, 0, 1},
    {"VPosFavorecido", kUInt, 2, 0, 1},
    {"VPosMsgLinha1", kUInt, 2, 0, 0},
    {"VPosMsgLinha2", kUInt, 2, 0, 0},
    {"VPosMsgLinha3", kUInt, 2, 0, 0},
    {"VPosValor", kUInt, 2, 0, 1},
};
const DescritorCampo kParImprimeTexto[] = {
    {"TextoLivre", kString, 492, 0, 1},
};
const DescritorCampo kParIniciaFitaDetalhe[] = {
    {"NumSerie", kString, 10, 0, 1},
};
const DescritorCampo kParLeAliquota[] = {
    {"AliquotaICMS", kBool, 1, 0, 0},
    {"CodAliquotaProgramavel", kChar, 1, 0, 0},
    {"PercentualAliquota", kMoeda, 8, 2, 0},
};
const DescritorCampo kRetLeAliquota[] = {
    {"AliquotaICMS", kBool, 1, 0, 0},
    {"CodAliquotaProgramavel", kChar, 1, 0, 0},
    {"DescricaoAliquota", kString, 80, 0, 0},
    {"PercentualAliquota", kMoeda, 8, 2, 0},
};
const DescritorCampo kParLeData[] = {
    {"NomeData", kString, 50, 0, 1},
};
const DescritorCampo kRetLeData[] = {
    {"ValorData", kData, 4, 0, 0},
};
const DescritorCampo kParLeDepartamento[] = {
    {"CodDepartamento", kChar, 1, 0, 0},
    {"NomeDepartamento", kString, 15, 0, 0},
};
const DescritorCampo kRetLeDepartamento[] = {
    {"CodDepartamento", kChar, 1, 0, 0},
    {"DescricaoDepartamento", kString, 80, 0, 0},
    {"NomeDepartamento", kString, 15, 0, 0},
};
const DescritorCampo kParLeGerencial[] = {
    {"CodGerencial", kUChar, 1, 0, 0},
    {"NomeGerencial", kString, 30, 0, 0},
};
const DescritorCampo kRetLeGerencial[] = {
    {"CodGerencial", kUChar, 1, 0, 0},
    {"DescricaoGerencial", kString, 80, 0, 0},
    {"NomeGerencial", kString, 30, 0, 0},
};
const DescritorCampo kParLeHora[] = {
    {"NomeHora", kString, 50, 0, 1},
};
const DescritorCampo kRetLeHora[] = {
    {"ValorHora", kHora, 4, 0, 0},
};
const DescritorCampo kRetLeImpressao[] = {
    {"TextoImpressao", kString, 4000, 0, 0},
};
const DescritorCampo kParLeIndicador[] = {
    {"NomeIndicador", kString, 2000, 0, 1},
};
const DescritorCampo kRetLeIndicador[] = {
    {"ValorNumericoIndicador", kLong, 4, 0, 0},
    {"ValorTextoIndicador", kString, 16, 0, 0},
};
const DescritorCampo kParLeInteiro[] = {
    {"NomeInteiro", kString, 50, 0, 1},
};
const DescritorCampo kRetLeInteiro[] = {
    {"ValorInteiro", kLong, 4, 0, 0},
};
const DescritorCampo kParLeMeioPagamento[] = {
    {"CodMeioPagamentoProgram", kChar, 1, 0, 0},
    {"NomeMeioPagamento", kString, 16, 0, 0},
};
const DescritorCampo kRetLeMeioPagamento[] = {
    {"CodMeioPagamentoProgram", kChar, 1, 0, 0},
    {"DescricaoMeioPagamento", kString, 80, 0, 0},
    {"NomeMeioPagamento", kString, 16, 0, 0},
    {"PermiteVinculado", kBool, 1, 0, 0},
};
const DescritorCampo kParLeMoeda[] = {
    {"NomeDadoMonetario", kString, 50, 0, 1},
};
const DescritorCampo kRetLeMoeda[] = {
    {"ValorMoeda", kMoeda, 8, 4, 0},
};
const DescritorCampo kParLeNaoFiscal[] = {
    {"CodNaoFiscal", kChar, 1, 0, 0},
    {"NomeNaoFiscal", kString, 19, 0, 0},
};
const DescritorCampo kRetLeNaoFiscal[] = {
    {"CodNaoFiscal", kChar, 1, 0, 0},
    {"DescricaoNaoFiscal", kString, 80, 0, 0},
    {"NomeNaoFiscal", kString, 19, 0, 0},
    {"TipoNaoFiscal", kBool, 1, 0, 0},
};
const DescritorCampo kParLeTexto[] = {
    {"NomeTexto", kString, 50, 0, 1},
};
const DescritorCampo kRetLeTexto[] = {
    {"ValorTexto", kString, 4000, 0, 0},
};
const DescritorCampo kParPagaCupom[] = {
    {"CodMeioPagamento", kChar, 1, 0, 0},
    {"NomeMeioPagamento", kString, 16, 0, 0},
    {"TextoAdicional", kString, 80, 0, 0},
    {"Valor", kMoeda, 8, 2, 1},
};
const DescritorCampo kParProgramaRelogio[] = {
    {"Data", kData, 4, 0, 0},
    {"Hora", kHora, 4, 0, 0},
};
const DescritorCampo kParVendeItem[] = {
    {"AliquotaICMS", kBool, 1, 0, 0},
    {"CodAliquota", kChar, 1, 0, 0},
    {"CodDepartamento", kChar, 1, 0, 0},
    {"CodProduto", kString, 48, 0, 1},
    {"NomeDepartamento", kString, 15, 0, 0},
    {"NomeProduto", kString, 200, 0, 1},
    {"PercentualAliquota", kMoeda, 8, 2, 0},
    {"PrecoUnitario", kMoeda, 8, 3, 1},
    {"Quantidade", kMoeda, 8, 3, 1},
    {"Unidade", kString, 2, 0, 0},
};

// The names as the command list spells them, by catalogue position.
constexpr const char* kNomesComandos[] = {
#define QUORBAL_NOME(nome) #nome,
    QUORBAL_COMANDOS(QUORBAL_NOME)
#undef QUORBAL_NOME
};

// One row of the catalogue: the command, its returns and its parameters.
constexpr DescritorComando Linha(Comando comando, std::uint32_t total_retornos, const DescritorCampo* retornos,
                                 std::uint32_t total_parametros, const DescritorCampo* parametros) {
  return {kNomesComandos[Posicao(comando)], total_retornos, retornos, total_parametros, parametros};
}

}  // namespace

constexpr DescritorComando kCatalogo[kTotalComandos] = {
    Linha(Comando::AbreCreditoDebito, 0, nullptr, 6, kParAbreCreditoDebito),
    Linha(Comando::AbreCupomFiscal, 0, nullptr, 3, kParAbreCupomFiscal),
    Linha(Comando::AbreCupomNaoFiscal, 0, nullptr, 3, kParAbreCupomNaoFiscal),
    Linha(Comando::AbreGaveta, 0, nullptr, 1, kParAbreGaveta),
    Linha(Comando::AbreGerencial, 0, nullptr, 2, kParAbreGerencial),
    Linha(Comando::AcertaHorarioVerao, 0, nullptr, 1, kParAcertaHorarioVerao),
    Linha(Comando::AcresceItemFiscal, 0, nullptr, 4, kParAcresceItemFiscal),
    Linha(Comando::AcresceItemNaoFiscal, 0, nullptr, 4, kParAcresceItemNaoFiscal),
    Linha(Comando::AcresceSubtotal, 0, nullptr, 3, kParAcresceSubtotal),
    Linha(Comando::AvancaPapel, 0, nullptr, 1, kParAvancaPapel),
    Linha(Comando::CancelaCupom, 0, nullptr, 1, kParCancelaCupom),
    Linha(Comando::CancelaItemFiscal, 0, nullptr, 2, kParCancelaItemFiscal),
    Linha(Comando::CancelaItemNaoFiscal, 0, nullptr, 1, kParCancelaItemNaoFiscal),
    Linha(Comando::ChancelaCheque, 0, nullptr, 3, kParChancelaCheque),
    Linha(Comando::CortaPapel, 0, nullptr, 1, kParCortaPapel),
    Linha(Comando::CruzaCheque, 0, nullptr, 4, kParCruzaCheque),
    Linha(Comando::DefineAliquota, 1, kRetDefineAliquota, 4, kParDefineAliquota),
    Linha(Comando::DefineDadosCabecalho, 0, nullptr, 6, kParDefineDadosCabecalho),
    Linha(Comando::DefineDepartamento, 1, kRetDefineDepartamento, 3, kParDefineDepartamento),
    Linha(Comando::DefineGerencial, 1, kRetDefineGerencial, 3, kParDefineGerencial),
    Linha(Comando::DefineMeioPagamento, 1, kRetDefineMeioPagamento, 4, kParDefineMeioPagamento),
    Linha(Comando::DefineNaoFiscal, 1, kRetDefineNaoFiscal, 4, kParDefineNaoFiscal),
    Linha(Comando::DefineProprietario, 0, nullptr, 4, kParDefineProprietario),
    Linha(Comando::EmiteItemNaoFiscal, 0, nullptr, 3, kParEmiteItemNaoFiscal),
    Linha(Comando::EmiteLeituraFitaDetalhe, 0, nullptr, 7, kParEmiteLeituraFitaDetalhe),
    Linha(Comando::EmiteLeituraMF, 0, nullptr, 7, kParEmiteLeituraMF),
    Linha(Comando::EmiteLeituraX, 0, nullptr, 3, kParEmiteLeituraX),
    Linha(Comando::EmiteReducaoZ, 0, nullptr, 2, kParEmiteReducaoZ),
    Linha(Comando::EmiteViaCreditoDebito, 0, nullptr, 0, nullptr),
    Linha(Comando::EncerraDocumento, 0, nullptr, 2, kParEncerraDocumento),
    Linha(Comando::EscreveData, 0, nullptr, 2, kParEscreveData),
    Linha(Comando::EscreveHora, 0, nullptr, 2, kParEscreveHora),
    Linha(Comando::EscreveIndicador, 0, nullptr, 3, kParEscreveIndicador),
    Linha(Comando::EscreveInteiro, 0, nullptr, 2, kParEscreveInteiro),
    Linha(Comando::EscreveMoeda, 0, nullptr, 2, kParEscreveMoeda),
    Linha(Comando::EscreveTexto, 0, nullptr, 2, kParEscreveTexto),
    Linha(Comando::EstornaCreditoDebito, 0, nullptr, 1, kParEstornaCreditoDebito),
    Linha(Comando::EstornaMeioPagamento, 0, nullptr, 6, kParEstornaMeioPagamento),
    Linha(Comando::ExcluiAliquota, 0, nullptr, 3, kParExcluiAliquota),
    Linha(Comando::ExcluiDepartamento, 0, nullptr, 2, kParExcluiDepartamento),
    Linha(Comando::ExcluiGerencial, 0, nullptr, 2, kParExcluiGerencial),
    Linha(Comando::ExcluiMeioPagamento, 0, nullptr, 2, kParExcluiMeioPagamento),
    Linha(Comando::ExcluiNaoFiscal, 0, nullptr, 2, kParExcluiNaoFiscal),
    Linha(Comando::ExpulsaDocumento, 0, nullptr, 0, nullptr),
    Linha(Comando::IdentificaConsumidor, 0, nullptr, 3, kParIdentificaConsumidor),
    Linha(Comando::ImprimeAutenticacao, 0, nullptr, 4, kParImprimeAutenticacao),
    Linha(Comando::ImprimeCheque, 0, nullptr, 27, kParImprimeCheque),
    Linha(Comando::ImprimeCupomAdicional, 0, nullptr, 0, nullptr),
    Linha(Comando::ImprimeDadosDepartamento, 0, nullptr, 0, nullptr),
    Linha(Comando::ImprimeTexto, 0, nullptr, 1, kParImprimeTexto),
    Linha(Comando::IniciaFitaDetalhe, 0, nullptr, 1, kParIniciaFitaDetalhe),
    Linha(Comando::LeAliquota, 4, kRetLeAliquota, 3, kParLeAliquota),
    Linha(Comando::LeData, 1, kRetLeData, 1, kParLeData),
    Linha(Comando::LeDepartamento, 3, kRetLeDepartamento, 2, kParLeDepartamento),
    Linha(Comando::LeGerencial, 3, kRetLeGerencial, 2, kParLeGerencial),
    Linha(Comando::LeHora, 1, kRetLeHora, 1, kParLeHora),
    Linha(Comando::LeImpressao, 1, kRetLeImpressao, 0, nullptr),
    Linha(Comando::LeIndicador, 2, kRetLeIndicador, 1, kParLeIndicador),
    Linha(Comando::LeInteiro, 1, kRetLeInteiro, 1, kParLeInteiro),
    Linha(Comando::LeMeioPagamento, 4, kRetLeMeioPagamento, 2, kParLeMeioPagamento),
    Linha(Comando::LeMoeda, 1, kRetLeMoeda, 1, kParLeMoeda),
    Linha(Comando::LeNaoFiscal, 4, kRetLeNaoFiscal, 2, kParLeNaoFiscal),
    Linha(Comando::LeTexto, 1, kRetLeTexto, 1, kParLeTexto),
    Linha(Comando::PagaCupom, 0, nullptr, 4, kParPagaCupom),
    Linha(Comando::ProgramaRelogio, 0, nullptr, 2, kParProgramaRelogio),
    Linha(Comando::ReimprimeViaCreditoDebito, 0, nullptr, 0, nullptr),
    Linha(Comando::ReinicializaEquipamento, 0, nullptr, 0, nullptr),
    Linha(Comando::VendeItem, 0, nullptr, 10, kParVendeItem),
};

namespace {
// Each row stands at its command's position.
constexpr bool CatalogoEmOrdem() {
  for (int i = 0; i < kTotalComandos; ++i)
    if (kCatalogo[i].nome != kNomesComandos[i]) return false;
  return true;
}
}  // namespace
static_assert(CatalogoEmOrdem(), "kCatalogo's rows must follow QUORBAL_COMANDOS");

const char* NomeTipo(int tipo) {
  static const char* const kNomes[kTotalTipos] = {"bool",  "char",   "data",  "hora", "int",  "long",
                                                  "moeda", "string", "uchar", "uint", "ulong"};
  return tipo >= 0 && tipo < kTotalTipos ? kNomes[tipo] : "";
}

int ProcuraComando(std::string_view nome) {
  for (int i = 0; i < kTotalComandos; ++i)
    if (IgualSemCaixa(kCatalogo[i].nome, nome)) return i;
  return -1;
}

int ProcuraCampo(const DescritorCampo* campos, std::uint32_t total, std::string_view nome) {
  std::string_view procurado = nome.substr(0, kTamanhoNomeSignificativo);
  for (std::uint32_t i = 0; i < total; ++i) {
    std::string_view candidato = std::string_view(campos[i].nome).substr(0, kTamanhoNomeSignificativo);
    if (candidato == procurado) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace quorbal
