// The paper roll's file: what the paper shows, line for line, with its bold and double-width
// marks; nothing else the printer does depends on it.
#include <filesystem>

#include "impressao/arquivo_bobina.h"
#include "quorbal/bobina.h"
#include "saida_apoio.h"

namespace ecf::teste {
namespace {

std::vector<std::string> LinhasDoArquivo(const std::string& bytes) {
  std::vector<std::string> linhas;
  for (std::size_t inicio = 0, fim; (fim = bytes.find("\r\n", inicio)) != std::string::npos; inicio = fim + 2)
    linhas.push_back(bytes.substr(inicio, fim - inicio));
  return linhas;
}

class Bobina : public Saida {
 protected:
  std::string Arquivo() const { return pasta_.arquivo("bobina0.txt"); }
  std::vector<std::string> Linhas() const { return LinhasDoArquivo(LeBytes(Arquivo())); }
};

TEST_F(Bobina, CupomVaiAoArquivoLinhaALinhaComAsMarcas) {
  Cupom();
  const std::string bytes = LeBytes(Arquivo());
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
  const std::vector<std::string> linhas = LinhasDoArquivo(bytes);
  for (const char* esperada : {"  |", "N |                  CUPOM FISCAL", u8"  |ITEM CÓDIGO DESCRIÇÃO",
                                      "  |2,000 X 10,500 T18,00%                     21,00", "NE|TOTAL R$           21,00",
                                      "N |TROCO R$                                   29,00"})
    EXPECT_NE(std::find(linhas.begin(), linhas.end(), esperada), linhas.end()) << esperada << "\n" << bytes;

  // Without the marks, the roll is what LeImpressao hands out, filtered as a reader filters it.
  std::vector<std::string> textos;
  for (const std::string& l : linhas) textos.push_back(quorbal::LeLinhaBobina(l).texto);
  EXPECT_EQ(textos, LinhasFiltradas(Impressao()));
  EXPECT_EQ(Inteiro("NumLinhasImpressas"), std::to_string(linhas.size()));

  // Beside the context, under a name the context check's rasc*.bin does not take.
  for (const auto& e : std::filesystem::directory_iterator(pasta_.caminho())) {
    const std::string nome = e.path().filename().string();
    if (nome.rfind("rasc", 0) == 0 && nome.size() >= 8 && nome.substr(nome.size() - 4) == ".bin") {
      EXPECT_EQ(nome, "rasc0.bin");
    }
  }
}

TEST_F(Bobina, SoOPapelDoRoloEntraEOArquivoSoCresce) {
  Ok("AvancaPapel", {{"Avanco", "2"}});
  EXPECT_EQ(LeBytes(Arquivo()), "  |\r\n  |\r\n");
  Ok("EmiteLeituraX", {{"Destino", "S"}});  // to the host, not on paper
  Ok("LeInteiro", {{"NomeInteiro", "COO"}});
  EXPECT_EQ(LeBytes(Arquivo()), "  |\r\n  |\r\n");
  // A roll emptied from outside goes on from what is printed next.
  GravaBytes(Arquivo(), "");
  Ok("AvancaPapel", {{"Avanco", "1"}});
  EXPECT_EQ(LeBytes(Arquivo()), "  |\r\n");
}

TEST_F(Bobina, RoloQueNaoSePodeGravarNaoFalhaComando) {
  std::filesystem::create_directory(Arquivo());  // where the file should be, a folder
  Cupom();  // every command succeeds
  EXPECT_TRUE(TemLinha(Impressao(), "CCF:000001"));
  Abre();
  EXPECT_EQ(Inteiro("COO"), "1");
  // Once it can be written, the roll holds what is printed from then on; what was lost stays lost.
  std::filesystem::remove(Arquivo());
  Ok("AvancaPapel", {{"Avanco", "1"}});
  EXPECT_EQ(LeBytes(Arquivo()), "  |\r\n");
}

// The print data as the mechanism takes it, straight into the file.
TEST(ArquivoBobina, LinhasDosDadosDeImpressao) {
  struct Caso {
    const char* nome;
    std::vector<std::string> pedacos;
    std::string arquivo;
  };
  const std::string x50(50, 'x');
  const std::string y30(30, 'y');
  const std::vector<Caso> casos = {
      {"attributes around the text", {"\x1BW1\x1B" "E1AB\x1B" "E0\x1BW0\x1B*plain\x1B*"}, "NE|AB\r\n  |plain\r\n"},
      {"sequences cut between pieces", {"\x1B", "E1A", "B\x1B", "E", "0\x1B", "*"}, "N |AB\r\n"},
      {"a line not ended waits for its break", {"uma\x1B*metade"}, "  |uma\r\n"},
      {"a wide line wraps at 48 columns", {x50 + "\x1B*"}, "  |" + std::string(48, 'x') + "\r\n  |xx\r\n"},
      {"double width wraps at 24", {"\x1BW1" + y30 + "\x1BW0\x1B*"}, " E|" + std::string(24, 'y') + "\r\n E|yyyyyy\r\n"},
      {"accents in UTF-8, control bytes blank", {"Ma\xE7\xE3\t\x1B*"}, u8"  |Maçã \r\n"},
  };
  for (const Caso& c : casos) {
    PastaTemporaria pasta;
    impressao::ArquivoBobina rolo;
    rolo.Associa(pasta.arquivo("bobina0.txt"));
    for (const std::string& p : c.pedacos) rolo.Imprime(p);
    rolo.Descarrega();
    EXPECT_EQ(LeBytes(pasta.arquivo("bobina0.txt")), c.arquivo) << c.nome;
  }
}

}  // namespace
}  // namespace ecf::teste
