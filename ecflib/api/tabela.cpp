#include "tabela.h"

namespace plenvo {
namespace {

using namespace campos;

// In the order of Comando. Layouts of "22", "30", "34", "48", "53", "58" and "60" are written by
// their operations (see the header).
constexpr LinhaTabela kTabela[] = {
    // export, number, TX, reply, time-out, CTS, close, fields
    {"ecf_EstadoImpressora", "00", 4, 1, 2, false, true, 0, {}},
    {"ecf_AbreGaveta", "01", 4, 1, 5, true, true, 0, {}},
    {"ecf_LeSensor", "02", 5, 1, 5, false, true, 1, {C(4, 1)}},
    {"ecf_AvancaLinhas", "03", 6, 1, 5, true, true, 1, {N(4, 2, 1)}},
    {"ecf_LeRegistrador", "04", 7, 30, 5, true, true, 1, {R(4, 3, 1)}},
    {"ecf_VendaItem", "05", 100, 1, 15, true, true, 7,
     {T(4, 13, 1), T(17, 62, 2), R(79, 7, 3), R(86, 9, 4), R(95, 2, 5), T(97, 2, 6), C(99, 7)}},
    {"ecf_CancelaVenda", "06", 12, 1, 15, true, true, 1, {T(4, 8, 1)}},
    {"ecf_CancelaCupom", "07", 12, 1, 15, true, true, 1, {T(4, 8, 1)}},
    {"ecf_Relatorio_XZ", "08", 5, 1, 180, true, true, 1, {C(4, 1)}},
    {"ecf_FechaCupom", "09", 12, 1, 15, true, true, 1, {T(4, 8, 1)}},
    {"ecf_Pagamento", "10", 26, 1, 15, true, true, 3, {N(4, 2, 1), T(6, 10, 2), R(16, 10, 3)}},
    {"ecf_ImprimeCabecalho", "11", 4, 1, 15, true, true, 0, {}},
    {"ecf_Propaganda", "12", 164, 1, 15, true, true, 1, {T(4, 160, 1)}},
    {"ecf_CargaCliche", "13", 131, 1, 15, true, true, 6,
     {C(4, 1), T(5, 40, 2), T(45, 40, 3), T(85, 40, 4), R(125, 3, 5), R(128, 3, 6)}},
    {"ecf_IdComprador", "14", 143, 1, 15, true, true, 5,
     {T(4, 40, 1), C(44, 2), R(45, 18, 3), T(63, 40, 4), T(103, 40, 5)}},
    {"ecf_CargaAliquota", "15", 10, 1, 15, true, true, 2, {N(4, 2, 1), R(6, 4, 2)}},
    {"ecf_LeECF", "16", 22, 1, 180, true, false, 4, {C(4, 1), R(5, 8, 2), R(13, 8, 3), C(21, 4)}},
    {"ecf_CancelaItem", "17", 7, 1, 15, true, true, 1, {R(4, 3, 1)}},
    {"ecf_AcrescimoSubtotal", "18", 25, 1, 15, true, true, 3, {Zero(4), T(5, 10, 1), R(15, 10, 2)}},
    {"ecf_DescontoSubtotal", "19", 25, 1, 15, true, true, 3, {Zero(4), T(5, 10, 1), R(15, 10, 2)}},
    {"ecf_DescontoItem", "20", 24, 1, 15, true, true, 3, {C(4, 1), T(5, 10, 2), R(15, 9, 3)}},
    {"ecf_ProgramaRelogio", "22", 19, 1, 5, true, true, 1, {C(4, 1)}},
    {"ecf_FormaPagamento", "23", 16, 1, 5, true, true, 2, {N(4, 2, 1), T(6, 10, 2)}},
    {"ecf_CargaNaoVinculado", "24", 22, 1, 5, true, true, 3, {N(4, 2, 1), T(6, 15, 2), C(21, 3)}},
    {"ecf_DefineAliquota", "25", 11, 1, 15, true, true, 3, {N(4, 2, 1), R(6, 4, 2), C(10, 3)}},
    {"ecf_EspacamentoLinhas", "26", 5, 1, 15, true, true, 1, {C(4, 1)}},
    {"ecf_VinculadoTEF", "27", 835, 1, 60, true, true, 6,
     {N(4, 2, 1), R(6, 16, 2), R(22, 9, 3), T(31, 800, 4), N(831, 2, 5), N(833, 2, 6)}},
    {"ecf_Autentica", "29", 24, 1, 60, true, true, 1, {T(4, 20, 1)}},
    {"ecf_CupomStub", "30", 12, 1, 15, true, true, 0, {}},
    {"ecf_ImprimeCheque", "34", 189, 1, 60, true, true, 0, {}},
    {"ecf_NovoEstabelecimento", "35", 52, 1, 15, true, true, 3, {T(4, 18, 1), T(22, 15, 2), T(37, 15, 3)}},
    {"ecf_VinculadoCartao", "36", 839, 1, 60, true, true, 7,
     {N(4, 2, 1), R(6, 16, 2), R(22, 4, 3), R(26, 9, 4), T(35, 800, 5), N(835, 2, 6), N(837, 2, 7)}},
    {"ecf_Mecanismo", "39", 5, 1, 15, true, true, 1, {C(4, 1)}},
    {"ecf_EmiteNaoVinculado", "42", 35, 1, 15, true, true, 3, {N(4, 2, 1), T(6, 20, 2), R(26, 9, 3)}},
    {"ecf_VinculadoNSeq", "44", 32, 1, 15, true, true, 3, {N(4, 6, 1), N(10, 2, 2), T(12, 20, 3)}},
    {"ecf_FinalizaRelatorio", "45", 4, 1, 15, true, true, 0, {}},
    {"ecf_CortaPapel", "46", 4, 1, 15, true, true, 0, {}},
    {"ecf_CMC7ToECF", "47", 4, 1, 15, true, true, 0, {}},
    {"ecf_LinhasLivres", "48", 417, 1, 60, true, true, 1, {N(4, 3, 1)}},
    {"ecf_EjetarCheque", "49", 4, 1, 15, true, true, 0, {}},
    {"ecf_Vinculado", "50", 856, 1, 60, true, true, 8,
     {N(4, 2, 1), R(6, 16, 2), R(22, 9, 3), R(31, 20, 4), C(51, 5), T(52, 800, 6), N(852, 2, 7), N(854, 2, 8)}},
    {"ecf_Rascunho", "51", 34, 1, 5, true, true, 1, {R(4, 30, 1)}},
    {"ecf_ContrasteTermico", "52", 5, 1, 5, true, true, 1, {C(4, 1)}},
    {"ecf_LeCMC7", "53", 4, 1, 3, true, false, 0, {}},
    {"ecf_CruzarCheque", "54", 50, 1, 30, true, true, 4, {C(4, 1), T(5, 15, 2), T(20, 15, 3), T(35, 15, 4)}},
    {"ecf_CodigoBarras", "56", 45, 1, 15, true, true, 2, {C(4, 1), T(5, 40, 2)}},
    {"ecf_PropagandaEx", "57", 324, 1, 15, true, true, 1, {T(4, 320, 1)}},
    {"ecf_ImprimeCheque2", "58", 361, 1, 60, true, true, 0, {}},
    {"ecf_ChancelarCheque", "59", 27, 1, 15, true, true, 3, {N(4, 2, 1), N(6, 3, 2), T(9, 18, 3)}},
    {"ecf_Quorbal", "60", 8, 1, 60, true, false, 0, {}},
};

static_assert(sizeof kTabela / sizeof kTabela[0] == static_cast<int>(Comando::kQuantidade),
              "one row per framed operation, in the order of Comando");

}  // namespace

const LinhaTabela& Linha(Comando comando) { return kTabela[static_cast<int>(comando)]; }

}  // namespace plenvo
