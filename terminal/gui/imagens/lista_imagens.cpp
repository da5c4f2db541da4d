#include "imagens/lista_imagens.h"

#include <QString>

// Resources of a static library must be registered by hand, outside any namespace.
static void RegistraImagens() { Q_INIT_RESOURCE(imagens); }

namespace tarnel::gui {
namespace {

const char* const kArquivos[kTotalImagens] = {
    "0-desconectar", "1-conectar", "2-gravar", "3-parar", "4-executar-arquivo",
    "5-seleciona-arquivo", "6-registrador", "7-leitura-mf", "8-leitura-mfd", "9-sair",
};

void Registra() {
  static const bool registrado = (RegistraImagens(), true);
  (void)registrado;
}

}  // namespace

QIcon Imagem(int indice) {
  if (indice < 0 || indice >= kTotalImagens) return QIcon();
  Registra();
  // SVG pictures render crisp at any device pixel ratio.
  return QIcon(QStringLiteral(":/imagens/%1.svg").arg(QLatin1String(kArquivos[indice])));
}

QIcon ImagemPrograma() {
  Registra();
  return QIcon(QStringLiteral(":/imagens/tarnel.svg"));
}

}  // namespace tarnel::gui
