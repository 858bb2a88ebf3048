#include "core/shell/IndiceLineas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dravek {
namespace {

std::vector<std::string> LineasDe(const IndiceLineas &indice, const std::string &texto)
{
    std::vector<std::string> lineas;
    for (std::size_t i = 0; i < indice.Lineas(); ++i) {
        lineas.emplace_back(indice.Linea(texto, i));
    }
    return lineas;
}

// The lines are those a text box shows: split at every line end, the last one after it.
TEST(IndiceLineas, PartePorCadaFinDeLinea)
{
    const struct {
        std::string texto;
        std::vector<std::string> lineas;
        std::size_t masLarga;
    } casos[] = {
        {"", {""}, 0},
        {"uno", {"uno"}, 3},
        {"uno\n", {"uno", ""}, 3},
        {"\n\n", {"", "", ""}, 0},
        {"a\n\nbcd\nRIÑONES", {"a", "", "bcd", "RIÑONES"}, 8},
    };
    for (const auto &c : casos) {
        SCOPED_TRACE(c.texto);
        IndiceLineas indice;
        ASSERT_TRUE(indice.Indexa(c.texto, nullptr));
        EXPECT_EQ(LineasDe(indice, c.texto), c.lineas);
        EXPECT_EQ(indice.MasLarga(), c.masLarga);
        EXPECT_TRUE(indice.De(c.texto));
        EXPECT_EQ(indice.Linea(c.texto, c.lineas.size()), "");
    }
}

// A listing of several megabytes, lines of every length and a line end on the boundaries of
// the stretches it is indexed by: every line whole, and the job asked whether to go on between
// stretches and once at the end.
TEST(IndiceLineas, TextoLargoPorTramos)
{
    std::string texto;
    std::vector<std::string> lineas;
    constexpr std::size_t Mega = std::size_t{1} << 20;
    for (int i = 0; texto.size() < 3 * Mega + 100; ++i) {
        std::string linea(static_cast<std::size_t>(i % 97), static_cast<char>('a' + i % 26));
        // A line end at the last byte of the first stretch, one at the first of the second.
        if (texto.size() < Mega - 1 && texto.size() + linea.size() + 1 > Mega - 1) {
            linea.resize(Mega - 1 - texto.size());
        } else if (texto.size() == Mega) {
            linea.clear();
        }
        texto += linea;
        texto += '\n';
        lineas.push_back(linea);
    }
    ASSERT_EQ(texto[Mega - 1], '\n');
    ASSERT_EQ(texto[Mega], '\n');
    lineas.emplace_back();
    IndiceLineas indice;
    int preguntas = 0;
    ASSERT_TRUE(indice.Indexa(texto, [&] {
        ++preguntas;
        return true;
    }));
    EXPECT_EQ(preguntas, 4);
    ASSERT_EQ(indice.Lineas(), lineas.size());
    EXPECT_EQ(LineasDe(indice, texto), lineas);
    EXPECT_EQ(indice.MasLarga(), 96u);

    // Stopped at the second question: nothing of it is left.
    preguntas = 0;
    EXPECT_FALSE(indice.Indexa(texto, [&] { return ++preguntas < 2; }));
    EXPECT_EQ(preguntas, 2);
    EXPECT_EQ(indice.Lineas(), 0u);
    EXPECT_FALSE(indice.De(texto));
}

// An index belongs to the text it was made from: not to another text, nor to that one once
// it has been given a new size.
TEST(IndiceLineas, SoloDeSuTexto)
{
    std::string texto = "uno\ndos";
    const std::string otro = texto;
    IndiceLineas indice;
    ASSERT_TRUE(indice.Indexa(texto, nullptr));
    EXPECT_TRUE(indice.De(texto));
    EXPECT_FALSE(indice.De(otro));
    texto.resize(3);
    EXPECT_FALSE(indice.De(texto));
    indice.Vacia();
    EXPECT_FALSE(indice.De(otro));
    EXPECT_EQ(indice.Lineas(), 0u);
}

} // namespace
} // namespace dravek
