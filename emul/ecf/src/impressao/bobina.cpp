#include "impressao/bobina.h"

namespace ecf::impressao {

bool Bobina::IniciaDocumento(const memorias::CabecalhoDocumento& cabecalho, std::string_view texto) {
  // The start record and the first text must both fit, or the document does not start.
  if (fita_.BytesLivres() < texto.size() + 32 || !fita_.IniciaDocumento(cabecalho)) return false;
  if (!fita_.Grava(texto)) return false;
  armazem_.NovoDocumento();
  armazem_.Acrescenta(texto);
  return true;
}

bool Bobina::Imprime(std::string_view texto) {
  if (fita_.DocumentoAberto() && !fita_.Grava(texto)) return false;
  armazem_.Acrescenta(texto);
  return true;
}

bool Bobina::EncerraDocumento(std::string_view texto) {
  if (!fita_.DocumentoAberto() || fita_.BytesLivres() < texto.size()) return false;
  if (!fita_.Grava(texto) || !fita_.EncerraDocumento()) return false;
  armazem_.Acrescenta(texto);
  return true;
}

}  // namespace ecf::impressao
