#!/bin/sh
# Checks that dependencies point down, from what the compiler actually read: for every object of the
# build, the headers it included (Ninja's dependency log) must not come from a folder its layer may
# not see. Usage: check-layers.sh BUILD_DIR SOURCE_DIR
#
#   terminal/            nothing of emul/ (the stand-ins are reached only through the loaded library)
#   terminal/window/     nothing of the layers above the model (driver/, cli/, gui/, inicio/ and the subsystems)
#   terminal/driver/ and the subsystems: nothing of inicio/, the start-up above them
#   ecflib/              nothing of terminal/, emul/ or quorbal/ (Plenvo sees only compat/ and interfaces/);
#                        its tests may run the serial printer simulator in-process
set -eu
build=$1
fontes=$(cd "$2" && pwd)

ninja -C "$build" -t deps | awk -v fontes="$fontes/" -v build="$(cd "$build" && pwd)/" '
  function caminho(p) {
    # Dependency paths are relative to the build folder or absolute; make them relative to the sources.
    if (substr(p, 1, 1) != "/") p = build p
    n = split(p, partes, "/"); k = 0
    for (i = 1; i <= n; i++) {
      if (partes[i] == "" || partes[i] == ".") continue
      if (partes[i] == "..") { if (k > 0) k--; continue }
      pilha[++k] = partes[i]
    }
    r = ""; for (i = 1; i <= k; i++) r = r "/" pilha[i]
    if (index(r, fontes) == 1) return substr(r, length(fontes) + 1)
    return r
  }
  function proibido(fonte, dep) {
    if (fonte ~ /^terminal\// && dep ~ /^emul\//) return 1
    if (fonte ~ /^terminal\/window\// && dep ~ /^terminal\/(driver|cli|gui|inicio|registers|scripts|spreadsheet|readings|cheques)\//) return 1
    if (fonte ~ /^terminal\/(driver|registers|scripts|spreadsheet|readings|cheques)\// && dep ~ /^terminal\/inicio\//) return 1
    if (fonte ~ /^ecflib\// && dep ~ /^(terminal|emul|quorbal)\//)
      return !(fonte ~ /^ecflib\/tests\// && dep ~ /^emul\/serialsim\//)
    return 0
  }
  /^[^ ]/ { fonte = ""; next }
  /^    / {
    dep = caminho(substr($0, 5))
    if (fonte == "") { fonte = dep; next }
    if (proibido(fonte, dep)) { print fonte " includes " dep; falhas++ }
  }
  END {
    if (falhas) { print falhas " forbidden include(s)"; exit 1 }
    print "layers: every include points down"
  }'
