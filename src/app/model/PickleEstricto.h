// A strict reader of values stored one after another with Python's pickle protocols 0 to 3:
// only the opcodes that push one plain value (a whole number, a real, a boolean, None, a
// text), remember it in the memo, and end the value. Any other opcode (globals, object
// construction, calls, lists, dictionaries, memo reads, ...) refuses the whole file;
// nothing is ever imported, constructed or run.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace natalis {

struct ValorPickle {
    enum class Tipo { Nada, Booleano, Entero, Real, Texto };
    Tipo tipo = Tipo::Nada;
    long long entero = 0;  // Booleano (0 or 1) and Entero
    double real = 0;
    std::string texto;  // UTF-8
};

struct ValoresPickle {
    std::vector<ValorPickle> valores;
    std::string error;  // Spanish, when the bytes are refused: nothing is given then
};

// Every value of bytes, in order.
ValoresPickle LeerValoresPickle(std::string_view bytes);

}  // namespace natalis
