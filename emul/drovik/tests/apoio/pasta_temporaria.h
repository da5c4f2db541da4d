// A fresh temporary folder made the current folder for the life of a test (the emulated printer
// writes its context file into the current folder), with the per-user folders pointed inside it.
// Removed with everything in it afterwards.
#pragma once
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

class PastaTemporaria {
 public:
  PastaTemporaria() {
    char modelo[] = "/tmp/tarnel-teste-XXXXXX";
    if (!mkdtemp(modelo)) throw std::runtime_error("mkdtemp");
    caminho_ = modelo;
    anterior_ = std::filesystem::current_path();
    std::filesystem::current_path(caminho_);
    setenv("XDG_CONFIG_HOME", (caminho_ + "/config").c_str(), 1);
    setenv("XDG_STATE_HOME", (caminho_ + "/state").c_str(), 1);
  }
  ~PastaTemporaria() {
    std::error_code erro;
    std::filesystem::current_path(anterior_, erro);
    std::filesystem::remove_all(caminho_, erro);
  }
  PastaTemporaria(const PastaTemporaria&) = delete;
  PastaTemporaria& operator=(const PastaTemporaria&) = delete;

  const std::string& Caminho() const { return caminho_; }
  std::string Arquivo(const std::string& nome) const { return caminho_ + "/" + nome; }

 private:
  std::string caminho_;
  std::filesystem::path anterior_;
};

// Whole content of a file as bytes ("" when it cannot be read).
inline std::string LeArquivo(const std::string& caminho) {
  std::ifstream entrada(caminho, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(entrada), std::istreambuf_iterator<char>());
}
