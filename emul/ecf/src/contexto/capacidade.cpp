#include "contexto/capacidade.h"

#include <array>
#include <string>
#include <type_traits>
#include <vector>

#include "contexto/codificacao_estado.h"

namespace ecf {

namespace {

template <class T>
struct ELista : std::false_type {};
template <class T, std::size_t N>
struct ELista<std::array<T, N>> : std::true_type {};
template <class T>
struct ELista<std::vector<T>> : std::true_type {};

// Walks the state over the context file's field lists, so a new field is counted as soon as the
// file holds it.
class SomaMagnitudes {
 public:
  bool excedeu() const { return excedeu_; }

  void operator()(std::string&) {}
  template <class T>
  void operator()(T& v) {
    if constexpr (std::is_same_v<T, std::int64_t>) {
      Soma(v);
    } else if constexpr (std::is_enum_v<T> || std::is_integral_v<T>) {
      // counters, codes, flags and dates: no amounts
    } else if constexpr (ELista<T>::value) {
      for (auto& x : v) {
        if (excedeu_) return;
        (*this)(x);
      }
    } else {
      Visita(*this, v);
    }
  }

 private:
  void Soma(std::int64_t v) {
    const std::uint64_t magnitude = v < 0 ? 0 - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
    if (magnitude > kCapacidadeMontantes - total_) {
      excedeu_ = true;
      return;
    }
    total_ += magnitude;
  }

  std::uint64_t total_ = 0;
  bool excedeu_ = false;
};

}  // namespace

bool DentroDaCapacidade(const Estado& estado) {
  SomaMagnitudes soma;
  Visita(soma, const_cast<Estado&>(estado));  // the walk only reads the fields
  return !soma.excedeu();
}

}  // namespace ecf
