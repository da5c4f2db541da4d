// What the printer produces besides its state: paper, the print data handed to the host
// (LeImpressao), the detail memory and the memory window. The fiscal core announces events; an
// implementation of Saida turns them into printed text and keeps the memories.
//
// Events are delivered only after a command has succeeded, with the state as the command left
// it, so a refused command never prints nor records anything.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ecf/impressora.h"
#include "estado.h"

namespace ecf {

enum class Impresso : std::uint8_t {
  kAberturaDocumento,   // documento: the document just opened (any type)
  kItem,                // documento, item (0-based)
  kAjusteItem,          // documento, item: increase/discount applied or cancelled
  kCancelamentoItem,    // documento, item: whole or partial cancellation (quantidade = cancelled now)
  kAjusteSubtotal,      // documento: subtotal increase/discount applied or cancelled
  kPagamento,           // documento, item = payment index
  kEncerramento,        // documento closed; texto = promotional text
  kCancelamento,        // documento cancelled (open, or last closed: then a cancellation coupon)
  kConsumidor,          // documento: consumer identified
  kTextoLivre,          // texto printed inside a managerial report or voucher
  kViaCreditoDebito,    // documento: another copy of the voucher
  kLeituraX,            // documento: the reading
  kReducaoZ,            // documento; the new fiscal memory record is estado.reducoes.back()
  kLeituraMF,           // documento; parametros: the reading's range
  kLeituraMFD,          // documento; parametros: the reading's range
  kAutenticacao,        // parametros
  kCheque,              // parametros (ImprimeCheque)
  kChancelaCheque,      // parametros
  kCruzaCheque,         // parametros
  kCupomAdicional,      // documento: copy of the last coupon
  kDadosDepartamento,   // the department table
  kAvancoPapel,         // quantidade = lines
  kCortePapel,          // quantidade = cut type
  kGaveta,              // quantidade = time
  kExpulsaDocumento,
  kReinicio,
};

struct Evento {
  Impresso tipo = Impresso::kAberturaDocumento;
  std::int32_t documento = -1;  // index into Estado::documentos, -1 when none
  std::int32_t item = -1;
  std::int64_t quantidade = 0;
  std::string texto;
  bool para_host = false;       // readings with Destino "S": print data goes to LeImpressao only
  std::vector<Item> parametros;  // the command's parameters as received (validated)
};

class Saida {
 public:
  virtual ~Saida() = default;

  // A command succeeded and produced these events; estado is the state after the command.
  virtual void Registra(const Estado& estado, const std::vector<Evento>& eventos) = 0;

  // Next piece of print data for LeImpressao (at most 4000 characters); empty when all was fetched.
  virtual std::string ProximoTrechoImpressao() = 0;

  // Memory window: SoftwareBasico (hexadecimal text of the bytes from endereco on) and
  // TamanhoSoftwareBasico.
  virtual std::string LeMemoria(const Estado& estado, std::uint32_t endereco) = 0;
  virtual std::uint32_t TamanhoSoftwareBasico(const Estado& estado) = 0;

  // For the registers NumLinhasImpressas, MFDLivre and PercentualMFDUtilizada.
  virtual std::uint32_t LinhasImpressas() const = 0;
  virtual std::uint64_t BytesMFDUsados() const = 0;
  virtual std::uint64_t CapacidadeMFD() const = 0;

  // The part of the context file this output keeps (memories, undelivered print data).
  virtual std::string Grava() const = 0;
  virtual bool Carrega(const std::string& bytes) = 0;
};

// An output without paper or memories: records nothing, so LeImpressao has nothing to hand out.
std::unique_ptr<Saida> CriaSaidaBasica();

// The output every opened printer gets.
std::unique_ptr<Saida> CriaSaida();

}  // namespace ecf
