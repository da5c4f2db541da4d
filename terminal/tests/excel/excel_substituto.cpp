// The Excel stand-in's server (see excel_substituto.h): started by COM with "-Embedding", it offers
// one Application to one client and ends when the client has released every object.
#include "excel_substituto.h"

#include <windows.h>
#include <oleauto.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

// ---- The workbook ----------------------------------------------------------------------------

struct Celula {
  enum Tipo { vazia, numero, texto, erro } tipo = vazia;
  double valor = 0;
  std::wstring conteudo;
  long codigo = 0;  // xlErr...: 2007 #DIV/0!, 2015 #VALUE!, 2042 #N/A
};

struct NomeDefinido {
  std::wstring folha, nome, coluna;
  int linha = 1;
  std::vector<Celula> celulas;
};

struct Pasta {
  std::wstring caminho, nome;
  std::vector<NomeDefinido> nomes;
};

const struct {
  const wchar_t* texto;
  long codigo;
} kErros[] = {{L"#DIV/0!", 2007}, {L"#VALUE!", 2015}, {L"#N/A", 2042}};

std::wstring DeCp1252(const std::string& texto) {
  std::wstring largo(texto.size(), L'\0');
  const int n = MultiByteToWideChar(1252, 0, texto.data(), static_cast<int>(texto.size()), largo.data(),
                                    static_cast<int>(largo.size()));
  largo.resize(n > 0 ? n : 0);
  return largo;
}

std::string ParaCp1252(const std::wstring& texto) {
  std::string estreito(texto.size() * 2, '\0');
  const int n = WideCharToMultiByte(1252, 0, texto.data(), static_cast<int>(texto.size()), estreito.data(),
                                    static_cast<int>(estreito.size()), nullptr, nullptr);
  estreito.resize(n > 0 ? n : 0);
  return estreito;
}

Celula LeCelula(const std::wstring& campo) {
  Celula celula;
  if (campo.empty()) return celula;
  if (campo[0] == L'\'') {
    celula.tipo = Celula::texto;
    celula.conteudo = campo.substr(1);
    return celula;
  }
  for (const auto& erro : kErros)
    if (campo == erro.texto) {
      celula.tipo = Celula::erro;
      celula.codigo = erro.codigo;
      return celula;
    }
  wchar_t* fim = nullptr;
  celula.valor = std::wcstod(campo.c_str(), &fim);
  celula.tipo = *fim == L'\0' ? Celula::numero : Celula::texto;
  if (celula.tipo == Celula::texto) celula.conteudo = campo;
  return celula;
}

std::wstring EscreveCelula(const Celula& celula) {
  switch (celula.tipo) {
    case Celula::vazia: return std::wstring();
    case Celula::texto: return L"'" + celula.conteudo;
    case Celula::erro:
      for (const auto& erro : kErros)
        if (erro.codigo == celula.codigo) return erro.texto;
      return L"#N/A";
    case Celula::numero: break;
  }
  wchar_t numero[40];
  std::swprintf(numero, 40, L"%.17g", celula.valor);
  return numero;
}

std::vector<std::wstring> Campos(const std::wstring& linha) {
  std::vector<std::wstring> campos(1);
  for (const wchar_t c : linha) {
    if (c == L'\t')
      campos.emplace_back();
    else if (c != L'\r')
      campos.back() += c;
  }
  return campos;
}

bool Carrega(const std::wstring& caminho, Pasta& pasta) {
  std::ifstream arquivo(caminho.c_str(), std::ios::binary);
  if (!arquivo) return false;
  std::string linha;
  while (std::getline(arquivo, linha)) {
    const std::vector<std::wstring> campos = Campos(DeCp1252(linha));
    if (campos.size() < 4) continue;
    NomeDefinido nome{campos[0], campos[1], campos[2], static_cast<int>(std::wcstol(campos[3].c_str(), nullptr, 10)), {}};
    for (std::size_t i = 4; i < campos.size(); ++i) nome.celulas.push_back(LeCelula(campos[i]));
    pasta.nomes.push_back(std::move(nome));
  }
  pasta.caminho = caminho;
  const auto barra = caminho.find_last_of(L"\\/");
  pasta.nome = barra == std::wstring::npos ? caminho : caminho.substr(barra + 1);
  return true;
}

bool Grava(const Pasta& pasta) {
  std::ostringstream texto;
  for (const NomeDefinido& nome : pasta.nomes) {
    std::wstring linha = nome.folha + L"\t" + nome.nome + L"\t" + nome.coluna + L"\t" + std::to_wstring(nome.linha);
    for (const Celula& celula : nome.celulas) linha += L"\t" + EscreveCelula(celula);
    texto << ParaCp1252(linha) << "\r\n";
  }
  std::ofstream arquivo(pasta.caminho.c_str(), std::ios::binary | std::ios::trunc);
  arquivo << texto.str();
  return static_cast<bool>(arquivo.flush());
}

