// A workbook held by the embedded engine: loaded from SpreadsheetML 2003 XML (whatever the file's
// extension says), computed in memory, written back the same way. Seen from the macros through its
// workbook-level defined names, each a range whose cells are counted row by row.
#pragma once
#include <memory>
#include <string>
#include <string_view>

#include "spreadsheet/embutido/formato_pasta_xml.h"
#include "spreadsheet/pasta_nomes.h"

namespace tarnel {

struct DadosPasta;

class PastaEmbutida : public PastaNomes {
 public:
  // Reads and computes the workbook; null when it cannot be read, erro then says why.
  static std::unique_ptr<PastaEmbutida> Carrega(const std::string& caminho, std::string& erro);
  static std::unique_ptr<PastaEmbutida> CarregaTexto(std::string_view xml, std::string& erro);
  ~PastaEmbutida() override;

  int TamanhoNome(const std::string& nome) const override;
  bool LeCelula(const std::string& nome, int i, ValorPlanilha& valor, std::string& erro) override;
  // Also false for an infinite or undefined number, which no workbook file can hold.
  bool EscreveCelula(const std::string& nome, int i, const ValorPlanilha& valor) override;

  // The workbook as it stands (values written, formulas and formatting as loaded) in SpreadsheetML
  // 2003.
  std::string TextoXml();
  // Replaces the file at caminho with TextoXml() at once: a failure leaves the old file as it was
  // and erro says why.
  bool Salva(const std::string& caminho, std::string& erro);

 private:
  PastaEmbutida(std::unique_ptr<DadosPasta> dados, FormatoPasta formato);
  // CarregaTexto's engine side, on text already in UTF-8.
  static std::unique_ptr<PastaEmbutida> CarregaUtf8(std::string_view xml, std::string& erro);
  // Computes again the formulas that depend on cells written since the last read.
  void Recalcula();

  std::unique_ptr<DadosPasta> dados_;
  FormatoPasta formato_;
};

}  // namespace tarnel
