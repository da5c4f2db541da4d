// The detail memory (MFD): everything the printer prints, kept in pages of 528 bytes, 512 of data
// and 16 of the page's own (number, bytes used, flags, COO of the first document starting in it,
// CRC-32 of everything before it). Page 0 is the cartridge's header page; from page 1 on the data bytes form
// one stream of records:
//   0x01 document start: COO (32 bits), type (1 byte), owner (1 byte), date and time (7 bytes)
//   0x02 printed text:   length (16 bits) and that many bytes
//   0x03 document end
// Unwritten bytes are 0xFF, as in an erased flash memory. The detail-tape reading and the cartridge
// map both read these pages, so a reading reproduces exactly what was printed.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "memorias/binario.h"

namespace ecf::memorias {

// Kind of a stored document; the letter is also what the detail-tape reading filters on.
enum class TipoDocumento : char {
  kCupomFiscal = 'F',
  kNaoFiscal = 'N',        // non-fiscal receipts, means-of-payment reversals
  kGerencial = 'G',
  kCreditoDebito = 'C',    // credit/debit vouchers and their reversals
  kLeituraX = 'X',
  kReducaoZ = 'Z',
  kLeituraMF = 'M',
  kLeituraMFD = 'D',
  kAutenticacao = 'A',     // slips: recorded under the COO of the document they refer to
  kCheque = 'Q',           // cheque face, endorsement, crossing: under the last COO
  kOutro = 'O',
};

struct CabecalhoDocumento {
  std::uint32_t coo = 0;
  TipoDocumento tipo = TipoDocumento::kOutro;
  std::uint32_t proprietario = 1;  // owner number in force when the document was issued
  std::int32_t data = 0;           // yyyymmdd
  std::int32_t hora = 0;           // seconds of the day
};

struct DocumentoGravado {
  CabecalhoDocumento cabecalho;
  std::string texto;       // the printed bytes, as printed
  bool encerrado = false;  // false for a document still being printed
};

struct IdentificacaoMFD {
  std::string numero_serie_mfd;
  std::string numero_serie_ecf;
  std::string cnpj;
  std::int32_t data = 0;
  std::int32_t hora = 0;
};

class MemoriaFitaDetalhe {
 public:
  static constexpr std::size_t kDadosPagina = 512;
  static constexpr std::size_t kTamanhoPagina = 528;
  static constexpr std::uint32_t kPaginasArea = 8192;  // 4 MiB of data: a cartridge's usual size
  static constexpr std::uint32_t kMinimoPaginas = 2;   // the header page and one of data
  // The largest cartridge: its pages fill the 256 MiB the memory window gives each cartridge's
  // detail-memory area (about 248 MiB of data).
  static constexpr std::uint32_t kMaximoPaginas = 0x10000000u / kTamanhoPagina;

  // Where pages handed over by Entrega are kept: answers `paginas` pages from page `primeira` on.
  using FontePaginas = std::function<bool(std::uint32_t primeira, std::uint32_t paginas, std::string& bytes)>;
  using VisitaDocumento = std::function<void(DocumentoGravado&& documento)>;

  bool Inicializada() const { return PaginasUsadas() > 0; }
  // Writes the header page, which records the area's size in pages (kMinimoPaginas to
  // kMaximoPaginas); false (nothing changes) when the memory was already initialised or the size
  // is out of range.
  bool Inicializa(const IdentificacaoMFD& identificacao, std::uint32_t paginas_area = kPaginasArea);
  std::uint32_t PaginasArea() const { return paginas_area_; }

  // Recording; each call writes all or nothing and answers false when the memory is not initialised
  // or has no room left. Text written while no document is open is refused as well.
  bool IniciaDocumento(const CabecalhoDocumento& cabecalho);
  bool Grava(std::string_view texto);
  bool EncerraDocumento();
  bool DocumentoAberto() const { return documento_aberto_; }

  // Room for this many more text bytes in one Grava (record overhead already counted).
  std::uint64_t BytesLivres() const;
  bool Esgotada() const { return BytesLivres() == 0; }
  std::uint32_t PaginasUsadas() const { return base_ + static_cast<std::uint32_t>(paginas_.size() / kTamanhoPagina); }
  // The used pages, page 0 first, kTamanhoPagina bytes each (pages handed over are read back).
  const std::string& Paginas() const;
  std::string_view PaginaCabecalho() const;
  const IdentificacaoMFD& Identificacao() const { return identificacao_; }
  std::uint32_t UltimoCOO() const { return ultimo_coo_; }

  // Documents rebuilt from the pages, in the order they were printed.
  std::vector<DocumentoGravado> Documentos() const;
  // The same handed to `visita` one at a time, the pages read a few at a time (handed-over ones
  // are not loaded for good): a reading of the whole memory holds one document, not all of them.
  void PercorreDocumentos(const VisitaDocumento& visita) const;

  void Serializa(Escritor& saida) const;
  // Rebuilds the memory from its pages; false (memory left as it was) when they are damaged.
  bool Desserializa(Leitor& entrada);

  // Pages that will not change any more: the header page and every full one.
  std::uint32_t PaginasCompletas() const;
  // Bytes of the pages [primeira, ultima) (within the used ones).
  std::string Trecho(std::uint32_t primeira, std::uint32_t ultima) const;
  // The first `paginas` pages (complete ones) are kept by `fonte` from now on: they leave memory
  // and are read back when a reader needs them, so recording costs the same at any size.
  void Entrega(std::uint32_t paginas, FontePaginas fonte);
  // What the memory is without the pages handed over: its figures and the pages still held.
  void SerializaResumo(Escritor& saida) const;
  // The same read back with the source of the pages it names; false (memory left as it was) when
  // damaged.
  bool DesserializaResumo(Leitor& entrada, FontePaginas fonte);

 private:
  // coo_inicio: the COO of a document whose start record begins with these bytes.
  void Escreve(std::string_view bytes, const std::uint32_t* coo_inicio);
  void FechaPagina(std::size_t pagina);
  std::uint64_t BytesDadosLivres() const;

  bool CarregaTudo() const;
  // Bytes of the pages [primeira, ultima), all handed over or all held; `lidas` keeps them when
  // they come from the source.
  std::string_view Bloco(std::uint32_t primeira, std::uint32_t ultima, std::string& lidas) const;

  mutable std::string paginas_;  // pages [base_, PaginasUsadas())
  mutable std::uint32_t base_ = 0;
  FontePaginas fonte_;           // pages [0, base_)
  std::uint32_t paginas_area_ = kPaginasArea;
  std::uint64_t dados_usados_ = 0;  // stream bytes written after the header page
  bool documento_aberto_ = false;
  std::uint32_t ultimo_coo_ = 0;
  IdentificacaoMFD identificacao_;
};

}  // namespace ecf::memorias
