// Saves cut short: a crash at any write step of a command leaves a printer that reopens in the
// state before the command or after it, never a mix of the two.
#include <filesystem>
#include <functional>
#include <stdexcept>

#include "contexto/arquivos.h"
#include "saida_apoio.h"

namespace ecf::teste {
namespace {

struct Queda : std::runtime_error {
  Queda() : std::runtime_error("queda simulada") {}
};

// What a reopened printer shows: its context file and copy, the print data still to fetch and a
// detail-memory reading of everything recorded.
struct Retrato {
  std::string contexto, copia, pendente, mfd;
  bool operator==(const Retrato& o) const {
    return contexto == o.contexto && copia == o.copia && pendente == o.pendente && mfd == o.mfd;
  }
};

class Gravacao : public Saida {
 protected:
  using Passo = std::function<void()>;

  void TearDown() override { DefineFalhaSimulada({}); }

  void AbreEm(const PastaTemporaria& pasta) {
    impressora_.reset();
    impressora_ = Impressora::Abre(pasta.caminho(), 0);
    ASSERT_NE(impressora_, nullptr);
  }

  Retrato Retrata(const PastaTemporaria& pasta) {
    AbreEm(pasta);
    Retrato r{Contexto(), LeBytes(pasta.arquivo(".rasc0.good")), Impressao(), {}};
    // Refused while a coupon is open: the refusal is what is compared then.
    r.mfd = Exec("EmiteLeituraFitaDetalhe", {{"Destino", "S"}, {"COOInicial", "1"}, {"COOFinal", "999999"}}).nome_erro;
    r.mfd += Impressao();
    return r;
  }

  // The command run with a crash at write step `etapa` (from 0); false when it finished first.
  // Etapa -1: the command finishes and the crash comes as the printer closes.
  bool ExecutaComQueda(const Passo& comando, int etapa) {
    int passos = 0;
    DefineFalhaSimulada([&](EtapaGravacao) {
      if (passos++ == etapa) throw Queda();
    });
    bool caiu = false;
    try {
      comando();
    } catch (const Queda&) {
      caiu = true;
    }
    // The process is gone: closing writes nothing either.
    if (caiu || etapa < 0) DefineFalhaSimulada([](EtapaGravacao) { throw Queda(); });
    impressora_.reset();
    DefineFalhaSimulada({});
    return caiu;
  }

  // Each run starts from a copy of the folder the preparation left.
  void Copia(const PastaTemporaria& de, const PastaTemporaria& para) {
    impressora_.reset();
    // Entry by entry: the Windows runtime refuses a folder copied onto one that exists.
    for (const auto& entrada : std::filesystem::directory_iterator(de.caminho()))
      std::filesystem::copy(entrada.path(), std::filesystem::path(para.caminho()) / entrada.path().filename(),
                            std::filesystem::copy_options::recursive);
    AbreEm(para);
  }

  void VerificaQuedas(const Passo& prepara, const Passo& comando) {
    PastaTemporaria modelo, pasta_antes, pasta_depois;
    AbreEm(modelo);
    prepara();
    Copia(modelo, pasta_antes);
    const Retrato antes = Retrata(pasta_antes);
    Copia(modelo, pasta_depois);
    comando();
    const Retrato depois = Retrata(pasta_depois);
    ASSERT_FALSE(antes == depois);

    int etapa = 0;
    for (;; ++etapa) {
      PastaTemporaria pasta;
      Copia(modelo, pasta);
      if (!ExecutaComQueda(comando, etapa)) break;
      const Retrato reaberto = Retrata(pasta);
      EXPECT_TRUE(reaberto == antes || reaberto == depois) << "queda na etapa " << etapa;
    }
    EXPECT_GE(etapa, 2) << "a command that changes the state writes its context";
    PastaTemporaria fechada_na_queda;
    Copia(modelo, fechada_na_queda);
    ExecutaComQueda(comando, -1);
    EXPECT_TRUE(Retrata(fechada_na_queda) == depois) << "queda ao fechar";
  }
};

TEST_F(Gravacao, QuedaEmQualquerEtapaDeixaOAntesOuODepois) {
  const Passo abre_cupom = [this] {
    Ok("AbreCupomFiscal");
    Impressao();
  };
  const Passo vende = [this] {
    Ok("VendeItem", {{"CodProduto", "001"}, {"NomeProduto", "Arroz"}, {"Quantidade", "2"},
                       {"PrecoUnitario", "10,50"}, {"CodAliquota", "0"}});
  };
  const Passo cupons = [this] {
    for (int i = 0; i < 3; ++i) Cupom();
    Impressao();
  };
  const struct {
    const char* nome;
    Passo prepara, comando;
  } casos[] = {
      {"VendeItem", abre_cupom, vende},
      {"EncerraDocumento",
       [&, this] {
         abre_cupom();
         for (int i = 0; i < 8; ++i) vende();
         Ok("PagaCupom", {{"NomeMeioPagamento", "Dinheiro"}, {"Valor", "200"}});
       },
       [this] { Ok("EncerraDocumento", {{"TextoPromocional", "Volte sempre"}}); }},
      {"EmiteReducaoZ", cupons, [this] { Ok("EmiteReducaoZ"); }},
      {"LeImpressao de uma leitura", [&, this] { cupons(); Ok("EmiteLeituraFitaDetalhe", {{"Destino", "S"}, {"COOInicial", "1"}, {"COOFinal", "999999"}}); },
       [this] { Ok("LeImpressao"); }},
      {"LeImpressao de uma leitura longa",
       [this] {
         for (int i = 0; i < 30; ++i) Cupom();
         Ok("EmiteLeituraFitaDetalhe", {{"Destino", "S"}, {"COOInicial", "1"}, {"COOFinal", "999999"}});
         Ok("LeImpressao");
       },
       [this] { Ok("LeImpressao"); }},
      {"IniciaFitaDetalhe", [&, this] { cupons(); Ok("EmiteReducaoZ"); Impressao(); }, [this] { Ok("IniciaFitaDetalhe", {{"NumSerie", "MFD0000002"}}); }},
  };
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.nome);
    VerificaQuedas(caso.prepara, caso.comando);
  }
}

}  // namespace
}  // namespace ecf::teste
