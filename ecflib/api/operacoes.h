// What the exports do, in C++: the exports themselves (exportacoes.cpp) only pass their arguments.
#pragma once
#include <initializer_list>

#include "tabela.h"

namespace plenvo {

// Frames the row's fields from the arguments (in order) and exchanges the frame.
int ExecutaComando(Comando comando, std::initializer_list<const char*> argumentos);

int LeRegistrador(const char* registrador, char* valor);
int ProgramaRelogio(const char* modo, const char* data, const char* hora);
int LinhasLivres(const char* quantidade, const char* texto);
int CupomStub(long numero);

int RelatorioXZ(const char* modo);
int LeECF(const char* modo, const char* inicio, const char* fim, const char* tipo, const char* arquivo);
int Quorbal(const char* comando, const char* arquivo);

int InicializaDLL(const char* dispositivo);
int FinalizaDLL();
int VersaoDLL(char* texto);
void LogSerial(const char* ativo);
int ProximoTimeout(const char* segundos);

}  // namespace plenvo
