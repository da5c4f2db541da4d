/*
 * Plenvo: drive a fiscal printer (ECF) through 55 flat functions.
 *
 * Call ecf_InicializaDLL once with the printer's device name, then any of the ecf_ functions, then
 * ecf_FinalizaDLL. Each printer operation builds one fixed-width command frame, exchanges it with
 * the printer - through the vendor's fiscal library when it is present and accepts the device,
 * else over Plenvo's own serial line at 9600 baud - writes the exchange into the transaction log
 * when logging is on, and returns a result code (below).
 *
 * All texts are NUL-terminated 8-bit strings (Windows-1252), file names included: off Windows Plenvo
 * hands them to the system as UTF-8, so "Relat\xF3rios/cmc7.txt" names the folder Relatórios. The
 * variables below name the system's own paths, as they stand. Plenvo keeps one state per process
 * and has no locks: call it from one thread at a time.
 *
 * Texts are fitted into fields of fixed width: "T" fields are left-aligned and padded with blanks,
 * "R" fields right-aligned, both cut after their width; "N" fields take the text as a decimal
 * integer written with leading zeros; "C" fields take the first character. The comment of each
 * function gives its fields, e.g. "T13" or "N2".
 *
 * Where things live off Windows (on Windows they are what the names say: c:\, LoadLibrary's own
 * search for "Sulvanir.DLL", the COM ports; these variables play no part there):
 *   PLENVO_DRIVE_C   folder standing for drive C (logs "Mon.log" ..., the cheque work file
 *                    "prt77q.ini"); default $XDG_STATE_HOME/plenvo/c or ~/.local/state/plenvo/c
 *   PLENVO_SULVANIR  the vendor library file; default libsulvanir.so next to Plenvo or the
 *                    program, then the system's search
 *   PLENVO_COMn      the device that the name "COMn" (or "COMn:") opens; default /dev/ttyS<n-1>.
 *                    A device name starting with "/" is a path, used as it stands.
 * The "Gerar Log" setting lives in the registry (its file stand-in under $XDG_CONFIG_HOME off
 * Windows): HKEY_LOCAL_MACHINE\Software\KVT Automação Comercial\DLL Vardex 32 bits\V4.03.
 * A key there that exists but may not be changed (a limited account on Windows) is still read:
 * the setting an administrator made applies, and only writing it back at ecf_FinalizaDLL fails
 * (logged as "RegSetValueEx"). Were the key refused outright, such accounts would never get the
 * log the administrator asked for.
 *
 * The log is written through the system's own file calls, one open, write and close per entry,
 * lines ending CR LF: an exchange allocates no memory, log or not.
 */
#ifndef PLENVO_H
#define PLENVO_H

#if defined(_WIN32) && !defined(_WIN64)
#define PLENVO_CALL __stdcall
#else
#define PLENVO_CALL
#endif

/* Exports are named by a .def file on Windows; elsewhere only these symbols are visible. */
#if !defined(_WIN32) && defined(__GNUC__)
#define PLENVO_API __attribute__((visibility("default")))
#else
#define PLENVO_API
#endif

/*
 * Result codes. Any other value is the printer's own status byte, returned as received.
 */
#define ECF_SUCESSO 33             /* '!': the printer accepted the command; or the operation completed */
#define ECF_JA_INICIALIZADA 1      /* ecf_InicializaDLL called twice; serial line already open */
#define ECF_NAO_INICIALIZADA 2     /* ecf_InicializaDLL not called (nothing was sent) */
#define ECF_ERRO_ABERTURA 3        /* the serial device cannot be opened */
#define ECF_ERRO_CONFIGURACAO 4    /* the serial device cannot be configured */
#define ECF_LINHA_FECHADA 5        /* serial line not open */
#define ECF_TRANSMISSAO_PENDENTE 6 /* a previous transmission is still pending */
/* 7: a frame or reply larger than the line's limits; also an argument refused before anything is
 * sent: a null text, a number wider than its N field, a device name longer than 29 characters, an
 * ecf_Quorbal text longer than 4088 bytes, an ecf_LinhasLivres count above 410. */
