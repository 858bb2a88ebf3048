#pragma once

// The texts that messages in more than one layer of the core show: the captions of the data
// fields a check names and the common parts of a message. A layer's own message texts are
// named beside the code that shows them.

#include <cstdint>

namespace dravek {

constexpr std::int32_t TextoTensionTesado = 207;
constexpr std::int32_t TextoRelajacionFinal = 208;
constexpr std::int32_t TextoCancelar = 214;
constexpr std::int32_t TextoTipoControl = 219;
constexpr std::int32_t TextoIndicadorCamisa = 220;
constexpr std::int32_t TextoEspesorMaximo = 221;
constexpr std::int32_t TextoDiametroInterior = 225;
constexpr std::int32_t TextoEspesor = 226;
constexpr std::int32_t TextoDiametroExterior = 227;
constexpr std::int32_t TextoRecubrimientoInterior = 228;
constexpr std::int32_t TextoRecubrimientoExterior = 229;
constexpr std::int32_t TextoTipoApoyo = 231;
constexpr std::int32_t TextoTipoColocacion = 232;
constexpr std::int32_t TextoAlturasCalculo = 233;
constexpr std::int32_t TextoTipoRelleno = 238;
constexpr std::int32_t TextoRazonAsentamiento = 240;
constexpr std::int32_t TextoTipoCargaConcentrada = 242;
constexpr std::int32_t TextoAnchoZanja = 266;
constexpr std::int32_t TextoPresionInicial = 269;
constexpr std::int32_t TextoPresionFinal = 270;
constexpr std::int32_t TextoMDPInicial = 271;
constexpr std::int32_t TextoMDPFinal = 272;
constexpr std::int32_t TextoAlturaInicial = 277;
constexpr std::int32_t TextoAlturaFinal = 278;
constexpr std::int32_t TextoIncrementoAltura = 279;
constexpr std::int32_t TextoMDPFinalMenor = 282;
constexpr std::int32_t TextoSinTipologia = 283;
constexpr std::int32_t TextoArmaduraExteriorMaxima = 284;
constexpr std::int32_t TextoError = 286;
constexpr std::int32_t TextoValorIncorrecto = 287;
constexpr std::int32_t TextoEspesorMaximoCamisa = 290;
constexpr std::int32_t TextoResistenciaHormigon = 291;
constexpr std::int32_t TextoTraccionHormigon = 292;
constexpr std::int32_t TextoResistenciaAcero = 293;
constexpr std::int32_t TextoResistenciaCalculoAcero = 294;
constexpr std::int32_t TextoCoeficientePresion = 295;
constexpr std::int32_t TextoModuloElasticidadAcero = 296;
constexpr std::int32_t TextoModuloElasticidadAlambre = 297;
constexpr std::int32_t TextoResistenciaPrimarioZunchar = 298;
constexpr std::int32_t TextoResistenciaPrimarioFinal = 299;
constexpr std::int32_t TextoResistenciaRevestimiento = 301;
constexpr std::int32_t TextoTensionRoturaAlambre = 302;
constexpr std::int32_t TextoFluenciaPrimario = 303;
constexpr std::int32_t TextoFluenciaRevestimiento = 304;
constexpr std::int32_t TextoRetraccionPrimario = 305;
constexpr std::int32_t TextoRetraccionRevestimiento = 306;
constexpr std::int32_t TextoValorIncorrectoDel = 308;
constexpr std::int32_t TextoDensidadTerreno = 311;
constexpr std::int32_t TextoAnguloRozamientoTerreno = 312;
constexpr std::int32_t TextoRazonAsentamientoIncorrecta = 318;
constexpr std::int32_t TextoCargaVerticalTotal = 319;
constexpr std::int32_t TextoCargaConcentradaIncorrecta = 321;
constexpr std::int32_t TextoDensidadMaterialTubo = 359;
constexpr std::int32_t TextoAviso = 377;
constexpr std::int32_t TextoAlAbrirFichero = 400;
constexpr std::int32_t TextoAlDecodificarFichero = 402;
constexpr std::int32_t TextoAnguloRozamientoFueraRango = 517;
constexpr std::int32_t TextoIncrementoPresion = 539;
constexpr std::int32_t TextoAvisoTitulo = 689;
constexpr std::int32_t TextoValorNoNumerico = 693;
constexpr std::int32_t TextoEsfuerzosOvalizacion = 821;
constexpr std::int32_t TextoAlImprimir = 937;
constexpr std::int32_t TextoGamaF = 999;
constexpr std::int32_t TextoMaximo = 1123;
constexpr std::int32_t TextoMinimo = 1124;
constexpr std::int32_t TextoErrorInesperado = 1525;

} // namespace dravek
