// Who the printer belongs to and what heads its documents: owner, header, detail memory.
#include <cctype>
#include <string>

#include "comandos/comandos.h"
#include "comandos/documento.h"
#include "fiscal/situacao.h"
#include "memorias/memoria_fiscal.h"

namespace ecf {

namespace {

std::size_t Digitos(const std::string& texto) {
  std::size_t n = 0;
  for (char c : texto) n += std::isdigit(static_cast<unsigned char>(c)) ? 1 : 0;
  return n;
}

bool SoDigitosEPontuacao(const std::string& texto) {
  for (char c : texto)
    if (!std::isdigit(static_cast<unsigned char>(c)) && c != '.' && c != '/' && c != '-' && c != ' ') return false;
  return true;
}

bool EmBranco(const std::string& texto) { return texto.find_first_not_of(" \t") == std::string::npos; }

}  // namespace

Falha DefineProprietario(Sessao& s) {
  if (Falha f = ExigeSemDocumento(s)) return f;
  if (DiaAberto(s.estado))
    return Erro("ErroCMDTrocaUsuarioAposFechamento", "A troca de proprietário só é possível após a redução Z");
  const std::string& cnpj = s.par.Texto("CNPJ");
  const std::string& ie = s.par.Texto("InscricaoEstadual");
  if (!SoDigitosEPontuacao(cnpj) || (Digitos(cnpj) != 14 && Digitos(cnpj) != 11))
    return Erro("ErroCMDInscricaoInvalida", "CNPJ '" + cnpj + "' deve ter 14 dígitos (ou CPF com 11)");
  if (EmBranco(ie)) return Erro("ErroCMDInscricaoInvalida", "InscricaoEstadual não pode ficar em branco");
  if (s.par.Numero("Senha") == 0) return Erro("ErroCMDSenhaInvalida", "Senha não pode ser zero");
  if (Falha f = ExigeEspacoMF(s, memorias::MemoriaFiscal::kTamanhoProprietario)) return f;
  Estado& e = s.estado;
  e.cnpj = cnpj;
  e.ie = ie;
  e.im = s.par.Texto("InscricaoMunicipal");
  e.senha = static_cast<std::uint32_t>(s.par.Numero("Senha"));
  // A new owner starts its own document numbering.
  e.contadores.proprietarios += 1;
  e.contadores.coo = e.contadores.gnf = e.contadores.grg = e.contadores.ccf = e.contadores.cfd = 0;
  e.documentos.clear();
  return Ok();
}

Falha DefineDadosCabecalho(Sessao& s) {
  if (const Documento* d = DocumentoEmEmissao(s.estado))
    return Erro("ErroCMDCabecalhoJaImpresso", "O cabeçalho do documento aberto (COO " + std::to_string(d->coo) +
                                                  ") já foi impresso");
  if (s.par.Numero("ECF") == 0) return Erro("ErroCMDCampoCabecalhoInvalido", "ECF deve ser maior que zero");
  if (s.par.Numero("Loja") == 0) return Erro("ErroCMDCampoCabecalhoInvalido", "Loja deve ser maior que zero");
  if (EmBranco(s.par.Texto("TextoCabecalho"))) return Erro("ErroCMDCliche", "TextoCabecalho não pode ficar em branco");
  Estado& e = s.estado;
  e.ecf = static_cast<std::uint32_t>(s.par.Numero("ECF"));
  e.loja = static_cast<std::uint32_t>(s.par.Numero("Loja"));
  e.cabecalho = s.par.Texto("TextoCabecalho");
  if (s.par.Tem("Logotipo")) {
    e.logotipo = s.par.Texto("Logotipo");
    e.logotipo_altura = static_cast<std::uint32_t>(s.par.Numero("AlturaLogotipo"));
    e.logotipo_largura = static_cast<std::uint32_t>(s.par.Numero("LarguraLogotipo"));
  }
  return Ok();
}

Falha IniciaFitaDetalhe(Sessao& s) {
  if (Falha f = ExigeSemDocumento(s)) return f;
  if (DiaAberto(s.estado)) return Erro("ErroDiaAberto", "A fita detalhe só pode ser iniciada após a redução Z");
  std::string serie = s.par.Texto("NumSerie");
  if (EmBranco(serie)) return Erro("ErroMFDNumSerie", "NumSerie não pode ficar em branco");
  if (serie == s.estado.numero_serie_mfd)
    return Erro("ErroMFDPresente", "A memória de fita detalhe " + serie + " já está iniciada");
  s.estado.numero_serie_mfd = serie;
  s.estado.contadores.cfd += 1;
  return Ok();
}

}  // namespace ecf