#define ECF_GRANDE_DEMAIS 7
#define ECF_CTS 8                  /* printer not clear to send; the vendor library refused the device */
#define ECF_ERRO_TRANSMISSAO 9     /* the write failed; vendor library communication failure */
#define ECF_RESPOSTA_INCOMPLETA 10 /* fewer reply bytes than awaited (none: the printer is silent or busy) */
#define ECF_ERRO_RECEPCAO 11
#define ECF_ERRO_FLUSH 12          /* purging the line's queues failed */
#define ECF_ERRO_FRAMING 13
#define ECF_ERRO_OVERRUN 14
#define ECF_BREAK 15
#define ECF_ERRO_DISPOSITIVO 16    /* device error during communication (the device went away) */
#define ECF_OVERFLOW_RECEPCAO 17
#define ECF_ERRO_PARIDADE 18
#define ECF_TRANSMISSAO_CHEIA 19
#define ECF_SEM_ARQUIVO 20         /* output file not created or not written; vendor mode without the vendor library */
/* 21 to 28: cheque layout errors (ecf_ImprimeCheque, ecf_ImprimeCheque2). */
#define ECF_CHEQUE_SEM_SECAO 21     /* the section is not in the layout file (or has no keys) */
#define ECF_CHEQUE_VALOR 22         /* "Valor" missing or not a valid list */
#define ECF_CHEQUE_EXTENSO 23
#define ECF_CHEQUE_FAVORECIDO 24
#define ECF_CHEQUE_CIDADE 25
#define ECF_CHEQUE_MENSAGEM 26      /* "Mensagem", "Mensagem2" or "Mensagem3" */
#define ECF_CHEQUE_DATA 27
#define ECF_CHEQUE_NUMERO 28        /* "eSpacamento", "ColBanco" or "ColConta" missing or below 1 */
#define ECF_OUTRO_ERRO_LINHA 29

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Start, end and settings ---- */

/* Starts Plenvo on a device ("COM1", or a path such as "/dev/ttyUSB0"). Reads the "Gerar Log"
 * setting, asks the vendor library whether to use it; without it (or when it says so) checks that
 * the serial line opens. 33; 1 when already started; 8 when the vendor library refuses the device;
 * 7 for a null name or one longer than 29 characters; a line error (3, 4, ...) otherwise. */
PLENVO_API int PLENVO_CALL ecf_InicializaDLL(const char* dispositivo);

/* Ends: releases the vendor library and saves the "Gerar Log" setting. 33, or 2 when not started. */
PLENVO_API int PLENVO_CALL ecf_FinalizaDLL(void);

/* Writes "DLL Vardex 32 bits - V4.03" into texto (27 bytes with the NUL) and returns its length,
 * 26; 0 for a null buffer. */
PLENVO_API int PLENVO_CALL ecf_VersaoDLL(char* texto);

/* Logging on when the text starts with '1', off otherwise (a null text changes nothing). */
PLENVO_API void PLENVO_CALL ecf_LogSerial(const char* ativo);

/* The next exchange, and only that one, waits this many seconds for its reply (0: its own time-out;
 * for ecf_LeECF also the idle limit of the reading). Returns the number taken: a negative number
 * counts as 0, one above 2147483 (the most the serial line can count in milliseconds) as 2147483;
 * 0 and no change for null. */
PLENVO_API int PLENVO_CALL ecf_ProximoTimeout(const char* segundos);

/* ---- Status and mechanics ---- */

/* Printer status ("00"): 33 when ready, 10 while busy. */
PLENVO_API int PLENVO_CALL ecf_EstadoImpressora(void);
/* Opens the cash drawer ("01"). */
PLENVO_API int PLENVO_CALL ecf_AbreGaveta(void);
/* Reads a sensor ("02"): C sensor. */
PLENVO_API int PLENVO_CALL ecf_LeSensor(const char* sensor);
/* Feeds lines ("03"): N2 count. */
PLENVO_API int PLENVO_CALL ecf_AvancaLinhas(const char* linhas);
/* Reads register R3 ("04") into valor (31 bytes: 30 bytes of data and a NUL; a null buffer is
 * skipped). 33 when the 30 bytes came; on any failure valor is emptied. */
PLENVO_API int PLENVO_CALL ecf_LeRegistrador(const char* registrador, char* valor);
/* Line spacing ("26"): C. */
PLENVO_API int PLENVO_CALL ecf_EspacamentoLinhas(const char* espacamento);
/* Mechanism setting ("39"): C. */
PLENVO_API int PLENVO_CALL ecf_Mecanismo(const char* modo);
/* Cuts the paper ("46"). */
PLENVO_API int PLENVO_CALL ecf_CortaPapel(void);
/* Draft printing ("51"): R30 text. */
PLENVO_API int PLENVO_CALL ecf_Rascunho(const char* texto);
/* Thermal contrast ("52"): C. */
PLENVO_API int PLENVO_CALL ecf_ContrasteTermico(const char* contraste);
/* Sets the clock ("22"): mode C; mode '0' sends date R8 (ddmmyyyy) and time R6 (hhmmss); modes '1'
 * and '2' send zeros instead (as does any other mode). */
