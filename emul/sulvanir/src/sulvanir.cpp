// Stand-in for the vendor's fiscal library (contract: interfaces/sulvanir.h). It answers the frames
// handed to ProcessFiscalCmd as a fiscal printer does, with the serial printer simulator's answers;
// what it does beyond the contract, and the environment that configures it, is in the stand-in's
// README.md.
#include "sulvanir.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <mutex>
#include <string>
#include <system_error>
#include <thread>

#include "serialsim/respondedor.h"

namespace {

constexpr int kConexaoPadrao = SULVANIR_CONEXAO_FORNECEDOR_1;

struct Sessao {
  std::mutex mutex;
  std::unique_ptr<serialsim::Respondedor> respondedor;
  std::string pendente;  // answer bytes not yet collected
};

Sessao& sessao() {
  static Sessao s;
  return s;
}

const char* Ambiente(const char* nome) { return std::getenv(nome); }

bool LeInteiro(const char* texto, int& valor) {
  if (!texto || !*texto) return false;
  char* fim = nullptr;
  const long v = std::strtol(texto, &fim, 10);
  if (*fim != '\0' || v < -2147483647L - 1 || v > 2147483647L) return false;
  valor = static_cast<int>(v);
  return true;
}

std::string PastaEmulador() {
  if (const char* pasta = Ambiente("SULVANIR_PASTA"); pasta && *pasta) return pasta;
#ifdef _WIN32
  if (const char* local = Ambiente("LOCALAPPDATA"); local && *local) return std::string(local) + "\\Sulvanir";
#else
  if (const char* estado = Ambiente("XDG_STATE_HOME"); estado && *estado) return std::string(estado) + "/sulvanir";
  if (const char* casa = Ambiente("HOME"); casa && *casa) return std::string(casa) + "/.local/state/sulvanir";
#endif
  return "sulvanir";
}

std::unique_ptr<serialsim::Respondedor> NovaImpressora() {
  const std::string pasta = PastaEmulador();
  std::error_code erro;
  std::filesystem::create_directories(pasta, erro);  // a failure shows as refused "60" frames
  auto respondedor = std::make_unique<serialsim::Respondedor>(pasta);
  serialsim::Comportamento c;
  int ocupado = 0;
  if (LeInteiro(Ambiente("SULVANIR_OCUPADO"), ocupado) && ocupado >= 0) c.consultas_ocupado = ocupado;
  if (const char* sem_etx = Ambiente("SULVANIR_SEM_ETX")) c.leitura_sem_etx = sem_etx[0] == '1';
  if (const char* cmc7 = Ambiente("SULVANIR_CMC7")) c.linha_cmc7 = cmc7;
  respondedor->Configura(c);
  return respondedor;
}

// Appends text to the file the variable names; nothing when it is unset or empty.
void Acrescenta(const char* variavel, const std::string& texto) {
  const char* arquivo = Ambiente(variavel);
  if (!arquivo || !*arquivo) return;
  std::FILE* f = std::fopen(arquivo, "ab");
  if (!f) return;
  std::fwrite(texto.data(), 1, texto.size(), f);
  std::fclose(f);
}

void RegistraQuadro(const std::string& quadro) {
  std::string hex;
  char byte[3];
  for (unsigned char c : quadro) {
    std::snprintf(byte, sizeof byte, "%02X", c);
    hex += byte;
  }
  Acrescenta("SULVANIR_QUADROS", hex + "\n");
}

// Hands over what fits; the rest stays for the next collecting call.
int Entrega(std::string& pendente, char* resposta, int* tamanho_resposta) {
  const std::size_t n = std::min(pendente.size(), static_cast<std::size_t>(std::max(*tamanho_resposta, 0)));
  std::copy(pendente.begin(), pendente.begin() + static_cast<std::ptrdiff_t>(n), resposta);
  pendente.erase(0, n);
  *tamanho_resposta = static_cast<int>(n);
  return n > 0 ? 0 : SULVANIR_NADA_RECEBIDO;
}

}  // namespace

extern "C" {

int SULVANIR_CALL FiscalConnection(const char* dispositivo) {
  if (!dispositivo) return SULVANIR_CONEXAO_RECUSADA;
  Sessao& s = sessao();
  std::lock_guard<std::mutex> trava(s.mutex);
  s.respondedor = NovaImpressora();
  s.pendente.clear();
  int conexao = kConexaoPadrao;
  if (!LeInteiro(Ambiente("SULVANIR_CONEXAO"), conexao)) conexao = kConexaoPadrao;
  return conexao;
}

int SULVANIR_CALL ProcessFiscalCmd(const char* quadro, int tamanho, char* resposta, int* tamanho_resposta,
                                   int timeout, int flag) {
  if (!resposta || !tamanho_resposta || tamanho < 0 || (tamanho > 0 && !quadro)) return SULVANIR_FALHA_COMUNICACAO;
  Sessao& s = sessao();
  std::unique_lock<std::mutex> trava(s.mutex);
  Acrescenta("SULVANIR_CHAMADAS", std::to_string(tamanho) + " " + std::to_string(*tamanho_resposta) + " " +
                                      std::to_string(timeout) + " " + std::to_string(flag) + "\n");
  // A line made to fail fails every call, the collecting ones too; its frames reach no printer.
  int falha = 0;
  if (!LeInteiro(Ambiente("SULVANIR_FALHA"), falha)) falha = 0;
  if (tamanho > 0) {
    const std::string bytes(quadro, static_cast<std::size_t>(tamanho));  // before the reply overwrites it
    RegistraQuadro(bytes);
    s.pendente.clear();
    if (falha == 0) {
      if (!s.respondedor) s.respondedor = NovaImpressora();
      s.pendente = s.respondedor->Responde(bytes);
      for (const std::string& cheque : s.respondedor->RetiraCheques()) Acrescenta("SULVANIR_CHEQUES", cheque);
    }
  }
  if (falha != 0) s.pendente.clear();
  if (s.pendente.empty()) {
    *tamanho_resposta = 0;
    if (falha != 0 && falha != SULVANIR_NADA_RECEBIDO) return falha;
    if (tamanho == 0 && timeout > 0) {
      // Nothing more will come; waiting keeps the caller's polling loop from spinning.
      trava.unlock();
      std::this_thread::sleep_for(std::chrono::seconds(1));
    }
    return falha != 0 ? falha : SULVANIR_NADA_RECEBIDO;
  }
  return Entrega(s.pendente, resposta, tamanho_resposta);
}

int SULVANIR_CALL FechaPorta(void) {
  Sessao& s = sessao();
  std::lock_guard<std::mutex> trava(s.mutex);
  s.pendente.clear();
  s.respondedor.reset();  // the port let go, the emulated printer is free for another program
  return 0;
}

}  // extern "C"
