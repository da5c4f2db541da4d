// The detail memory's capacity set from the environment: the texts it takes, and a printer started
// with a small and with a large memory.
#include "memorias/capacidade_mfd.h"

#include "memorias/memoria_fita_detalhe.h"
#include "saida_apoio.h"

namespace ecf::teste {
namespace {

using memorias::MemoriaFitaDetalhe;

TEST(CapacidadeMFD, TextosAceitosERecusados) {
  const struct {
    const char* texto;
    std::optional<std::uint32_t> paginas;
  } casos[] = {
      {"1024", 2u},  {"20K", 40u},       {"20k", 40u},        {"4M", 8192u},      {"1G", {}},
      {"", {}},      {"512", {}},        {"1000", {}},        {"20KB", {}},       {"K", {}},
      {"-4M", {}},   {" 4M", {}},        {"248M", 507904u},   {"256M", {}},       {"99999999999999G", {}},
  };
  for (const auto& c : casos) EXPECT_EQ(memorias::PaginasDaCapacidade(c.texto), c.paginas) << c.texto;
  EXPECT_LE(MemoriaFitaDetalhe::kMaximoPaginas * std::uint64_t{MemoriaFitaDetalhe::kTamanhoPagina}, 0x10000000u);
}

class CapacidadeDaFita : public Saida {
 protected:
  void AbreCom(const char* capacidade) {
    pasta_nova_.set_env(memorias::kVariavelCapacidadeMFD, capacidade);
    impressora_ = Impressora::Abre(pasta_nova_.caminho(), 0);
    ASSERT_NE(impressora_, nullptr);
  }
  PastaTemporaria pasta_nova_;
};

TEST_F(CapacidadeDaFita, PequenaEsgotaComoAntesEAReducaoZAindaSai) {
  AbreCom("20K");
  EXPECT_EQ(Inteiro("MFDLivre"), std::to_string(39 * 512));
  Resposta r;
  for (int cupons = 0; cupons < 30 && r.codigo_erro == 0; ++cupons) {
    r = Exec("AbreCupomFiscal");
    if (r.codigo_erro == 0) {
      Ok("CancelaCupom");
      Impressao();
    }
  }
  EXPECT_EQ(r.nome_erro, "ErroMFDEsgotada");
  EXPECT_EQ(Indicador("MFDEsgotada"), "1");
  Ok("EmiteReducaoZ");
}

TEST_F(CapacidadeDaFita, GrandeETextoInvalidoDaOTamanhoDeSempre) {
  AbreCom("128M");
  EXPECT_EQ(Inteiro("MFDLivre"), std::to_string((128u << 20) - 512));
  impressora_.reset();
  PastaTemporaria outra;
  outra.set_env(memorias::kVariavelCapacidadeMFD, "muito");
  impressora_ = Impressora::Abre(outra.caminho(), 0);
  ASSERT_NE(impressora_, nullptr);
  EXPECT_EQ(Inteiro("MFDLivre"), std::to_string((MemoriaFitaDetalhe::kPaginasArea - 1) * 512));
}

}  // namespace
}  // namespace ecf::teste
