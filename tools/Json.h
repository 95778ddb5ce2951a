// A small JSON reader and writer for the tool: numbers are kept as the text
// they were written with, so that 64-bit values and amounts lose nothing.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace json {

struct Campo;

struct Valor {
    enum class Tipo { Nulo, Logico, Numero, Texto, Lista, Objeto };
    Tipo tipo = Tipo::Nulo;
    std::string s; // number text, string (UTF-8) or "true"/"false"
    std::vector<Valor> itens;
    std::vector<Campo> membros;

    const Valor* Membro(const std::string& nome) const;
};

// A member of an object, by name.
struct Campo {
    std::string nome;
    Valor valor;
};

// Parses the whole of `texto`; on failure returns false with a one-line
// message naming the line and column.
bool Le(const std::string& texto, Valor& v, std::string& erro);

// A JSON string literal of UTF-8 text.
std::string Aspas(const std::string& s);

const char* NomeTipo(Valor::Tipo t);

// Windows-1252 bytes to UTF-8 and back. The five bytes 1252 leaves undefined
// map to the C1 controls of the same number, so that every byte survives.
std::string De1252(const char* p, size_t n);
// False (with the offending character in `erro`) when a character has no
// Windows-1252 byte or the UTF-8 is malformed.
bool Para1252(const std::string& utf8, std::string& saida, std::string& erro);

} // namespace json
