// The strict pickle reader: a loop over the bytes that knows fifteen opcodes.
#include "app/model/PickleEstricto.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>

#include "app/model/CartaIntercambio.h"
#include "app/model/Cp1252.h"

namespace natalis {

namespace {

// The opcodes read, by their byte.
enum : unsigned char {
    kProto = 0x80,   // protocol number, 1 byte (2 or 3)
    kStop = '.',     // end of one value
    kInt = 'I',      // decimal line; "01" and "00" are True and False
    kLong = 'L',     // decimal line, optionally ending in "L"
    kFloat = 'F',    // decimal line
    kString = 'S',   // quoted byte string line, with escapes
    kUnicode = 'V',  // raw-unicode-escape line
    kNone = 'N',
    kPut = 'p',         // memo index line; the memo is never read
    kBinPut = 'q',      // 1-byte memo index
    kLongBinPut = 'r',  // 4-byte memo index
    kBinInt = 'J',      // 4-byte signed little-endian
    kBinInt1 = 'K',     // 1-byte unsigned
    kBinInt2 = 'M',     // 2-byte unsigned little-endian
    kBinFloat = 'G',    // 8-byte big-endian double
    kBinUnicode = 'X',  // 4-byte length, UTF-8
    kNewTrue = 0x88,
    kNewFalse = 0x89,
};

// Longest text line and longest text accepted: chart files are small.
constexpr std::size_t kMaxTexto = 1 << 16;

class Lector {
  public:
    explicit Lector(std::string_view b) : b_(b) {}

    ValoresPickle Leer() {
        ValoresPickle r;
        while (i_ < b_.size()) {
            std::optional<ValorPickle> v = UnValor();
            if (!v) {
                r.valores.clear();
                r.error = error_;
                return r;
            }
            r.valores.push_back(std::move(*v));
        }
        return r;
    }

  private:
    std::string_view b_;
    std::size_t i_ = 0;
    std::string error_;

    std::nullopt_t Falla(const std::string& por) {
        char pos[32];
        std::snprintf(pos, sizeof pos, " (byte %zu)", i_);
        error_ = por + pos;
        return std::nullopt;
    }

    // The line from here to the next "\n", which is passed.
    std::optional<std::string> Linea() {
        const std::size_t fin = b_.find('\n', i_);
        if (fin == std::string_view::npos || fin - i_ > kMaxTexto) return std::nullopt;
        std::string linea(b_.substr(i_, fin - i_));
        i_ = fin + 1;
        return linea;
    }

    std::optional<std::string_view> Bytes(std::size_t n) {
        if (n > b_.size() - i_) return std::nullopt;
        const std::string_view v = b_.substr(i_, n);
        i_ += n;
        return v;
    }

    std::optional<uint32_t> LittleEndian(std::size_t n) {
        const auto v = Bytes(n);
        if (!v) return std::nullopt;
        uint32_t x = 0;
        for (std::size_t k = n; k-- > 0;) x = (x << 8) | static_cast<unsigned char>((*v)[k]);
        return x;
    }

