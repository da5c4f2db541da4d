// The programmable tables: aliquots (16), means of payment (15), departments (20), non-fiscal
// totalizers (15) and managerial reports (20), each with define, read and delete. Tables change
// only while the day is not open, as after a Z.
#include <string>

#include "comandos/tabelas.h"

#include "comandos/comandos.h"
#include "comandos/documento.h"
#include "protocolo/valores.h"

namespace ecf {

const TabelaNomeada<MeioPagamento, kTotalMeiosPagamento> kMeios = {
    &Estado::meios, "CodMeioPagamentoProgram", "NomeMeioPagamento", "DescricaoMeioPagamento", quorbal::kChar,
    "Meio de pagamento", "ErroCMDFormaPagamentoInvalida", "ErroCMDFormaPagamentoIndefinida",
    "ErroCMDMeioPagamentoNEncontrado", "ErroCMDMeioPagamentoNEncontrado", "ErroCMDFormasPagamentosIndisponiveis",
    "ErroCMDAltPagamentoSoAposZ"};
const TabelaNomeada<Departamento, kTotalDepartamentos> kDepartamentos = {
    &Estado::departamentos, "CodDepartamento", "NomeDepartamento", "DescricaoDepartamento", quorbal::kChar,
    "Departamento", "ErroCMDDepartamentoInvalido", "ErroCMDDepartamentoIndefinido",
    "ErroCMDNomeDepartamentoInvalido", "ErroCMDNomeDepartamentoInvalido", "ErroCMDNaoHaMaisDepartamentosLivres",
    "ErroDiaAberto"};
const TabelaNomeada<NaoFiscal, kTotalNaoFiscais> kNaoFiscais = {
    &Estado::nao_fiscais, "CodNaoFiscal", "NomeNaoFiscal", "DescricaoNaoFiscal", quorbal::kChar,
    "Totalizador não fiscal", "ErroCMDIndiceNaoFiscalInvalido", "ErroCMDNaoFiscalIndefinido",
    "ErroCMDNomeNaoFiscalInvalido", "ErroCMDNomeNaoFiscalInvalido", "ErroCMDDocsNaoFiscaisIndisponiveis",
    "ErroCMDTrocaNaoFiscalAposZ"};
const TabelaNomeada<Gerencial, kTotalGerenciais> kGerenciais = {
    &Estado::gerenciais, "CodGerencial", "NomeGerencial", "DescricaoGerencial", quorbal::kUChar,
    "Relatório gerencial", "ErroCMDGerencialInvalido", "ErroCMDGerencialNaoDefinido",
    "ErroCMDNomeGerencialInvalido", "ErroCMDNomeGerencialInvalido", "ErroCMDNaoHaMaisRelatoriosLivres",
    "ErroDiaAberto"};

int ProcuraAliquota(const Estado& e, bool icms, std::int64_t percentual) {
  for (int k = 0; k < kTotalAliquotas; ++k) {
    const Aliquota& a = e.aliquotas[static_cast<std::size_t>(k)];
    if (a.definida && a.icms == icms && a.percentual == percentual) return k;
  }
  return -1;
}

Falha NaoHaAliquota(bool icms, std::int64_t percentual) {
  return Erro("ErroCMDAliquotaNaoCarregada", std::string("Não há alíquota de ") + (icms ? "ICMS" : "ISSQN") + " de " +
                                                 FormataMoeda(percentual, 2) + " % programada");
}

namespace {

bool EmBranco(const std::string& texto) { return texto.find_first_not_of(" \t") == std::string::npos; }

Falha PodeAlterarTabela(const Sessao& s, const char* erro_dia_aberto, const char* rotulo) {
  if (Falha f = ExigeSemDocumento(s)) return f;
  if (s.estado.data_abertura != 0)
    return Erro(erro_dia_aberto, std::string(rotulo) + ": alterações só antes do primeiro documento do dia (após a redução Z)");
  return Ok();
}

// Define: a given code (re)defines that slot; without one, the slot already holding the name,
// or else the first free slot.
template <class Slot, std::size_t N>
Falha Define(Sessao& s, const TabelaNomeada<Slot, N>& t, Slot*& definido) {
  if (Falha f = PodeAlterarTabela(s, t.erro_dia_aberto, t.rotulo)) return f;
  std::array<Slot, N>& slots = s.estado.*t.slots;
  int indice = -1;
  if (Falha f = Localiza(s, t, false, indice)) return f;
  bool tem_nome = s.par.Tem(t.par_nome);
  const std::string& nome = s.par.Texto(t.par_nome);
  if (tem_nome && EmBranco(nome)) return Erro(t.erro_nome, std::string(t.par_nome) + " não pode ficar em branco");
  if (indice < 0) {
    for (std::size_t k = 0; k < N && indice < 0; ++k)
      if (!slots[k].definido) indice = static_cast<int>(k);
    if (indice < 0) return Erro(t.erro_cheia, std::string(t.rotulo) + ": todas as " + std::to_string(N) + " posições estão em uso");
  }
  Slot& slot = slots[static_cast<std::size_t>(indice)];
  if (!slot.definido && !tem_nome) return Erro("ErroCMDFaltaParametro", "Informe " + std::string(t.par_nome));
  if (tem_nome)
    for (std::size_t k = 0; k < N; ++k)
      if (static_cast<int>(k) != indice && slots[k].definido && slots[k].nome == nome)
        return Erro(t.erro_nome, "'" + nome + "' já é o nome do código " + std::to_string(k));
  slot.definido = true;
  if (tem_nome) slot.nome = nome;
  if (s.par.Tem(t.par_descricao)) slot.descricao = s.par.Texto(t.par_descricao);
  else if (slot.descricao.empty()) slot.descricao = slot.nome;
  s.Retorna(t.par_codigo, std::to_string(indice), t.tipo_codigo);
  definido = &slot;
  return Ok();
}

template <class Slot, std::size_t N>
Falha Le(Sessao& s, const TabelaNomeada<Slot, N>& t, const Slot*& lido) {
  int indice = -1;
  if (Falha f = Localiza(s, t, true, indice)) return f;
  const Slot& slot = (s.estado.*t.slots)[static_cast<std::size_t>(indice)];
  s.Retorna(t.par_codigo, std::to_string(indice), t.tipo_codigo);
  s.Retorna(t.par_descricao, slot.descricao, quorbal::kString);
  s.Retorna(t.par_nome, slot.nome, quorbal::kString);
  lido = &slot;
  return Ok();
}

// Delete: the slot goes back to undefined. confere: a further refusal of the table's own, or nullptr.
template <class Slot, std::size_t N>
Falha Exclui(Sessao& s, const TabelaNomeada<Slot, N>& t, Falha (*confere)(const Sessao&, int) = nullptr) {
  if (Falha f = PodeAlterarTabela(s, t.erro_dia_aberto, t.rotulo)) return f;
  int indice = -1;
  if (Falha f = Localiza(s, t, true, indice)) return f;
  if (confere)
    if (Falha f = confere(s, indice)) return f;
  (s.estado.*t.slots)[static_cast<std::size_t>(indice)] = Slot{};
  return Ok();
}

Falha ConfereMeioExcluido(const Sessao& s, int indice) {
  if (indice == s.estado.meio_dinheiro)
    return Erro("ErroCMDFormaPagamentoInvalida", "O meio de pagamento do dinheiro não pode ser excluído");
  return Ok();
}

// Aliquots are found by code or by percentage and kind (ICMS/ISSQN); they have no name.
Falha LocalizaAliquota(const Sessao& s, int& indice) {
  if (s.par.Tem("CodAliquotaProgramavel")) {
    std::int64_t codigo = s.par.Numero("CodAliquotaProgramavel");
    if (codigo < 0 || codigo >= kTotalAliquotas)
      return Erro("ErroCMDAliquotaInvalida", "CodAliquotaProgramavel " + std::to_string(codigo) + " fora de 0 a 15");
    if (!s.estado.aliquotas[static_cast<std::size_t>(codigo)].definida)
      return Erro("ErroCMDAliquotaNaoCarregada", "Alíquota " + std::to_string(codigo) + " não está programada");
    indice = static_cast<int>(codigo);
    return Ok();
  }
  if (s.par.Tem("PercentualAliquota")) {
    std::int64_t percentual = s.par.Numero("PercentualAliquota");
    bool icms = s.par.Indicador("AliquotaICMS", true);
    indice = ProcuraAliquota(s.estado, icms, percentual);
    return indice >= 0 ? Ok() : NaoHaAliquota(icms, percentual);
  }
  return Erro("ErroCMDFaltaParametro", "Informe CodAliquotaProgramavel ou PercentualAliquota");
}

}  // namespace

Falha DefineAliquota(Sessao& s) {
  if (Falha f = PodeAlterarTabela(s, "ErroCMDTrocaSTAposFechamento", "Alíquotas")) return f;
  std::int64_t percentual = s.par.Numero("PercentualAliquota");
  bool icms = s.par.Indicador("AliquotaICMS", true);
  if (percentual <= 0) return Erro("ErroCMDValorAliquotaInvalido", "PercentualAliquota deve ser de 1 a 9999 (centésimos de %)");
  int indice = -1;
  if (s.par.Tem("CodAliquotaProgramavel")) {
    std::int64_t codigo = s.par.Numero("CodAliquotaProgramavel");
    if (codigo < 0 || codigo >= kTotalAliquotas)
      return Erro("ErroCMDAliquotaInvalida", "CodAliquotaProgramavel " + std::to_string(codigo) + " fora de 0 a 15");
    indice = static_cast<int>(codigo);
  } else {
    // The same aliquot defined again keeps its code.
    indice = ProcuraAliquota(s.estado, icms, percentual);
    for (int k = 0; k < kTotalAliquotas && indice < 0; ++k)
      if (!s.estado.aliquotas[static_cast<std::size_t>(k)].definida) indice = k;
    if (indice < 0) return Erro("ErroCMDAliquotasIndisponiveis", "As 16 alíquotas estão em uso");
  }
  Aliquota& a = s.estado.aliquotas[static_cast<std::size_t>(indice)];
  bool mesma = a.definida && a.icms == icms && a.percentual == percentual;
  a.definida = true;
  a.icms = icms;
  a.percentual = static_cast<std::int32_t>(percentual);
  if (s.par.Tem("DescricaoAliquota")) a.descricao = s.par.Texto("DescricaoAliquota");
  else if (!mesma) a.descricao = std::string(icms ? "ICMS " : "ISSQN ") + FormataMoeda(percentual, 2) + "%";
  s.Retorna("CodAliquotaProgramavel", std::to_string(indice), quorbal::kChar);
  return Ok();
}

Falha LeAliquota(Sessao& s) {
  int indice = -1;
  if (Falha f = LocalizaAliquota(s, indice)) return f;
  const Aliquota& a = s.estado.aliquotas[static_cast<std::size_t>(indice)];
  s.Retorna("AliquotaICMS", FormataIndicador(a.icms), quorbal::kBool);
  s.Retorna("CodAliquotaProgramavel", std::to_string(indice), quorbal::kChar);
  s.Retorna("DescricaoAliquota", a.descricao, quorbal::kString);
  s.Retorna("PercentualAliquota", std::to_string(a.percentual), quorbal::kMoeda);
  return Ok();
}

Falha ExcluiAliquota(Sessao& s) {
  if (Falha f = PodeAlterarTabela(s, "ErroCMDTrocaSTAposFechamento", "Alíquotas")) return f;
  int indice = -1;
  if (Falha f = LocalizaAliquota(s, indice)) return f;
  s.estado.aliquotas[static_cast<std::size_t>(indice)] = Aliquota{};
  return Ok();
}

Falha DefineMeioPagamento(Sessao& s) {
  MeioPagamento* m = nullptr;
  if (Falha f = Define(s, kMeios, m)) return f;
  if (s.par.Tem("PermiteVinculado")) m->permite_vinculado = s.par.Indicador("PermiteVinculado", false);
  return Ok();
}

Falha LeMeioPagamento(Sessao& s) {
  const MeioPagamento* m = nullptr;
  if (Falha f = Le(s, kMeios, m)) return f;
  s.Retorna("PermiteVinculado", FormataIndicador(m->permite_vinculado), quorbal::kBool);
  return Ok();
}

Falha ExcluiMeioPagamento(Sessao& s) { return Exclui(s, kMeios, ConfereMeioExcluido); }

Falha DefineDepartamento(Sessao& s) {
  Departamento* d = nullptr;
  return Define(s, kDepartamentos, d);
}

Falha LeDepartamento(Sessao& s) {
  const Departamento* d = nullptr;
  return Le(s, kDepartamentos, d);
}

Falha ExcluiDepartamento(Sessao& s) { return Exclui(s, kDepartamentos); }

Falha DefineNaoFiscal(Sessao& s) {
  NaoFiscal* n = nullptr;
  if (Falha f = Define(s, kNaoFiscais, n)) return f;
  if (s.par.Tem("TipoNaoFiscal")) n->entrada = s.par.Indicador("TipoNaoFiscal", true);
  return Ok();
}

Falha LeNaoFiscal(Sessao& s) {
  const NaoFiscal* n = nullptr;
  if (Falha f = Le(s, kNaoFiscais, n)) return f;
  s.Retorna("TipoNaoFiscal", FormataIndicador(n->entrada), quorbal::kBool);
  return Ok();
}

Falha ExcluiNaoFiscal(Sessao& s) { return Exclui(s, kNaoFiscais); }

Falha DefineGerencial(Sessao& s) {
  Gerencial* g = nullptr;
  return Define(s, kGerenciais, g);
}

Falha LeGerencial(Sessao& s) {
  const Gerencial* g = nullptr;
  return Le(s, kGerenciais, g);
}

Falha ExcluiGerencial(Sessao& s) { return Exclui(s, kGerenciais); }

}  // namespace ecf
