#include "memorias/memorias.h"

namespace ecf::memorias {

Memorias::Memorias(std::string_view versao_software_basico) : versao_software_(versao_software_basico) {}

JanelaMemoria Memorias::Janela() const {
  return JanelaMemoria(SoftwareBasico::DaVersao(versao_software_), fiscal_, fita_);
}

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
