// Opening the emulated printer with an output of the caller's choosing: Impressora::Abre uses
// CriaSaida(); tests use it to give the printer, for one, a small detail memory.
#pragma once
#include <functional>
#include <memory>
#include <string>

#include "ecf/impressora.h"
#include "impressao/saida.h"

namespace ecf {

using FabricaSaida = std::function<std::unique_ptr<Saida>()>;

std::unique_ptr<Impressora> AbreImpressora(const std::string& pasta, int numero, const FabricaSaida& cria_saida,
                                           std::string* motivo = nullptr);

}  // namespace ecf
