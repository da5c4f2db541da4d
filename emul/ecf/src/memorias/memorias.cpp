#include "memorias/memorias.h"

#include <map>
#include <mutex>

namespace ecf::memorias {

namespace {

// The image is the same for every printer of a version: made once, not at every opening.
std::shared_ptr<const SoftwareBasico> SoftwareDaVersao(std::string_view versao) {
  static std::mutex trava;
  static std::map<std::string, std::shared_ptr<const SoftwareBasico>, std::less<>> feitos;
  std::lock_guard<std::mutex> guarda(trava);
  auto achado = feitos.find(versao);
  if (achado == feitos.end()) achado = feitos.emplace(std::string(versao), std::make_shared<const SoftwareBasico>(versao)).first;
  return achado->second;
}

}  // namespace

Memorias::Memorias(std::string_view versao_software_basico) : software_(SoftwareDaVersao(versao_software_basico)) {}

TextoMemoria Memorias::LeSoftwareBasico() const {
  const LeituraMemoria leitura = Janela().Le(endereco_);
  TextoMemoria resposta;
  resposta.ok = leitura.ok;
  resposta.texto = Hexadecimal(leitura.bytes);
  resposta.nome_erro = leitura.nome_erro;
  resposta.circunstancia = leitura.circunstancia;
  return resposta;
}

void Memorias::Serializa(Escritor& saida) const {
  fiscal_.Serializa(saida);
  fita_.Serializa(saida);
}

bool Memorias::Desserializa(Leitor& entrada) {
  MemoriaFiscal fiscal;
  MemoriaFitaDetalhe fita;
  if (!fiscal.Desserializa(entrada) || !fita.Desserializa(entrada)) return false;
  fiscal_ = std::move(fiscal);
  fita_ = std::move(fita);
  return true;
}

}  // namespace ecf::memorias
