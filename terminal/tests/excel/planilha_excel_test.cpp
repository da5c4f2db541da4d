// The Excel backend through OLE Automation, for real, against the stand-in server of
// excel_substituto.h registered as "Excel.Application" for the length of each test: one connection
// as the link makes it, the macros over the names, and what the person reads when something fails.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "excel/excel_substituto.h"
#include "spreadsheet/excel/planilha_excel.h"
#include "test_support/temp_folder.h"

namespace tarnel {
namespace {

const wchar_t kProgId[] = L"Excel.Application";
const wchar_t kChaveProgId[] = L"Software\\Classes\\Excel.Application";
const wchar_t kChaveClasse[] = L"Software\\Classes\\CLSID\\" EXCEL_SUBSTITUTO_CLSID;

bool ExcelRegistrado() {
  CLSID clsid;
  return SUCCEEDED(CLSIDFromProgID(kProgId, &clsid));
}

// Excel itself: the ProgID leads to a class other than the stand-in's (a run cut short may have left
// the stand-in's registered).
bool ExcelDeVerdade() {
  CLSID clsid, substituto;
  return SUCCEEDED(CLSIDFromProgID(kProgId, &clsid)) && SUCCEEDED(CLSIDFromString(EXCEL_SUBSTITUTO_CLSID, &substituto)) &&
         !IsEqualCLSID(clsid, substituto);
}

const HKEY kRaizes[] = {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE};

// The stand-in's registration removed; an Excel.Application key only where it leads to the stand-in.
void ApagaRegistroSubstituto() {
  const std::wstring chave_clsid = std::wstring(kChaveProgId) + L"\\CLSID";
  for (HKEY raiz : kRaizes) {
    wchar_t clsid[64] = L"";
    DWORD bytes = sizeof clsid;
    if (RegGetValueW(raiz, chave_clsid.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, clsid, &bytes) == ERROR_SUCCESS &&
        _wcsicmp(clsid, EXCEL_SUBSTITUTO_CLSID) == 0)
      RegDeleteTreeW(raiz, kChaveProgId);
    RegDeleteTreeW(raiz, kChaveClasse);
  }
}

bool EscreveChave(HKEY raiz, const std::wstring& chave, const std::wstring& valor) {
  HKEY aberta;
  if (RegCreateKeyExW(raiz, chave.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &aberta, nullptr) != ERROR_SUCCESS)
    return false;
  const auto bytes = static_cast<DWORD>((valor.size() + 1) * sizeof(wchar_t));
  const bool escrito =
      RegSetValueExW(aberta, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(valor.c_str()), bytes) == ERROR_SUCCESS;
  RegCloseKey(aberta);
  return escrito;
}

// The stand-in under Excel's ProgID, as a local server beside this program: in the user's classes,
// or the machine's where the system reads no user classes. Undone at the end.
class RegistroSubstituto {
 public:
  RegistroSubstituto() {
    ApagaRegistroSubstituto();
    wchar_t programa[MAX_PATH];
    std::wstring servidor(programa, GetModuleFileNameW(nullptr, programa, MAX_PATH));
    servidor = L"\"" + servidor.substr(0, servidor.find_last_of(L'\\') + 1) + L"excel_substituto.exe\"";
    for (HKEY raiz : kRaizes)
      if (EscreveChave(raiz, std::wstring(kChaveProgId) + L"\\CLSID", EXCEL_SUBSTITUTO_CLSID) &&
          EscreveChave(raiz, std::wstring(kChaveClasse) + L"\\LocalServer32", servidor) && ExcelRegistrado())
        return;
  }
  ~RegistroSubstituto() { ApagaRegistroSubstituto(); }
};

// Cupom!B2 holds the item limit; the coupon's data lie in columns C and D from row 5, and the names
// LimpaAreaDadosCupom empties in column F; Totais!C7 is a formula that divides by zero.
const char kPasta[] =
    "Cupom\tMaxItensCupom\tB\t2\t3\n"
    "Cupom\tQuantidade\tC\t5\t1\t2\t\n"
    "Cupom\tDescricao\tD\t5\t'Café\t\t\n"
    "Cupom\tAreaDadosCupom\tF\t2\t'Quantidade\t'Descricao\n"
    "Totais\tTotalDia\tC\t7\t#DIV/0!\n";

class PlanilhaExcelSubstituto : public ::testing::Test {
 protected:
  void SetUp() override {
    if (ExcelDeVerdade()) GTEST_SKIP() << "Excel itself is registered on this computer";
    registro_.reset(new RegistroSubstituto);
    ASSERT_TRUE(ExcelRegistrado()) << "the stand-in could not be registered as Excel.Application";
    test_support::write_bytes(caminho_, kPasta);
  }

  ResultadoMacro Macro(PlanilhaExcel& excel, const char* macro, std::vector<ValorPlanilha> argumentos = {}) {
    return excel.ExecutaMacro("'PlanilhaECF.xls'!" + std::string(macro), argumentos);
  }

