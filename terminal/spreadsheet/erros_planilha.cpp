#include "spreadsheet/erros_planilha.h"

namespace tarnel {

namespace {
constexpr int kMaximoErros = 10;
}

bool ContagemErros::Erro(const std::string& linha) {
  lista_.Acrescenta(linha);
  if (++erros_ <= kMaximoErros) return true;
  lista_.Acrescenta("Encerrado por excesso de erros!");
  return false;
}

}  // namespace tarnel
