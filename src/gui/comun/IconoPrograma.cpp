#include "gui/comun/IconoPrograma.h"

#include <QPainter>
#include <QPainterPath>

namespace dravek::gui {

namespace {

// The logo as drawn, px, and the square around its ring: centre (106, 150), outer radius 84
// plus the width of its outline.
constexpr double AnchoLogo = 480.0;
constexpr double CentroX = 106.0;
constexpr double CentroY = 150.0;
constexpr double Radio = 86.0;
// The sizes the desktop asks for, px.
constexpr int Tamanos[] = {16, 24, 32, 48, 64, 128, 256};

} // namespace

QIcon IconoDelLogo(const QPixmap &logo)
{
    if (logo.isNull()) {
        return {};
    }
    // A logo drawn at another size keeps its proportions.
    const double escala = logo.width() / AnchoLogo;
    const QRectF anillo((CentroX - Radio) * escala, (CentroY - Radio) * escala, 2 * Radio * escala,
                        2 * Radio * escala);
    QIcon icono;
    for (const int lado : Tamanos) {
        QPixmap dibujo(lado, lado);
        dibujo.fill(Qt::transparent);
        QPainter pintor(&dibujo);
        pintor.setRenderHint(QPainter::Antialiasing);
        pintor.setRenderHint(QPainter::SmoothPixmapTransform);
        QPainterPath circulo;
        circulo.addEllipse(QRectF(0, 0, lado, lado));
        pintor.setClipPath(circulo);
        pintor.drawPixmap(QRectF(0, 0, lado, lado), logo, anillo);
        pintor.end();
        icono.addPixmap(dibujo);
    }
    return icono;
}

} // namespace dravek::gui