  std::unique_ptr<RegistroSubstituto> registro_;
  test_support::TempFolder pasta_{"excel"};
  const std::string caminho_ = pasta_.file("PlanilhaECF.xls");
};

TEST(PlanilhaExcel, WithoutExcelTheLinkSaysWhyAndOpensNothing) {
  if (ExcelDeVerdade()) GTEST_SKIP() << "Excel itself is registered on this computer";
  ApagaRegistroSubstituto();
  PlanilhaExcel excel;
  EXPECT_EQ(excel.Erro(), "O Excel não pôde ser iniciado: not registered on this computer (0x800401F3)");
  excel.DesativaAlertas();
  excel.AbrePasta("C:\\PlanilhaECF.xls");
  EXPECT_EQ(excel.ContaPastas(), 0);
  EXPECT_EQ(excel.NomePastaAtiva(), "");
  EXPECT_FALSE(excel.ExecutaMacro("'PlanilhaECF.xls'!MaxItensCupom", {}).executada);
}

TEST_F(PlanilhaExcelSubstituto, OneConnectionRunsTheMacrosOverTheNamesAndSaves) {
  PlanilhaExcel excel;
  ASSERT_EQ(excel.Erro(), "");
  excel.DesativaAlertas();
  excel.AbrePasta(caminho_);
  ASSERT_EQ(excel.ContaPastas(), 1) << excel.Erro();
  excel.DefineVisivel(true);
  EXPECT_EQ(excel.NomePastaAtiva(), "PlanilhaECF.xls");

  EXPECT_EQ(Macro(excel, "MaxItensCupom").valor, ValorPlanilha(std::int32_t{3}));
  EXPECT_EQ(Macro(excel, "DefineValor", {std::string("Quantidade[1]"), 2.5}).valor, ValorPlanilha(true));
  EXPECT_EQ(Macro(excel, "DefineValor", {std::string("descricao[1]"), std::string("Operação Noturna")}).valor,
            ValorPlanilha(true));
  EXPECT_EQ(Macro(excel, "DefineValor", {std::string("Quantidade[3]"), 1.0}).valor, ValorPlanilha(false));
  EXPECT_EQ(Macro(excel, "ObtemValor", {std::string("QUANTIDADE[1]")}).valor, ValorPlanilha(2.5));
  EXPECT_EQ(Macro(excel, "StatusLeitura").valor, ValorPlanilha(true));
  EXPECT_EQ(Macro(excel, "ObtemValor", {std::string("Descricao[1]")}).valor, ValorPlanilha(std::string("Operação Noturna")));
  EXPECT_EQ(Macro(excel, "ObtemValor", {std::string("Descricao")}).valor, ValorPlanilha(std::string("Café")));
  EXPECT_EQ(Macro(excel, "ObtemValor", {std::string("Quantidade[2]")}).valor, ValorPlanilha(std::string()));

  // Neither a name the workbook lacks nor a cell past its range is found.
  for (const char* ausente : {"Inexistente", "Quantidade[3]"}) {
    const ResultadoMacro lido = Macro(excel, "ObtemValor", {std::string(ausente)});
    EXPECT_EQ(lido.valor, ValorPlanilha(std::string())) << ausente;
    EXPECT_EQ(lido.erro, "") << ausente;
    EXPECT_EQ(Macro(excel, "StatusLeitura").valor, ValorPlanilha(false)) << ausente;
  }
  // An error value names its sheet and cell as the person finds them in Excel.
  EXPECT_EQ(Macro(excel, "ObtemValor", {std::string("TotalDia")}).erro, "Totais!C7: a fórmula dá o erro #DIV/0!");

  ASSERT_TRUE(excel.Salva()) << excel.Erro();
  EXPECT_EQ(test_support::read_bytes(caminho_),
            "Cupom\tMaxItensCupom\tB\t2\t3\r\n"
            "Cupom\tQuantidade\tC\t5\t1\t2.5\t\r\n"
            "Cupom\tDescricao\tD\t5\t'Café\t'Operação Noturna\t\r\n"
            "Cupom\tAreaDadosCupom\tF\t2\t'Quantidade\t'Descricao\r\n"
            "Totais\tTotalDia\tC\t7\t#DIV/0!\r\n");

  EXPECT_EQ(Macro(excel, "LimpaAreaDadosCupom").valor, ValorPlanilha(true));
  EXPECT_EQ(Macro(excel, "ObtemValor", {std::string("Quantidade")}).valor, ValorPlanilha(std::string()));
  EXPECT_EQ(Macro(excel, "ObtemValor", {std::string("Descricao[1]")}).valor, ValorPlanilha(std::string()));
  EXPECT_EQ(Macro(excel, "ObtemValor", {std::string("MaxItensCupom")}).valor, ValorPlanilha(3.0));

  excel.DefineVisivel(false);
  excel.FechaPastas();
  EXPECT_EQ(excel.ContaPastas(), 0);
  EXPECT_EQ(excel.NomePastaAtiva(), "");
  EXPECT_FALSE(Macro(excel, "MaxItensCupom").executada);
}

TEST_F(PlanilhaExcelSubstituto, AWorkbookThatDoesNotOpenSaysWhy) {
  PlanilhaExcel excel;
  const std::string ausente = pasta_.file("Outra.xls");
  excel.AbrePasta(ausente);
  EXPECT_EQ(excel.ContaPastas(), 0);
  EXPECT_EQ(excel.Erro(), "O Excel não abriu '" + ausente + "': '" + ausente + "' não foi encontrado.");
  // The next workbook opens, and the error is gone.
  excel.AbrePasta(caminho_);
  EXPECT_EQ(excel.ContaPastas(), 1);
  EXPECT_EQ(excel.Erro(), "");
}

}  // namespace
}  // namespace tarnel
