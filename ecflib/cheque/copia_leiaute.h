// The layout file is copied to the work file before its keys are read: a line holding '[' and,
// later, ']' is copied from the '[' on (so a section header with something before it still counts),
// every other line as it is.
#pragma once

namespace plenvo {

enum class CopiaLeiaute { kCopiado, kSemLeiaute, kSemTrabalho };

// kSemLeiaute when the layout is not an existing file (a folder counts as missing) or is the work
// file itself (copying it onto itself would empty it, and the work file is deleted after use: it
// is left untouched); kSemTrabalho when the work file cannot be created or written.
CopiaLeiaute CopiaParaTrabalho(const char* leiaute, const char* trabalho);

// The part of one line that is copied: from the first '[' when a ']' follows it, else all of it.
const char* InicioCopiado(const char* linha);

}  // namespace plenvo
