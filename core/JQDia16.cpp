#include "core/JQTipos.h"

unsigned short JQDia16(int dia, int mes, int ano)
{
    if (dia == 0 && mes == 0 && ano == 0)
        return 0;
    static const int antes[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    static const int dias[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (mes < 1)
        mes = 1;
    if (mes > 12)
        mes = 12;
    bool bissexto = ano % 4 == 0;
    int d = dia;
    if (d > dias[mes - 1])
        d = dias[mes - 1];
    if (mes == 2 && d == 29 && !bissexto)
        d = 28;
    int yy = ((ano % 100) + 100) % 100;
    long base = yy < 27 ? 55518 : 18993;
    long n = base + 365L * yy + (yy + 3) / 4 + antes[mes - 1] + d + ((bissexto && mes >= 3) ? 1 : 0);
    return static_cast<unsigned short>(static_cast<unsigned long>(n) & 0xFFFFu);
}
