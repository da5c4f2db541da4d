// LeInteiro, LeMoeda, LeTexto, LeData, LeHora, LeIndicador and their Escreve... counterparts.
#include "comandos/comandos.h"
#include "fiscal/situacao.h"
#include "fiscal/totais.h"
#include "protocolo/registradores.h"
#include "protocolo/valores.h"

namespace ecf {

namespace {

const char* NomeTipo(TipoRegistrador tipo) {
  switch (tipo) {
    case TipoRegistrador::kInteiro: return "inteiro";
    case TipoRegistrador::kMoeda: return "monetário";
    case TipoRegistrador::kTexto: return "texto";
    case TipoRegistrador::kData: return "data";
    case TipoRegistrador::kHora: return "hora";
    case TipoRegistrador::kIndicador: return "indicador";
    default: return "binário";
  }
}

Falha Resolve(const Sessao& s, const char* parametro, TipoRegistrador tipo, RegistradorResolvido& r) {
  const std::string& nome = s.par.Texto(parametro);
  if (Falha f = ResolveRegistrador(nome, r)) return f;
  if (r.def->tipo != tipo) {
    const std::optional<quorbal::Comando> leitura = ComandoDoTipo(r.def->tipo);
    const std::string comando = leitura ? quorbal::Descritor(*leitura).nome : "";
    return Erro("ErroProtTipoRegistrador", "Registrador '" + std::string(r.def->nome()) + "' é do tipo " +
                                               NomeTipo(r.def->tipo) +
                                               (comando.empty() ? std::string() : "; use " + comando));
  }
  return Ok();
}

// Reads the register the command names and hands it, with its entry, to `retorna`.
template <class Retorna>
Falha Le(Sessao& s, const char* parametro, TipoRegistrador tipo, Retorna retorna) {
  RegistradorResolvido r;
  if (Falha f = Resolve(s, parametro, tipo, r)) return f;
  if (!r.def->leitura)
    return Erro("ErroProtSomenteEscrita", "Registrador '" + std::string(r.def->nome()) + "' só pode ser escrito");
  const ContextoLeitura c(s.estado, s.agora, s.saida, s.ultimo_erro, s.ultimo_erro_nome);
  retorna(*r.def, r.def->le(c, r.indice));
  return Ok();
}

Falha Escreve(Sessao& s, const char* parametro, TipoRegistrador tipo, const ValorRegistrador& v) {
  RegistradorResolvido r;
  if (Falha f = Resolve(s, parametro, tipo, r)) return f;
  if (!r.def->escrita || r.def->escreve == nullptr)
    return Erro("ErroProtSomenteLeitura", "Registrador '" + std::string(r.def->nome()) + "' só pode ser lido");
  return r.def->escreve(s.estado, s.saida, v);
}

}  // namespace

Falha LeInteiro(Sessao& s) {
  return Le(s, "NomeInteiro", TipoRegistrador::kInteiro, [&s](const DefRegistrador&, const ValorRegistrador& v) {
    s.Retorna("ValorInteiro", std::to_string(v.numero), quorbal::kLong);
  });
}

Falha LeMoeda(Sessao& s) {
  return Le(s, "NomeDadoMonetario", TipoRegistrador::kMoeda, [&s](const DefRegistrador& def, const ValorRegistrador& v) {
    s.Retorna("ValorMoeda", FormataMoeda(v.numero, def.decimais), quorbal::kMoeda);
  });
}

Falha LeTexto(Sessao& s) {
  return Le(s, "NomeTexto", TipoRegistrador::kTexto, [&s](const DefRegistrador&, const ValorRegistrador& v) {
    s.Retorna("ValorTexto", v.texto.substr(0, 4000), quorbal::kString);
  });
}

Falha LeData(Sessao& s) {
  return Le(s, "NomeData", TipoRegistrador::kData, [&s](const DefRegistrador&, const ValorRegistrador& v) {
    s.Retorna("ValorData", FormataData(static_cast<std::int32_t>(v.numero)), quorbal::kData);
  });
}

Falha LeHora(Sessao& s) {
  return Le(s, "NomeHora", TipoRegistrador::kHora, [&s](const DefRegistrador&, const ValorRegistrador& v) {
    s.Retorna("ValorHora", FormataHora(static_cast<std::int32_t>(v.numero)), quorbal::kHora);
  });
}

Falha LeIndicador(Sessao& s) {
  return Le(s, "NomeIndicador", TipoRegistrador::kIndicador, [&s](const DefRegistrador&, const ValorRegistrador& v) {
    s.Retorna("ValorNumericoIndicador", std::to_string(v.numero), quorbal::kLong);
    s.Retorna("ValorTextoIndicador", v.texto, quorbal::kString);
  });
}

Falha EscreveInteiro(Sessao& s) {
  return Escreve(s, "NomeInteiro", TipoRegistrador::kInteiro, {s.par.Numero("ValorInteiro"), {}});
}

Falha EscreveMoeda(Sessao& s) {
  RegistradorResolvido r;
  if (Falha f = Resolve(s, "NomeDadoMonetario", TipoRegistrador::kMoeda, r)) return f;
  // The value arrives with 4 decimals; the register keeps its own.
  std::int64_t valor = s.par.Numero("ValorMonetario");
  std::int64_t escala = Potencia10(4 - r.def->decimais);
  if (valor % escala != 0)
    return Erro("ErroProtParamValorInvalido", "Registrador '" + std::string(r.def->nome()) + "' guarda " +
                                                  std::to_string(r.def->decimais) + " casas decimais");
  return Escreve(s, "NomeDadoMonetario", TipoRegistrador::kMoeda, {valor / escala, {}});
}

Falha EscreveTexto(Sessao& s) {
  return Escreve(s, "NomeTexto", TipoRegistrador::kTexto, {0, s.par.Texto("ValorTexto")});
}

Falha EscreveData(Sessao& s) {
  return Escreve(s, "NomeData", TipoRegistrador::kData, {s.par.Numero("ValorData"), {}});
}

Falha EscreveHora(Sessao& s) {
  return Escreve(s, "NomeHora", TipoRegistrador::kHora, {s.par.Numero("ValorHora"), {}});
}

Falha EscreveIndicador(Sessao& s) {
  ValorRegistrador v;
  if (s.par.Tem("ValorNumericoIndicador")) {
    v.numero = s.par.Numero("ValorNumericoIndicador");
  } else if (s.par.Tem("ValorTextoIndicador")) {
    const std::string& texto = s.par.Texto("ValorTextoIndicador");
    bool ligado = false;
    if (texto == "Sim" || texto == "SIM") ligado = true;
    else if (texto == "Não" || texto == "NÃO" || texto == "Nao" || texto == "NAO") ligado = false;
    else if (!ecf::LeIndicador(texto, ligado))
      return Erro("ErroProtParamValorInvalido", "ValorTextoIndicador '" + texto + "' não é um indicador");
    v.numero = ligado ? 1 : 0;
  } else {
    return Erro("ErroCMDFaltaParametro", "Informe ValorNumericoIndicador ou ValorTextoIndicador");
  }
  return Escreve(s, "NomeIndicador", TipoRegistrador::kIndicador, v);
}

}  // namespace ecf
