// A list of observers of one kind of event. The model keeps one list per event so that features hook
// in without the code that raises the event naming them. Observers are called by their step, lowest
// first, and within a step in the order they were attached: where the order matters, the step says
// it, not who happened to attach first.
#pragma once
#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

namespace tarnel {

template <class Evento>
class Observadores {
 public:
  using Observador = std::function<void(const Evento&)>;

  void Observa(Observador observador, int etapa = 0) {
    const auto depois = std::upper_bound(lista_.begin(), lista_.end(), etapa,
                                         [](int e, const Inscrito& inscrito) { return e < inscrito.etapa; });
    lista_.insert(depois, Inscrito{etapa, std::move(observador)});
  }

  void Notifica(const Evento& evento) const {
    for (const Inscrito& inscrito : lista_) inscrito.observador(evento);
  }

 private:
  struct Inscrito {
    int etapa;
    Observador observador;
  };
  std::vector<Inscrito> lista_;
};

}  // namespace tarnel