PLENVO_API int PLENVO_CALL ecf_ProgramaRelogio(const char* modo, const char* data, const char* hora);

/* ---- Fiscal coupon ---- */

/* Sells an item ("05"): code T13, description T62, quantity R7, unit price R9, tax R2, unit T2,
 * kind C. */
PLENVO_API int PLENVO_CALL ecf_VendaItem(const char* codigo, const char* descricao, const char* quantidade,
                                         const char* preco, const char* aliquota, const char* unidade,
                                         const char* tipo);
/* Cancels the last sale ("06"): T8. */
PLENVO_API int PLENVO_CALL ecf_CancelaVenda(const char* texto);
/* Cancels the coupon ("07"): T8. */
PLENVO_API int PLENVO_CALL ecf_CancelaCupom(const char* texto);
/* Closes the coupon ("09"): T8. */
PLENVO_API int PLENVO_CALL ecf_FechaCupom(const char* texto);
/* Payment ("10"): method N2, description T10, amount R10. */
PLENVO_API int PLENVO_CALL ecf_Pagamento(const char* forma, const char* descricao, const char* valor);
/* Prints the coupon header ("11"). */
PLENVO_API int PLENVO_CALL ecf_ImprimeCabecalho(void);
/* Cancels item R3 ("17"). */
PLENVO_API int PLENVO_CALL ecf_CancelaItem(const char* item);
/* Surcharge on the subtotal ("18"): '0', kind T10, value R10. */
PLENVO_API int PLENVO_CALL ecf_AcrescimoSubtotal(const char* tipo, const char* valor);
/* Discount on the subtotal ("19"): '0', kind T10, value R10. */
PLENVO_API int PLENVO_CALL ecf_DescontoSubtotal(const char* tipo, const char* valor);
/* Discount on the item ("20"): kind C, description T10, value R9. */
PLENVO_API int PLENVO_CALL ecf_DescontoItem(const char* tipo, const char* descricao, const char* valor);
/* Promotional text ("12"): T160. */
PLENVO_API int PLENVO_CALL ecf_Propaganda(const char* texto);
/* Promotional text, long ("57"): T320. */
PLENVO_API int PLENVO_CALL ecf_PropagandaEx(const char* texto);
/* Buyer identification ("14"): name T40, kind C, document R18, address T40, more T40. */
PLENVO_API int PLENVO_CALL ecf_IdComprador(const char* nome, const char* tipo, const char* documento,
                                           const char* endereco, const char* complemento);
/* Stub coupon ("30"): the number written with 8 digits, zero-filled; 7 (nothing sent) when it needs
 * more than 8 characters. */
PLENVO_API int PLENVO_CALL ecf_CupomStub(long numero);
/* Bar code ("56"): kind C, code T40. */
PLENVO_API int PLENVO_CALL ecf_CodigoBarras(const char* tipo, const char* codigo);
/* Authentication ("29"): T20. */
PLENVO_API int PLENVO_CALL ecf_Autentica(const char* texto);

/* ---- Reports and readings ---- */

/* X or Z report ("08"): mode C. With mode '1' and the printer's acceptance it then polls
 * ecf_EstadoImpressora at once and, while it answers 10, again once more than 15 seconds have
 * passed since the report, then every time more than 3 seconds have passed (at most 100 polls).
 * Returns the report frame's result. */
PLENVO_API int PLENVO_CALL ecf_Relatorio_XZ(const char* modo);
/* Fiscal memory reading ("16"): mode C, start R8, end R8, kind C. Modes '4' to '7' stream the
 * reading into the file until the printer ends it (ETX) or stays silent for the idle limit (600
 * seconds, or the ecf_ProximoTimeout value); 33 once the reading is collected, whatever the printer
 * answered (a refusal, or silence, leaves the file with what came, possibly nothing); 20 when the
 * file cannot be created or does not take the data (a full disk); 7 for a null file name (nothing
 * sent); when the frame cannot be sent (the line does not open, the write fails) no file is made and
 * that failure's code is returned; a failure of the vendor library after the frame (9, 10) leaves
 * the file with what came. Other modes return the frame's result. With the log on,
 * the chunks the vendor library hands over are logged ("RX"); over the serial line only the frame
 * and its reply are. */
