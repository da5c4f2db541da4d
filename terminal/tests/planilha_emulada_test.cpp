// The workbook cross-check end to end: the emulated printer of the stand-in library, the embedded
// engine and the generated example workbook. Totalizers configured, the X reading captured, a small
// day mirrored, then the X reading checked against what the workbook computed.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "apoio/emulada_conectada.h"
#include "cli_programa.h"
#include "driver/execucao.h"
#include "fonte_planilha.h"
#include "quorbal/comandos.h"
#include "spreadsheet/configura_totalizadores.h"
#include "spreadsheet/embutido/pasta_embutida.h"
#include "spreadsheet/escolha_motor.h"
#include "spreadsheet/leitura_x_planilha.h"
#include "spreadsheet/liga_planilha.h"
#include "spreadsheet/ligacao_planilha.h"

namespace tarnel {
namespace {

using quorbal::Comando;
using Campos = std::vector<std::pair<std::string, std::string>>;
using Textos = std::vector<std::string>;

class PlanilhaEmulada : public teste::EmuladaConectada {
 protected:
  PlanilhaEmulada() : EmuladaConectada("tarnel-planilha-emulada") {}
  void SetUp() override {
    EmuladaConectada::SetUp();
    std::filesystem::copy_file(PLANILHA_ECF, "PlanilhaECF.xls");
    LigaPlanilha(frm, EscolheMotorPlanilha("embutido"));
  }
  // Runs a command through the execute path, as the window's button does; true when the printer
  // accepted it.
  bool Executa(Comando comando, const Campos& campos) {
    const int indice = quorbal::Posicao(comando);
    frm.SelecionaComando(indice);
    frm.LimpaCampos(indice);
    for (const auto& [nome, texto] : campos)
      if (!frm.DefineParametro(indice, nome, texto)) return false;
    return ExecutaComandoSelecionado(frm) && frm.CodigoErro == 0;
  }
  // Runs the commands in order, each expected to succeed.
  void Executa(const std::vector<std::pair<Comando, Campos>>& comandos) {
    for (const auto& [comando, campos] : comandos)
      EXPECT_TRUE(Executa(comando, campos)) << quorbal::Descritor(comando).nome << ": " << frm.ebNomeErro;
  }
  // The lines of one check of the X reading.
  std::vector<Textos> Confere() {
    interacao.listas_erros.clear();
    ConfereLeituraXExecute(frm);
    return interacao.listas_erros;
  }
  // Totalizers configured and the X reading captured: the start of a test.
  void Prepara() {
    ASSERT_TRUE(Executa(Comando::DefineNaoFiscal, {{"DescricaoNaoFiscal", "Sangria de caixa"},
                                                   {"NomeNaoFiscal", "Sangria"}, {"TipoNaoFiscal", "0"}}));
    ConfiguraTotalizadores(frm);
    ObtemLeituraXExecute(frm);
    ASSERT_EQ(interacao.listas_erros, std::vector<Textos>{});
    ASSERT_TRUE(frm.PlanilhaConectada);
  }

