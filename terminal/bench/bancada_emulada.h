// What the benchmarks on the emulated printer share: a scratch folder made the current one (the
// emulated printer keeps its files there), and a window model connected to the printer through the
// real stand-in library loaded by Tarnel's loader. The folder goes at the end.
#pragma once
#include <stdlib.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <system_error>

#include "driver/biblioteca_drovik.h"
#include "driver/conexao.h"
#include "window/interacao.h"
#include "window/mainfrm.h"

namespace tarnel {

class BancadaEmulada {
 public:
  explicit BancadaEmulada(const std::string& nome) : frm_(interacao_) {
    std::string modelo = (std::filesystem::temp_directory_path() / (nome + "XXXXXX")).string();
    if (!mkdtemp(modelo.data())) throw std::runtime_error("mkdtemp");
    pasta_ = modelo;
    anterior_ = std::filesystem::current_path();
    std::filesystem::current_path(pasta_);
    // A fast machine runs tens of thousands of coupons in one benchmark, more than the usual detail
    // memory holds: the largest cartridge, unless the person running it chose a size.
    setenv("ECF_CAPACIDADE_MFD", "64M", 0);
    frm_.CarregaDriver = [] { return BibliotecaDrovik::Carrega(DROVIK_ARQUIVO); };
    ConnectExecute(frm_);
    if (!Conectado(frm_)) throw std::runtime_error("the emulated printer did not connect");
  }
  ~BancadaEmulada() {
    LiberaModuloDriver(frm_);
    std::filesystem::current_path(anterior_);
    std::error_code erro;
    std::filesystem::remove_all(pasta_, erro);
  }
  BancadaEmulada(const BancadaEmulada&) = delete;
  BancadaEmulada& operator=(const BancadaEmulada&) = delete;

  TfrmMain& frm() { return frm_; }
  const std::filesystem::path& pasta() const { return pasta_; }

 protected:
  InteracaoSilenciosa interacao_;
  TfrmMain frm_;

 private:
  std::filesystem::path pasta_, anterior_;
};

}  // namespace tarnel
