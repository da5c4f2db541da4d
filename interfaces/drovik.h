/* DROVIK driver library: the 16 operations through which a program reaches the fiscal printer.
 * This is the contract every such library honours (DROVIK.DLL on Windows, libdrovik.so elsewhere);
 * which channels a library opens, and what stands behind them, is the library's own business.
 *
 * Every Quorbal value travels as Windows-1252 text. Text results are zero-terminated texts owned by
 * the library, valid only until the next call on the same handle (the next DROVIK_ExecutaComando
 * replaces the error texts and returns, DROVIK_EncerraDriver frees them all); copy them at once.
 *
 * Each operation is declared twice over one function type: the library defines the function, and a
 * program that loads the library at run time resolves the export by name into a pointer of the
 * same type (DROVIK_IniciaDriver_fn* and so on), so both sides always agree on the calling convention.
 */
#ifndef DROVIK_H
#define DROVIK_H

#include <stdint.h>

#ifdef _WIN32
/* Undecorated names through the module-definition file; __stdcall matters on 32-bit only. */
#define DROVIK_CALL __stdcall
#define DROVIK_EXPORT
#else
#define DROVIK_CALL
#define DROVIK_EXPORT __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Results of DROVIK_LeRegistrador. */
enum {
  DROVIK_REGISTRADOR_OK = 0,                  /* buffer holds the reading command's name */
  DROVIK_REGISTRADOR_INEXISTENTE = -1,        /* no register of that name */
  DROVIK_REGISTRADOR_SEM_PARAMETRO = -2,      /* the reading command has no parameter */
  DROVIK_REGISTRADOR_SEM_PARAMETRO_NOME = -3, /* the reading command has no "Nome..." parameter */
  DROVIK_REGISTRADOR_TIPO_INCOMPATIVEL = -4,  /* no command reads a register of that type */
  DROVIK_REGISTRADOR_FALHA = -5               /* no buffer, or one too small for the name */
};

/* Opens a channel named by the library. Handle >= 0, or < 0 when the channel cannot be opened. */
typedef int32_t DROVIK_CALL DROVIK_IniciaDriver_fn(const char* canal);
/* Closes the channel. 0, or < 0 for a bad handle. */
typedef int32_t DROVIK_CALL DROVIK_EncerraDriver_fn(int32_t handle);
/* Reply timeout in seconds. 0, or < 0 for a bad handle. */
typedef int32_t DROVIK_CALL DROVIK_DefineTimeout_fn(int32_t handle, int32_t segundos);
/* Clears the pending parameters. 0, or < 0 for a bad handle. */
typedef int32_t DROVIK_CALL DROVIK_LimpaParams_fn(int32_t handle);
/* Appends one parameter (type code 0..10). Number of pending parameters, or < 0 when refused. */
typedef int32_t DROVIK_CALL DROVIK_AdicionaParam_fn(int32_t handle, const char* nome, const char* valor,
                                                    int32_t tipo);
/* Pending parameters as name=value items separated by one blank. With a buffer, also copied there
 * (cut to tamanho - 1 bytes); with null, 0 only the library's own text is returned. */
typedef const char* DROVIK_CALL DROVIK_ListaParams_fn(int32_t handle, char* buffer, int32_t tamanho);
/* Executes a command with the pending parameters; an empty name makes the last reply current again.
 * 0: nothing done and nothing to report; any other value: a reply or an error is available. */