  static std::pair<Comando, Campos> Item(const char* aliquota, const char* preco, const char* quantidade) {
    return {Comando::VendeItem, {{"CodAliquota", aliquota}, {"CodProduto", "1"}, {"NomeProduto", "Produto"},
                                 {"PrecoUnitario", preco}, {"Quantidade", quantidade}}};
  }
  // A coupon of two aliquots, an item discount by item number, a subtotal discount, paid in cash by
  // name and by another means, with change.
  const std::vector<std::pair<Comando, Campos>> cupom_ = {
      {Comando::AbreCupomFiscal, {}},
      Item("0", "21,90", "1"),
      Item("1", "8,49", "2"),
      {Comando::AcresceItemFiscal, {{"Cancelar", "0"}, {"NumItem", "2"}, {"ValorAcrescimo", "-1,90"}}},
      {Comando::AcresceSubtotal, {{"Cancelar", "0"}, {"ValorPercentual", "-5,00"}}},
      {Comando::PagaCupom, {{"NomeMeioPagamento", "Dinheiro"}, {"Valor", "20,00"}}},
      {Comando::PagaCupom, {{"CodMeioPagamento", "1"}, {"Valor", "20,00"}}},
      {Comando::EncerraDocumento, {{"Operador", "Ana"}}},
  };
  // A withdrawal of 30,00 in cash: the printer counts it out of the cash.
  const std::vector<std::pair<Comando, Campos>> sangria_ = {
      {Comando::AbreCupomNaoFiscal, {}},
      {Comando::EmiteItemNaoFiscal, {{"NomeNaoFiscal", "Sangria"}, {"Valor", "30,00"}}},
      {Comando::PagaCupom, {{"NomeMeioPagamento", "Dinheiro"}, {"Valor", "30,00"}}},
      {Comando::EncerraDocumento, {}},
  };
};

// One capture, then many documents: each new document moves the last one's figures into the day,
// item numbers start again with each coupon, and the document registers always read as the
// printer's last document. Checked after each document, and after the Z, which zeroes the day's
// totals while the grand total goes on.
TEST_F(PlanilhaEmulada, UmaCapturaConfereOsDocumentosQueSeSeguem) {
  Prepara();
  Executa(cupom_);
  EXPECT_EQ(Confere(), std::vector<Textos>{});
  Executa(sangria_);
  EXPECT_EQ(Confere(), std::vector<Textos>{});
  Executa(cupom_);
  Executa({{Comando::AbreCupomFiscal, {}}, Item("0", "3,20", "3"), {Comando::CancelaCupom, {}}});
  EXPECT_EQ(Confere(), std::vector<Textos>{});
  Executa({{Comando::EmiteLeituraX, {}}, {Comando::EmiteReducaoZ, {}}});
  EXPECT_EQ(Confere(), std::vector<Textos>{});
  EXPECT_EQ(interacao.mensagens, Textos{});
}

// A subtotal discount's leftover cent goes to the first of the largest buckets only, also when an
// aliquot ties with a tax situation (R$ 1,00 each on aliquot 1, F1 and N1, 0,05 off: 0,97 on the
// aliquot, 0,99 on F1 and N1).
TEST_F(PlanilhaEmulada, RestoDoRateioNumEmpateVaiAUmSoBalde) {
  Prepara();
  Executa({{Comando::AbreCupomFiscal, {}},
           Item("-2", "1,00", "1"),
           Item("1", "1,00", "1"),
           Item("-4", "1,00", "1"),
           {Comando::AcresceSubtotal, {{"Cancelar", "0"}, {"ValorAcrescimo", "-0,05"}}},
           {Comando::PagaCupom, {{"CodMeioPagamento", "0"}, {"Valor", "10,00"}}},
           {Comando::EncerraDocumento, {}}});
  EXPECT_EQ(Confere(), std::vector<Textos>{});
}

// The check is no formality: a sale the mirroring never saw shows as exactly the totals it changes.
// The workbook's coupon then nets 0 when paid, which the mirroring takes for a cancelled coupon.
TEST_F(PlanilhaEmulada, VendaNaoEspelhadaApareceNosTotaisQueMuda) {
  Prepara();
  Executa(cupom_);
  Executa({{Comando::AbreCupomFiscal, {}}});
  frm.PlanilhaConectada = false;  // as if the link were off for this one command
  Executa({Item("1", "2,00", "1")});
  frm.PlanilhaConectada = true;
  Executa({{Comando::PagaCupom, {{"CodMeioPagamento", "1"}, {"Valor", "2,00"}}}, {Comando::EncerraDocumento, {}}});
  EXPECT_EQ(Confere(), (std::vector<Textos>{{
                           "GT: LX (40,88) - Planilha (38,88)!",
                           "TotalDiaVendaBruta: LX (40,88) - Planilha (38,88)!",
                           "TotalDiaVendaLiquida: LX (37,13) - Planilha (35,13)!",
                           "TotalDiaValorAliquota[1]: LX (16,33) - Planilha (14,33)!",
                           "TotalDiaMeioPagamento[1]: LX (22) - Planilha (20)!",
                           "CFC: LX (0) - Planilha (1)!",
                           "TotalDocBruto: LX (2) - Planilha (0)!",
                           "TotalDocLiquido: LX (2) - Planilha (0)!",
                           "TotalDocMeioPagamento[1]: LX (2) - Planilha (0)!",
                           "TotalDocValorPago: LX (2) - Planilha (0)!",
                           "TotalDocAliquota[1]: LX (2) - Planilha (0)!",
                           "TotalDiaImpostoAliquota[1]: LX (1,14) - Planilha (1)!",
                           "TotalDiaImpostoICMS: LX (4,88) - Planilha (4,74)!",
                           "TotalDiaValorTributadoICMS: LX (37,13) - Planilha (35,13)!",
                       }}));
}

// A workbook whose aliquot percentage differs from the printer's: only the taxes differ.
TEST_F(PlanilhaEmulada, AliquotaDiferenteNaPlanilhaApareceNosImpostos) {
  Prepara();
  Ligacao(frm).DefineValor("PercentualAliquota[0]", 17.0);
  Executa(cupom_);
  EXPECT_EQ(Confere(), (std::vector<Textos>{{"TotalDiaImpostoAliquota[0]: LX (3,74) - Planilha (3,54)!",
                                             "TotalDiaImpostoICMS: LX (4,74) - Planilha (4,54)!"}}));
}

}  // namespace
}  // namespace tarnel

