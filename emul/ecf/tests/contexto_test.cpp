// The context file: same state, same bytes; damage repaired byte for byte from the emulator's copy.
#include "contexto/contexto.h"

#include <filesystem>

#include "apoio.h"
#include "compat/native_path.h"
#include "compat/path.h"
#include "contexto/capacidade.h"

namespace ecf::teste {
namespace {

using ArquivoContexto = Bancada;

std::string Caminho(const PastaTemporaria& p) { return compat::join_path(p.path(), "rasc0.bin"); }

TEST_F(ArquivoContexto, NovaImpressoraGravaContextoComVersaoECRC) {
  std::string bytes = LeBytes(Caminho(pasta_));
  ASSERT_GE(bytes.size(), 300u);
  EXPECT_EQ(bytes.substr(0, 4), "RASC");
  Estado lido;
  std::string saida;
  EXPECT_TRUE(DecodificaContexto(bytes, lido, saida));
  EXPECT_EQ(lido.aliquotas[0].percentual, 1800);
  EXPECT_EQ(impressora_->ArquivoContexto(), Caminho(pasta_));
  // The copy is not named like a context file, so a search for rasc*.bin finds only the context.
  for (const auto& e : std::filesystem::directory_iterator(pasta_.caminho())) {
    std::string nome = e.path().filename().string();
    bool parece_contexto = nome.rfind("rasc", 0) == 0 && nome.size() >= 8 && nome.substr(nome.size() - 4) == ".bin";
    EXPECT_TRUE(!parece_contexto || nome == "rasc0.bin") << nome;
  }
}

TEST_F(ArquivoContexto, MesmoEstadoMesmosBytes) {
  PastaTemporaria outra;
  auto segunda = Impressora::Abre(outra.caminho(), 0);
  ASSERT_NE(segunda, nullptr);
  EXPECT_EQ(LeBytes(Caminho(outra)), Contexto());
  Ok("EscreveInteiro", {{"NomeInteiro", "ContrasteBobina"}, {"ValorInteiro", "3"}});
  segunda->Executa("EscreveInteiro", Pars({{"NomeInteiro", "ContrasteBobina"}, {"ValorInteiro", "3"}}));
  EXPECT_EQ(LeBytes(Caminho(outra)), Contexto());
  // A later hour of the host clock does not enter the state.
  relogio_.Ajusta(2024, 3, 15, 18, 30, 0);
  std::string antes = Contexto();
  Ok("LeInteiro", {{"NomeInteiro", "COO"}});
  Abre();
  EXPECT_EQ(Contexto(), antes);
}

TEST_F(ArquivoContexto, NumeroEscolheOArquivo) {
  auto outra = Impressora::Abre(pasta_.caminho(), 7);
  ASSERT_NE(outra, nullptr);
  EXPECT_EQ(outra->ArquivoContexto(), compat::join_path(pasta_.path(), "rasc7.bin"));
  EXPECT_TRUE(std::filesystem::exists(pasta_.arquivo("rasc7.bin")));
}

// A folder name is Windows-1252 text, as every name the emulator is given: "Área de ação" names
// the folder the system knows by that name, on Windows too.
TEST_F(ArquivoContexto, PastaComAcentos) {
  const std::string acentuada = compat::join_path(pasta_.path(), "\xC1rea de a\xE7\xE3o");
  ASSERT_TRUE(compat::make_folders(acentuada));
  auto outra = Impressora::Abre(acentuada, 0);
  ASSERT_NE(outra, nullptr);
  EXPECT_EQ(outra->ArquivoContexto(), compat::join_path(acentuada, "rasc0.bin"));
  EXPECT_TRUE(std::filesystem::exists(compat::fs_path(compat::join_path(acentuada, "rasc0.bin"))));
}

TEST_F(ArquivoContexto, ContextoIntactoReescritoIgual) {
  Ok("EscreveTexto", {{"NomeTexto", "TextoLivre"}, {"ValorTexto", "estado a guardar"}});
  std::string antes = Contexto();
  impressora_.reset();
  std::filesystem::last_write_time(Caminho(pasta_), std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
  auto tempo_antes = std::filesystem::last_write_time(Caminho(pasta_));
  Abre();
  EXPECT_EQ(Contexto(), antes);
  EXPECT_NE(std::filesystem::last_write_time(Caminho(pasta_)), tempo_antes);  // it was written again
}

TEST_F(ArquivoContexto, BytesEstragadosNaPosicao100Restaurados) {
  Ok("EscreveTexto", {{"NomeTexto", "TextoLivre"}, {"ValorTexto", "estado a guardar"}});
  std::string bom = Contexto();
  impressora_.reset();
  std::string estragado = bom;
  estragado.replace(100, 4, "Lixo");
  GravaBytes(Caminho(pasta_), estragado);
  Abre();
  EXPECT_EQ(Contexto(), bom);
  EXPECT_EQ(Texto("TextoLivre"), "estado a guardar");
}

TEST_F(ArquivoContexto, ArquivoTruncadoOuVazioRestaurado) {
  std::string bom = Contexto();
  for (std::size_t tamanho : {bom.size() - 1, std::size_t{50}, std::size_t{0}}) {
    impressora_.reset();
    GravaBytes(Caminho(pasta_), bom.substr(0, tamanho));
    Abre();
    EXPECT_EQ(Contexto(), bom) << tamanho;
  }
  // Longer than it should be (Part of a check that writes past the end) is damage too.
  impressora_.reset();
  GravaBytes(Caminho(pasta_), bom + "Lixo");
  Abre();
  EXPECT_EQ(Contexto(), bom);
}

TEST_F(ArquivoContexto, ArquivoApagadoRestauradoDaCopia) {
  Ok("EscreveInteiro", {{"NomeInteiro", "ContrasteBobina"}, {"ValorInteiro", "2"}});
  std::string bom = Contexto();
  impressora_.reset();
  std::filesystem::remove(Caminho(pasta_));
  Abre();
  EXPECT_EQ(Contexto(), bom);
}

TEST_F(ArquivoContexto, VersaoDesconhecidaRestaurada) {
  std::string bom = Contexto();
  impressora_.reset();
  std::string outra_versao = bom;
  outra_versao[4] = 9;
  GravaBytes(Caminho(pasta_), outra_versao);
  Abre();
  EXPECT_EQ(Contexto(), bom);
}

TEST_F(ArquivoContexto, SemCopiaBoaGuardaOEstragadoEComecaDoZero) {
  Ok("EscreveInteiro", {{"NomeInteiro", "ContrasteBobina"}, {"ValorInteiro", "2"}});
  std::string bom = Contexto();
  impressora_.reset();
  std::string estragado = bom;
  estragado.replace(100, 4, "Lixo");
  GravaBytes(Caminho(pasta_), estragado);
  GravaBytes(pasta_.arquivo(".rasc0.good"), estragado);
  Abre();
  EXPECT_EQ(LeBytes(Caminho(pasta_) + ".avariado"), estragado);
  EXPECT_EQ(Inteiro("ContrasteBobina"), "5");  // a fresh printer
  // Damaged again: the earlier damaged file stays beside the new one.
  impressora_.reset();
  std::string outro = LeBytes(Caminho(pasta_));
  outro.replace(100, 4, "Mais");
  GravaBytes(Caminho(pasta_), outro);
  GravaBytes(pasta_.arquivo(".rasc0.good"), outro);
  Abre();
  EXPECT_EQ(LeBytes(Caminho(pasta_) + ".avariado"), estragado);
  EXPECT_EQ(LeBytes(Caminho(pasta_) + ".avariado.2"), outro);
}

TEST(ContextoCodificacao, DecodificaRecusaLixoSemQuebrar) {
  Estado e = EstadoInicial();
  std::string bytes = CodificaContexto(e, "dados da saida");
  Estado lido;
  std::string saida;
  ASSERT_TRUE(DecodificaContexto(bytes, lido, saida));
  EXPECT_EQ(saida, "dados da saida");
  EXPECT_EQ(CodificaContexto(lido, saida), bytes);
  // Every truncation and every single flipped byte is detected.
  for (std::size_t n = 0; n < bytes.size(); ++n) EXPECT_FALSE(DecodificaContexto(bytes.substr(0, n), lido, saida)) << n;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    std::string ruim = bytes;
    ruim[i] = static_cast<char>(ruim[i] ^ 0x5A);
    EXPECT_FALSE(DecodificaContexto(ruim, lido, saida)) << i;
  }
}

// No printer reaches amounts whose sums overflow: a file holding them is damaged, whatever its
// CRC says, and the figures derived from it are never computed.
TEST(ContextoCodificacao, MontantesAlemDaCapacidadeRecusados) {
  constexpr auto kCapacidade = static_cast<std::int64_t>(kCapacidadeMontantes);
  const struct {
    const char* caso;
    void (*muda)(Estado&);
    bool aceito;
  } casos[] = {
      {"GT na capacidade", [](Estado& e) { e.gt_inicial = kCapacidade; }, true},
      {"GT além", [](Estado& e) { e.gt_inicial = kCapacidade + 1; }, false},
      {"negativos contam pela magnitude", [](Estado& e) { e.gt_inicial = -kCapacidade - 1; }, false},
      {"menor inteiro de 64 bits", [](Estado& e) { e.gt_inicial = INT64_MIN; }, false},
      {"venda líquida que estouraria",
       [](Estado& e) {
         RegistroReducao z;
         z.venda_bruta = -7233963174967517638;
         z.cancelamentos_icms = 3546637677194326065;
         e.reducoes.push_back(z);
       },
       false},
      {"a soma de itens, cada um dentro",
       [](Estado& e) {
         Documento d;
         d.tipo = TipoDocumento::kCupomFiscal;
         for (int i = 0; i < 3; ++i) {
           ItemDocumento item;
           item.total = kCapacidade / 2;
           d.itens.push_back(item);
         }
         e.documentos.push_back(d);
       },
       false},
  };
  for (const auto& c : casos) {
    Estado e = EstadoInicial();
    c.muda(e);
    Estado lido;
    std::string saida;
    EXPECT_EQ(DecodificaContexto(CodificaContexto(e, ""), lido, saida), c.aceito) << c.caso;
  }
}

}  // namespace
}  // namespace ecf::teste

namespace ecf::teste {
namespace {

TEST(ContextoPasta, PastaInexistenteNaoAbre) {
  PastaTemporaria pasta;
  EXPECT_EQ(Impressora::Abre(pasta.arquivo("nao/existe"), 0), nullptr);
  EXPECT_FALSE(std::filesystem::exists(pasta.arquivo("nao")));
}

}  // namespace
}  // namespace ecf::teste
