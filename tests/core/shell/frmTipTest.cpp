#include "core/shell/frmTip.h"

#include "apoyo/AlmacenConfiguracionEnMemoria.h"
#include "apoyo/CarpetaPrueba.h"
#include "apoyo/TextoPrueba.h"
#include "core/model/TextoRecurso.h"
#include "core/storage/Registro.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace dravek {
namespace {

namespace fs = std::filesystem;
using pruebas::AlmacenConfiguracionEnMemoria;

// A program folder of its own per test, holding only the files the test puts there.
class CarpetaPrograma {
public:
    explicit CarpetaPrograma(const std::string &nombre)
        : m_ruta(pruebas::CarpetaPrueba("dravek_aviso_" + nombre))
    {
    }
    ~CarpetaPrograma() { fs::remove_all(m_ruta); }

    void copia(const std::string &prueba, const std::string &fichero)
    {
        fs::copy_file(fs::path(DRAVEK_DATOS_PRUEBA) / prueba, m_ruta / fichero);
    }
    // The folder as the program keeps it, ending in the separator.
    std::string ruta() const { return m_ruta.string() + "/"; }

private:
    fs::path m_ruta;
};

std::optional<std::string> Ajuste(const AlmacenConfiguracionEnMemoria &almacen)
{
    return almacen.ajuste(AplicacionAjustes, SeccionOpciones, ClaveMostrarSugerencias);
}

void PonAjuste(AlmacenConfiguracionEnMemoria &almacen, const std::string &valor)
{
    almacen.GrabaAjuste(AplicacionAjustes, SeccionOpciones, ClaveMostrarSugerencias, valor);
}

// Opens the window as the view does: loading, then the focus it asked for.
void Abre(frmTip &ventana)
{
    ventana.Form_Load();
    ventana.cumplePeticionFoco();
}

void Pulsa(frmTip &ventana, EstadoCasilla valor)
{
    ventana.cambiaFoco(ventana.chkLoadTipsAtStartup);
    ponValor(ventana.chkLoadTipsAtStartup, valor);
}

// Spanish, no notice in the program's folder: the box says which file is missing, the check
// box shows the stored setting and the window opens with the focus on its button.
TEST(frmTip, SinFicheroMuestraElTextoDeSustitucion)
{
    CarpetaPrograma carpeta("sin_fichero");
    EstadoObra estado;
    estado.ejecucion.RutaAplicacion = carpeta.ruta();
    AlmacenConfiguracionEnMemoria almacen;
    frmTip ventana(estado, almacen);
    Abre(ventana);

    const std::string texto = "de que no se ha encontrado el archivo TEXTOIET.RTF\n"
                              "Con la advertencia del Derecho de Uso del Anejo 4 Cálculo "
                              "Mecánico \n" +
                              Texto(0, 705);
    EXPECT_EQ(ventana.Instantanea(),
              (std::vector<std::string>{
                  "Caption=\"Advertencia de DRAVEK sobre el programa\"",
                  "rtBox1: Text=\"" + texto + "\" Locked=1 Enabled=1 Visible=1 BackColor=Editable",
                  "chkLoadTipsAtStartup: Value=1 Enabled=1 Visible=1 Caption=\"&Mostrar esta "
                  "Advertencia al iniciar\"",
                  "cmdOK: Caption=\"Aceptar\" Enabled=1 Visible=1 ToolTipText=\"\"",
                  "Picture1: Picture=\"\" Enabled=1 Visible=1",
                  "Foco=cmdOK",
              }));
    EXPECT_EQ(pruebas::Lineas(ventana.rtBox1.Text()).size(), 3U);
    EXPECT_EQ(ventana.Documento(), DocumentoRico::DeTextoPlano(texto));
    EXPECT_EQ(estado.ejecucion.ModoAdvertencia, 1);
    // Opening wrote nothing: an absent setting still means "show at start-up".
    EXPECT_EQ(Ajuste(almacen), std::nullopt);

    pulsa(ventana.cmdOK);
    EXPECT_TRUE(ventana.Descargada());
}

// The notice of the current language is read from its own file; a file that is not whole rich
// text counts as missing.
TEST(frmTip, FicheroDelIdioma)
{
    struct Caso {
        const char *nombre;
        std::int32_t desplazamiento;
        const char *prueba;  // fixture copied into the folder, empty for none
        const char *fichero; // under this name
        bool leido;
    };
    const std::vector<Caso> casos = {
        {"espanol", 0, "aviso.rtf", "TEXTOIET.RTF", true},
        {"ingles", 5000, "aviso.rtf", "TEXTOIET_Ing.RTF", true},
        {"ingles_con_el_espanol", 5000, "aviso.rtf", "TEXTOIET.RTF", false},
        {"cortado", 0, "aviso_cortado.rtf", "TEXTOIET.RTF", false},
    };
    const std::optional<DocumentoRico> aviso =
        LeeFicheroTextoRico(std::string(DRAVEK_DATOS_PRUEBA) + "/aviso.rtf");
    ASSERT_TRUE(aviso.has_value());
    for (const Caso &caso : casos) {
        SCOPED_TRACE(caso.nombre);
        CarpetaPrograma carpeta(caso.nombre);
        carpeta.copia(caso.prueba, caso.fichero);
        EstadoObra estado;
        estado.ejecucion.DesplazamientoIdioma = caso.desplazamiento;
        estado.ejecucion.RutaAplicacion = carpeta.ruta();
        AlmacenConfiguracionEnMemoria almacen;
        frmTip ventana(estado, almacen);
        Abre(ventana);
        if (caso.leido) {
            EXPECT_EQ(ventana.Documento(), *aviso);
            EXPECT_EQ(ventana.rtBox1.Text(), aviso->TextoPlano());
        } else {
            const std::string nombre = Texto(caso.desplazamiento, 407);
            const std::string primera = pruebas::Lineas(ventana.rtBox1.Text()).front();
            EXPECT_EQ(primera, Texto(caso.desplazamiento, 703) + nombre);
            EXPECT_TRUE(
                primera.ends_with(caso.desplazamiento == 0 ? "TEXTOIET.RTF" : "TEXTOIET_Ing.RTF"));
        }
    }
    EstadoObra estado;
    AlmacenConfiguracionEnMemoria almacen;
    frmTip sinNombre(estado, almacen);
    EXPECT_FALSE(sinNombre.LoadTips(""));
    EXPECT_EQ(sinNombre.rtBox1.Text(), "");
}

// The box starts from the stored setting, read as the start-up reads it, and loading writes
// nothing back.
TEST(frmTip, LaCasillaSigueAlAjuste)
{
    struct Caso {
        std::optional<std::string> ajuste;
        bool marcada;
    };
    const std::vector<Caso> casos = {
        {std::nullopt, true}, {"1", true},    {"0", false}, {" 2 ", true},
        {"0.4", false},       {"abc", false}, {"", false},  {"99999999999", false},
    };
    for (const Caso &caso : casos) {
        SCOPED_TRACE(caso.ajuste.value_or("(absent)"));
        for (const std::int16_t modo : {std::int16_t{0}, std::int16_t{1}}) {
            EstadoObra estado;
            estado.ejecucion.ModoAdvertencia = modo;
            AlmacenConfiguracionEnMemoria almacen;
            if (caso.ajuste) {
                PonAjuste(almacen, *caso.ajuste);
            }
            EXPECT_EQ(MostrarAdvertenciaAlIniciar(almacen), caso.marcada);
            frmTip ventana(estado, almacen);
            Abre(ventana);
            EXPECT_EQ(ventana.chkLoadTipsAtStartup.Value(),
                      caso.marcada ? EstadoCasilla::Marcada : EstadoCasilla::Vacia);
            EXPECT_EQ(Ajuste(almacen), caso.ajuste);
        }
    }
}

// One run of the program: the notice at start-up, unticked; then from the menu, left alone;
// the next start-up shows nothing. Only the engineer's clicks write the setting.
TEST(frmTip, AjusteIdaYVuelta)
{
    EstadoObra estado;
    AlmacenConfiguracionEnMemoria almacen;

    ASSERT_TRUE(PreparaAdvertenciaInicio(estado.ejecucion, almacen));
    EXPECT_EQ(estado.ejecucion.ModoAdvertencia, 1);
    {
        frmTip ventana(estado, almacen);
        Abre(ventana);
        EXPECT_EQ(ventana.chkLoadTipsAtStartup.Value(), EstadoCasilla::Marcada);
        Pulsa(ventana, EstadoCasilla::Vacia);
        EXPECT_EQ(Ajuste(almacen), "0");
        pulsa(ventana.cmdOK);
    }
    {
        frmTip ventana(estado, almacen);
        Abre(ventana);
        EXPECT_EQ(ventana.chkLoadTipsAtStartup.Value(), EstadoCasilla::Vacia);
        pulsa(ventana.cmdOK);
    }
    EXPECT_EQ(Ajuste(almacen), "0");

    EstadoObra siguiente;
    EXPECT_FALSE(PreparaAdvertenciaInicio(siguiente.ejecucion, almacen));
    EXPECT_EQ(siguiente.ejecucion.ModoAdvertencia, 0);

    // From the menu in that next run: ticking and unticking write at once.
    frmTip ventana(siguiente, almacen);
    Abre(ventana);
    Pulsa(ventana, EstadoCasilla::Marcada);
    EXPECT_EQ(Ajuste(almacen), "1");
    Pulsa(ventana, EstadoCasilla::Vacia);
    EXPECT_EQ(Ajuste(almacen), "0");
    Pulsa(ventana, EstadoCasilla::Marcada);
    EXPECT_EQ(Ajuste(almacen), "1");
    EXPECT_TRUE(PreparaAdvertenciaInicio(siguiente.ejecucion, almacen));
}

} // namespace
} // namespace dravek
