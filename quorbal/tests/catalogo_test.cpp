#include <gtest/gtest.h>

#include <string>

#include "quorbal/catalogo.h"
#include "quorbal/registro.h"

using namespace quorbal;

namespace {

// The catalogue in its documented notation: "Command | parameters | returns", where a field is
// "Name type", "Name string(size)" or "Name moeda(decimals)", "*" marks a mandatory parameter and
// "-" stands for no field.
const char* const kCatalogoEsperado[kTotalComandos] = {
    "AbreCreditoDebito | CodMeioPagamento char, COO ulong, NomeMeioPagamento string(16), NumItem int, NumParcelas char, Valor moeda(2) | -",
    "AbreCupomFiscal | EnderecoConsumidor string(80), IdConsumidor string(29), NomeConsumidor string(30) | -",
    "AbreCupomNaoFiscal | EnderecoConsumidor string(80), IdConsumidor string(29), NomeConsumidor string(30) | -",
    "AbreGaveta | TempoAcionamentoGaveta int | -",
    "AbreGerencial | CodGerencial uchar, NomeGerencial string(30) | -",
    "AcertaHorarioVerao | EntradaHV char | -",
    "AcresceItemFiscal | Cancelar bool*, NumItem int, ValorAcrescimo moeda(2), ValorPercentual moeda(2) | -",
    "AcresceItemNaoFiscal | Cancelar bool*, NumItem int, ValorAcrescimo moeda(2), ValorPercentual moeda(2) | -",
    "AcresceSubtotal | Cancelar bool*, ValorAcrescimo moeda(2), ValorPercentual moeda(2) | -",
    "AvancaPapel | Avanco uint* | -",
    "CancelaCupom | Operador string(8) | -",
    "CancelaItemFiscal | NumItem int, Quantidade moeda(3) | -",
    "CancelaItemNaoFiscal | NumItem int | -",
    "ChancelaCheque | HPosChancelamento uint*, TextoChancela string(18)*, VPosChancelamento uint* | -",
    "CortaPapel | TipoCorte uchar* | -",
    "CruzaCheque | LinhaCruzamento1 string(15), LinhaCruzamento2 string(15), LinhaCruzamento3 string(15), TipoCruzamento uchar | -",
    "DefineAliquota | AliquotaICMS bool, CodAliquotaProgramavel char, DescricaoAliquota string(80), PercentualAliquota moeda(2)* | CodAliquotaProgramavel char",
    "DefineDadosCabecalho | AlturaLogotipo uint, ECF uint*, LarguraLogotipo uint, Logotipo string(2025), Loja uint*, TextoCabecalho string(255)* | -",
    "DefineDepartamento | CodDepartamento char, DescricaoDepartamento string(80), NomeDepartamento string(15) | CodDepartamento char",
    "DefineGerencial | CodGerencial uchar, DescricaoGerencial string(80), NomeGerencial string(30) | CodGerencial uchar",
    "DefineMeioPagamento | CodMeioPagamentoProgram char, DescricaoMeioPagamento string(80), NomeMeioPagamento string(16), PermiteVinculado bool | CodMeioPagamentoProgram char",
    "DefineNaoFiscal | CodNaoFiscal char, DescricaoNaoFiscal string(80), NomeNaoFiscal string(19), TipoNaoFiscal bool | CodNaoFiscal char",
    "DefineProprietario | CNPJ string(20)*, InscricaoEstadual string(20)*, InscricaoMunicipal string(20), Senha ulong* | -",
    "EmiteItemNaoFiscal | CodNaoFiscal char, NomeNaoFiscal string(19), Valor moeda(2)* | -",
    "EmiteLeituraFitaDetalhe | COOFinal ulong, COOInicial ulong, DataFinal data, DataInicial data, Destino string(1), Proprietario uchar, TipoDocumento string(1) | -",
    "EmiteLeituraMF | DataFinal data, DataInicial data, Destino string(1), LeituraSimplificada bool*, Operador string(8), ReducaoFinal uint, ReducaoInicial uint | -",
    "EmiteLeituraX | Destino string(1), ImprimeBitmap bool, Operador string(8) | -",
    "EmiteReducaoZ | Hora hora, Operador string(8) | -",
    "EmiteViaCreditoDebito | - | -",
    "EncerraDocumento | Operador string(8), TextoPromocional string(492) | -",
    "EscreveData | NomeData string(50)*, ValorData data* | -",
    "EscreveHora | NomeHora string(50)*, ValorHora hora* | -",
    "EscreveIndicador | NomeIndicador string(2000)*, ValorNumericoIndicador long, ValorTextoIndicador string(16) | -",
    "EscreveInteiro | NomeInteiro string(50)*, ValorInteiro long* | -",
    "EscreveMoeda | NomeDadoMonetario string(50)*, ValorMonetario moeda(4)* | -",
    "EscreveTexto | NomeTexto string(50)*, ValorTexto string(4000)* | -",
    "EstornaCreditoDebito | COO ulong* | -",
    "EstornaMeioPagamento | CodMeioPagamentoDestino char, CodMeioPagamentoOrigem char, NomeMeioPagamentoDest string(16), NomeMeioPagamentoOrig string(16), Operador string(8), Valor moeda(2)* | -",
    "ExcluiAliquota | AliquotaICMS bool, CodAliquotaProgramavel char, PercentualAliquota moeda(2) | -",
    "ExcluiDepartamento | CodDepartamento char, NomeDepartamento string(15) | -",
    "ExcluiGerencial | CodGerencial uchar, NomeGerencial string(30) | -",
    "ExcluiMeioPagamento | CodMeioPagamentoProgram char, NomeMeioPagamento string(16) | -",
    "ExcluiNaoFiscal | CodNaoFiscal char, NomeNaoFiscal string(19) | -",
    "ExpulsaDocumento | - | -",
    "IdentificaConsumidor | EnderecoConsumidor string(80), IdConsumidor string(29), NomeConsumidor string(30) | -",
    "ImprimeAutenticacao | CaracterAutenticacao string(36), SentidoInsercao uint, TempoEspera uchar, TextoAutenticacao string(50) | -",
    "ImprimeCheque | Cidade string(27)*, Data data*, Favorecido string(45)*, HPosAno uint*, HPosCidade uint*, HPosDia uint*, HPosExtensoLinha1 uint*, HPosExtensoLinha2 uint*, HPosFavorecido uint*, HPosMes uint*, HPosMsgLinha1 uint, HPosMsgLinha2 uint, HPosMsgLinha3 uint, HPosValor uint*, MensagemDocLinha1 string(80), MensagemDocLinha2 string(80), MensagemDocLinha3 string(80), TempoEspera uchar, Valor moeda(2)*, VPosCidade uint*, VPosExtensoLinha1 uint*, VPosExtensoLinha2 uint*, VPosFavorecido uint*, VPosMsgLinha1 uint, VPosMsgLinha2 uint, VPosMsgLinha3 uint, VPosValor uint* | -",
    "ImprimeCupomAdicional | - | -",
    "ImprimeDadosDepartamento | - | -",
    "ImprimeTexto | TextoLivre string(492)* | -",
    "IniciaFitaDetalhe | NumSerie string(10)* | -",
    "LeAliquota | AliquotaICMS bool, CodAliquotaProgramavel char, PercentualAliquota moeda(2) | AliquotaICMS bool, CodAliquotaProgramavel char, DescricaoAliquota string(80), PercentualAliquota moeda(2)",
    "LeData | NomeData string(50)* | ValorData data",
    "LeDepartamento | CodDepartamento char, NomeDepartamento string(15) | CodDepartamento char, DescricaoDepartamento string(80), NomeDepartamento string(15)",
    "LeGerencial | CodGerencial uchar, NomeGerencial string(30) | CodGerencial uchar, DescricaoGerencial string(80), NomeGerencial string(30)",
    "LeHora | NomeHora string(50)* | ValorHora hora",
    "LeImpressao | - | TextoImpressao string(4000)",
    "LeIndicador | NomeIndicador string(2000)* | ValorNumericoIndicador long, ValorTextoIndicador string(16)",
    "LeInteiro | NomeInteiro string(50)* | ValorInteiro long",
    "LeMeioPagamento | CodMeioPagamentoProgram char, NomeMeioPagamento string(16) | CodMeioPagamentoProgram char, DescricaoMeioPagamento string(80), NomeMeioPagamento string(16), PermiteVinculado bool",
    "LeMoeda | NomeDadoMonetario string(50)* | ValorMoeda moeda(4)",
    "LeNaoFiscal | CodNaoFiscal char, NomeNaoFiscal string(19) | CodNaoFiscal char, DescricaoNaoFiscal string(80), NomeNaoFiscal string(19), TipoNaoFiscal bool",
    "LeTexto | NomeTexto string(50)* | ValorTexto string(4000)",
    "PagaCupom | CodMeioPagamento char, NomeMeioPagamento string(16), TextoAdicional string(80), Valor moeda(2)* | -",
    "ProgramaRelogio | Data data, Hora hora | -",
    "ReimprimeViaCreditoDebito | - | -",
    "ReinicializaEquipamento | - | -",
    "VendeItem | AliquotaICMS bool, CodAliquota char, CodDepartamento char, CodProduto string(48)*, NomeDepartamento string(15), NomeProduto string(200)*, PercentualAliquota moeda(2), PrecoUnitario moeda(3)*, Quantidade moeda(3)*, Unidade string(2) | -",
};

std::string Notacao(const DescritorCampo* campos, std::uint32_t total) {
  if (total == 0) return "-";
  std::string texto;
  for (std::uint32_t i = 0; i < total; ++i) {
    const DescritorCampo& c = campos[i];
    if (i) texto += ", ";
    texto += std::string(c.nome) + " " + NomeTipo(c.tipo);
    if (c.tipo == kString) texto += "(" + std::to_string(c.tamanho) + ")";
    if (c.tipo == kMoeda) texto += "(" + std::to_string(c.decimais) + ")";
    if (c.obrigatorio) texto += "*";
  }
  return texto;
}

}  // namespace

