// Built while the emulated printer library is not available: frame "60" is refused.
#include "ponte_quorbal.h"

namespace serialsim {

struct PonteQuorbal::Impressora {};

PonteQuorbal::PonteQuorbal(std::string pasta) : pasta_(std::move(pasta)) {}
PonteQuorbal::~PonteQuorbal() = default;

bool PonteQuorbal::Responde(const std::string&, std::string&) { return false; }

}  // namespace serialsim
