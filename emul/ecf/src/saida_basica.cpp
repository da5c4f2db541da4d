// Output without paper or memories: used until a fuller one is plugged in, and by tests of the
// fiscal core. It records nothing, so LeImpressao has nothing to hand out.
#include "saida.h"

#include "impressao/saida_impressora.h"

namespace ecf {

namespace {

class SaidaBasica final : public Saida {
 public:
  void Registra(const Estado&, const std::vector<Evento>&) override {}
  std::string ProximoTrechoImpressao() override { return {}; }
  std::string LeMemoria(const Estado&, std::uint32_t) override { return {}; }
  std::uint32_t TamanhoSoftwareBasico(const Estado&) override { return 0; }
  std::uint32_t LinhasImpressas() const override { return 0; }
  std::uint64_t BytesMFDUsados() const override { return 0; }
  std::uint64_t CapacidadeMFD() const override { return 0; }
  std::string Grava() const override { return {}; }
  bool Carrega(const std::string&) override { return true; }
};

}  // namespace

std::unique_ptr<Saida> CriaSaidaBasica() { return std::make_unique<SaidaBasica>(); }

std::unique_ptr<Saida> CriaSaida() { return CriaSaidaImpressora(); }

}  // namespace ecf