TEST(Catalogo, EveryEntryMatchesTheDocumentedTable) {
  for (int i = 0; i < kTotalComandos; ++i) {
    const DescritorComando& d = kCatalogo[i];
    std::string texto = std::string(d.nome) + " | " + Notacao(d.parametros, d.total_parametros) + " | " +
                        Notacao(d.retornos, d.total_retornos);
    EXPECT_EQ(texto, kCatalogoEsperado[i]) << "entry " << i;
  }
}

TEST(Catalogo, IsInAlphabeticalOrderAndReturnsAreNeverMandatory) {
  for (int i = 1; i < kTotalComandos; ++i) EXPECT_LT(std::string(kCatalogo[i - 1].nome), kCatalogo[i].nome);
  for (const DescritorComando& d : kCatalogo)
    for (std::uint32_t k = 0; k < d.total_retornos; ++k) EXPECT_EQ(d.retornos[k].obrigatorio, 0) << d.nome;
}

// The driver refuses names outside this set, so no catalogue name may leave it.
TEST(Catalogo, EveryNameIsWrittenInTheCharactersOfNames) {
  for (const DescritorComando& d : kCatalogo) {
    EXPECT_TRUE(NomeValido(d.nome)) << d.nome;
    for (std::uint32_t k = 0; k < d.total_parametros; ++k) EXPECT_TRUE(NomeValido(d.parametros[k].nome)) << d.nome;
    for (std::uint32_t k = 0; k < d.total_retornos; ++k) EXPECT_TRUE(NomeValido(d.retornos[k].nome)) << d.nome;
  }
  for (const char* fora : {"", "Abre Gaveta", "Abre\rGaveta", "Abre;", "A\xC7\xC3O", "Nome="}) EXPECT_FALSE(NomeValido(fora)) << fora;
}

