#include "catalogo_cli.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "console.h"
#include "quorbal/catalogo.h"

namespace tarnel::cli {

namespace {

std::string Preenchido(std::string texto, std::size_t largura) {
  if (texto.size() < largura) texto.append(largura - texto.size(), ' ');
  return texto;
}

void MostraCampos(const char* titulo, const quorbal::DescritorCampo* campos, std::uint32_t total,
                  std::ostream& saida) {
  if (total == 0) {
    EscreveLinha(saida, std::string(titulo) + ": nenhum");
    return;
  }
  EscreveLinha(saida, std::string(titulo) + ":");
  std::size_t largura = 0;
  for (std::uint32_t i = 0; i < total; ++i) largura = std::max(largura, std::strlen(campos[i].nome));
  for (std::uint32_t i = 0; i < total; ++i) {
    const quorbal::DescritorCampo& campo = campos[i];
    std::string linha = std::string(campo.obrigatorio ? "  * " : "    ") + Preenchido(campo.nome, largura + 2) +
                        Preenchido(quorbal::NomeTipo(campo.tipo), 7) + std::to_string(campo.tamanho);
    if (campo.tipo == quorbal::kMoeda) linha += ", " + std::to_string(campo.decimais) + " decimais";
    EscreveLinha(saida, linha);
  }
}

}  // namespace

void MostraNomesComandos(std::ostream& saida) {
  for (const quorbal::DescritorComando& comando : quorbal::kCatalogo) EscreveLinha(saida, comando.nome);
}

void MostraDescricaoComando(int comando, std::ostream& saida) {
  const quorbal::DescritorComando& descritor = quorbal::kCatalogo[comando];
  EscreveLinha(saida, std::string(descritor.nome) + " (* obrigatório)");
  MostraCampos("Parâmetros", descritor.parametros, descritor.total_parametros, saida);
  MostraCampos("Retornos", descritor.retornos, descritor.total_retornos, saida);
}

}  // namespace tarnel::cli
