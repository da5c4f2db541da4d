// A list of observers of one kind of event, called in the order they were attached. The model keeps
// one list per event so that features hook in without the code that raises the event naming them.
#pragma once
#include <functional>
#include <utility>
#include <vector>

namespace tarnel {

template <class Evento>
class Observadores {
 public:
  using Observador = std::function<void(const Evento&)>;

  void Observa(Observador observador) { lista_.push_back(std::move(observador)); }

  void Notifica(const Evento& evento) const {
    for (const Observador& observador : lista_) observador(evento);
  }

 private:
  std::vector<Observador> lista_;
};

}  // namespace tarnel