TEST(Catalogo, CommandLookupIgnoresCaseButNeedsTheWholeName) {
  EXPECT_EQ(ProcuraComando("AbreGaveta"), 3);
  EXPECT_EQ(ProcuraComando("abregaveta"), 3);
  EXPECT_EQ(ProcuraComando("VENDEITEM"), 67);
  EXPECT_EQ(ProcuraComando("AbreGavet"), -1);
  EXPECT_EQ(ProcuraComando("AbreGavetaX"), -1);
  EXPECT_EQ(ProcuraComando(""), -1);
}

TEST(Catalogo, FieldLookupIsCaseSensitiveOverThirtyCharacters) {
  const DescritorComando& venda = kCatalogo[ProcuraComando("VendeItem")];
  EXPECT_EQ(ProcuraCampo(venda.parametros, venda.total_parametros, "PrecoUnitario"), 7);
  EXPECT_EQ(ProcuraCampo(venda.parametros, venda.total_parametros, "precounitario"), -1);
  EXPECT_EQ(ProcuraCampo(venda.parametros, venda.total_parametros, "Preco"), -1);

  // Names longer than 30 characters are equal when their first 30 characters are.
  const DescritorCampo longos[] = {{"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789", kInt, 2, 0, 0}};
  EXPECT_EQ(ProcuraCampo(longos, 1, "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123_differs_after_30"), 0);
  EXPECT_EQ(ProcuraCampo(longos, 1, "ABCDEFGHIJKLMNOPQRSTUVWXYZ012"), -1);
}