namespace tarnel {
namespace {

// tarnel-cli replays the example day on a fresh emulated printer, with one capture at the start:
// the link is made for the run, and neither check, before and after the Z, finds a difference.
// tarnel-cli in a scratch folder of its own, with the embedded engine.
class PlanilhaCli : public ::testing::Test {
 protected:
  PlanilhaCli() { pasta.set_env("TARNEL_PLANILHA", "embutido"); }
  static void CopiaPlanilha() { std::filesystem::copy_file(PLANILHA_ECF, "PlanilhaECF.xls"); }

  test_support::TempFolder pasta{"tarnel-planilha-cli", test_support::TempFolder::enter |
                                                            test_support::TempFolder::user_folders};
};

TEST_F(PlanilhaCli, ExemploDiaPlanilhaConferido) {
  CopiaPlanilha();
  std::filesystem::copy_file(std::string(EXEMPLOS) + "/dia_planilha.RMT", "dia.RMT");
  const teste_cli::Execucao e = teste_cli::RodaCli(pasta, {"run", "--pausar-erro", "--responder", "nao", "dia.RMT"});
  EXPECT_EQ(e.status, 0) << e.saida << e.mensagens;
  EXPECT_EQ(e.saida.find("Erros Detectados"), std::string::npos) << e.saida;
  EXPECT_NE(e.saida.find(u8"dia.RMT: executado até o fim, 62 comandos, 0 diferenças\n"), std::string::npos) << e.saida;
  EXPECT_GT(std::filesystem::file_size("PlanilhaECF.xls"), 0u);  // saved when the link went off
}

}  // namespace
}  // namespace tarnel