PLENVO_API int PLENVO_CALL ecf_LeECF(const char* modo, const char* inicio, const char* fim, const char* tipo,
                                     const char* arquivo);
/* Ends a non-fiscal report ("45"). */
PLENVO_API int PLENVO_CALL ecf_FinalizaRelatorio(void);
/* Free text lines ("48"): count N3 (at most 410), then that many bytes of the text (NUL padded). */
PLENVO_API int PLENVO_CALL ecf_LinhasLivres(const char* quantidade, const char* texto);
/* Named-parameter command ("60"): sends the command text (at most 4088 bytes), in the form
 * "{0;Command;Name=value ...;}", and writes the printer's answer record ("{...}") into the file.
 * 33 when the exchange is done, whatever the printer answered (a text it refuses, or silence, leaves
 * the file empty); 20 when the file cannot be created or written; 7 for a null or too long text or a
 * null file name (nothing sent); when the frame cannot be sent no file is made and that failure's
 * code is returned. */
PLENVO_API int PLENVO_CALL ecf_Quorbal(const char* comando, const char* arquivo);

/* ---- Set-up ---- */

/* Header lines ("13"): line C, three lines T40 each, two values R3. */
PLENVO_API int PLENVO_CALL ecf_CargaCliche(const char* indice, const char* linha1, const char* linha2,
                                           const char* linha3, const char* valor1, const char* valor2);
/* Loads a tax rate ("15"): index N2, rate R4. */
PLENVO_API int PLENVO_CALL ecf_CargaAliquota(const char* indice, const char* aliquota);
/* Names a payment method ("23"): index N2, name T10. */
PLENVO_API int PLENVO_CALL ecf_FormaPagamento(const char* indice, const char* nome);
/* Names a non-fiscal counter ("24"): index N2, name T15, kind C. */
PLENVO_API int PLENVO_CALL ecf_CargaNaoVinculado(const char* indice, const char* nome, const char* tipo);
/* Defines a tax rate ("25"): index N2, rate R4, kind C. */
PLENVO_API int PLENVO_CALL ecf_DefineAliquota(const char* indice, const char* aliquota, const char* tipo);
/* New establishment ("35"): T18, T15, T15. */
PLENVO_API int PLENVO_CALL ecf_NovoEstabelecimento(const char* inscricao, const char* municipal,
                                                   const char* outro);

/* ---- Linked and non-fiscal documents ---- */

/* Non-fiscal receipt ("42"): counter N2, description T20, value R9. */
PLENVO_API int PLENVO_CALL ecf_EmiteNaoVinculado(const char* indice, const char* descricao, const char* valor);
/* Linked receipt by sequence ("44"): coupon N6, counter N2, text T20. */
PLENVO_API int PLENVO_CALL ecf_VinculadoNSeq(const char* cupom, const char* indice, const char* texto);
/* Card-transaction receipt ("27"): method N2, R16, value R9, text T800, N2, N2. */
PLENVO_API int PLENVO_CALL ecf_VinculadoTEF(const char* forma, const char* identificacao, const char* valor,
                                            const char* texto, const char* vias, const char* parcelas);
/* Card receipt ("36"): method N2, R16, R4, value R9, text T800, N2, N2. */
PLENVO_API int PLENVO_CALL ecf_VinculadoCartao(const char* forma, const char* identificacao, const char* codigo,
                                               const char* valor, const char* texto, const char* vias,
                                               const char* parcelas);
/* Linked receipt ("50"): method N2, R16, value R9, R20, kind C, text T800, N2, N2. */
PLENVO_API int PLENVO_CALL ecf_Vinculado(const char* forma, const char* identificacao, const char* valor,
                                         const char* documento, const char* tipo, const char* texto,
                                         const char* vias, const char* parcelas);

/* ---- Cheques ---- */

/* Sends the CMC-7 line to the printer ("47"). */
PLENVO_API int PLENVO_CALL ecf_CMC7ToECF(void);
/* Ejects the cheque ("49"). */
PLENVO_API int PLENVO_CALL ecf_EjetarCheque(void);
/* Crosses the cheque ("54"): kind C, three lines T15. */
PLENVO_API int PLENVO_CALL ecf_CruzarCheque(const char* tipo, const char* linha1, const char* linha2,
                                            const char* linha3);
