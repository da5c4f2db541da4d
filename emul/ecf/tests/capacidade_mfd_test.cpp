// The detail memory's capacity set from the environment: the texts it takes, and a printer started
// with a small and with a large memory.
#include "memorias/capacidade_mfd.h"

#include "memorias/memoria_fiscal.h"
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

// A coupon longer than the memory stops taking items at the reserve, and still closes whole: its
// total and payment reach the detail memory, and so does the Z of the day. A Z of a day without
// movement then waits for a new detail memory, which the printer takes at once.
TEST_F(CapacidadeDaFita, CupomLongoParaNaReservaEFechaInteiro) {
  AbreCom("20K");
  Ok("AbreCupomFiscal");
  Resposta r;
  int vendidos = 0;
  for (; vendidos < 999; ++vendidos) {
    r = Exec("VendeItem", {{"CodProduto", "001"}, {"NomeProduto", "Arroz"}, {"Quantidade", "1"},
                           {"PrecoUnitario", "1,00"}, {"CodAliquota", "0"}});
    if (r.codigo_erro != 0) break;
  }
  EXPECT_EQ(r.nome_erro, "ErroMFDEsgotada");
  EXPECT_GT(vendidos, 100);
  EXPECT_EQ(Moeda("TotalDocBruto"), std::to_string(vendidos) + ",00");
  Ok("PagaCupom", {{"NomeMeioPagamento", "Dinheiro"}, {"Valor", "2000"}});
  Ok("EncerraDocumento");
  Impressao();
  Ok("EmiteReducaoZ");
  Impressao();
  Ok("EmiteLeituraFitaDetalhe", {{"Destino", "S"}, {"COOInicial", "1"}, {"COOFinal", "999999"}});
  const std::vector<std::string> linhas = LinhasFiltradas(Impressao());
  const auto tem = [&](const std::string& trecho) {
    return std::any_of(linhas.begin(), linhas.end(), [&](const std::string& l) { return l.find(trecho) != std::string::npos; });
  };
  EXPECT_TRUE(tem("TOTAL"));
  EXPECT_TRUE(tem("Dinheiro"));
  EXPECT_TRUE(tem("REDU\xC7\xC3O Z"));

  Ok("ProgramaRelogio", {{"Data", "16/03/2024"}, {"Hora", "08:00:00"}});
  EXPECT_EQ(Exec("EmiteReducaoZ").nome_erro, "ErroMFDEsgotada");
  EXPECT_EQ(Exec("AbreCupomFiscal").nome_erro, "ErroMFDEsgotada");
  Ok("IniciaFitaDetalhe", {{"NumSerie", "MFD0000002"}});
  Ok("EmiteReducaoZ");
}

// The fiscal memory holds a last Z; past it, no Z and no document that would open a day: a Z the
// memory cannot record would be lost while the printer said it was done.
TEST_F(CapacidadeDaFita, MemoriaFiscalCheiaRecusaAReducaoZ) {
  AbreCom("32M");  // room in the detail memory for every Z
  std::int64_t restantes = std::stoll(Inteiro("CRZRestantes"));
  EXPECT_EQ(restantes, (memorias::MemoriaFiscal::kTamanhoArea - memorias::MemoriaFiscal::kTamanhoCabecalho -
                        memorias::MemoriaFiscal::kTamanhoProprietario) / memorias::MemoriaFiscal::kTamanhoReducao);
  std::int32_t dia = 0;
  const auto proximo_dia = [&] {
    ++dia;
    relogio_.Ajusta(2025 + dia / 336, 1 + dia / 28 % 12, 1 + dia % 28, 9, 0, 0);
  };
  for (; restantes > 0; --restantes) {
    proximo_dia();
    ASSERT_EQ(Exec("EmiteReducaoZ").codigo_erro, 0) << restantes;
  }
  EXPECT_EQ(Inteiro("CRZRestantes"), "0");
  proximo_dia();
  EXPECT_EQ(Exec("EmiteReducaoZ").nome_erro, "ErroMFCheia");
  EXPECT_EQ(Exec("AbreCupomFiscal").nome_erro, "ErroMFCheia");
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