namespace tarnel {
namespace {

// A replay is a test: a workbook directive whose workbook does not open, or a check that lists
// differences, makes the run fail, with the message among its lines and a case of the report.
TEST_F(PlanilhaCli, RunFalhaQuandoAPlanilhaNaoAbreOuNaoConfere) {
  test_support::write_bytes(pasta.file("s.RMT"), "$PlanilhaConfereLX\r\n");
  const std::string fim = u8"s.RMT: executado até o fim, 0 comandos, 0 diferenças, 1 outra falha\n";
  const teste_cli::Execucao sem = teste_cli::RodaCli(pasta, {"run", "s.RMT", "--relatorio", "s.xml"});
  EXPECT_EQ(sem.status, 1) << sem.saida;
  EXPECT_EQ(sem.saida, "s.RMT:1: Planilha '" + pasta.file("PlanilhaECF.xls") + u8"' não encontrada!\n" + fim);
  std::string xml = test_support::read_bytes(pasta.file("s.xml"));
  EXPECT_NE(xml.find("<testsuite name=\"s.RMT\" tests=\"1\" failures=\"0\" errors=\"1\">\n"
                     "    <testcase classname=\"s.RMT\" name=\"linha 1 mensagem de erro\">\n"
                     "      <error message=\"Planilha &apos;" +
                     pasta.file("PlanilhaECF.xls") + u8"&apos; não encontrada!\"></error>\n"),
            std::string::npos)
      << xml;

  CopiaPlanilha();
  for (const char* operacao : {"totalizadores", "gravar-lx"})
    ASSERT_EQ(teste_cli::RodaCli(pasta, {"planilha", operacao}).status, 0) << operacao;
  ASSERT_EQ(teste_cli::RodaCli(pasta, {"exec", "AbreCupomFiscal"}).status, 0);
  const teste_cli::Execucao e = teste_cli::RodaCli(pasta, {"run", "s.RMT", "--relatorio", "s.xml"});
  EXPECT_EQ(e.status, 1) << e.saida;
  EXPECT_EQ(e.saida, "s.RMT:1: Tarnel: Erros Detectados: COO: LX (1) - Planilha (0)!\n"
                     "  CCF: LX (1) - Planilha (0)!\n" + fim);
  xml = test_support::read_bytes(pasta.file("s.xml"));
  EXPECT_NE(xml.find("<testsuite name=\"s.RMT\" tests=\"1\" failures=\"1\" errors=\"0\">\n"
                     u8"    <testcase classname=\"s.RMT\" name=\"linha 1 conferência da planilha\">\n"
                     "      <failure message=\"COO: LX (1) - Planilha (0)!\">COO: LX (1) - Planilha (0)!\n"
                     "CCF: LX (1) - Planilha (0)!</failure>\n"),
            std::string::npos)
      << xml;
}

// tarnel-cli planilha runs the workbook operations one by one: the totalizers and the X reading
// written, then a sale made outside the workbook's sight is what the check lists, with exit 1.
TEST_F(PlanilhaCli, OperacoesAvulsasDaPlanilha) {
  const teste_cli::Execucao sem_pasta = teste_cli::RodaCli(pasta, {"planilha", "conferir"});
  EXPECT_EQ(sem_pasta.status, 2);
  EXPECT_NE(sem_pasta.mensagens.find(u8"PlanilhaECF.xls' não encontrada!"), std::string::npos) << sem_pasta.mensagens;

  CopiaPlanilha();
  for (const char* operacao : {"totalizadores", "gravar-lx", "conferir"}) {
    const teste_cli::Execucao e = teste_cli::RodaCli(pasta, {"planilha", operacao});
    EXPECT_EQ(e.status, 0) << operacao << e.saida << e.mensagens;
    EXPECT_EQ(e.saida, "") << operacao;
  }
  ASSERT_EQ(teste_cli::RodaCli(pasta, {"exec", "AbreCupomFiscal"}).status, 0);
  ASSERT_EQ(teste_cli::RodaCli(pasta, {"exec", "VendeItem", "CodAliquota=1", "CodProduto=1", "NomeProduto=X",
                                       "PrecoUnitario=10,00", "Quantidade=1"})
                .status,
            0);
  const teste_cli::Execucao e = teste_cli::RodaCli(pasta, {"planilha", "conferir"});
  EXPECT_EQ(e.status, 1) << e.mensagens;
  EXPECT_EQ(e.saida,
            "GT: LX (10) - Planilha (0)!\n"
            "TotalDiaVendaBruta: LX (10) - Planilha (0)!\n"
            "TotalDiaVendaLiquida: LX (10) - Planilha (0)!\n"
            "TotalDiaValorAliquota[1]: LX (10) - Planilha (0)!\n"
            "COO: LX (1) - Planilha (0)!\n"
            "CCF: LX (1) - Planilha (0)!\n"
            "TotalDocBruto: LX (10) - Planilha (0)!\n"
            "TotalDocLiquido: LX (10) - Planilha (0)!\n"
            "TotalDocAliquota[1]: LX (10) - Planilha (0)!\n"
            "TotalDiaImpostoAliquota[1]: LX (0,7) - Planilha (0)!\n"
            "TotalDiaImpostoICMS: LX (0,7) - Planilha (0)!\n"
            "TotalDiaValorTributadoICMS: LX (10) - Planilha (0)!\n");
}

// A capture whose clearing of the coupon area fails (the workbook lost the name listing it) says
// so, and the exit status says the operation failed, as a replay of it does.
TEST_F(PlanilhaCli, CapturaQueNaoLimpaAAreaDoCupomSaiCom1) {
  CopiaPlanilha();
  std::string xml = test_support::read_bytes("PlanilhaECF.xls");
  const std::size_t nome = xml.find("<NamedRange ss:Name=\"AreaDadosCupom\"");
  ASSERT_NE(nome, std::string::npos);
  xml.erase(nome, xml.find("/>", nome) + 2 - nome);
  test_support::write_bytes("PlanilhaECF.xls", xml);
  const teste_cli::Execucao e = teste_cli::RodaCli(pasta, {"planilha", "gravar-lx"});
  EXPECT_EQ(e.status, 1) << e.mensagens;
  EXPECT_EQ(e.saida, "");
  EXPECT_NE(e.mensagens.find("Macro ''PlanilhaECF.xls'!LimpaAreaDadosCupom' inexiste na planilha!"), std::string::npos)
      << e.mensagens;
}

// A formula in LibreOffice's notation (its "Excel 2003 XML" export writes OpenFormula) survives the
// capture and the check, saved as it was; the check says which cell it is and why it has no value.
TEST_F(PlanilhaCli, FormulaEmOutraNotacaoGuardadaEApontadaNaConferencia) {
  CopiaPlanilha();
  std::string xml = test_support::read_bytes("PlanilhaECF.xls");
  const std::string r1c1 = "ss:Formula=\"=R24C2+R34C2\"", outra = "ss:Formula=\"of:=[.B24]+[.B34]\"";
  const std::size_t pos_coo = xml.find(r1c1);  // PosCOO, Dia!C24
  ASSERT_NE(pos_coo, std::string::npos);
  xml.replace(pos_coo, r1c1.size(), outra);
  test_support::write_bytes("PlanilhaECF.xls", xml);
  const auto formulas = [](const std::string& texto) {
    std::size_t n = 0;
    for (std::size_t p = texto.find("ss:Formula="); p != std::string::npos; p = texto.find("ss:Formula=", p + 1)) ++n;
    return n;
  };
  ASSERT_EQ(teste_cli::RodaCli(pasta, {"planilha", "gravar-lx"}).status, 0);
  const teste_cli::Execucao e = teste_cli::RodaCli(pasta, {"planilha", "conferir"});
  EXPECT_EQ(e.status, 1) << e.mensagens;
  EXPECT_EQ(e.saida, u8"COO: Não existe na planilha!\n"
                     u8"  Dia!C24: a fórmula 'of:=[.B24]+[.B34]' não está na notação do Excel (=R1C1) e não é "
                     u8"calculada pelo motor embutido\n");
  const std::string gravado = test_support::read_bytes("PlanilhaECF.xls");
  EXPECT_EQ(formulas(gravado), formulas(xml));
  EXPECT_NE(gravado.find(outra + "></Cell>"), std::string::npos);
}

std::string Conteudo(const std::string& caminho) {
  std::ifstream arquivo(caminho, std::ios::binary);
  std::ostringstream texto;
  texto << arquivo.rdbuf();
  return texto.str();
}

// The rows of a CSV file, each split into its fields ("" quotes a field holding commas).
std::vector<Textos> LinhasCsv(const std::string& texto) {
  std::vector<Textos> linhas(1, Textos(1));
  bool aspas = false;
  for (std::size_t k = 0; k < texto.size(); ++k) {
    const char c = texto[k];
    if (aspas) {
      if (c == '"' && k + 1 < texto.size() && texto[k + 1] == '"') linhas.back().back() += texto[++k];
      else if (c == '"') aspas = false;
      else linhas.back().back() += c;
    } else if (c == '"') {
      aspas = true;
    } else if (c == ',') {
      linhas.back().emplace_back();
    } else if (c == '\n') {
      linhas.emplace_back(1);
    } else if (c != '\r') {
      linhas.back().back() += c;
    }
  }
  return linhas;
}

// LibreOffice opens the workbook Tarnel saved after the example day and computes every figure the
// check compares (the 151 "Pos" values and the 68 the workbook computes or mirrors) as the embedded
// engine does.
TEST_F(PlanilhaCli, LibreOfficeCalculaOsMesmosValoresQueOMotorEmbutido) {
  if (std::system("command -v soffice >/dev/null 2>&1") != 0) GTEST_SKIP() << "soffice (LibreOffice) is not installed";
  CopiaPlanilha();
  // The day up to its check, before the Z zeroes the day's totals.
  std::string dia = Conteudo(std::string(EXEMPLOS) + "/dia_planilha.RMT");
  dia = dia.substr(0, dia.find("$NomePasso Redu")) + "$PlanilhaDesativa\r\n";
  std::ofstream("dia.RMT", std::ios::binary) << dia;
  const teste_cli::Execucao e = teste_cli::RodaCli(pasta, {"run", "dia.RMT"});
  ASSERT_EQ(e.status, 0) << e.saida << e.mensagens;

  // Under the C locale, so that the values come with decimal points whatever the machine's language.
  const std::string comando = "HOME='" + pasta.path() + "' LC_ALL=C soffice --headless --convert-to "
                              "'csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,false,false,false,-1' "
                              "PlanilhaECF.xls >/dev/null 2>&1";
  ASSERT_EQ(std::system(comando.c_str()), 0);
  std::string erro;
  auto motor = PastaEmbutida::Carrega("PlanilhaECF.xls", erro);
  ASSERT_NE(motor, nullptr) << erro;
  planilha::Pasta fonte;
  ASSERT_TRUE(planilha::LeFonte(Conteudo(PLANILHA_FONTE), fonte, erro)) << erro;

  std::map<std::string, std::vector<Textos>> folhas;
  int comparados = 0;
  for (const planilha::NomeDefinido& nome : fonte.nomes) {
    bool comparado = false;
    for (const char* prefixo : {"Pos", "TotalDoc", "TotalDiaImposto", "TotalDiaValorTributado"})
      comparado = comparado || nome.nome.rfind(prefixo, 0) == 0;
    if (!comparado) continue;
    // "=Folha!R5C3" or "=Folha!R5C3:R20C3": the cells of a name go down one column.
    const std::size_t exclamacao = nome.referencia.find('!'), c = nome.referencia.find('C', exclamacao);
    const std::string folha = nome.referencia.substr(1, exclamacao - 1);
    const int linha = std::stoi(nome.referencia.substr(exclamacao + 2)), coluna = std::stoi(nome.referencia.substr(c + 1));
    if (!folhas.count(folha)) folhas[folha] = LinhasCsv(Conteudo("PlanilhaECF-" + folha + ".csv"));
    const std::vector<Textos>& csv = folhas[folha];
    for (int i = 0; i < nome.celulas; ++i) {
      ValorPlanilha valor;
      ASSERT_TRUE(motor->LeCelula(nome.nome, i, valor, erro)) << nome.nome << ": " << erro;
      const std::size_t l = static_cast<std::size_t>(linha - 1 + i), k = static_cast<std::size_t>(coluna - 1);
      ASSERT_LT(l, csv.size()) << nome.nome;
      const std::string lido = k < csv[l].size() ? csv[l][k] : std::string();
      const double esperado = std::holds_alternative<double>(valor) ? std::get<double>(valor) : 0.0;
      EXPECT_NEAR(lido.empty() ? 0.0 : std::stod(lido), esperado, 1e-9) << nome.nome << "[" << i << "] " << folha;
      ++comparados;
    }
  }
  EXPECT_EQ(comparados, 151 + 68);
}

}  // namespace
}  // namespace tarnel
