// Percentages and amounts of the contract's apportionment lines and
// instalments: the eight calculations, one table.
#include <array>
#include <limits>
#include <span>
#include <string>

#include <gtest/gtest.h>

#include "tolvdata.h"

namespace {

// The two records whose eight values the calculations read and write.
struct Alvo {
    TCMCC2Classificacao c;
    TCMCC2Parcela p;
};

// One calculation: the value it reads, the value it writes, the member.
struct Calculo {
    const char* nome;
    bool percentual; // the percentage from the amount (else the amount from the percentage)
    int entrada;     // indexes into Valores()
    int saida;
    tagCY (*calcula)(Alvo&, CJQCurrencyEx);
};

// The eight values, in a fixed order: each pair is amount, percentage.
std::array<LONGLONG, 8> Valores(const Alvo& a)
{
    return {a.c.GetValorRateio().int64,     a.c.GetPercRateio().int64,         a.p.GetValorJuros().int64,
            a.p.GetPercentualJuros().int64, a.p.GetValorMultas().int64,        a.p.GetPercentualMultas().int64,
            a.p.GetValorDescontos().int64,  a.p.GetPercentualDescontos().int64};
}

void Poe(Alvo& a, int k, LONGLONG v)
{
    tagCY c = JQCY(v);
    switch (k) {
    case 0: a.c.SetValorRateio(c); break;
    case 1: a.c.SetPercRateio(c); break;
    case 2: a.p.SetValorJuros(c); break;
    case 3: a.p.SetPercentualJuros(c); break;
    case 4: a.p.SetValorMultas(c); break;
    case 5: a.p.SetPercentualMultas(c); break;
    case 6: a.p.SetValorDescontos(c); break;
    default: a.p.SetPercentualDescontos(c); break;
    }
}

const Calculo kCalculos[] = {
    {"CalculaPercentual", true, 0, 1, [](Alvo& a, CJQCurrencyEx b) { return a.c.CalculaPercentual(b); }},
    {"CalculaValor", false, 1, 0, [](Alvo& a, CJQCurrencyEx b) { return a.c.CalculaValor(b); }},
    {"CalculaPercentualJuros", true, 2, 3, [](Alvo& a, CJQCurrencyEx b) { return a.p.CalculaPercentualJuros(b); }},
    {"CalculaValorJuros", false, 3, 2, [](Alvo& a, CJQCurrencyEx b) { return a.p.CalculaValorJuros(b); }},
    {"CalculaPercentualMultas", true, 4, 5, [](Alvo& a, CJQCurrencyEx b) { return a.p.CalculaPercentualMultas(b); }},
    {"CalculaValorMultas", false, 5, 4, [](Alvo& a, CJQCurrencyEx b) { return a.p.CalculaValorMultas(b); }},
    {"CalculaPercentualDescontos", true, 6, 7,
     [](Alvo& a, CJQCurrencyEx b) { return a.p.CalculaPercentualDescontos(b); }},
    {"CalculaValorDescontos", false, 7, 6, [](Alvo& a, CJQCurrencyEx b) { return a.p.CalculaValorDescontos(b); }},
};

const LONGLONG kMax = std::numeric_limits<LONGLONG>::max();

// Every other value holds a mark of its own before the call.
Alvo Marcado()
{
    Alvo a;
    for (int k = 0; k < 8; ++k)
        Poe(a, k, 7770000 + k);
    return a;
}

// Runs calculation c with input `entrada` against `base`; checks the result is
// stored in its output (or the output kept its mark when `guarda`) and that no
// other value moved. Returns the result.
LONGLONG Roda(const Calculo& c, LONGLONG entrada, LONGLONG base, bool guarda = false)
{
    Alvo a = Marcado();
    Poe(a, c.entrada, entrada);
    std::array<LONGLONG, 8> antes = Valores(a);
    LONGLONG r = c.calcula(a, CJQCurrencyEx(JQCY(base))).int64;
    std::array<LONGLONG, 8> depois = Valores(a);
    for (int k = 0; k < 8; ++k) {
        if (k == c.saida && !guarda)
            EXPECT_EQ(depois[k], r) << c.nome << ": the result is stored";
        else
            EXPECT_EQ(depois[k], antes[k]) << c.nome << " moved value " << k;
    }
    return r;
}

TEST(CalculosCC2, WorkedValuesRoundEachStepToFourDecimals)
{
    struct Caso {
        LONGLONG entrada, base, esperado;
    };
    // Amount, base -> percentage.
    const Caso percentuais[] = {
        {1500000, 12000000, 125000},   // 150.00 of 1,200.00 is 12.5
        {1000000, 3000000, 333333},    // 100.00 of 300.00 is 33.3333
        {2000000, 3000000, 666667},    // 200.00 of 300.00 is 66.6667
        {-1500000, 12000000, -125000}, // a negative amount
        {1500000, -12000000, -125000}, // a negative base
        {1500000, 0, 0},               // a zero base gives 0, stored
        {1, 3, 333333},                // 0.0001 of 0.0003
    };
    // Percentage, base -> amount.
    const Caso valores[] = {
        {125000, 12000000, 1500000},   // 12.5 of 1,200.00 is 150.00
        {333333, 3000000, 999999},     // 33.3333 of 300.00 is 99.9999: no way back to 100.00
        {-125000, 12000000, -1500000}, // a negative percentage
        {125000, 0, 0},                // a zero base gives 0, stored
        {1, 1, 0},                     // 0.0001% of 0.0001 rounds to 0
    };
    for (const Calculo& c : kCalculos) {
        for (const Caso& k : c.percentual ? std::span<const Caso>(percentuais) : std::span<const Caso>(valores))
            EXPECT_EQ(Roda(c, k.entrada, k.base), k.esperado)
                << c.nome << "(" << k.entrada << " against " << k.base << ")";
    }
}

TEST(CalculosCC2, ZeroInputReturnsZeroAndLeavesTheOutput)
{
    for (const Calculo& c : kCalculos) {
        EXPECT_EQ(Roda(c, 0, 12000000, true), 0) << c.nome;
        EXPECT_EQ(Roda(c, 0, 0, true), 0) << c.nome << " with base 0";
    }
}

TEST(CalculosCC2, OverflowingStepGivesZeroStored)
{
    for (const Calculo& c : kCalculos) {
        // Percentage: the amount times 100 leaves the range. Amount: the
        // percentage times the base does.
        LONGLONG r = c.percentual ? Roda(c, kMax, 10000) : Roda(c, 1000000000000, kMax / 2);
        EXPECT_EQ(r, 0) << c.nome;
        EXPECT_EQ(Roda(c, c.percentual ? -kMax : -1000000000000, c.percentual ? 10000 : kMax / 2), 0)
            << c.nome << " negative";
    }
}

TEST(CalculosCC2, ObjectOnlyAmountsAreClearedCopiedAndNeverSent)
{
    TCMCC2Parcela p;
    p.SetValorJuros(JQCY(1));
    p.SetValorMultas(JQCY(2));
    p.SetValorDescontos(JQCY(3));
    TCMCC2Parcela copia(p);
    EXPECT_EQ(copia.GetValorMultas().int64, 2);
    EXPECT_TRUE(copia == TCMCC2Parcela()) << "the amounts are not compared";
    tagREG_PARCELA_CONTRATO_COMPRAPS ps;
    p.CopiarPara(&ps);
    copia.CopiarDe(&ps);
    EXPECT_EQ(copia.GetValorJuros().int64 | copia.GetValorMultas().int64 | copia.GetValorDescontos().int64, 0);

    TCMCC2Classificacao c;
    c.SetValorRateio(JQCY(5));
    TCMCC2Classificacao d;
    d = c;
    EXPECT_EQ(d.GetValorRateio().int64, 5);
    d.Limpar();
    EXPECT_EQ(d.GetValorRateio().int64, 0);
}

} // namespace
