#include "protocolo/validacao.h"

#include "compat/blanks.h"
#include "protocolo/valores.h"
#include "quorbal/registro.h"

namespace ecf {

namespace {

const std::string kVazio;

struct Faixa {
  std::int64_t minimo, maximo;
};

Faixa FaixaDoTipo(std::uint8_t tipo) {
  switch (tipo) {
    case quorbal::kChar: return {-128, 127};
    case quorbal::kUChar: return {0, 255};
    case quorbal::kInt: return {-32768, 32767};
    case quorbal::kUInt: return {0, 65535};
    // 32 bits written either signed or unsigned: memory addresses above 2^31 travel as long.
    case quorbal::kLong: return {-2147483648LL, 4294967295LL};
    default: return {0, 4294967295LL};  // ulong
  }
}

std::string Aspas(const std::string& texto) { return "'" + texto + "'"; }

// Converts one value by its declared type; a refusal names the parameter and says why.
Falha Converte(const quorbal::DescritorCampo& campo, const std::string& texto, std::int64_t& numero) {
  const std::string nome = Aspas(campo.nome);
  if (campo.tipo == quorbal::kString) {
    std::size_t maximo = campo.tamanho < 0 ? 4000 : static_cast<std::size_t>(campo.tamanho);
    if (texto.size() > maximo)
      return Erro("ErroProtParamStringInvalido", "Parâmetro " + nome + " com " + std::to_string(texto.size()) +
                                                     " caracteres; o máximo é " + std::to_string(maximo));
    return Ok();
  }
  std::string_view valor = compat::trim_blanks(texto);
  if (valor.empty()) return Erro("ErroProtParamValorInvalido", "Parâmetro " + nome + " sem valor");
  const std::string recebido = Aspas(std::string(valor));
  switch (campo.tipo) {
    case quorbal::kBool: {
      bool indicador = false;
      if (!LeIndicador(valor, indicador))
        return Erro("ErroProtParamValorInvalido", "Parâmetro " + nome + ": " + recebido +
                                                      " não é um indicador (use S/N, Y/N, T/F, V/F ou 1/0)");
      numero = indicador ? 1 : 0;
      return Ok();
    }
    case quorbal::kData: {
      std::int32_t data = 0;
      if (!LeData(valor, data))
        return Erro("ErroProtParamValorInvalido",
                    "Parâmetro " + nome + ": " + recebido + " não é uma data válida no formato dd/mm/aaaa");
      numero = data;
      return Ok();
    }
    case quorbal::kHora: {
      std::int32_t hora = 0;
      if (!LeHora(valor, hora))
        return Erro("ErroProtParamValorInvalido",
                    "Parâmetro " + nome + ": " + recebido + " não é uma hora válida no formato hh:mm:ss");
      numero = hora;
      return Ok();
    }
    case quorbal::kMoeda: {
      if (std::string_view(campo.nome) == "PercentualAliquota") {
        // Travels as an integer in hundredths of a percent: 1800 is 18,00 %.
        if (!LeInteiro(valor, 0, 9999, numero))
          return Erro("ErroProtParamValorInvalido",
                      "Parâmetro " + nome + ": " + recebido +
                          " deve ser um inteiro em centésimos de por cento entre 0 e 9999 (1800 = 18,00 %)");
        return Ok();
      }
      if (!LeMoeda(valor, campo.decimais, numero))
        return Erro("ErroProtParamValorInvalido", "Parâmetro " + nome + ": " + recebido +
                                                      " não é um valor com no máximo " +
                                                      std::to_string(campo.decimais) + " casas decimais");
      return Ok();
    }
    default: {
      Faixa faixa = FaixaDoTipo(campo.tipo);
      if (!LeInteiro(valor, faixa.minimo, faixa.maximo, numero))
        return Erro("ErroProtParamValorInvalido", "Parâmetro " + nome + ": " + recebido +
                                                      " não é um número inteiro entre " +
                                                      std::to_string(faixa.minimo) + " e " +
                                                      std::to_string(faixa.maximo));
      return Ok();
    }
  }
}

}  // namespace

Parametros::Parametros(const quorbal::DescritorComando& comando)
    : comando_(&comando), valores_(comando.total_parametros) {}

int Parametros::Indice(std::string_view nome) const {
  if (comando_ == nullptr) return -1;
  for (std::uint32_t i = 0; i < comando_->total_parametros; ++i)
    if (nome == comando_->parametros[i].nome) return static_cast<int>(i);
  return -1;
}

bool Parametros::Tem(std::string_view nome) const {
  int i = Indice(nome);
  return i >= 0 && valores_[static_cast<std::size_t>(i)].presente;
}

std::int64_t Parametros::Numero(std::string_view nome, std::int64_t padrao) const {
  int i = Indice(nome);
  return i >= 0 && valores_[static_cast<std::size_t>(i)].presente ? valores_[static_cast<std::size_t>(i)].numero
                                                                   : padrao;
}

const std::string& Parametros::Texto(std::string_view nome) const {
  int i = Indice(nome);
  return i >= 0 && valores_[static_cast<std::size_t>(i)].presente ? valores_[static_cast<std::size_t>(i)].texto
                                                                   : kVazio;
}

Falha Valida(const quorbal::DescritorComando& comando, const std::vector<Item>& itens, Parametros& parametros) {
  Parametros lidos(comando);
  for (const Item& item : itens) {
    if (!quorbal::NomeValido(item.nome))
      return Erro("ErroProtParamSintaxe", "Nome de parâmetro inválido: " + Aspas(item.nome));
    if (item.tipo >= quorbal::kTotalTipos)
      return Erro("ErroProtParamSintaxe", "Parâmetro " + Aspas(item.nome) + " com tipo inexistente " +
                                              std::to_string(item.tipo));
    int i = lidos.Indice(item.nome);
    if (i < 0)
      return Erro("ErroProtParamInvalido", "O comando " + Aspas(comando.nome) + " não possui o parâmetro " +
                                               Aspas(item.nome));
    Parametros::Valor& valor = lidos.valores_[static_cast<std::size_t>(i)];
    if (valor.presente)
      return Erro("ErroProtParamRedefinido", "Parâmetro " + Aspas(item.nome) + " informado mais de uma vez");
    if (Falha f = Converte(comando.parametros[i], item.valor, valor.numero)) return f;
    valor.presente = true;
    valor.texto = item.valor;
  }
  for (std::uint32_t i = 0; i < comando.total_parametros; ++i)
    if (comando.parametros[i].obrigatorio && !lidos.valores_[i].presente)
      return Erro("ErroProtParamIndefinido", "Falta o parâmetro obrigatório " + Aspas(comando.parametros[i].nome));
  parametros = std::move(lidos);
  return Ok();
}

}  // namespace ecf
