// Binary encoding of the state for the context file: little-endian integers, length-prefixed texts
// and lists. One field list per structure (Visita) serves both writing and reading.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

namespace ecf {

class Escritor {
 public:
  std::string& bytes() { return bytes_; }

  void Inteiro(std::uint64_t valor, int tamanho) {
    for (int i = 0; i < tamanho; ++i) bytes_ += static_cast<char>((valor >> (8 * i)) & 0xFF);
  }
  void operator()(bool& v) { Inteiro(v ? 1 : 0, 1); }
  void operator()(std::string& v) {
    Inteiro(v.size(), 4);
    bytes_ += v;
  }
  template <class T>
  void operator()(T& v) {
    if constexpr (std::is_enum_v<T> || std::is_integral_v<T>) {
      Inteiro(static_cast<std::uint64_t>(v), sizeof(T));
    } else {
      Visita(*this, v);
    }
  }
  template <class T, std::size_t N>
  void operator()(std::array<T, N>& v) {
    for (T& x : v) (*this)(x);
  }
  template <class T>
  void operator()(std::vector<T>& v) {
    Inteiro(v.size(), 4);
    for (T& x : v) (*this)(x);
  }

 private:
  std::string bytes_;
};

class Leitor {
 public:
  Leitor(const std::string& bytes, std::size_t inicio, std::size_t fim) : bytes_(bytes), pos_(inicio), fim_(fim) {}
  bool ok() const { return ok_; }
  bool NoFim() const { return pos_ == fim_; }
  std::size_t Posicao() const { return pos_; }
  bool Pula(std::uint64_t n) {
    if (!ok_ || n > fim_ - pos_) return ok_ = false;
    pos_ += static_cast<std::size_t>(n);
    return true;
  }

  std::uint64_t Inteiro(int tamanho) {
    if (!ok_ || fim_ - pos_ < static_cast<std::size_t>(tamanho)) {
      ok_ = false;
      return 0;
    }
    std::uint64_t valor = 0;
    for (int i = 0; i < tamanho; ++i)
      valor |= static_cast<std::uint64_t>(static_cast<unsigned char>(bytes_[pos_ + i])) << (8 * i);
    pos_ += tamanho;
    return valor;
  }
  void operator()(bool& v) {
    std::uint64_t x = Inteiro(1);
    if (x > 1) ok_ = false;
    v = x == 1;
  }
  void operator()(std::string& v) {
    std::uint64_t tamanho = Inteiro(4);
    if (!ok_ || tamanho > fim_ - pos_) {
      ok_ = false;
      return;
    }
    v.assign(bytes_, pos_, tamanho);
    pos_ += tamanho;
  }
  template <class T>
  void operator()(T& v) {
    if constexpr (std::is_enum_v<T> || std::is_integral_v<T>) {
      v = static_cast<T>(Inteiro(sizeof(T)));
    } else {
      Visita(*this, v);
    }
  }
  template <class T, std::size_t N>
  void operator()(std::array<T, N>& v) {
    for (T& x : v) (*this)(x);
  }
  template <class T>
  void operator()(std::vector<T>& v) {
    std::uint64_t total = Inteiro(4);
    // Every element takes at least one byte: a count beyond the bytes left is damage.
    if (!ok_ || total > fim_ - pos_) {
      ok_ = false;
      return;
    }
    v.assign(total, T{});
    for (T& x : v) {
      (*this)(x);
      if (!ok_) return;
    }
  }

 private:
  const std::string& bytes_;
  std::size_t pos_;
  std::size_t fim_;
  bool ok_ = true;
};

}  // namespace ecf
