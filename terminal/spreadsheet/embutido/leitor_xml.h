// A small reader of XML text, enough for workbook files: elements with their attributes, text, the
// predefined entities and character references, CDATA; comments, processing instructions and a
// document type declaration are skipped. It checks that tags nest and names match, and never
// reads past the end of the text.
#pragma once
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tarnel {

struct EventoXml {
  enum class Tipo { Abre, Fecha, Texto, Fim };
  Tipo tipo = Tipo::Fim;
  std::string_view nome;  // element name without its namespace prefix (Abre, Fecha)
  std::vector<std::pair<std::string_view, std::string>> atributos;  // names without prefix, values decoded
  std::vector<std::string_view> atributos_brutos;  // the same, each as the file spelled it: ss:Nome="valor"
  std::string texto;  // Texto, decoded

  // The attribute's value, or null.
  const std::string* Atributo(std::string_view nome_atributo) const;
};

// A piece of a file (UTF-8) for a message (Windows-1252), cut short.
std::string Trecho(std::string_view texto);
// A byte as a message shows it: "0x1F".
std::string Hexa(char c);

class LeitorXml {
 public:
  // A byte order mark at the start (as some editors save UTF-8) is passed over.
  explicit LeitorXml(std::string_view xml) : xml_(xml), pos_(xml.rfind("\xEF\xBB\xBF", 0) == 0 ? 3 : 0) {}
  // The next event; false when the text is not well-formed, Erro() then says why and where.
  bool Proximo(EventoXml& evento);
  const std::string& Erro() const { return erro_; }
  // Where the last event's markup starts and ends in the text: from an element's start tag to the
  // end of its end tag is the element as the file spelled it (an empty element's end is where its
  // start tag ends).
  std::size_t InicioEvento() const { return inicio_evento_; }
  std::size_t FimEvento() const { return pos_; }

 private:
  bool Falha(const std::string& motivo);
  bool Marcacao(EventoXml& evento, bool& produziu);
  bool Etiqueta(EventoXml& evento);
  bool Decodifica(std::string_view bruto, std::string& saida, bool atributo);
  bool Pula(std::string_view fim, const char* o_que);

  std::string_view xml_;
  std::size_t pos_ = 0;
  std::size_t inicio_evento_ = 0;
  std::vector<std::string_view> abertos_;
  bool fecha_vazio_ = false;  // the last element was <x/>: its end comes next
  bool raiz_vista_ = false;
  std::string erro_;
};

// Whether the whole text is well-formed XML; when not, erro says why and where.
bool XmlBemFormado(std::string_view xml, std::string& erro);

}  // namespace tarnel