    // One value up to its STOP.
    std::optional<ValorPickle> UnValor() {
        std::optional<ValorPickle> pila;  // at most one value: nothing builds containers
        const auto empuja = [&](ValorPickle v) -> bool {
            if (pila) return false;
            pila = std::move(v);
            return true;
        };
        for (;;) {
            if (i_ >= b_.size()) return Falla("el archivo termina a mitad de un valor");
            const auto op = static_cast<unsigned char>(b_[i_++]);
            ValorPickle v;
            switch (op) {
                case kStop:
                    if (!pila) return Falla("un valor vacío");
                    return pila;
                case kProto: {
                    const auto p = Bytes(1);
                    if (!p || (*p)[0] < 2 || (*p)[0] > 3)
                        return Falla("una versión del formato que no se admite");
                    continue;
                }
                case kPut:
                case kBinPut:
                case kLongBinPut: {
                    const bool ok = op == kPut      ? Linea().has_value()
                                    : op == kBinPut ? Bytes(1).has_value()
                                                    : Bytes(4).has_value();
                    if (!ok || !pila) return Falla("una marca de memoria sin valor");
                    continue;
                }
                case kNone:
                    break;
                case kNewTrue:
                case kNewFalse:
                    v.tipo = ValorPickle::Tipo::Booleano;
                    v.entero = op == kNewTrue;
                    break;
                case kInt:
                case kLong: {
                    auto l = Linea();
                    if (l && op == kLong && !l->empty() && l->back() == 'L') l->pop_back();
                    if (l && op == kInt && (*l == "01" || *l == "00")) {
                        v.tipo = ValorPickle::Tipo::Booleano;
                        v.entero = *l == "01";
                        break;
                    }
                    const auto n = l ? EnteroExacto(*l) : std::nullopt;
                    if (!n) return Falla("un número entero mal escrito");
                    v.tipo = ValorPickle::Tipo::Entero;
                    v.entero = *n;
                    break;
                }
                case kFloat: {
                    const auto l = Linea();
                    const auto x =
                        l && l->find(',') == std::string::npos ? DecimalExacto(*l) : std::nullopt;
                    if (!x) return Falla("un número real mal escrito");
                    v.tipo = ValorPickle::Tipo::Real;
                    v.real = *x;
                    break;
                }
                case kBinInt1:
                case kBinInt2:
                case kBinInt: {
                    const auto x = LittleEndian(op == kBinInt1 ? 1 : op == kBinInt2 ? 2 : 4);
                    if (!x) return Falla("el archivo termina a mitad de un número");
                    v.tipo = ValorPickle::Tipo::Entero;
                    v.entero =
                        op == kBinInt ? static_cast<int32_t>(*x) : static_cast<long long>(*x);
                    break;
                }
                case kBinFloat: {
                    const auto x = Bytes(8);
                    if (!x) return Falla("el archivo termina a mitad de un número");
                    uint64_t bits = 0;
                    for (char c : *x) bits = (bits << 8) | static_cast<unsigned char>(c);
                    std::memcpy(&v.real, &bits, sizeof v.real);
                    if (!std::isfinite(v.real)) return Falla("un número real que no es finito");
                    v.tipo = ValorPickle::Tipo::Real;
                    break;
                }
                case kBinUnicode: {
                    const auto n = LittleEndian(4);
                    const auto t = n && *n <= kMaxTexto ? Bytes(*n) : std::nullopt;
                    if (!t) return Falla("un texto más largo que el archivo");
                    v.tipo = ValorPickle::Tipo::Texto;
                    v.texto = TextoUtf8(*t);
                    break;
                }
                case kUnicode: {
                    const auto l = Linea();
                    const auto t = l ? RawUnicodeEscape(*l) : std::nullopt;
                    if (!t) return Falla("un texto mal escrito");
                    v.tipo = ValorPickle::Tipo::Texto;
                    v.texto = *t;
                    break;
                }
                case kString: {
                    const auto l = Linea();
                    const auto t = l ? Entrecomillado(*l) : std::nullopt;
                    if (!t) return Falla("un texto mal escrito");
                    v.tipo = ValorPickle::Tipo::Texto;
                    v.texto = TextoUtf8(*t);
                    break;
                }
                default: {
                    char hex[8];
                    std::snprintf(hex, sizeof hex, "0x%02X", op);
                    --i_;
                    return Falla(std::string("una instrucción que no se admite (") + hex + ")");
                }
            }
            if (!empuja(std::move(v))) return Falla("más de un valor sin separar");
        }
    }

    static std::optional<uint32_t> Hex(std::string_view h) {
        uint32_t x = 0;
        for (char c : h) {
            const int d = c >= '0' && c <= '9'   ? c - '0'
                          : c >= 'a' && c <= 'f' ? c - 'a' + 10
                          : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                 : -1;
            if (d < 0) return std::nullopt;
            x = x * 16 + static_cast<uint32_t>(d);
        }
        return x;
    }

    // Python's raw-unicode-escape: each byte is the character of that number, except
    // \uXXXX and \UXXXXXXXX.
    static std::optional<std::string> RawUnicodeEscape(const std::string& l) {
        std::string out;
        for (std::size_t k = 0; k < l.size(); ++k) {
            const auto b = static_cast<unsigned char>(l[k]);
            const std::size_t n = b == '\\' && k + 1 < l.size() ? (l[k + 1] == 'u'   ? 4
                                                                   : l[k + 1] == 'U' ? 8
                                                                                     : 0)
                                                                : 0;
            if (n == 0) {
                AppendUtf8(out, b);
                continue;
            }
            if (k + 2 + n > l.size()) return std::nullopt;
            const auto c = Hex(std::string_view(l).substr(k + 2, n));
            if (!c || *c > 0x10FFFF || (*c >= 0xD800 && *c < 0xE000)) return std::nullopt;
            AppendUtf8(out, *c);
            k += 1 + n;
        }
        return out;
    }

    // A Python byte-string literal, 'text' or "text", with its backslash escapes.
    static std::optional<std::string> Entrecomillado(const std::string& l) {
        if (l.size() < 2 || (l[0] != '\'' && l[0] != '"') || l.back() != l[0]) return std::nullopt;
        std::string out;
        for (std::size_t k = 1; k + 1 < l.size(); ++k) {
            if (l[k] != '\\') {
                out += l[k];
                continue;
            }
            if (++k + 1 >= l.size()) return std::nullopt;
            const char e = l[k];
            switch (e) {
                case 'n':
                    out += '\n';
                    break;
                case 't':
                    out += '\t';
                    break;
                case 'r':
                    out += '\r';
                    break;
                case '\\':
                case '\'':
                case '"':
                    out += e;
                    break;
                case 'x': {
                    if (k + 3 > l.size() - 1) return std::nullopt;
                    const auto c = Hex(std::string_view(l).substr(k + 1, 2));
                    if (!c) return std::nullopt;
                    out += static_cast<char>(*c);
                    k += 2;
                    break;
                }
                default:
                    return std::nullopt;
            }
        }
        return out;
    }
};

}  // namespace

ValoresPickle LeerValoresPickle(std::string_view bytes) { return Lector(bytes).Leer(); }

}  // namespace natalis