// ---- Automation objects ----------------------------------------------------------------------

long objetos_vivos = 0;  // when the last one goes, the server ends

// One object whose members are reached by name; a member's DISPID is its place in the list plus 1.
class Objeto : public IDispatch {
 public:
  explicit Objeto(std::vector<const wchar_t*> membros) : membros_(std::move(membros)) { ++objetos_vivos; }
  virtual ~Objeto() {
    if (--objetos_vivos == 0) PostQuitMessage(0);
  }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** objeto) override {
    if (objeto == nullptr) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch)) {
      *objeto = static_cast<IDispatch*>(this);
      AddRef();
      return S_OK;
    }
    *objeto = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++referencias_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG restam = --referencias_;
    if (restam == 0) delete this;
    return restam;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* quantos) override {
    *quantos = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* nomes, UINT quantos, LCID, DISPID* ids) override {
    HRESULT resultado = S_OK;
    for (UINT n = 0; n < quantos; ++n) {
      ids[n] = DISPID_UNKNOWN;
      for (std::size_t m = 0; m < membros_.size(); ++m)
        if (_wcsicmp(nomes[n], membros_[m]) == 0) ids[n] = static_cast<DISPID>(m + 1);
      if (ids[n] == DISPID_UNKNOWN) resultado = DISP_E_UNKNOWNNAME;
    }
    return resultado;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD modo, DISPPARAMS* parametros, VARIANT* resultado,
                                   EXCEPINFO* excecao, UINT*) override {
    if (id < 1 || static_cast<std::size_t>(id) > membros_.size()) return DISP_E_MEMBERNOTFOUND;
    // The arguments come last first; a property's new value is the named argument.
    std::vector<VARIANT*> argumentos;
    for (UINT n = parametros->cArgs; n > parametros->cNamedArgs; --n) argumentos.push_back(&parametros->rgvarg[n - 1]);
    VARIANT* novo = (modo & DISPATCH_PROPERTYPUT) && parametros->cNamedArgs == 1 ? &parametros->rgvarg[0] : nullptr;
    VARIANT descarte;
    VariantInit(&descarte);
    const HRESULT hr = Membro(id - 1, argumentos, novo, resultado != nullptr ? resultado : &descarte, excecao);
    VariantClear(&descarte);
    return hr;
  }

 protected:
  // The member at that place: novo is the value being put (null for a get or a call).
  virtual HRESULT Membro(int membro, const std::vector<VARIANT*>& argumentos, VARIANT* novo, VARIANT* resultado,
                         EXCEPINFO* excecao) = 0;

  // Excel's way of failing: an exception with a description the client shows.
  static HRESULT Falha(EXCEPINFO* excecao, const std::wstring& descricao) {
    if (excecao != nullptr) {
      *excecao = EXCEPINFO{};
      excecao->bstrSource = SysAllocString(L"Microsoft Excel");
      excecao->bstrDescription = SysAllocString(descricao.c_str());
      excecao->scode = DISP_E_EXCEPTION;
    }
    return DISP_E_EXCEPTION;
  }
  static HRESULT Devolve(VARIANT* resultado, IDispatch* objeto) {
    resultado->vt = VT_DISPATCH;
    resultado->pdispVal = objeto;
    return S_OK;
  }
  static HRESULT Devolve(VARIANT* resultado, long numero) {
    resultado->vt = VT_I4;
    resultado->lVal = numero;
    return S_OK;
  }
  static HRESULT Devolve(VARIANT* resultado, const std::wstring& texto) {
    resultado->vt = VT_BSTR;
    resultado->bstrVal = SysAllocStringLen(texto.data(), static_cast<UINT>(texto.size()));
    return S_OK;
  }
  static bool Inteiro(VARIANT* argumento, long& valor) {
    VARIANT convertido;
    VariantInit(&convertido);
    if (FAILED(VariantChangeType(&convertido, argumento, 0, VT_I4))) return false;
    valor = convertido.lVal;
    return true;
  }
  static bool Texto(VARIANT* argumento, std::wstring& valor) {
    VARIANT convertido;
    VariantInit(&convertido);
    if (FAILED(VariantChangeType(&convertido, argumento, 0, VT_BSTR))) return false;
    valor.assign(convertido.bstrVal, SysStringLen(convertido.bstrVal));
    VariantClear(&convertido);
    return true;
  }

 private:
  std::vector<const wchar_t*> membros_;
  ULONG referencias_ = 1;
};

class Folha : public Objeto {
 public:
  explicit Folha(std::wstring nome) : Objeto({L"Name"}), nome_(std::move(nome)) {}

