/* Sulvanir: stand-in for the vendor's fiscal library. It answers the frames handed to
 * ProcessFiscalCmd as a fiscal printer does (the same answers as the serial printer simulator):
 * '!' for an accepted frame, '?' for a malformed one, status 10 (busy) after an X/Z report,
 * 30 bytes of register data for "04", a text stream ended by ETX for the reading modes of "16",
 * STX and a CMC-7 line for "53", the emulated printer's answer record for "60".
 *
 * Configured through the environment, for tests:
 *   SULVANIR_CONEXAO  FiscalConnection's answer, a decimal integer (default 1): 0 refuses the
 *                     device, 1 or 3 ask for vendor mode, 2 for serial mode on the name cut to 4
 *                     characters, any other value for serial mode on the name unchanged.
 *                     Text that is not an integer counts as the default.
 *   SULVANIR_QUADROS  file to which every frame received is appended, in upper-case hex, one
 *                     frame per line ending in LF.
 *   SULVANIR_FALHA    a non-zero integer that ProcessFiscalCmd returns for every call, frames
 *                     and collecting calls, without answering (-100 and -102: communication
 *                     failure, -101: nothing in time). Frames are still captured but never
 *                     reach the printer.
 *   SULVANIR_PASTA    folder of the emulated printer's context file (frame "60"); default
 *                     $XDG_STATE_HOME/sulvanir or ~/.local/state/sulvanir (on Windows
 *                     %LOCALAPPDATA%\Sulvanir).
 *   SULVANIR_OCUPADO  how many frames are answered busy after an X/Z report (default 3).
 *   SULVANIR_SEM_ETX  "1": reading streams never end.
 *   SULVANIR_CMC7     the CMC-7 line of frame "53"; set and empty: no cheque (answer '!').
 * SULVANIR_FALHA and SULVANIR_QUADROS are read at every frame, the others when FiscalConnection
 * is called; each FiscalConnection starts a fresh printer session.
 */
#ifndef SULVANIR_H
#define SULVANIR_H

#if defined(_WIN32) && !defined(_WIN64)
#define SULVANIR_CHAMADA __stdcall
#else
#define SULVANIR_CHAMADA
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Opens the session for the device; the answer as described for SULVANIR_CONEXAO, 0 for a null
 * device name. */
int SULVANIR_CHAMADA FiscalConnection(const char* dispositivo);

/* Sends `tamanho` bytes of `quadro` (which may be the reply buffer itself) and puts at most
 * *tamanho_resposta bytes of the answer into `resposta`, setting *tamanho_resposta to the number
 * delivered. The rest of a longer answer (reading streams) waits for collecting calls: quadro null
 * and tamanho 0. Returns 0 when bytes were delivered; -101 when there was nothing to deliver (a
 * collecting call with a positive `timeout` waits one second first: the simulated printer has
 * said all it will say); -100 for null or negative arguments; SULVANIR_FALHA when set. `flag`
 * is accepted and not needed. */
int SULVANIR_CHAMADA ProcessFiscalCmd(const char* quadro, int tamanho, char* resposta, int* tamanho_resposta,
                                      int timeout, int flag);

/* Ends the session: an answer not yet collected is dropped. Returns 0. */
int SULVANIR_CHAMADA FechaPorta(void);

#ifdef __cplusplus
}
#endif

#endif
