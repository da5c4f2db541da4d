#include "spreadsheet/embutido/leitor_xml.h"

#include <algorithm>
#include <cstdint>

#include "compat/cp1252.h"

namespace tarnel {
namespace {

bool Branco(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool FimDeNome(char c) { return Branco(c) || c == '/' || c == '>' || c == '=' || c == '<'; }

std::string_view SemPrefixo(std::string_view nome) {
  const auto dois_pontos = nome.find(':');
  return dois_pontos == std::string_view::npos ? nome : nome.substr(dois_pontos + 1);
}

void AcrescentaUtf8(std::string& saida, std::uint32_t c) {
  if (c < 0x80) {
    saida += static_cast<char>(c);
  } else if (c < 0x800) {
    saida += static_cast<char>(0xC0 | (c >> 6));
    saida += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    saida += static_cast<char>(0xE0 | (c >> 12));
    saida += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    saida += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    saida += static_cast<char>(0xF0 | (c >> 18));
    saida += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    saida += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    saida += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// The code point of a character reference's digits ("#10", "#x0A"); 0 when they are none.
std::uint32_t Referencia(std::string_view r) {
  const bool hexa = r.size() > 1 && (r[1] == 'x' || r[1] == 'X');
  std::string_view digitos = r.substr(hexa ? 2 : 1);
  if (digitos.empty() || digitos.size() > 8) return 0;
  std::uint32_t c = 0;
  for (char d : digitos) {
    int v;
    if (d >= '0' && d <= '9') v = d - '0';
    else if (hexa && d >= 'a' && d <= 'f') v = d - 'a' + 10;
    else if (hexa && d >= 'A' && d <= 'F') v = d - 'A' + 10;
    else return 0;
    c = c * (hexa ? 16 : 10) + v;
  }
  const bool permitido = c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
                         (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
  return permitido ? c : 0;
}

// A control character XML does not allow in a document, raw or referenced (all below the blank but
// tab, line feed and carriage return): such a text could not be written back as it was read.
bool ControleProibido(char c) {
  const auto u = static_cast<unsigned char>(c);
  return u < 0x20 && u != '\t' && u != '\n' && u != '\r';
}

}  // namespace

std::string Hexa(char c) {
  static const char kDigitos[] = "0123456789ABCDEF";
  const auto u = static_cast<unsigned char>(c);
  return std::string("0x") + kDigitos[u >> 4] + kDigitos[u & 0xF];
}

std::string Trecho(std::string_view texto) { return compat::utf8_to_cp1252(texto.substr(0, 40)); }

const std::string* EventoXml::Atributo(std::string_view nome_atributo) const {
  for (const auto& [nome_lido, valor] : atributos)
    if (nome_lido == nome_atributo) return &valor;
  return nullptr;
}

bool LeitorXml::Falha(const std::string& motivo) {
  const std::size_t ate = std::min(pos_, xml_.size());
  erro_ = "linha " + std::to_string(1 + std::count(xml_.begin(), xml_.begin() + ate, '\n')) + ": " + motivo;
  pos_ = xml_.size();
  abertos_.clear();
  return false;
}

bool LeitorXml::Pula(std::string_view fim, const char* o_que) {
  const auto achado = xml_.find(fim, pos_);
  if (achado == std::string_view::npos) return Falha(std::string(o_que) + " sem fim");
  pos_ = achado + fim.size();
  return true;
}

bool LeitorXml::Decodifica(std::string_view bruto, std::string& saida, bool atributo) {
  saida.clear();
  saida.reserve(bruto.size());
  for (std::size_t k = 0; k < bruto.size(); ++k) {
    const char c = bruto[k];
    if (c == '&') {
      const auto fim = bruto.find(';', k);
      if (fim == std::string_view::npos) return Falha("'&' sem ';'");
      const std::string_view nome = bruto.substr(k + 1, fim - k - 1);
      if (nome == "lt") saida += '<';
      else if (nome == "gt") saida += '>';
      else if (nome == "amp") saida += '&';
      else if (nome == "quot") saida += '"';
      else if (nome == "apos") saida += '\'';
      else if (!nome.empty() && nome[0] == '#' && Referencia(nome) != 0) AcrescentaUtf8(saida, Referencia(nome));
      else return Falha("entidade desconhecida '&" + Trecho(nome) + ";'");
      k = fim;
    } else if (c == '<') {
      return Falha("'<' dentro de um valor");
    } else if (c == '\r') {
      // Line ends read as one line feed; in an attribute every break is a blank.
      if (k + 1 < bruto.size() && bruto[k + 1] == '\n') ++k;
      saida += atributo ? ' ' : '\n';
    } else if (atributo && (c == '\n' || c == '\t')) {
      saida += ' ';
    } else if (ControleProibido(c)) {
      return Falha("caractere de controle " + Hexa(c) + " no texto");
    } else {
      saida += c;
    }
  }
  return true;
}

bool LeitorXml::Proximo(EventoXml& evento) {
  evento.atributos.clear();
  evento.atributos_brutos.clear();
  evento.texto.clear();
  inicio_evento_ = pos_;
  if (fecha_vazio_) {
    fecha_vazio_ = false;
    evento.tipo = EventoXml::Tipo::Fecha;
    evento.nome = SemPrefixo(abertos_.back());
    abertos_.pop_back();
    return true;
  }
  while (pos_ < xml_.size()) {
    inicio_evento_ = pos_;
    if (xml_[pos_] == '<') {
      bool produziu = false;
      if (!Marcacao(evento, produziu)) return false;
      if (produziu) return true;
      continue;
    }
    const auto fim = std::min(xml_.find('<', pos_), xml_.size());
    const std::string_view bruto = xml_.substr(pos_, fim - pos_);
    if (abertos_.empty()) {
      if (!std::all_of(bruto.begin(), bruto.end(), Branco)) return Falha("texto fora do elemento principal");
      pos_ = fim;
      continue;
    }
    if (!Decodifica(bruto, evento.texto, false)) return false;
    pos_ = fim;
    evento.tipo = EventoXml::Tipo::Texto;
    return true;
  }
  if (!abertos_.empty()) return Falha("o texto acaba dentro de <" + Trecho(abertos_.back()) + ">");
  if (!raiz_vista_) return Falha("nenhum elemento");
  evento.tipo = EventoXml::Tipo::Fim;
  return true;
}

// At a '<': an element's start or end, or CDATA (as text), fill evento (produziu); a comment, a
// processing instruction or a declaration is skipped.
bool LeitorXml::Marcacao(EventoXml& evento, bool& produziu) {
  const std::string_view resto = xml_.substr(pos_);
  if (resto.rfind("<!--", 0) == 0) {
    pos_ += 4;
    if (!Pula("-->", "comentário")) return false;
  } else if (resto.rfind("<?", 0) == 0) {
    pos_ += 2;
    if (!Pula("?>", "instrução")) return false;
  } else if (resto.rfind("<![CDATA[", 0) == 0) {
    if (abertos_.empty()) return Falha("CDATA fora do elemento principal");
    const std::size_t inicio = pos_ + 9;
    pos_ = inicio;
    if (!Pula("]]>", "CDATA")) return false;
    const std::string_view cdata = xml_.substr(inicio, pos_ - 3 - inicio);
    const auto proibido = std::find_if(cdata.begin(), cdata.end(), ControleProibido);
    if (proibido != cdata.end()) return Falha("caractere de controle " + Hexa(*proibido) + " no texto");
    evento.tipo = EventoXml::Tipo::Texto;
    evento.texto.assign(cdata);
    produziu = true;
    return true;
  } else if (resto.rfind("<!DOCTYPE", 0) == 0) {
    // Internal subsets (entity declarations) are not read: a file with one is refused.
    if (resto.find('[') < resto.find('>')) return Falha("declarações de tipo de documento não são lidas");
    pos_ += 9;
    if (!Pula(">", "declaração")) return false;
  } else {
    produziu = true;
    return Etiqueta(evento);
  }
  return true;
}

bool LeitorXml::Etiqueta(EventoXml& evento) {
  std::size_t k = pos_ + 1;
  const bool fecha = k < xml_.size() && xml_[k] == '/';
  if (fecha) ++k;
  const std::size_t inicio_nome = k;
  while (k < xml_.size() && !FimDeNome(xml_[k])) ++k;
  const std::string_view nome = xml_.substr(inicio_nome, k - inicio_nome);
  if (nome.empty()) return Falha("'<' sem nome de elemento");
  auto pula_brancos = [&] {
    while (k < xml_.size() && Branco(xml_[k])) ++k;
  };
  if (fecha) {
    pula_brancos();
    if (k >= xml_.size() || xml_[k] != '>') return Falha("</" + Trecho(nome) + " sem '>'");
    if (abertos_.empty() || abertos_.back() != nome)
      return Falha("</" + Trecho(nome) + "> não fecha " +
                   (abertos_.empty() ? std::string("nada") : "<" + Trecho(abertos_.back()) + ">"));
    abertos_.pop_back();
    pos_ = k + 1;
    evento.tipo = EventoXml::Tipo::Fecha;
    evento.nome = SemPrefixo(nome);
    return true;
  }
  if (abertos_.empty() && raiz_vista_) return Falha("um segundo elemento principal <" + Trecho(nome) + ">");
  for (;;) {
    pula_brancos();
    if (k >= xml_.size()) return Falha("<" + Trecho(nome) + " sem '>'");
    if (xml_[k] == '>' || (xml_[k] == '/' && k + 1 < xml_.size() && xml_[k + 1] == '>')) break;
    const std::size_t inicio_atributo = k;
    while (k < xml_.size() && !FimDeNome(xml_[k])) ++k;
    const std::string_view atributo = xml_.substr(inicio_atributo, k - inicio_atributo);
    pula_brancos();
    if (atributo.empty() || k >= xml_.size() || xml_[k] != '=') return Falha("atributo malformado em <" + Trecho(nome) + ">");
    ++k;
    pula_brancos();
    if (k >= xml_.size() || (xml_[k] != '"' && xml_[k] != '\'')) return Falha("valor de atributo sem aspas");
    const char aspa = xml_[k];
    const auto fim = xml_.find(aspa, k + 1);
    if (fim == std::string_view::npos) return Falha("valor de atributo sem fim");
    std::string valor;
    if (!Decodifica(xml_.substr(k + 1, fim - k - 1), valor, true)) return false;
    const std::string_view local = SemPrefixo(atributo);
    for (const auto& existente : evento.atributos)
      if (existente.first == local) return Falha("atributo repetido '" + Trecho(atributo) + "'");
    evento.atributos.emplace_back(local, std::move(valor));
    evento.atributos_brutos.push_back(xml_.substr(inicio_atributo, fim + 1 - inicio_atributo));
    k = fim + 1;
  }
  fecha_vazio_ = xml_[k] == '/';
  pos_ = k + (fecha_vazio_ ? 2 : 1);
  abertos_.push_back(nome);
  raiz_vista_ = true;
  evento.tipo = EventoXml::Tipo::Abre;
  evento.nome = SemPrefixo(nome);
  return true;
}

bool XmlBemFormado(std::string_view xml, std::string& erro) {
  LeitorXml leitor(xml);
  EventoXml evento;
  do {
    if (!leitor.Proximo(evento)) {
      erro = leitor.Erro();
      return false;
    }
  } while (evento.tipo != EventoXml::Tipo::Fim);
  return true;
}

}  // namespace tarnel
