#include "core/entry/CapturaDatos.h"
#include "core/model/TextoRecurso.h"

#include <string>
#include <utility>

namespace dravek {

namespace {

constexpr std::int32_t TextoReleer = 383; // "Releer"

// Caption items of the label array and their texts.
constexpr std::pair<int, std::int32_t> TextosEtiquetas[] = {
    {2, 155},  {19, 155}, {16, 1078}, {52, 160}, {0, 162},  {1, 249},  {42, 165}, {40, 166},
    {3, 167},  {38, 168}, {4, 169},   {39, 170}, {44, 168}, {6, 168},  {45, 168}, {43, 170},
    {35, 170}, {46, 170}, {47, 173},  {41, 185}, {37, 186}, {36, 187}, {71, 218}, {72, 198},
    {77, 199}, {73, 202}, {74, 203},  {75, 204}, {76, 206}, {78, 207}, {79, 208}, {80, 209},
    {81, 210}, {82, 211}, {83, 212},  {9, 219},  {10, 220}, {11, 221}, {20, 225}, {21, 226},
    {27, 227}, {22, 228}, {23, 229},  {24, 230}, {25, 231}, {26, 232}, {28, 233}, {51, 234},
    {29, 235}, {30, 236}, {31, 237},  {32, 238}, {50, 239}, {53, 240}, {33, 241}, {34, 242},
    {48, 168}, {49, 170}};

// Tips of the controls that are not push buttons, by name ("TipoCamisa(0)" for an option).
constexpr std::pair<const char *, std::int32_t> TextosAyudaControles[] = {
    {"edIdioma", 962},
    {"edObra", 963},
    {"edCliente", 964},
    {"edPrsM1", 965},
    {"edPrsM2", 966},
    {"edPrs1", 967},
    {"edPrs2", 968},
    {"edPrs3", 969},
    {"edAlt1", 970},
    {"edAlt2", 971},
    {"edAlt3", 972},
    {"edTramo", 976},
    {"edDescriTramo", 977},
    {"edPrsM1Tram", 978},
    {"edPrsM2Tram", 979},
    {"edPrs1Tram", 980},
    {"edPrs2Tram", 981},
    {"edPrs3Tram", 982},
    {"edIcontes0", 988},
    {"edAdato", 989},
    {"edTipoControl", 990},
    {"edTipoCamisa", 991},
    {"edCamMax", 992},
    {"edFck", 993},
    {"edFct", 994},
    {"edFyk", 995},
    {"edFyd", 996},
    {"edGamaB", 997},
    {"edGamaY", 998},
    {"edGamaF", 999},
    {"edIcontes1", 1000},
    {"edCoepre1", 1001},
    {"TipoCamisa(0)", 1002},
    {"TipoCamisa(1)", 1003},
    {"edFYKPost", 1004},
    {"edEs", 1005},
    {"edEp", 1006},
    {"edFckno", 1007},
    {"edFckn", 1008},
    {"edFckr", 1009},
    {"edSFck", 1010},
    {"edSf", 1011},
    {"edRel", 1012},
    {"edFic", 1013},
    {"edFir", 1014},
    {"edEpsc", 1015},
    {"edEpsr", 1016},
    {"edTramo2", 1017},
    {"rdTipoColocacion(0)", 1018},
    {"rdTipoColocacion(1)", 1019},
    {"rdTipoColocacion(2)", 1020},
    {"edDi0", 1021},
    {"edEsp0", 1022},
    {"edDe0", 1023},
    {"edReci0", 1024},
    {"edRece0", 1025},
    {"edGc0", 1026},
    {"edTipoCuna0", 1027},
    {"edTipoApoyo0", 1028},
    {"edHr0", 1029},
    {"edHr0Final", 1030},
    {"edHr0Delta", 1031},
    {"edB0", 1032},
    {"edGr0", 1033},
    {"edFi0", 1034},
    {"edTipoRelleno0", 1035},
    {"edHr1", 1036},
    {"edIAs", 1037},
    {"edQDato0", 1038},
    {"edICar0", 1039}};

} // namespace

void CapturaDatos::PonTextosCaptura()
{
    EstadoEjecucion &x = m_estado.ejecucion;
    x.DesplazamientoIdioma = (x.Idioma - 1) * 5000;
    const std::int32_t d = x.DesplazamientoIdioma;
    const auto T = [d](std::int32_t n) { return Texto(d, n); };
    const int idiomas = CuentaIdiomas();

    edIdioma.Clear();
    for (int i = 1; i <= idiomas; ++i) {
        edIdioma.AddItem(T(100 + i));
    }
    ponIndice(edIdioma, x.Idioma - 1);

    LlenaListasCodigos();

    RotulosUnidades &r = Rotulos;
    r.RotuloDatosPresion = T(134);
    r.UnidadPresionSI = T(135);
    r.UnidadPresionMKS = T(136);
    r.RotuloPresionDP = T(137);
    r.RotuloPresionMDP = T(138);
    r.RotuloResistenciasArmado = T(139);
    r.UnidadTensionSI = T(140);
    r.UnidadTensionMKS = T(141);
    r.RotuloElasticidadPostesado = T(142);
    r.RotuloResistenciasPostesado = T(143);
    r.RotuloTensionesPostesado = T(144);
    r.RotuloCargaVertical = T(145);
    r.UnidadCargaSI = T(146);
    r.UnidadCargaMKS = T(147);
    r.RotuloFck = T(148);
    r.RotuloFct = T(1077);
    r.RotuloFyk = T(149);
    r.RotuloFyd = T(150);
    r.RotuloEs = T(198);
    r.RotuloEp = T(199);
    r.RotuloFckno = T(202);
    r.RotuloFckn = T(203);
    r.RotuloFckr = T(204);
    r.RotuloSFck = T(206);

    for (int i = 0; i < 3; ++i) {
        TabPrincipal.TabCaption[static_cast<std::size_t>(i)] = T(151 + i);
        TabDatosColocacion.TabCaption[static_cast<std::size_t>(i)] = T(222 + i);
    }
    for (int i = 0; i < 2; ++i) {
        TabTipologia.TabCaption[static_cast<std::size_t>(i)] = T(188 + i);
    }
    for (int i = 0; i < 4; ++i) {
        TabPostesados.TabCaption[static_cast<std::size_t>(i)] = T(193 + i);
    }

    edIcontes0.Caption = T(1079);
    edIcontes1.Caption = T(1640);
    Caption = T(184);
    Label1.Caption = T(180);
    ponTexto(avCargas0, T(243));
    for (const auto &[item, texto] : TextosEtiquetas) {
        lbEtiquetas(item).Caption = T(texto);
    }
    lbEtiquetas(5).Caption = T(539) + ":";
    lbEtiquetas(13).Caption = r.RotuloFct;

    frDatosSeccion.Caption = T(154);
    frColocacion.Caption = T(154);
    std::string coeficientes = T(196);
    std::erase(coeficientes, '&');
    frDatosArmado.Caption = coeficientes;
    frTipoColocacion.Caption = T(156);
    frDatosDescriptivos.Caption = T(161);
    frDatosPresion.Caption = T(164);
    frAlturaTierras.Caption = T(172);
    frGolpeAriete.Caption = T(174);
    frSistemaUnidades.Caption = T(175);
    frTipoCamisa.Caption = T(190);
    frElasticidadPostesado.Caption = T(197);
    frResistenciasPostesado.Caption = T(201);
    frTensionesPostesado.Caption = T(205);

    for (int i = 0; i < 3; ++i) {
        rdTipoColocacion[i].Caption = T(157 + i);
    }
    rdSistemaUnidades[0].Caption = T(176);
    rdSistemaUnidades[1].Caption = T(177);
    rdGolpeAriete[0].Caption = T(178);
    rdGolpeAriete[1].Caption = T(179);
    TipoCamisa[0].Caption = T(191);
    TipoCamisa[1].Caption = T(192);

    // The cancel button of a stored run re-reads it ("Releer"), in whichever language it was
    // captioned: the new language keeps that meaning.
    bool releer = false;
    for (int i = 1; i <= idiomas; ++i) {
        releer = releer || btCancelar.Caption == Texto((i - 1) * 5000, TextoReleer);
    }
    const std::pair<Boton *, std::int32_t> botones[] = {
        {&CommandButton2, 181}, {&btGrabaObra, 182}, {&btCerrarObra, 183}, {&btNuevoTramo, 213},
        {&btCancelar, 214},     {&btGrabar, 215},    {&btCalcular, 216},   {&btAjustar, 217}};
    for (const auto &[boton, texto] : botones) {
        boton->Caption = T(texto);
    }
    if (releer) {
        btCancelar.Caption = T(TextoReleer);
    }
    const std::pair<Boton *, std::int32_t> ayudaBotones[] = {
        {&CommandButton2, 973}, {&btGrabaObra, 974}, {&btCerrarObra, 975}, {&btNuevoTramo, 983},
        {&btCancelar, 984},     {&btGrabar, 985},    {&btCalcular, 986},   {&btAjustar, 987}};
    for (const auto &[boton, texto] : ayudaBotones) {
        boton->ToolTipText = T(texto);
    }
    for (const auto &[control, texto] : TextosAyudaControles) {
        TextosAyuda[control] = T(texto);
    }

    CargaFiguraColocacion();
    if (TipoCamisa.Value(0)) {
        CargaFigura(ptPostesado, 418);
    } else if (TipoCamisa.Value(1)) {
        CargaFigura(ptPostesado, 419);
    }
    CargaFigura(ptArmado, 420);

    RevisaUnidades(rdSistemaUnidades.Value(0) ? 0 : 1);
}

} // namespace dravek