 protected:
  HRESULT Membro(int, const std::vector<VARIANT*>&, VARIANT*, VARIANT* resultado, EXCEPINFO*) override {
    return Devolve(resultado, nome_);
  }

 private:
  std::wstring nome_;
};

// The cells [primeira, primeira + quantas) of a defined name.
class Faixa : public Objeto {
 public:
  Faixa(std::shared_ptr<Pasta> pasta, std::size_t nome, long primeira, long quantas)
      : Objeto({L"Count", L"Cells", L"Value", L"Address", L"Worksheet"}),
        pasta_(std::move(pasta)), nome_(nome), primeira_(primeira), quantas_(quantas) {}

 protected:
  HRESULT Membro(int membro, const std::vector<VARIANT*>& argumentos, VARIANT* novo, VARIANT* resultado,
                 EXCEPINFO* excecao) override {
    NomeDefinido& nome = pasta_->nomes[nome_];
    switch (membro) {
      case 0: return Devolve(resultado, quantas_);
      case 1: {
        long i = 0;
        if (argumentos.size() != 1 || !Inteiro(argumentos[0], i) || i < 1 || i > quantas_)
          return Falha(excecao, L"Cells: índice fora da faixa");
        return Devolve(resultado, new Faixa(pasta_, nome_, primeira_ + i - 1, 1));
      }
      case 2: {
        if (quantas_ != 1) return DISP_E_TYPEMISMATCH;
        Celula& celula = nome.celulas[static_cast<std::size_t>(primeira_)];
        return novo != nullptr ? Escreve(celula, novo) : Le(celula, resultado);
      }
      case 3:
        return Devolve(resultado, L"$" + nome.coluna + L"$" + std::to_wstring(nome.linha + primeira_));
      case 4: return Devolve(resultado, new Folha(nome.folha));
    }
    return DISP_E_MEMBERNOTFOUND;
  }

 private:
  static HRESULT Le(const Celula& celula, VARIANT* resultado) {
    switch (celula.tipo) {
      case Celula::vazia: return S_OK;
      case Celula::numero:
        resultado->vt = VT_R8;
        resultado->dblVal = celula.valor;
        return S_OK;
      case Celula::texto: return Devolve(resultado, celula.conteudo);
      case Celula::erro:
        resultado->vt = VT_ERROR;
        resultado->scode = MAKE_SCODE(SEVERITY_ERROR, FACILITY_CONTROL, celula.codigo);  // CVErr(codigo)
        return S_OK;
    }
    return S_OK;
  }
  static HRESULT Escreve(Celula& celula, VARIANT* novo) {
    celula = Celula();
    if (novo->vt == VT_EMPTY) return S_OK;
    if (novo->vt == VT_BSTR) {
      celula.tipo = Celula::texto;
      celula.conteudo.assign(novo->bstrVal, SysStringLen(novo->bstrVal));
      if (celula.conteudo.empty()) celula.tipo = Celula::vazia;
      return S_OK;
    }
    VARIANT numero;
    VariantInit(&numero);
    if (FAILED(VariantChangeType(&numero, novo, 0, VT_R8))) return DISP_E_TYPEMISMATCH;
    celula.tipo = Celula::numero;
    celula.valor = numero.dblVal;
    return S_OK;
  }

  std::shared_ptr<Pasta> pasta_;
  std::size_t nome_;
  long primeira_, quantas_;
};

class Nome : public Objeto {
 public:
  Nome(std::shared_ptr<Pasta> pasta, std::size_t nome) : Objeto({L"RefersToRange"}), pasta_(std::move(pasta)), nome_(nome) {}

 protected:
  HRESULT Membro(int, const std::vector<VARIANT*>&, VARIANT*, VARIANT* resultado, EXCEPINFO*) override {
    const long total = static_cast<long>(pasta_->nomes[nome_].celulas.size());
    return Devolve(resultado, new Faixa(pasta_, nome_, 0, total));
  }

 private:
  std::shared_ptr<Pasta> pasta_;
  std::size_t nome_;
};

class PastaAberta : public Objeto {
 public:
  explicit PastaAberta(std::shared_ptr<Pasta> pasta) : Objeto({L"Name", L"Names", L"Save"}), pasta_(std::move(pasta)) {}

 protected:
  HRESULT Membro(int membro, const std::vector<VARIANT*>& argumentos, VARIANT*, VARIANT* resultado,
                 EXCEPINFO* excecao) override {
    switch (membro) {
      case 0: return Devolve(resultado, pasta_->nome);
      case 1: {
        std::wstring procurado;
        if (argumentos.size() != 1 || !Texto(argumentos[0], procurado)) return DISP_E_BADPARAMCOUNT;
        for (std::size_t n = 0; n < pasta_->nomes.size(); ++n)
          if (_wcsicmp(pasta_->nomes[n].nome.c_str(), procurado.c_str()) == 0) return Devolve(resultado, new Nome(pasta_, n));
        return Falha(excecao, L"O nome '" + procurado + L"' não está definido.");
      }
      case 2:
        return Grava(*pasta_) ? S_OK : Falha(excecao, L"Não foi possível gravar '" + pasta_->caminho + L"'.");
    }
    return DISP_E_MEMBERNOTFOUND;
  }

