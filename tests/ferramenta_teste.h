// Runs the tolvdata command as a program, for the tests of its verbs.
#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace ferramenta_teste {

struct Saida {
    int status = -1;
    std::string texto; // stdout and stderr
};

inline Saida Roda(const std::string& args)
{
    Saida s;
    std::string cmd = std::string(TOLVDATA_FERRAMENTA) + " " + args + " 2>&1";
    FILE* f = popen(cmd.c_str(), "r");
    if (!f)
        return s;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, f)) > 0)
        s.texto.append(buf, n);
    int st = pclose(f);
    s.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    return s;
}

inline bool Tem(const Saida& s, const std::string& trecho) { return s.texto.find(trecho) != std::string::npos; }

} // namespace ferramenta_teste
