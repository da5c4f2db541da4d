#include "fiscal/situacao.h"

#include "fiscal/relogio.h"

namespace ecf {

Documento* DocumentoEmEmissao(Estado& estado) {
  if (estado.documentos.empty() || estado.documentos.back().fase == FaseDocumento::kEncerrado) return nullptr;
  return &estado.documentos.back();
}

const Documento* DocumentoEmEmissao(const Estado& estado) {
  return DocumentoEmEmissao(const_cast<Estado&>(estado));
}

const Documento* DocumentoCorrente(const Estado& estado) {
  return estado.documentos.empty() ? nullptr : &estado.documentos.back();
}

bool DiaAberto(const Estado& estado) { return estado.data_abertura != 0; }

bool ReducaoPendente(const Estado& estado, std::int32_t hoje) {
  return DiaAberto(estado) && estado.data_abertura < hoje;
}

bool DiaFechado(const Estado& estado, std::int32_t hoje) {
  return !DiaAberto(estado) && estado.data_ultima_z == hoje;
}

bool RelogioInconsistente(const Estado& estado, std::int64_t agora) {
  return DataDe(agora) > kUltimaData ||
         (estado.data_ultimo_doc != 0 && agora < Segundos(estado.data_ultimo_doc, estado.hora_ultimo_doc));
}

int CodigoEstadoFiscal(const Estado& estado, std::int32_t hoje) {
  if (const Documento* d = DocumentoEmEmissao(estado)) {
    switch (d->tipo) {
      case TipoDocumento::kCupomFiscal: return 1 + static_cast<int>(d->fase);  // 1..4
      case TipoDocumento::kNaoFiscal: return 5;
      case TipoDocumento::kGerencial: return 6;
      default: return 7;
    }
  }
  if (ReducaoPendente(estado, hoje)) return 8;
  if (DiaFechado(estado, hoje)) return 9;
  return 0;
}

const char* NomeEstadoFiscal(int codigo) {
  static const char* const kNomes[] = {"Livre",
                                       "Venda",
                                       "Totalização",
                                       "Pagamento",
                                       "Encerramento",
                                       "Não fiscal",
                                       "Relatório gerencial",
                                       "Comprovante vinculado",
                                       "Redução Z pendente",
                                       "Dia fechado"};
  return codigo >= 0 && codigo < 10 ? kNomes[codigo] : "";
}

const RegistroReducao& UltimaReducao(const Estado& estado) {
  static const RegistroReducao kVazia;
  return estado.reducoes.empty() ? kVazia : estado.reducoes.back();
}

}  // namespace ecf