 private:
  std::shared_ptr<Pasta> pasta_;
};

class Pastas : public Objeto {
 public:
  explicit Pastas(std::vector<std::shared_ptr<Pasta>>& abertas) : Objeto({L"Open", L"Count", L"Close"}), abertas_(abertas) {}

 protected:
  HRESULT Membro(int membro, const std::vector<VARIANT*>& argumentos, VARIANT*, VARIANT* resultado,
                 EXCEPINFO* excecao) override {
    switch (membro) {
      case 0: {
        std::wstring caminho;
        if (argumentos.empty() || !Texto(argumentos[0], caminho)) return DISP_E_BADPARAMCOUNT;
        auto pasta = std::make_shared<Pasta>();
        if (!Carrega(caminho, *pasta)) return Falha(excecao, L"'" + caminho + L"' não foi encontrado.");
        abertas_.push_back(pasta);
        return Devolve(resultado, new PastaAberta(pasta));
      }
      case 1: return Devolve(resultado, static_cast<long>(abertas_.size()));
      case 2:
        abertas_.clear();
        return S_OK;
    }
    return DISP_E_MEMBERNOTFOUND;
  }

 private:
  std::vector<std::shared_ptr<Pasta>>& abertas_;
};

class Aplicacao : public Objeto {
 public:
  Aplicacao() : Objeto({L"Workbooks", L"ActiveWorkbook", L"DisplayAlerts", L"Visible"}) {}

 protected:
  HRESULT Membro(int membro, const std::vector<VARIANT*>&, VARIANT* novo, VARIANT* resultado, EXCEPINFO*) override {
    switch (membro) {
      case 0: return Devolve(resultado, new Pastas(abertas_));
      case 1:
        // The last workbook opened; Nothing while none is open.
        return Devolve(resultado, abertas_.empty() ? nullptr : new PastaAberta(abertas_.back()));
      case 2:
      case 3: {
        VARIANT_BOOL& propriedade = membro == 2 ? alertas_ : visivel_;
        if (novo == nullptr) {
          resultado->vt = VT_BOOL;
          resultado->boolVal = propriedade;
          return S_OK;
        }
        VARIANT valor;
        VariantInit(&valor);
        if (FAILED(VariantChangeType(&valor, novo, 0, VT_BOOL))) return DISP_E_TYPEMISMATCH;
        propriedade = valor.boolVal;
        return S_OK;
      }
    }
    return DISP_E_MEMBERNOTFOUND;
  }

 private:
  std::vector<std::shared_ptr<Pasta>> abertas_;
  VARIANT_BOOL alertas_ = VARIANT_TRUE, visivel_ = VARIANT_FALSE;
};

class Fabrica : public IClassFactory {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** objeto) override {
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory)) {
      *objeto = static_cast<IClassFactory*>(this);
      return S_OK;
    }
    *objeto = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }  // lives as long as the server
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* externo, REFIID iid, void** objeto) override {
    if (externo != nullptr) return CLASS_E_NOAGGREGATION;
    Aplicacao* aplicacao = new Aplicacao;
    const HRESULT hr = aplicacao->QueryInterface(iid, objeto);
    aplicacao->Release();
    return hr;
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
};

}  // namespace

int main(int argc, char** argv) {
  bool embutido = false;
  for (int i = 1; i < argc; ++i)
    if (_stricmp(argv[i], "-Embedding") == 0 || _stricmp(argv[i], "/Embedding") == 0) embutido = true;
  if (!embutido) {
    std::fprintf(stderr, "excel_substituto: started by COM only (-Embedding)\n");
    return 2;
  }
  if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 1;
  CLSID clsid;
  CLSIDFromString(EXCEL_SUBSTITUTO_CLSID, &clsid);
  static Fabrica fabrica;
  DWORD registro = 0;
  if (FAILED(CoRegisterClassObject(clsid, &fabrica, CLSCTX_LOCAL_SERVER, REGCLS_SINGLEUSE, &registro))) {
    CoUninitialize();
    return 1;
  }
  // Ends when the client has released every object, or after a minute in which none was asked for.
  SetTimer(nullptr, 0, 60000, nullptr);
  MSG mensagem;
  while (GetMessageW(&mensagem, nullptr, 0, 0) > 0) {
    if (mensagem.message == WM_TIMER && objetos_vivos == 0) break;
    DispatchMessageW(&mensagem);
  }
  CoRevokeClassObject(registro);
  CoUninitialize();
  return 0;
}
