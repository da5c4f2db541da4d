// The fiscal memory: a write-once area holding a header record, one record per owner (CNPJ/IE/IM
// change) and one record per Z reduction. Records are appended and never rewritten; each carries a
// CRC-32 so a damaged image is refused when it is loaded. The MF reading and the cartridge map
// both read this image, so what they show is always what was recorded.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "fiscal/reducao.h"
#include "memorias/binario.h"

namespace ecf::memorias {

struct RegistroProprietario {
  std::uint32_t numero = 0;  // 1 for the first owner
  std::uint32_t crz = 0;     // reductions issued before this owner took over
  std::int32_t data = 0;     // yyyymmdd
  std::int32_t hora = 0;
  std::string cnpj;
  std::string inscricao_estadual;
  std::string inscricao_municipal;
};

class MemoriaFiscal {
 public:
  static constexpr std::uint32_t kTamanhoArea = 1u << 20;
  static constexpr std::size_t kTamanhoCabecalho = 52;
  static constexpr std::size_t kTamanhoProprietario = 75;
  static constexpr std::size_t kTamanhoReducao = 340;

  // An empty memory: the header record is written by Inicializa.
  MemoriaFiscal() = default;
  bool Inicializada() const { return !imagem_.empty(); }
  void Inicializa(const std::string& numero_serie_ecf, const std::string& modelo, std::int32_t data, std::int32_t hora);

  // Append a record; false when the memory is full or not initialised (nothing is written then).
  bool GravaProprietario(const RegistroProprietario& registro);
  bool GravaReducao(const RegistroReducao& registro);
  std::uint32_t ReducoesRestantes() const;

  const std::string& Imagem() const { return imagem_; }  // the bytes used, from offset 0
  std::uint32_t BytesUsados() const { return static_cast<std::uint32_t>(imagem_.size()); }
  const std::string& NumeroSerie() const { return numero_serie_; }
  const std::vector<RegistroReducao>& Reducoes() const { return reducoes_; }
  const std::vector<RegistroProprietario>& Proprietarios() const { return proprietarios_; }

  // Reductions of a range of CRZ, or of a range of movement days (yyyymmdd), inclusive. A Z of a day
  // without movement has no movement day: its own date places it.
  std::vector<RegistroReducao> ReducoesPorNumero(std::uint32_t inicial, std::uint32_t final) const;
  std::vector<RegistroReducao> ReducoesPorData(std::int32_t dia_inicial, std::int32_t dia_final) const;

  void Serializa(Escritor& saida) const;
  // Rebuilds the memory from its image; false (memory left as it was) when the image is damaged.
  bool Desserializa(Leitor& entrada);
  // The same from the image alone (as its own file keeps it).
  bool CarregaImagem(const std::string& imagem);

 private:
  bool Anexa(const std::string& novos);
  bool Acrescenta(const std::string& registro);
  std::string imagem_;
  std::string numero_serie_;
  std::vector<RegistroReducao> reducoes_;
  std::vector<RegistroProprietario> proprietarios_;
};

}  // namespace ecf::memorias
