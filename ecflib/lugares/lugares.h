// The places Plenvo uses that its users know by fixed Windows names: the root of drive C (log files,
// cheque work file), the vendor library and the serial devices "COMn". On Windows they are what they
// say; elsewhere each has a configurable stand-in:
//   drive C      -> $PLENVO_DRIVE_C, else $XDG_STATE_HOME/plenvo/c, else ~/.local/state/plenvo/c (the
//                   home from HOME or the password database; with neither, no drive C)
//   Sulvanir.DLL -> $PLENVO_SULVANIR, else libsulvanir.so next to Plenvo or the program, else the
//                   system's search (on Windows only LoadLibrary's own search for "Sulvanir.DLL")
//   COMn         -> $PLENVO_COMn, else /dev/ttyS<n-1>; a name starting with "/" is a path as it stands
// Paths are built into caller buffers: the log writes on every exchange and must not allocate.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

namespace plenvo {

// Folder standing for the root of drive C, with its trailing separator. False when it does not fit.
bool PastaUnidadeC(char* destino, std::size_t tamanho);

// Creates the folder standing for drive C when it is missing (off Windows: a per-user folder that
// may not exist yet); true when the folder is there afterwards, so that a failed creation of a
// file in it is worth retrying. On Windows drive C is there or not: false.
bool CriaPastaUnidadeC();

// A file in that folder. False when the path does not fit.
bool CaminhoNaUnidadeC(const char* nome, char* destino, std::size_t tamanho);

// The device a serial port name opens. False when the path does not fit.
bool CaminhoDoDispositivo(const char* nome, char* destino, std::size_t tamanho);

// True when a device name is a path (starts with "/"): such names are never shortened.
bool NomeEhCaminho(const char* nome);

// Files to try, in order, when loading the vendor library.
std::vector<std::string> CandidatosBibliotecaFornecedor();

#ifndef _WIN32
// Folder of the module (shared library or program) holding Plenvo's code, with its trailing
// separator; "" when unknown.
std::string PastaDestaBiblioteca();
#endif

}  // namespace plenvo
