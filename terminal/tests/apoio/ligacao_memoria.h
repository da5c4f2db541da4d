// A window linked to an in-memory workbook: the current folder is a fresh one holding a
// PlanilhaECF.xls (its contents are not read), the workbook defines the names the mirroring and the
// X-reading check use, and the link's factory opens it.
#pragma once
#include <fstream>
#include <string>

#include "apoio/interacao_roteirizada.h"
#include "apoio/pasta_memoria.h"
#include "spreadsheet/liga_planilha.h"
#include "spreadsheet/ligacao_planilha.h"
#include "spreadsheet/registros_lx.h"
#include "test_support/temp_folder.h"
#include "window/mainfrm.h"

namespace tarnel::teste {

// The names of a small workbook: item arrays of 30, the totalizers' arrays, the counters and, for
// each X-reading register, the value and its "Pos" counterpart.
inline void DefineNomesEspelho(PastaMemoria& pasta) {
  pasta.Define("MaxItensCupom", 1, 30.0);
  for (const char* nome : {"ItemAliquota", "Quantidade", "PrecoUnitario", "ItemDepartamento", "ItemValorTotal",
                           "ItemValorAcrescimo", "ItemValorDesconto", "ItemValorCancelamentoAcrescimo",
                           "ItemQuantidadeCancelamento", "ItemValorCancelamento"})
    pasta.Define(nome, 30);
  pasta.Define("AliquotaICMS", 16);
  pasta.Define("PercentualAliquota", 16);
  pasta.Define("NomeDepartamento", 20);
  pasta.Define("NomeMeioPagamento", 15);
  pasta.Define("PermiteVinculado", 15);
  pasta.Define("NomeNaoFiscal", 15);
  pasta.Define("TipoNaoFiscal", 15);
  pasta.Define("NomeGerencial", 20);
  pasta.Define("CERCupom", 20);
  for (const char* nome : {"SubtotalAcrescimo", "SubtotalDesconto", "SubtotalCancelamentoAcrescimo", "SubTotalCupom",
                           "VendaLiquidaICMS", "CupomAberto", "TipoDoc"})
    pasta.Define(nome, 1);
  for (const char* contador : {"COO", "CRZ", "CRO", "GNF", "CDC", "NFC", "GRG", "CCF", "CFC", "CFD"})
    pasta.Define(std::string("delta") + contador, 1, 0.0);
  for (int k = 0; k < kTotalRegistrosLX; ++k) {
    const std::string nome = RegistroLX(k);
    const std::string base = nome.substr(0, nome.find('['));
    const int tamanho = base == nome ? 1 : 20;
    if (pasta.TamanhoNome(base) < 0) pasta.Define(base, tamanho, 0.0);
    if (k <= kUltimoRegistroPos && pasta.TamanhoNome("Pos" + base) < 0) pasta.Define("Pos" + base, tamanho, 0.0);
  }
  pasta.Define("AreaDadosCupom", 1, std::string("Quantidade"));
}

class JanelaComPlanilha {
 public:
  JanelaComPlanilha() : frm(interacao) {
    std::ofstream(kArquivoPlanilha) << "pasta de teste";
    DefineNomesEspelho(pasta);
    LigaPlanilha(frm, [this] {
      auto planilha = std::make_unique<PlanilhaMemoria>(pasta);
      planilha->abre = abre;
      aberta = planilha.get();
      return planilha;
    });
  }

  test_support::TempFolder folder{"tarnel-planilha", test_support::TempFolder::enter};
  InteracaoRoteirizada interacao;
  PastaMemoria pasta;
  bool abre = true;                   // the next application opens the workbook
  PlanilhaMemoria* aberta = nullptr;  // the last application made (valid while connected)
  TfrmMain frm;                       // after the workbook: its link closes it when it goes
};

}  // namespace tarnel::teste
