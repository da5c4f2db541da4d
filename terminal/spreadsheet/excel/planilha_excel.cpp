#include "spreadsheet/excel/planilha_excel.h"

#include "spreadsheet/excel/variante_excel.h"

namespace tarnel {
namespace {

VARIANT Inteiro(long n) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = n;
  return v;
}

VARIANT Booleano(bool b) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_BOOL;
  v.boolVal = b ? VARIANT_TRUE : VARIANT_FALSE;
  return v;
}

// A text argument that frees itself.
struct Texto {
  explicit Texto(const std::string& texto) {
    VariantInit(&variante);
    variante.vt = VT_BSTR;
    variante.bstrVal = BstrDeTexto(texto);
  }
  ~Texto() { VariantClear(&variante); }
  VARIANT variante;
};

bool Numero(const OleObject& objeto, const wchar_t* propriedade, long& valor) {
  OleVariant lido;
  std::string erro;
  if (!objeto.get(propriedade, {}, lido, erro) || FAILED(VariantChangeType(&lido, &lido, 0, VT_I4))) return false;
  valor = lido.lVal;
  return true;
}

}  // namespace

bool PastaExcel::Faixa(const std::string& nome, OleObject& faixa, long& total) const {
  OleObject pasta, definido;
  std::string erro;
  Texto texto(nome);
  return aplicacao_.get_object(L"ActiveWorkbook", {}, pasta, erro) &&
         pasta.get_object(L"Names", {texto.variante}, definido, erro) &&
         definido.get_object(L"RefersToRange", {}, faixa, erro) && Numero(faixa, L"Count", total);
}

bool PastaExcel::Celula(const std::string& nome, int i, OleObject& celula) const {
  OleObject faixa;
  long total = 0;
  std::string erro;
  return i >= 0 && Faixa(nome, faixa, total) && i < total && faixa.get_object(L"Cells", {Inteiro(i + 1)}, celula, erro);
}

int PastaExcel::TamanhoNome(const std::string& nome) const {
  OleObject faixa;
  long total = 0;
  return Faixa(nome, faixa, total) ? static_cast<int>(total) : -1;
}

bool PastaExcel::LeCelula(const std::string& nome, int i, ValorPlanilha& valor, std::string& erro) {
  OleObject celula;
  if (!Celula(nome, i, celula)) return false;
  OleVariant lido;
  std::string falha;
  if (!celula.get(L"Value", {}, lido, falha)) {
    erro = falha;
    return false;
  }
  std::string motivo;
  if (ValorDeVariante(lido, valor, motivo)) return true;
  // The cell's place, as the person finds it in Excel.
  OleObject folha;
  OleVariant endereco, nome_folha;
  const bool achou = celula.get(L"Address", {}, endereco, falha) && endereco.vt == VT_BSTR &&
                     celula.get_object(L"Worksheet", {}, folha, falha) && folha.get(L"Name", {}, nome_folha, falha) &&
                     nome_folha.vt == VT_BSTR;
  erro = (achou ? LocalCelulaExcel(TextoDeBstr(nome_folha.bstrVal), TextoDeBstr(endereco.bstrVal)) : nome) +
         ": a fórmula dá o erro " + motivo;
  return false;
}

bool PastaExcel::EscreveCelula(const std::string& nome, int i, const ValorPlanilha& valor) {
  OleObject celula;
  if (!Celula(nome, i, celula)) return false;
  OleVariant variante;
  VarianteDeValor(valor, variante);
  std::string erro;
  return celula.put(L"Value", variante, erro);
}

PlanilhaExcel::PlanilhaExcel() {
  const HRESULT hr = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  com_iniciado_ = SUCCEEDED(hr);  // S_FALSE too: each success is paired with CoUninitialize
  std::string motivo;
  aplicacao_ = OleObject::create(L"Excel.Application", motivo);
  if (!aplicacao_.valid()) erro_ = "O Excel não pôde ser iniciado: " + motivo;
}

PlanilhaExcel::~PlanilhaExcel() {
  aplicacao_.reset();
  if (com_iniciado_) CoUninitialize();
}

void PlanilhaExcel::DesativaAlertas() {
  std::string erro;
  aplicacao_.put(L"DisplayAlerts", Booleano(false), erro);
}

bool PlanilhaExcel::Workbooks(OleObject& pastas) const {
  std::string erro;
  return aplicacao_.get_object(L"Workbooks", {}, pastas, erro);
}

void PlanilhaExcel::AbrePasta(const std::string& caminho) {
  if (!aplicacao_.valid()) return;
  OleObject pastas;
  OleVariant aberta;
  Texto texto(caminho);
  std::string erro;
  if (!Workbooks(pastas) || !pastas.call(L"Open", {texto.variante}, aberta, erro))
    erro_ = "O Excel não abriu '" + caminho + "': " + erro;
  else
    erro_.clear();
}

int PlanilhaExcel::ContaPastas() const {
  OleObject pastas;
  long total = 0;
  return Workbooks(pastas) && Numero(pastas, L"Count", total) ? static_cast<int>(total) : 0;
}

void PlanilhaExcel::DefineVisivel(bool visivel) {
  std::string erro;
  aplicacao_.put(L"Visible", Booleano(visivel), erro);
}

std::string PlanilhaExcel::NomePastaAtiva() const {
  OleObject pasta;
  OleVariant nome;
  std::string erro;
  if (!aplicacao_.get_object(L"ActiveWorkbook", {}, pasta, erro) || !pasta.get(L"Name", {}, nome, erro) ||
      nome.vt != VT_BSTR)
    return std::string();
  return TextoDeBstr(nome.bstrVal);
}

bool PlanilhaExcel::Salva() {
  // The active workbook under its own name and format.
  OleObject pasta;
  OleVariant resultado;
  std::string erro;
  if (aplicacao_.get_object(L"ActiveWorkbook", {}, pasta, erro) && pasta.call(L"Save", {}, resultado, erro)) {
    erro_.clear();
    return true;
  }
  erro_ = "O Excel não gravou a pasta: " + erro;
  return false;
}

void PlanilhaExcel::FechaPastas() {
  OleObject pastas;
  OleVariant resultado;
  std::string erro;
  if (Workbooks(pastas)) pastas.call(L"Close", {}, resultado, erro);
}

PastaNomes* PlanilhaExcel::PastaAtiva() { return ContaPastas() > 0 ? &pasta_ : nullptr; }

}  // namespace tarnel
