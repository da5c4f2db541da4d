// What the printer produces besides its state: paper, the print data handed to the host
// (LeImpressao), the detail memory and the memory window. The fiscal core announces events; an
// implementation of Saida turns them into printed text and keeps the memories.
//
// Events are delivered only after a command has succeeded, with the state as the command left
// it, so a refused command never prints nor records anything.
#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ecf/impressora.h"
#include "fiscal/estado.h"
#include "fiscal/totais.h"
#include "protocolo/validacao.h"

namespace ecf {

enum class Impresso : std::uint8_t {
  kAberturaDocumento,   // documento: the document just opened (any type)
  kItem,                // documento, item (0-based)
  kAjusteItem,          // documento, item: increase/discount applied or cancelled
  kCancelamentoItem,    // documento, item: whole or partial cancellation (quantidade and valor: cancelled now)
  kAjusteSubtotal,      // documento: subtotal increase/discount applied or cancelled
  kPagamento,           // documento, item = payment index
  kEncerramento,        // documento closed; texto = promotional text
  kCancelamento,        // documento cancelled (open, or last closed: then a cancellation coupon)
  kConsumidor,          // documento: consumer identified
  kTextoLivre,          // texto printed inside a managerial report or voucher
  kViaCreditoDebito,    // documento: another copy of the voucher
  kLeituraX,            // documento: the reading
  kReducaoZ,            // dia_encerrado; the Z's record is estado.reducoes.back()
  kLeituraMF,           // documento; parametros: the reading's range
  kLeituraMFD,          // documento; parametros: the reading's range
  kAutenticacao,        // documento: the one authenticated; texto
  kCheque,              // parametros (ImprimeCheque)
  kChancelaCheque,      // texto
  kCruzaCheque,         // parametros
  kCupomAdicional,      // documento: copy of the last coupon
  kDadosDepartamento,   // the department table
  kAvancoPapel,         // quantidade = lines
  kCortePapel,          // quantidade = cut type
  kGaveta,              // quantidade = time
  kExpulsaDocumento,
  kReinicio,
};

// What a Z reduction closed, as it stood before the reduction cleared the day's documents.
struct DiaEncerrado {
  Totais totais;
  Contadores contadores;  // before the Z reset the day's counters
};

struct Evento {
  Impresso tipo = Impresso::kAberturaDocumento;
  std::int32_t documento = -1;  // index into Estado::documentos, -1 when none
  std::int32_t item = -1;
  std::int64_t quantidade = 0;
  std::int64_t valor = 0;       // cents
  std::int32_t data = 0, hora = 0;  // the printer's clock when the command ran
  std::string texto;
  bool para_host = false;       // readings with Destino "S": print data goes to LeImpressao only
  const Parametros* parametros = nullptr;  // the command's checked parameters
  std::optional<DiaEncerrado> dia_encerrado;
};

// Room the detail memory keeps for the Z reduction that closes the day: below it, no other
// document may start.
constexpr std::uint64_t kReservaMFD = 8 * 1024;

class Saida {
 public:
  virtual ~Saida() = default;

  // After every command that may have changed the state, and when the printer is opened: the
  // memories follow the state (fiscal-memory records, a new detail memory), and the events of the
  // command are printed. estado is the state after the command.
  virtual void Registra(const Estado& estado, const std::vector<Evento>& eventos) = 0;

  // Next piece of print data for LeImpressao (at most 4000 characters); empty when all was fetched.
  virtual std::string ProximoTrechoImpressao() = 0;

  // Memory window. The address (EnderecoSoftwareBasico) belongs to the window alone and is not
  // saved: a reader sets it before it reads, and a memory reading changes nothing that is saved.
  virtual void DefineEnderecoMemoria(std::uint32_t endereco) = 0;
  virtual std::uint32_t EnderecoMemoria() const = 0;
  virtual std::string LeMemoria() const = 0;  // SoftwareBasico: hexadecimal text from the address on
  virtual std::uint32_t TamanhoSoftwareBasico() const = 0;

  // For the registers NumLinhasImpressas, MFDLivre, MFDEsgotada and PercentualMFDUtilizada.
  virtual std::uint32_t LinhasImpressas() const = 0;
  virtual std::uint64_t BytesMFDUsados() const = 0;
  virtual std::uint64_t CapacidadeMFD() const = 0;
  std::uint64_t BytesMFDLivres() const {
    return CapacidadeMFD() > BytesMFDUsados() ? CapacidadeMFD() - BytesMFDUsados() : 0;
  }
  bool MFDEsgotada() const { return BytesMFDLivres() < kReservaMFD; }
  // Bytes the fiscal memory still has for records (an owner, a Z): for CRZRestantes, and for the
  // commands that would add a record it could not hold.
  virtual std::uint64_t BytesMFLivres() const = 0;

  // What grows (the memories, a long reading for the host) lives in files beside the context
  // file, named from `base` (the context file's path without ".bin"); what goes on the paper roll
  // is appended to the file `bobina` as it is printed. Called once, before Carrega.
  virtual void Associa(const std::string& base, const std::string& bobina) = 0;

  // Saving, in this order: the files get what grew since the last save (appended, never
  // rewritten); the output's part of the context (what changes: counters, the open page, how much
  // of each file is committed) is encoded; once the context is written, files of a replaced
  // generation go. A number that changes whenever that part may have changed lets the printer
  // encode it only then.
  virtual bool AcrescentaArquivos() = 0;
  virtual std::string Grava() const = 0;
  virtual void ContextoGravado() = 0;
  virtual std::uint64_t Revisao() const = 0;

  // The output's part as read from the context, with its files: an uncommitted tail is cut off.
  // false when the part or the files it names cannot be used; files then kept aside as
  // <name>.avariado, so that a fresh start overwrites nothing. A part from the previous layout
  // (memories inside the context) is read and counts as changed, so it is saved in the new one.
  virtual bool Carrega(const std::string& bytes) = 0;
};

// The output every opened printer gets: paper, print data, fiscal and detail memories.
std::unique_ptr<Saida> CriaSaida();

}  // namespace ecf
