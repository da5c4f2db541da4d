// What the printer printed, kept for the host: LeImpressao hands it out in pieces of at most 4000
// characters and answers an empty text once everything was fetched. Each new document replaces what
// was not fetched of the previous ones, so the store holds "the last printed data" and never grows
// without bound; a reading sent to the host instead of the paper replaces the store the same way.
//
// A long text (a memory reading for the host) does not stay in the context: once associated with
// a file, the store spools it there at the next save, once, and the context keeps only how far it
// was read, so every piece costs the same however long the text.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "contexto/arquivo_crescente.h"
#include "contexto/codificacao.h"

namespace ecf::impressao {

class ArmazemImpressao {
 public:
  static constexpr std::size_t kTamanhoPedaco = 4000;
  // Pending text beyond this goes to the file at the next save.
  static constexpr std::size_t kMaximoNoContexto = 16 * 1024;
  // Larger than kMaximoNoContexto: a text sent early to the file is one the save would send too.
  static constexpr std::size_t kTrechoArquivo = 512 * 1024;

  void NovoDocumento();
  void Acrescenta(std::string_view impresso) { texto_.append(impresso.data(), impresso.size()); }
  void SubstituiPor(std::string texto);
  // A long text composed piece by piece (a reading for the host, after NovoDocumento): with a
  // file, every kTrechoArquivo bytes go to it at once, beyond its committed length, so the text
  // never sits whole in memory. Those bytes stay an uncommitted tail until the save writes the
  // context, exactly as a text spooled by the save itself.
  void AcrescentaEmTrechos(std::string_view parte);

  // Next piece for LeImpressao; empty when all was fetched.
  std::string LeImpressao();
  std::size_t Pendente() const { return static_cast<std::size_t>(no_arquivo_ + texto_.size() - lido_); }

  // The text not yet fetched, whole, inside the context (the previous layout).
  void Serializa(Escritor& saida) const;
  bool Desserializa(Leitor& entrada);  // false (nothing changed) when damaged

  // With a file: base-<generation>.imp beside the context.
  void Associa(const std::string& base) { arquivo_ = ArquivoCrescente(base, ".imp"); }
  // At a save: a long pending text goes to the file; false when it could not be written.
  bool AcrescentaArquivo();
  void ContextoGravado() { arquivo_.Descarta(); }
  // For the context: the file's generation and committed length, how far it was read, and the
  // text held here.
  void SerializaResumo(Escritor& saida) const;
  // The same read back; the file is checked as its generation and length say (an uncommitted
  // tail cut). false (nothing changed) when damaged.
  bool DesserializaResumo(Leitor& entrada);
  void PoeDeLado() const { arquivo_.PoeDeLado(); }

 private:
  bool Despeja();  // the pending text to the file

  std::string texto_;            // the text after the bytes in the file
  std::uint64_t no_arquivo_ = 0;  // bytes of the text in the file (its committed length)
  std::uint64_t lido_ = 0;        // bytes of the text fetched, from its start
  ArquivoCrescente arquivo_{"", ""};
  bool despejo_falhou_ = false;  // the file refused a piece: the rest waits for the save
};

}  // namespace ecf::impressao
