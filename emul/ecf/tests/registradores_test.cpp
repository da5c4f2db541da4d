#include "protocolo/registradores.h"

#include "apoio.h"
#include "quorbal/catalogo.h"
#include "quorbal/registradores.h"

namespace ecf::teste {
namespace {

TEST(TabelaRegistradores, ComandoDeLeituraConfereComOCatalogo) {
  std::string comando;
  EXPECT_EQ(ResolveComandoLeitura(quorbal::Comando::LeMoeda, comando), LeituraRegistrador::kComando);
  EXPECT_EQ(comando, "LeMoeda");
  // Synthetic cases for the refusals no real register reaches: a type without a reading command,
  // a command without parameters, a command whose first parameter is not a name.
  EXPECT_EQ(ResolveComandoLeitura(ComandoDoTipo(TipoRegistrador::kBinario), comando), LeituraRegistrador::kTipoIncompativel);
  EXPECT_EQ(ResolveComandoLeitura(quorbal::Comando::LeImpressao, comando), LeituraRegistrador::kSemParametro);
  EXPECT_EQ(ResolveComandoLeitura(quorbal::Comando::LeAliquota, comando), LeituraRegistrador::kSemParametroNome);
}

using Registradores = Bancada;

// The reading command is named only for a name the printer has, its index included.
TEST_F(Registradores, ComandoDeLeituraSoParaNomesQueExistem) {
  const struct {
    const char* nome;
    const char* comando;  // null: refused as a register the printer does not have
  } casos[] = {
      {"COO", "LeInteiro"},
      {"TotalDiaValorAliquota[0]", "LeMoeda"},
      {"totaldiavaloraliquota[15]", "LeMoeda"},
      {"TotalDiaValorAliquota", "LeMoeda"},  // the reading then asks for an index
      {"CER[19]", "LeInteiro"},
      {"COO[99]", nullptr},
      {"COO[0]", nullptr},
      {"COO[junk", nullptr},
      {"COO[", nullptr},
      {"COO]", nullptr},
      {"Aliquota07Reducao[7]", nullptr},
      {"TotalDiaValorAliquota[999]", nullptr},
      {"TotalDiaValorAliquota[16]", nullptr},
      {"TotalDiaValorAliquota[-1]", nullptr},
      {"TotalDiaValorAliquota[x]", nullptr},
      {"TotalDiaValorAliquota[]", nullptr},
      {"TotalDiaValorAliquota[3]x", nullptr},
      {"TotalDiaValorAliquota[3][1]", nullptr},
      {"CER[20]", nullptr},
      {"", nullptr},
  };
  for (const auto& caso : casos) {
    std::string comando = "antes";
    EXPECT_EQ(ComandoDeLeitura(caso.nome, comando),
              caso.comando ? LeituraRegistrador::kComando : LeituraRegistrador::kInexistente)
        << caso.nome;
    EXPECT_EQ(comando, caso.comando ? caso.comando : "antes") << caso.nome;
  }
}

TEST_F(Registradores, TodosLidosPeloComandoIndicado) {
  // The output builds its memory images on the first look through the memory window; let that
  // happen and be saved before measuring.
  Texto("SoftwareBasico");
  Ok("EscreveInteiro", {{"NomeInteiro", "TempoAcionamentoPadrao"}, {"ValorInteiro", "100"}});
  std::string antes = Contexto();
  for (const char* nome : quorbal::kNomesRegistradores) {
    std::string comando;
    ASSERT_EQ(ComandoDeLeitura(nome, comando), LeituraRegistrador::kComando) << nome;
    const DefRegistrador* def = ProcuraRegistrador(nome);
    ASSERT_NE(def, nullptr);
    std::string completo = def->indices ? std::string(nome) + "[" + std::to_string(def->indices - 1) + "]" : nome;
    const quorbal::DescritorComando& d = quorbal::kCatalogo[quorbal::ProcuraComando(comando)];
    Resposta r = impressora_->Executa(comando, {Item{d.parametros[0].nome, completo, 7}});
    EXPECT_EQ(r.codigo_erro, 0) << completo << ": " << r.nome_erro << " " << r.circunstancia;
    ASSERT_EQ(r.retornos.size(), d.total_retornos) << completo;
    for (std::uint32_t k = 0; k < d.total_retornos; ++k) {
      EXPECT_EQ(r.retornos[k].nome, d.retornos[k].nome);
      EXPECT_EQ(r.retornos[k].tipo, d.retornos[k].tipo);
    }
  }
  // Readings change nothing: a command that makes the printer compare its state with the file
  // finds nothing to write.
  Ok("EscreveInteiro", {{"NomeInteiro", "TempoAcionamentoPadrao"}, {"ValorInteiro", "100"}});
  EXPECT_EQ(Contexto(), antes);
  std::string comando;
  EXPECT_EQ(ComandoDeLeitura("NaoExiste", comando), LeituraRegistrador::kInexistente);
  EXPECT_EQ(ComandoDeLeitura("TotalDiaValorAliquota[3]", comando), LeituraRegistrador::kComando);
  EXPECT_EQ(comando, "LeMoeda");
  EXPECT_EQ(ComandoDeLeitura("coo", comando), LeituraRegistrador::kComando);
  EXPECT_EQ(comando, "LeInteiro");
}

TEST_F(Registradores, ValoresDeUmaImpressoraNova) {
  EXPECT_EQ(Inteiro("COO"), "0");
  EXPECT_EQ(Inteiro("CRZ"), "0");
  EXPECT_EQ(Inteiro("CRO"), "1");
  EXPECT_EQ(Moeda("GT"), "0,00");
  EXPECT_EQ(Moeda("TotalDiaQuantidadeVendasDepartamento[0]"), "0,000");
  EXPECT_EQ(Moeda("Aliquota00Reducao"), "0,00");
  EXPECT_EQ(Indicador("DiaAberto"), "0");
  EXPECT_EQ(Texto("CNPJ"), "11.222.333/0001-81");
  EXPECT_EQ(Retorno(Ok("LeData", {{"NomeData", "Data"}}), "ValorData"), "15/03/2024");
  EXPECT_EQ(Retorno(Ok("LeHora", {{"NomeHora", "Hora"}}), "ValorHora"), "10:00:00");
  Resposta r = Ok("LeIndicador", {{"NomeIndicador", "HorarioVerao"}});
  EXPECT_EQ(Retorno(r, "ValorTextoIndicador"), "Não");
  EXPECT_EQ(Inteiro("TradutorIndiceMeioPagamentoDinheiro"), "0");
  EXPECT_EQ(Inteiro("AliquotaDisponivel"), "13");
}

TEST_F(Registradores, RecusasDeLeitura) {
  Recusa("ErroProtNomeRegistrador", "LeInteiro", {{"NomeInteiro", "Inexistente"}});
  Recusa("ErroProtIndiceRegistrador", "LeMoeda", {{"NomeDadoMonetario", "TotalDiaValorAliquota[16]"}});
  Recusa("ErroProtIndiceRegistrador", "LeMoeda", {{"NomeDadoMonetario", "TotalDiaValorAliquota"}});
  Recusa("ErroProtIndiceRegistrador", "LeMoeda", {{"NomeDadoMonetario", "TotalDiaValorAliquota[x]"}});
  Recusa("ErroProtIndiceRegistrador", "LeMoeda", {{"NomeDadoMonetario", "TotalDiaValorAliquota[-1]"}});
  Recusa("ErroProtIndiceRegistrador", "LeInteiro", {{"NomeInteiro", "COO[0]"}});
  Recusa("ErroProtTipoRegistrador", "LeInteiro", {{"NomeInteiro", "GT"}});
  Resposta r = Exec("LeInteiro", {{"NomeInteiro", "GT"}});
  EXPECT_NE(r.circunstancia.find("LeMoeda"), std::string::npos) << r.circunstancia;
  Recusa("ErroProtTipoRegistrador", "LeTexto", {{"NomeTexto", "Data"}});
}

TEST_F(Registradores, RegistradoresIndexados) {
  EXPECT_EQ(Moeda("TotalDiaValorAliquota[15]"), "0,00");
  EXPECT_EQ(Inteiro("CER[19]"), "0");
  EXPECT_EQ(Inteiro("CON[14]"), "0");
  Recusa("ErroProtIndiceRegistrador", "LeInteiro", {{"NomeInteiro", "CER[20]"}});
  Recusa("ErroProtIndiceRegistrador", "LeInteiro", {{"NomeInteiro", "CON[15]"}});
}

TEST_F(Registradores, EscritaEReleitura) {
  Ok("EscreveInteiro", {{"NomeInteiro", "EnderecoSoftwareBasico"}, {"ValorInteiro", "4026531840"}});
  EXPECT_EQ(Inteiro("EnderecoSoftwareBasico"), "4026531840");
  Ok("EscreveTexto", {{"NomeTexto", "TextoLivre"}, {"ValorTexto", "Olá, \"mundo\""}});
  EXPECT_EQ(Texto("TextoLivre"), "Olá, \"mundo\"");
  Ok("EscreveIndicador", {{"NomeIndicador", "HabilitaCupomAdicional"}, {"ValorTextoIndicador", "S"}});
  EXPECT_EQ(Indicador("HabilitaCupomAdicional"), "1");
  Ok("EscreveIndicador", {{"NomeIndicador", "HabilitaCupomAdicional"}, {"ValorNumericoIndicador", "0"}});
  EXPECT_EQ(Indicador("HabilitaCupomAdicional"), "0");
  // What was written survives reopening the printer.
  Ok("EscreveInteiro", {{"NomeInteiro", "ContrasteBobina"}, {"ValorInteiro", "8"}});
  Abre();
  EXPECT_EQ(Inteiro("ContrasteBobina"), "8");
  EXPECT_EQ(Texto("TextoLivre"), "Olá, \"mundo\"");
}

TEST_F(Registradores, RecusasDeEscrita) {
  Recusa("ErroProtSomenteLeitura", "EscreveInteiro", {{"NomeInteiro", "COO"}, {"ValorInteiro", "5"}});
  Recusa("ErroProtSomenteLeitura", "EscreveMoeda", {{"NomeDadoMonetario", "GT"}, {"ValorMonetario", "5"}});
  Recusa("ErroProtSomenteLeitura", "EscreveData", {{"NomeData", "Data"}, {"ValorData", "01/01/2024"}});
  Recusa("ErroProtSomenteLeitura", "EscreveHora", {{"NomeHora", "Hora"}, {"ValorHora", "01:00:00"}});
  Recusa("ErroProtSomenteLeitura", "EscreveIndicador", {{"NomeIndicador", "DiaAberto"}, {"ValorNumericoIndicador", "1"}});
  Recusa("ErroProtTipoRegistrador", "EscreveInteiro", {{"NomeInteiro", "TextoLivre"}, {"ValorInteiro", "5"}});
  Recusa("ErroProtNomeRegistrador", "EscreveTexto", {{"NomeTexto", "Nada"}, {"ValorTexto", "x"}});
  Recusa("ErroCMDValorInvalido", "EscreveInteiro", {{"NomeInteiro", "ContrasteBobina"}, {"ValorInteiro", "10"}});
  Recusa("ErroCMDValorInvalido", "EscreveInteiro", {{"NomeInteiro", "EnderecoSoftwareBasico"}, {"ValorInteiro", "-1"}});
  Recusa("ErroProtParamStringInvalido", "EscreveTexto", {{"NomeTexto", "SimboloMoeda"}, {"ValorTexto", "R$$$$"}});
  Recusa("ErroCMDFaltaParametro", "EscreveIndicador", {{"NomeIndicador", "HabilitaCupomAdicional"}});
  Recusa("ErroProtParamValorInvalido", "EscreveIndicador",
         {{"NomeIndicador", "HabilitaCupomAdicional"}, {"ValorTextoIndicador", "talvez"}});
}

TEST_F(Registradores, UltimoErroNaoContaAsLeituras) {
  Exec("AbreGaveta", {{"TempoAcionamentoGaveta", "0"}});
  EXPECT_EQ(Texto("UltimoErroNome"), "ErroCMDValorInvalido");
  EXPECT_EQ(Inteiro("UltimoErroCodigo"), "8006");
  Exec("LeInteiro", {{"NomeInteiro", "Nada"}});
  EXPECT_EQ(Texto("UltimoErroNome"), "ErroCMDValorInvalido");
  Ok("AbreGaveta");
  EXPECT_EQ(Texto("UltimoErroNome"), "NoError");
}

}  // namespace
}  // namespace ecf::teste
