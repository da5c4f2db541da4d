/* Sulvanir: the vendor's fiscal library, through which a program hands protocol frames to the
 * fiscal printer and collects its answers. This is the contract every such library honours
 * (Sulvanir.DLL on Windows, libsulvanir.so elsewhere): three entry points exported under these
 * plain names.
 *
 * Each entry point is declared twice over one function type: the library defines the function, and
 * a program that loads the library at run time resolves the export by name into a pointer of the
 * same type (SULVANIR_ProcessFiscalCmd_fn* and so on), so both sides always agree on the calling
 * convention.
 */
#ifndef SULVANIR_H
#define SULVANIR_H

#ifdef _WIN32
/* Undecorated names through the module-definition file; __stdcall matters on 32-bit only. */
#define SULVANIR_CALL __stdcall
#define SULVANIR_EXPORT
#else
#define SULVANIR_CALL
#define SULVANIR_EXPORT __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Answers of FiscalConnection. Any other value: serial mode on the device name unchanged. */
enum {
  SULVANIR_CONEXAO_RECUSADA = 0,     /* the device is refused */
  SULVANIR_CONEXAO_FORNECEDOR_1 = 1, /* vendor mode: frames go through ProcessFiscalCmd */
  SULVANIR_CONEXAO_SERIAL_CURTA = 2, /* serial mode on the device name cut to its first 4 characters */
  SULVANIR_CONEXAO_FORNECEDOR_3 = 3  /* vendor mode, as 1 */
};

/* Failures of ProcessFiscalCmd; 0 or a positive value means the exchange was done. */
enum {
  SULVANIR_FALHA_COMUNICACAO = -100,  /* communication failure */
  SULVANIR_NADA_RECEBIDO = -101,      /* nothing received in time */
  SULVANIR_FALHA_COMUNICACAO_2 = -102 /* communication failure, as -100 */
};

/* Opens the session for a device name; one of the answers above. */
typedef int SULVANIR_CALL SULVANIR_FiscalConnection_fn(const char* dispositivo);
/* Sends `tamanho` bytes of `quadro` (which may be the reply buffer itself) and puts at most
 * *tamanho_resposta bytes of the answer into `resposta`, setting *tamanho_resposta to the number
 * received. With quadro null and tamanho 0 it only collects further answer data (reading streams).
 * `timeout` is in seconds; `flag` (0 or 1) is the caller's mark on some exchanges of reading streams. 0 or a positive value
 * when done, else one of the failures above. */
typedef int SULVANIR_CALL SULVANIR_ProcessFiscalCmd_fn(const char* quadro, int tamanho, char* resposta,
                                                       int* tamanho_resposta, int timeout, int flag);
/* Ends the session. A result the caller only reports. */
typedef int SULVANIR_CALL SULVANIR_FechaPorta_fn(void);

SULVANIR_EXPORT SULVANIR_FiscalConnection_fn FiscalConnection;
SULVANIR_EXPORT SULVANIR_ProcessFiscalCmd_fn ProcessFiscalCmd;
SULVANIR_EXPORT SULVANIR_FechaPorta_fn FechaPorta;

#ifdef __cplusplus
}
#endif

#endif /* SULVANIR_H */
