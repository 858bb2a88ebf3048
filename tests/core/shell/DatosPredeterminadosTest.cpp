#include "core/shell/DatosPredeterminados.h"

#include "apoyo/CarpetaPrueba.h"
#include "core/model/TextoRecurso.h"

#include <gtest/gtest.h>

#include <array>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <pthread.h>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace dravek {
namespace {

namespace fs = std::filesystem;

std::string Datos(const std::string &caso)
{
    return std::string(DRAVEK_DATOS_PRUEBA) + "/" + caso;
}

// Messages of the failure table, in Spanish.
const std::string FormatoGM = "Error de Formato en el fichero LUR#GM";
const std::string FormatoES = "Error de Formato en el fichero LUR#ES";
const std::string FormatoPM = "Error de Formato en el fichero LUR#PM";

void EsperaAviso(const ErrorDatosPredeterminados &error, const std::string &texto)
{
    EXPECT_TRUE(error.hayError);
    EXPECT_EQ(error.texto, texto);
    EXPECT_EQ(error.botones, BotonesMensaje::Aceptar);
    EXPECT_EQ(error.icono, IconoMensaje::Ninguno);
    EXPECT_EQ(error.titulo, ""); // the application's title
}

void EsperaTamano(const ErrorDatosPredeterminados &error, const std::string &tabla)
{
    EXPECT_TRUE(error.hayError);
    EXPECT_EQ(error.texto, "Ha excedido el Tamaño máximo esperado\n" + tabla);
    EXPECT_EQ(error.botones, BotonesMensaje::Aceptar);
    EXPECT_EQ(error.icono, IconoMensaje::Critico);
    EXPECT_EQ(error.titulo, "AVISO");
}

// A folder of its own in the system's temporary folder, removed afterwards.
class DatosPredeterminados : public ::testing::Test {
protected:
    void SetUp() override { m_carpeta = pruebas::CarpetaPrueba("dravek_shell"); }
    void TearDown() override
    {
        std::error_code ec;
        fs::remove_all(m_carpeta, ec);
    }
    std::string ruta() const { return m_carpeta.string(); }
    void escribe(const std::string &nombre, const std::string &contenido) const
    {
        std::ofstream(m_carpeta / nombre, std::ios::binary) << contenido;
    }

