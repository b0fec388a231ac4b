#!/usr/bin/env python3
"""Fails when a plug-in module needs a symbol the stand-in API in host/include does not declare.

Usage: undeclared_symbols.py MODULE HOST_INCLUDE_DIR

The module's undefined dynamic symbols are what the host must supply when it loads the module.
Those the runtime libraries the module links (C, C++, sanitizers) define are theirs; every
other one must name a function, class or variable whose every name part is declared in
host/include, as a real plug-in can only link against the host's import library.
"""
import pathlib
import re
import subprocess
import sys

RUNTIME_PREFIXES = ("_ITM_", "__gmon_start__", "_Jv_")
SPECIAL_PREFIXES = ("vtable for ", "typeinfo for ", "typeinfo name for ", "VTT for ",
                    "construction vtable for ", "non-virtual thunk to ", "virtual thunk to ",
                    "guard variable for ")
LIBRARY_NAMESPACES = ("std", "__gnu_cxx", "__cxxabiv1")


def declared_names(include_dir):
    names = set()
    for header in pathlib.Path(include_dir).rglob("*.h"):
        names.update(re.findall(r"[A-Za-z_]\w*", header.read_text(encoding="utf-8", errors="replace")))
    return names


def runtime_symbols(module):
    """The symbols the module's own library dependencies (never the host) define."""
    libraries = re.findall(r"=> (/\S+)", subprocess.run(["ldd", module], check=True, capture_output=True,
                                                         text=True).stdout)
    symbols = set()
    for library in libraries:
        listing = subprocess.run(["nm", "-D", "--defined-only", library], check=True, capture_output=True,
                                 text=True).stdout
        symbols.update(line.split()[-1].split("@")[0] for line in listing.splitlines() if line.strip())
    return symbols


def undefined_symbols(module):
    """Pairs of the mangled and the demangled name of each symbol the module needs."""
    def listing(*flags):
        text = subprocess.run(["nm", "-D", "--undefined-only", *flags, module], check=True,
                              capture_output=True, text=True).stdout
        return [line.split(None, 1)[1].strip() for line in text.splitlines() if line.strip()]
    return zip(listing(), listing("-C"))


def name_parts(symbol):
    for prefix in SPECIAL_PREFIXES:
        if symbol.startswith(prefix):
            symbol = symbol[len(prefix):]
    # Template arguments and the parameter list are checked as the names they contain.
    inner = re.findall(r"[A-Za-z_]\w*", symbol[symbol.find("<"):] if "<" in symbol else "")
    head = symbol.split("<", 1)[0].split("(", 1)[0]
    parts = [part for part in head.split("::") if part and not part.startswith("operator")]
    return [part.lstrip("~") for part in parts], inner


def main():
    module, include_dir = sys.argv[1], sys.argv[2]
    declared = declared_names(include_dir)
    runtime = runtime_symbols(module)
    undeclared = []
    for mangled, symbol in undefined_symbols(module):
        if "@" in mangled or mangled in runtime or mangled.startswith(RUNTIME_PREFIXES):
            continue
        parts, _ = name_parts(symbol)
        if not parts or parts[0] in LIBRARY_NAMESPACES:
            continue
        if any(part not in declared for part in parts):
            undeclared.append(symbol)
    for symbol in undeclared:
        print(f"{pathlib.Path(module).name}: undeclared host symbol: {symbol}")
    return 1 if undeclared else 0


if __name__ == "__main__":
    sys.exit(main())