typedef int32_t DROVIK_CALL DROVIK_ExecutaComando_fn(int32_t handle, const char* comando);
/* Error code of the current reply, 0 = success. */
typedef int32_t DROVIK_CALL DROVIK_ObtemCodErro_fn(int32_t handle);
/* Error name and circumstance of the current reply (buffer use as in DROVIK_ListaParams). */
typedef const char* DROVIK_CALL DROVIK_ObtemNomeErro_fn(int32_t handle, char* buffer, int32_t tamanho);
typedef const char* DROVIK_CALL DROVIK_ObtemCircunstancia_fn(int32_t handle, char* buffer, int32_t tamanho);
/* All returns as name=value items separated by one blank (buffer use as in DROVIK_ListaParams). */
typedef const char* DROVIK_CALL DROVIK_ObtemRetornos_fn(int32_t handle, char* buffer, int32_t tamanho);
/* Number of returns of the current reply. */
typedef int32_t DROVIK_CALL DROVIK_TotalRetornos_fn(int32_t handle);
/* Name and value of return number indice (from 1), each cut to its buffer and always zero-terminated.
 * The return's type code (>= 0), or < 0 for a bad handle or index. */
typedef int32_t DROVIK_CALL DROVIK_Retorno_fn(int32_t handle, int32_t indice, char* nome, int32_t tamanho_nome,
                                              char* valor, int32_t tamanho_valor);
/* Which command reads a register: DROVIK_REGISTRADOR_OK with its name in the buffer, or one of the
 * negative results above. The protocol's register table answers it: no open channel is needed, and
 * a handle that is not (or no longer) open gets the same answer. */
typedef int32_t DROVIK_CALL DROVIK_LeRegistrador_fn(int32_t handle, const char* registrador, char* comando,
                                                    int32_t tamanho);
/* Log file receiving one command line and one reply line per executed command; empty or null
 * stops logging. 0. */
typedef int32_t DROVIK_CALL DROVIK_SetaArquivoLog_fn(const char* caminho);
/* Current log path into the buffer (cut, zero-terminated). Length copied, or < 0 for a bad buffer. */
typedef int32_t DROVIK_CALL DROVIK_ObtemNomeLog_fn(char* buffer, int32_t tamanho);

DROVIK_EXPORT DROVIK_IniciaDriver_fn DROVIK_IniciaDriver;
DROVIK_EXPORT DROVIK_EncerraDriver_fn DROVIK_EncerraDriver;
DROVIK_EXPORT DROVIK_DefineTimeout_fn DROVIK_DefineTimeout;
DROVIK_EXPORT DROVIK_LimpaParams_fn DROVIK_LimpaParams;
DROVIK_EXPORT DROVIK_AdicionaParam_fn DROVIK_AdicionaParam;
DROVIK_EXPORT DROVIK_ListaParams_fn DROVIK_ListaParams;
DROVIK_EXPORT DROVIK_ExecutaComando_fn DROVIK_ExecutaComando;
DROVIK_EXPORT DROVIK_ObtemCodErro_fn DROVIK_ObtemCodErro;
DROVIK_EXPORT DROVIK_ObtemNomeErro_fn DROVIK_ObtemNomeErro;
DROVIK_EXPORT DROVIK_ObtemCircunstancia_fn DROVIK_ObtemCircunstancia;
DROVIK_EXPORT DROVIK_ObtemRetornos_fn DROVIK_ObtemRetornos;
DROVIK_EXPORT DROVIK_TotalRetornos_fn DROVIK_TotalRetornos;
DROVIK_EXPORT DROVIK_Retorno_fn DROVIK_Retorno;
DROVIK_EXPORT DROVIK_LeRegistrador_fn DROVIK_LeRegistrador;
DROVIK_EXPORT DROVIK_SetaArquivoLog_fn DROVIK_SetaArquivoLog;
DROVIK_EXPORT DROVIK_ObtemNomeLog_fn DROVIK_ObtemNomeLog;

/* Sizes a caller passes to the operations with buffers. */
#define DROVIK_TAMANHO_NOME_RETORNO 31
#define DROVIK_TAMANHO_VALOR_RETORNO 4096
#define DROVIK_TAMANHO_COMANDO_REGISTRADOR 64
#define DROVIK_TAMANHO_NOME_LOG 260

#ifdef __cplusplus
}
#endif

#endif /* DROVIK_H */