/* Endorses the cheque ("59"): N2, N3, text T18. */
PLENVO_API int PLENVO_CALL ecf_ChancelarCheque(const char* indice, const char* posicao, const char* texto);
/*
 * Cheques from a layout file: a Windows profile (INI) file with one section per cheque form. The file
 * is first copied to the work file "C:\prt77q.ini" (a line holding '[' and later ']' is copied from
 * the '[' on, so "12 [001]" counts as the header [001]), whose keys are then read: lists of numbers
 * separated by commas, where characters other than digits and commas are ignored and a later run of
 * digits in the same position replaces the earlier one ("1 2,3,4" reads 2, 3, 4).
 *   key          ecf_ImprimeCheque short / long   ecf_ImprimeCheque2   result when wrong
 *   Valor        2 / 4 numbers (4 choose long)    4                    22
 *   Extenso      4 / 6                            6                    23
 *   Favorecido   2 / 4                            4                    24
 *   Cidade       2 / 4                            4                    25
 *   Mensagem     2 / 4                            4                    26
 *   Mensagem2/3  -                                4 each               26
 *   Data         3                                3                    27
 *   eSpacamento  a number of at least 1           same                 28
 *   ColBanco     -                                at least 1           28
 *   ColConta     -                                at least 1           28
 * Long-form positions go into the frame as "%03d", "%02d", then one digit each; "Extenso" as "%03d",
 * "%02d", "%03d", "%02d" and two digits; "Data" as three "%03d"; the short form writes every number
 * as "%02d". "eSpacamento" travels as its first three characters, zero-filled on the left ("2" is
 * "002"); "ColBanco" and "ColConta" as the integer their first three characters read, "%03d".
 * A number wider than its place (1000 for "%03d", 10 for a single digit), a value longer than 79
 * characters, and a list with more or fewer commas or an empty position are all wrong: the key's
 * result is returned and nothing is sent, rather than a number spilling into the next field or a
 * value read cut short.
 * Results: the frame's result; 20 when the layout is not an existing file, is the work file itself
 * (which is then left as it is), or the work file cannot be written; 21 when the section is missing or empty; 22 to 28 for the first wrong key, in the order
 * above; 7 for a null text (nothing read or sent). The work file is deleted once every key was read,
 * and kept on 21 to 28 for a look at what was read. The layout is read before the library's state is
 * looked at: before ecf_InicializaDLL a good layout gives 2.
 */
/* "34": valor R14, favorecido T30, cidade T20, mensagem T30, data R6, texto6 T15, texto7 T17, with
 * the positions of the section; 169 bytes in the short form, 189 in the long one. */
PLENVO_API int PLENVO_CALL ecf_ImprimeCheque(const char* valor, const char* favorecido, const char* cidade,
                                             const char* mensagem, const char* data, const char* texto6,
                                             const char* texto7, const char* secao, const char* arquivo_layout);
/* "58" (361 bytes): texts 1 to 9 as R14, T30, T20, T30, T40, T20, R6, T15, T17; the section is the
 * 10th argument; texts 11 to 15 as T20, T50, T8, T4, T10. */
PLENVO_API int PLENVO_CALL ecf_ImprimeCheque2(const char* texto1, const char* texto2, const char* texto3,
                                              const char* texto4, const char* texto5, const char* texto6,
                                              const char* texto7, const char* texto8, const char* texto9,
                                              const char* secao, const char* texto11, const char* texto12,
                                              const char* texto13, const char* texto14, const char* texto15,
                                              const char* arquivo_layout);
/* Reads the cheque's CMC-7 line ("53"). A printer with a cheque answers STX and the line, which are
 * written to the file as they came (binary, STX first): 33. A printer without one answers another
 * byte, which is returned ('!', 33, with no file made). 20 when the file cannot be created or
 * written (or the vendor library is missing), 7 for a null file name (nothing sent), 9 and 10 for
 * the vendor library's failures, a line error otherwise. Over the serial line the line is collected until 2 seconds pass without data; a
 * line that fails meanwhile returns its error, the file keeping what had arrived. */
PLENVO_API int PLENVO_CALL ecf_LeCMC7(const char* arquivo);

#ifdef __cplusplus
}
#endif

#endif /* PLENVO_H */
