#pragma once

#include "core/plataforma/Progreso.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QProgressDialog>
#include <QString>

#include <chrono>

class QWidget;

namespace dravek::gui {

// The progress of a long job as a dialog with a bar (steps done of the total) and a button
// that stops the job, over the window the job was started from, with the busy cursor. Both
// show only once the job has run longer than the wait: a short job shows nothing but the
// windows repainted now and then. While the dialog is up the job lets the dialog's events
// through now and then; the dialog is modal, so nothing else of the program can be used
// meanwhile.
class ProgresoQt final : public Progreso {
public:
    explicit ProgresoQt(QWidget *padre,
                        std::chrono::milliseconds espera = std::chrono::milliseconds(500));
    ~ProgresoQt() override;
    ProgresoQt(const ProgresoQt &) = delete;
    ProgresoQt &operator=(const ProgresoQt &) = delete;

    void Empieza(const std::string &texto, const std::string &cancelar,
                 std::int64_t total) override;
    bool Sigue(std::int64_t hechos) override;
    void Termina() override;

    // The dialog of the job under way; null before it shows.
    QProgressDialog *dialogo() const { return m_dialogo; }

private:
    void Muestra();

    QWidget *m_padre;
    std::chrono::milliseconds m_espera;
    QPointer<QProgressDialog> m_dialogo;
    QElapsedTimer m_desdeInicio;
    QElapsedTimer m_desdeRepaso;
    QString m_texto;
    QString m_cancelar;
    int m_total = 0;
    bool m_enCurso = false;
    bool m_cursor = false;
    bool m_detenido = false;
};

} // namespace dravek::gui