    fs::path m_carpeta;
    EstadoEjecucion m_ejecucion;
    TablasPredeterminadas m_tablas;
};

std::string Cabecera()
{
    return "DI\nRI RE ESP\n---\n";
}

// A row of group 1 only: diameter d with covers 25 and 25 and thickness 120 mm.
std::string Fila(int d)
{
    std::array<char, 32> fila{};
    std::snprintf(fila.data(), fila.size(), "%4d   25   25  120\n", d);
    return fila.data();
}

std::string Filas(int cuantas)
{
    std::string texto;
    for (int i = 1; i <= cuantas; ++i) {
        texto += Fila(100 + i);
    }
    return texto;
}

// ---------------------------------------------------------------------------------- LUR#GM

TEST_F(DatosPredeterminados, GeometriaLeeColumnasFijasYMarcas)
{
    const auto error = LeeGeometriaPredeterminada(Datos("gm_columnas"), m_ejecucion, m_tablas);
    ASSERT_FALSE(error.hayError) << error.texto;
    ASSERT_EQ(m_tablas.NumeroDimensiones, 3);

    const auto &t = m_tablas.DimensionesPredeterminadas;
    const std::array<std::int32_t, 17> completa = {0,  600, 21, 22, 23, 24, 25, 26, 27,
                                                   28, 29,  30, 31, 32, 33, 34, 35};
    EXPECT_EQ(t[1], completa);
    EXPECT_EQ(m_tablas.MarcasDimensiones[1],
              (std::array<std::string, 6>{"", "A", "B", "C", "D", "E"}));

    // A blank group between two filled ones stays 0; markers past the line's end are empty,
    // also when the line ends in CR LF right where group 4's marker would be.
    const std::array<std::int32_t, 17> hueco = {0,  700, 11, 12, 13, 0, 0, 0, 14,
                                                15, 16,  0,  0,  0,  0, 0, 0};
    EXPECT_EQ(t[2], hueco);
    EXPECT_EQ(m_tablas.MarcasDimensiones[2],
              (std::array<std::string, 6>{"", " ", " ", " ", "", ""}));

    // The 19-character row: 1000 mm, marker "*", covers 25 and 25, thickness 120 mm.
    const std::array<std::int32_t, 17> corta = {0, 1000, 25, 25, 120};
    EXPECT_EQ(t[3], corta);
    EXPECT_EQ(m_tablas.MarcasDimensiones[3],
              (std::array<std::string, 6>{"", "*", "", "", "", ""}));
}

TEST_F(DatosPredeterminados, GeometriaSoloCabeceraNoDaFilas)
{
    m_tablas.NumeroDimensiones = 7;
    const auto error =
        LeeGeometriaPredeterminada(Datos("gm_solo_cabecera"), m_ejecucion, m_tablas);
    EXPECT_FALSE(error.hayError) << error.texto;
    EXPECT_EQ(m_tablas.NumeroDimensiones, 0);
}

TEST_F(DatosPredeterminados, GeometriaErroresDeFormato)
{
    // The rows before the faulty line are kept.
    struct Caso {
        const char *carpeta;
        std::int16_t filasLeidas;
    };
    const std::vector<Caso> casos = {
        {"gm_fila_vacia", 1},      // an empty line between two rows
        {"gm_vacia_final", 2},     // two line ends after the last row
        {"gm_diametro_blanco", 1}, // blank positions 1-4
        {"gm_letras", 1},          // "  2x" as a cover
    };
    for (const Caso &caso : casos) {
        SCOPED_TRACE(caso.carpeta);
        TablasPredeterminadas tablas;
        const auto error = LeeGeometriaPredeterminada(Datos(caso.carpeta), m_ejecucion, tablas);
        EsperaAviso(error, FormatoGM);
        EXPECT_EQ(tablas.NumeroDimensiones, caso.filasLeidas);
        EXPECT_EQ(tablas.DimensionesPredeterminadas[1][1], 600);
    }
}

TEST_F(DatosPredeterminados, GeometriaCienFilasSiCientoUnaNo)
{
    escribe("LUR#GM", Cabecera() + Filas(100));
    auto error = LeeGeometriaPredeterminada(ruta(), m_ejecucion, m_tablas);
    ASSERT_FALSE(error.hayError) << error.texto;
    EXPECT_EQ(m_tablas.NumeroDimensiones, 100);
    EXPECT_EQ(m_tablas.DimensionesPredeterminadas[100][1], 200);

    escribe("LUR#GM", Cabecera() + Filas(101));
    error = LeeGeometriaPredeterminada(ruta(), m_ejecucion, m_tablas);
    EsperaTamano(error, "de Dimensiones Predeterminadas");
    EXPECT_EQ(m_tablas.NumeroDimensiones, 100);

    // Even an empty line after the hundredth row is a row too many.
    escribe("LUR#GM", Cabecera() + Filas(100) + "\n");
    error = LeeGeometriaPredeterminada(ruta(), m_ejecucion, m_tablas);
    EsperaTamano(error, "de Dimensiones Predeterminadas");
}

TEST_F(DatosPredeterminados, GeometriaQueFaltaONoSeAbre)
{
    auto error = LeeGeometriaPredeterminada(ruta(), m_ejecucion, m_tablas);
    EsperaAviso(error, "No existe el fichero LUR#GM");

    // A folder of that name exists but cannot be opened as a file: the runtime's error 75.
    fs::create_directory(m_carpeta / "LUR#GM");
    error = LeeGeometriaPredeterminada(ruta(), m_ejecucion, m_tablas);
    EsperaAviso(error, "Error:75\nal Abrir el fichero LUR#GM");
}

TEST_F(DatosPredeterminados, GeometriaConLaRutaTerminadaEnSeparador)
{
    escribe("LUR#GM", Cabecera() + Fila(800));
    const auto error = LeeGeometriaPredeterminada(ruta() + "/", m_ejecucion, m_tablas);
    ASSERT_FALSE(error.hayError) << error.texto;
    EXPECT_EQ(m_tablas.DimensionesPredeterminadas[1][1], 800);
}

TEST_F(DatosPredeterminados, MensajesEnElIdiomaEnCurso)
{
    m_ejecucion.Idioma = 2;
    m_ejecucion.DesplazamientoIdioma = 5000;
    const auto error = LeeGeometriaPredeterminada(ruta(), m_ejecucion, m_tablas);
    ASSERT_NE(TextoRecurso(5398), TextoRecurso(398));
    EsperaAviso(error, TextoRecurso(5398) + " LUR#GM");
}

// ---------------------------------------------------------------------------------- LUR#ES

TEST_F(DatosPredeterminados, ArmadurasTresValores)
{
    const auto error = LeeArmadurasPredeterminadas(Datos("es_tres"), m_ejecucion, m_tablas);
    ASSERT_FALSE(error.hayError) << error.texto;
    ASSERT_EQ(m_tablas.NumeroArmadurasInternas, 3);
    EXPECT_EQ(m_tablas.ArmadurasInternasPredeterminadas[1], 8.0);
    EXPECT_EQ(m_tablas.ArmadurasInternasPredeterminadas[2], 10.0);
    EXPECT_EQ(m_tablas.ArmadurasInternasPredeterminadas[3], 12.0);
}

TEST_F(DatosPredeterminados, ArmadurasVaciasOQueFaltanDanCincoAQuinientos)
{
    for (const std::string &carpeta : {Datos("es_vacio"), ruta()}) {
        SCOPED_TRACE(carpeta);
        TablasPredeterminadas tablas;
        const auto error = LeeArmadurasPredeterminadas(carpeta, m_ejecucion, tablas);
        ASSERT_FALSE(error.hayError) << error.texto;
        ASSERT_EQ(tablas.NumeroArmadurasInternas, 100);
        for (int i = 1; i <= 100; ++i) {
            EXPECT_DOUBLE_EQ(tablas.ArmadurasInternasPredeterminadas[static_cast<std::size_t>(i)],
                             5.0 * i);
        }
    }
}

TEST_F(DatosPredeterminados, ArmadurasErrores)
{
    struct Caso {
        const char *carpeta;
        std::string texto;
    };
    const std::vector<Caso> casos = {
        {"es_linea_vacia", FormatoES},
        {"es_vacia_final", FormatoES},
        {"es_desborde", "Error:6\nal decodificar el fichero LUR#ES"},
    };
    for (const Caso &caso : casos) {
        SCOPED_TRACE(caso.carpeta);
        TablasPredeterminadas tablas;
        const auto error = LeeArmadurasPredeterminadas(Datos(caso.carpeta), m_ejecucion, tablas);
        EsperaAviso(error, caso.texto);
        EXPECT_EQ(tablas.ArmadurasInternasPredeterminadas[1], 10.0);
    }
}

TEST_F(DatosPredeterminados, ArmadurasCienSiCientoUnaNo)
{
    std::string valores;
    for (int i = 1; i <= 100; ++i) {
        valores += std::to_string(i) + "\n";
    }
    escribe("LUR#ES", valores);
    auto error = LeeArmadurasPredeterminadas(ruta(), m_ejecucion, m_tablas);
    ASSERT_FALSE(error.hayError) << error.texto;
    EXPECT_EQ(m_tablas.NumeroArmadurasInternas, 100);
    EXPECT_EQ(m_tablas.ArmadurasInternasPredeterminadas[100], 100.0);

    escribe("LUR#ES", valores + "101\n");
    error = LeeArmadurasPredeterminadas(ruta(), m_ejecucion, m_tablas);
    EsperaTamano(error, "de Armaduras Internas Predeterminadas");
}

TEST_F(DatosPredeterminados, ArmadurasConElSeparadorDelUsuario)
{
    // 7,5 rounds to the even 8; the text is read with the user's comma.
    escribe("LUR#ES", "7,5\n");
    m_ejecucion.SeparadorDecimalLocal = ",";
    const auto error = LeeArmadurasPredeterminadas(ruta(), m_ejecucion, m_tablas);
    ASSERT_FALSE(error.hayError) << error.texto;
    EXPECT_EQ(m_tablas.ArmadurasInternasPredeterminadas[1], 8.0);
}

TEST_F(DatosPredeterminados, ArmadurasQueNoSeAbren)
{
    fs::create_directory(m_carpeta / "LUR#ES");
    const auto error = LeeArmadurasPredeterminadas(ruta(), m_ejecucion, m_tablas);
    EsperaAviso(error, "Error:75\nal Abrir el fichero LUR#ES");
}

// ---------------------------------------------------------------------------------- LUR#PM

TEST_F(DatosPredeterminados, FactorDeAnchoDeZanja)
{
    struct Caso {
        std::string carpeta;
        std::int16_t factor;
    };
    const std::vector<Caso> casos = {
        {Datos("pm_3"), 3},       // "3 " and a comment
        {Datos("pm_4"), 4},       // " 4"
        {Datos("pm_blancos"), 0}, // "  7": only the first two characters count
        {Datos("pm_vacio"), 0},   {Datos("pm_123"), 12}, {ruta(), 0}, // missing
    };
    for (const Caso &caso : casos) {
        SCOPED_TRACE(caso.carpeta);
        TablasPredeterminadas tablas;
        tablas.LimiteAnchoZanja = 9;
        const auto error = LeeLimiteAnchoZanja(caso.carpeta, m_ejecucion, tablas);
        EXPECT_FALSE(error.hayError) << error.texto;
        EXPECT_EQ(tablas.LimiteAnchoZanja, caso.factor);
    }
}

TEST_F(DatosPredeterminados, FactorQueNoEsNumero)
{
    const auto error = LeeLimiteAnchoZanja(Datos("pm_ab"), m_ejecucion, m_tablas);
    EsperaAviso(error, FormatoPM);
    EXPECT_EQ(m_tablas.LimiteAnchoZanja, 0);
}

TEST_F(DatosPredeterminados, FactorQueNoSeAbre)
{
    fs::create_directory(m_carpeta / "LUR#PM");
    const auto error = LeeLimiteAnchoZanja(ruta(), m_ejecucion, m_tablas);
    EsperaAviso(error, "Error:75\nal Abrir el fichero LUR#PM");
}

// ------------------------------------------------------- files that are too long or endless

// A pipe in place of a default-data file, fed by a writer that never stops: a header once,
// then the same text again and again, until the reader closes its end. Counts the bytes that
// got through, which a reader that stops early keeps small.
class TuberiaSinFin {
public:
    TuberiaSinFin(fs::path ruta, std::string cabecera, std::string repetido)
        : m_ruta(std::move(ruta))
    {
        m_creada = ::mkfifo(m_ruta.c_str(), 0600) == 0;
        if (!m_creada) {
            return;
        }
        m_hilo =
            std::thread([this, cabecera = std::move(cabecera), repetido = std::move(repetido)] {
                // A write after the reader has gone fails with EPIPE instead of ending the tests.
                sigset_t senales;
                sigemptyset(&senales);
                sigaddset(&senales, SIGPIPE);
                pthread_sigmask(SIG_BLOCK, &senales, nullptr);
                const int fd = ::open(m_ruta.c_str(), O_WRONLY); // waits for the reader
                if (fd < 0) {
                    return;
                }
                bool sigue = Escribe(fd, cabecera);
                while (sigue) {
                    sigue = Escribe(fd, repetido);
                }
                ::close(fd);
            });
    }

