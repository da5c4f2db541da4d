// A driver that answers from a script and records every call, in order, as a readable line.
#pragma once
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "window/driver.h"

namespace tarnel::teste {

class DriverRoteirizado : public Driver {
 public:
  // The script.
  std::int32_t handle = 3;
  std::int32_t resultado_executa = 1;
  std::int32_t cod_erro = 0;
  std::string nome_erro = "NoError";
  std::string circunstancia;
  std::string texto_retornos;
  struct RetornoRoteirizado {
    std::string nome, valor;
    std::int32_t resultado = 7;
  };
  std::vector<RetornoRoteirizado> retornos;
  std::string nome_log;
  std::int32_t resultado_registrador = -1;
  std::string comando_registrador;
  std::function<void(const std::string& comando)> ao_executar;  // e.g. the library writing its log
  // Called when the library is unloaded, with every call it received.
  std::function<void(const std::vector<std::string>& chamadas)> ao_descarregar;

  // What was called.
  std::vector<std::string> chamadas;
  std::vector<std::string> parametros;  // pending "name=value"

  ~DriverRoteirizado() override {
    if (ao_descarregar) ao_descarregar(chamadas);
  }

  std::int32_t IniciaDriver(const std::string& canal) override {
    chamadas.push_back("IniciaDriver " + canal);
    return handle;
  }
  void EncerraDriver(std::int32_t h) override { chamadas.push_back("EncerraDriver " + std::to_string(h)); }
  void DefineTimeout(std::int32_t, std::int32_t segundos) override {
    chamadas.push_back("DefineTimeout " + std::to_string(segundos));
  }
  void LimpaParams(std::int32_t) override {
    chamadas.push_back("LimpaParams");
    parametros.clear();
  }
  void AdicionaParam(std::int32_t, const std::string& nome, const std::string& valor, std::uint8_t tipo) override {
    chamadas.push_back("AdicionaParam " + nome + "=[" + valor + "] " + std::to_string(tipo));
    parametros.push_back(nome + "=" + valor);
  }
  std::string ListaParams(std::int32_t) override {
    chamadas.push_back("ListaParams");
    std::string lista;
    for (const std::string& p : parametros) lista += (lista.empty() ? "" : " ") + p;
    return lista;
  }
  std::int32_t ExecutaComando(std::int32_t, const std::string& comando) override {
    chamadas.push_back("ExecutaComando [" + comando + "]");
    if (ao_executar) ao_executar(comando);
    return resultado_executa;
  }
  std::int32_t ObtemCodErro(std::int32_t) override {
    chamadas.push_back("ObtemCodErro");
    return cod_erro;
  }
  std::string ObtemNomeErro(std::int32_t) override {
    chamadas.push_back("ObtemNomeErro");
    return nome_erro;
  }
  std::string ObtemCircunstancia(std::int32_t) override {
    chamadas.push_back("ObtemCircunstancia");
    return circunstancia;
  }
  std::string ObtemRetornos(std::int32_t) override {
    chamadas.push_back("ObtemRetornos");
    return texto_retornos;
  }
  std::int32_t TotalRetornos(std::int32_t) override {
    chamadas.push_back("TotalRetornos");
    return static_cast<std::int32_t>(retornos.size());
  }
  std::int32_t Retorno(std::int32_t, std::int32_t indice, std::string& nome, std::string& valor) override {
    chamadas.push_back("Retorno " + std::to_string(indice));
    if (indice < 1 || indice > static_cast<std::int32_t>(retornos.size())) return -1;
    nome = retornos[indice - 1].nome;
    valor = retornos[indice - 1].valor;
    return retornos[indice - 1].resultado;
  }
  std::int32_t LeRegistrador(std::int32_t, const std::string& registrador, std::string& comando) override {
    chamadas.push_back("LeRegistrador " + registrador);
    comando = comando_registrador;
    return resultado_registrador;
  }
  void SetaArquivoLog(const std::string& caminho) override {
    chamadas.push_back("SetaArquivoLog " + caminho);
    nome_log = caminho;
  }
  std::string ObtemNomeLog() override {
    chamadas.push_back("ObtemNomeLog");
    return nome_log;
  }
};

}  // namespace tarnel::teste