    ~TuberiaSinFin() { Termina(); }

    TuberiaSinFin(const TuberiaSinFin &) = delete;
    TuberiaSinFin &operator=(const TuberiaSinFin &) = delete;

    bool creada() const { return m_creada; }

    // Waits for the writer; a reader that never opened the pipe is stood in for, so that the
    // writer is never left waiting.
    std::size_t Termina()
    {
        if (m_hilo.joinable()) {
            const int fd = ::open(m_ruta.c_str(), O_RDONLY | O_NONBLOCK);
            if (fd >= 0) {
                ::close(fd);
            }
            m_hilo.join();
        }
        return m_escritos;
    }

private:
    bool Escribe(int fd, const std::string &texto)
    {
        if (texto.empty()) {
            return true;
        }
        const ssize_t n = ::write(fd, texto.data(), texto.size());
        if (n <= 0) {
            return false;
        }
        m_escritos += static_cast<std::size_t>(n);
        return true;
    }

    fs::path m_ruta;
    bool m_creada = false;
    std::thread m_hilo;
    std::size_t m_escritos = 0;
};

// Far more than 100 rows and their header take, far less than an endless read would.
constexpr std::size_t LecturaAcotada = 1 << 20; // bytes

TEST_F(DatosPredeterminados, FicherosQueNoTerminanSeDejanDeLeer)
{
    {
        SCOPED_TRACE("LUR#GM");
        TuberiaSinFin tuberia(m_carpeta / "LUR#GM", Cabecera(), Fila(600));
        ASSERT_TRUE(tuberia.creada());
        const auto error = LeeGeometriaPredeterminada(ruta(), m_ejecucion, m_tablas);
        EXPECT_LT(tuberia.Termina(), LecturaAcotada);
        EsperaTamano(error, "de Dimensiones Predeterminadas");
        EXPECT_EQ(m_tablas.NumeroDimensiones, 100);
        EXPECT_EQ(m_tablas.DimensionesPredeterminadas[100][1], 600);
    }
    {
        SCOPED_TRACE("LUR#ES");
        TuberiaSinFin tuberia(m_carpeta / "LUR#ES", "", "12\n");
        ASSERT_TRUE(tuberia.creada());
        const auto error = LeeArmadurasPredeterminadas(ruta(), m_ejecucion, m_tablas);
        EXPECT_LT(tuberia.Termina(), LecturaAcotada);
        EsperaTamano(error, "de Armaduras Internas Predeterminadas");
        EXPECT_EQ(m_tablas.NumeroArmadurasInternas, 100);
    }
    {
        // Only the first line counts: the factor is read and the rest left unread.
        SCOPED_TRACE("LUR#PM");
        TuberiaSinFin tuberia(m_carpeta / "LUR#PM", "3 veces el diametro\n", "comentario\n");
        ASSERT_TRUE(tuberia.creada());
        const auto error = LeeLimiteAnchoZanja(ruta(), m_ejecucion, m_tablas);
        EXPECT_LT(tuberia.Termina(), LecturaAcotada);
        EXPECT_FALSE(error.hayError) << error.texto;
        EXPECT_EQ(m_tablas.LimiteAnchoZanja, 3);
    }
}

// A line without end (a device of zeros, a huge file without line ends) is not read whole: a
// line longer than any row makes the file too long. The rows before it are kept.
TEST_F(DatosPredeterminados, LineaSinFinEsUnFicheroDemasiadoLargo)
{
    // A sparse file of 1 GiB of zero bytes, no line end anywhere.
    const auto gigante = [&](const std::string &nombre, const std::string &inicio) {
        escribe(nombre, inicio);
        fs::resize_file(m_carpeta / nombre, std::uintmax_t{1} << 30);
    };

    gigante("LUR#GM", Cabecera() + Filas(4));
    auto error = LeeGeometriaPredeterminada(ruta(), m_ejecucion, m_tablas);
    EsperaTamano(error, "de Dimensiones Predeterminadas");
    EXPECT_EQ(m_tablas.NumeroDimensiones, 4);

    gigante("LUR#ES", "8\n10\n");
    error = LeeArmadurasPredeterminadas(ruta(), m_ejecucion, m_tablas);
    EsperaTamano(error, "de Armaduras Internas Predeterminadas");
    EXPECT_EQ(m_tablas.NumeroArmadurasInternas, 2);

    // The factor is in the first two characters of the endless first line.
    gigante("LUR#PM", "4 ");
    error = LeeLimiteAnchoZanja(ruta(), m_ejecucion, m_tablas);
    EXPECT_FALSE(error.hayError) << error.texto;
    EXPECT_EQ(m_tablas.LimiteAnchoZanja, 4);

    // A device in place of the file.
    if (fs::exists("/dev/zero")) {
        fs::remove(m_carpeta / "LUR#GM");
        fs::create_symlink("/dev/zero", m_carpeta / "LUR#GM");
        error = LeeGeometriaPredeterminada(ruta(), m_ejecucion, m_tablas);
        EsperaTamano(error, "de Dimensiones Predeterminadas");
        EXPECT_EQ(m_tablas.NumeroDimensiones, 0);
    }
}

// A row of any sensible length is read; only one longer than a line can be is refused.
TEST_F(DatosPredeterminados, FilaConComentarioLargoSeLee)
{
    escribe("LUR#GM", Cabecera() + "1000*  25   25  120" + std::string(3000, ' ') + "nota\n");
    auto error = LeeGeometriaPredeterminada(ruta(), m_ejecucion, m_tablas);
    ASSERT_FALSE(error.hayError) << error.texto;
    EXPECT_EQ(m_tablas.NumeroDimensiones, 1);
    EXPECT_EQ(m_tablas.DimensionesPredeterminadas[1][4], 120);

    escribe("LUR#GM", Cabecera() + Fila(500) + "1000*  25   25  120" + std::string(5000, ' ') +
                          "\n" + Fila(700));
    error = LeeGeometriaPredeterminada(ruta(), m_ejecucion, m_tablas);
    EsperaTamano(error, "de Dimensiones Predeterminadas");
    EXPECT_EQ(m_tablas.NumeroDimensiones, 1);
}

// ------------------------------------------------------------------- files shipped with it

TEST(DatosDelPrograma, SeLeenSinErrorYSonSensatos)
{
    const std::string carpeta = DRAVEK_DATOS_PROGRAMA;
    EstadoEjecucion ejecucion;
    TablasPredeterminadas tablas;
    auto error = LeeGeometriaPredeterminada(carpeta, ejecucion, tablas);
    ASSERT_FALSE(error.hayError) << error.texto;
    error = LeeArmadurasPredeterminadas(carpeta, ejecucion, tablas);
    ASSERT_FALSE(error.hayError) << error.texto;
    error = LeeLimiteAnchoZanja(carpeta, ejecucion, tablas);
    ASSERT_FALSE(error.hayError) << error.texto;

    ASSERT_GE(tablas.NumeroDimensiones, 10);
    const auto &t = tablas.DimensionesPredeterminadas;
    std::array<std::int32_t, 6> espesorAnterior{};
    for (int r = 1; r <= tablas.NumeroDimensiones; ++r) {
        const auto &fila = t[static_cast<std::size_t>(r)];
        SCOPED_TRACE(fila[1]);
        EXPECT_GE(fila[1], 200);
        EXPECT_LE(fila[1], 3000);
        if (r > 1) {
            EXPECT_GT(fila[1], t[static_cast<std::size_t>(r - 1)][1]);
        }
        bool algunGrupo = false;
        for (int g = 1; g <= 5; ++g) {
            SCOPED_TRACE(g);
            const auto c = static_cast<std::size_t>(3 * g - 1);
            const std::int32_t reci = fila[c];
            const std::int32_t rece = fila[c + 1];
            const std::int32_t esp = fila[c + 2];
            const std::string &marca =
                tablas.MarcasDimensiones[static_cast<std::size_t>(r)][static_cast<std::size_t>(g)];
            EXPECT_TRUE(marca.empty() || marca == " " || marca == "*") << marca;
            if (reci == 0) {
                // A typology not made at this diameter leaves the whole group blank.
                EXPECT_EQ(rece, 0);
                EXPECT_EQ(esp, 0);
                continue;
            }
            algunGrupo = true;
            // Covers within the 20 to 40 mm that the geometry check accepts.
            EXPECT_GE(reci, 20);
            EXPECT_LE(reci, 40);
            EXPECT_GE(rece, 20);
            EXPECT_LE(rece, 40);
            EXPECT_GT(esp, reci + rece);
            // Wall between D/20 and D/4.
            EXPECT_GE(esp * 20, fila[1]);
            EXPECT_LE(esp * 4, fila[1]);
            EXPECT_GT(esp, espesorAnterior[static_cast<std::size_t>(g)]);
            espesorAnterior[static_cast<std::size_t>(g)] = esp;
        }
        EXPECT_TRUE(algunGrupo);
    }

    ASSERT_GE(tablas.NumeroArmadurasInternas, 10);
    ASSERT_LT(tablas.NumeroArmadurasInternas, 100); // the file's own list, not the default
    for (int i = 1; i <= tablas.NumeroArmadurasInternas; ++i) {
        const double a = tablas.ArmadurasInternasPredeterminadas[static_cast<std::size_t>(i)];
        EXPECT_GT(a, 0.0);
        if (i > 1) {
            EXPECT_GT(a, tablas.ArmadurasInternasPredeterminadas[static_cast<std::size_t>(i - 1)]);
        }
    }
    // The adjustment window never offers less than 15 cm2/m: the list must reach beyond it.
    EXPECT_GT(tablas.ArmadurasInternasPredeterminadas[static_cast<std::size_t>(
                  tablas.NumeroArmadurasInternas)],
              15.0);

    EXPECT_GE(tablas.LimiteAnchoZanja, 2);
    EXPECT_LE(tablas.LimiteAnchoZanja, 6);
}

} // namespace
} // namespace dravek
