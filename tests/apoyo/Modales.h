// Opening a modal window in a test without hanging: a polling timer finds
// the modal window once it is up, records what it shows, lets the test look
// at it, and closes it; the action that opened it then returns. A watchdog
// closes any modal window still open after the time limit, so a broken test
// fails instead of hanging.
//
// Assert on what CerrarModal returns, after it returns: an assertion inside
// `inspeccionar` would return from the lambda and leave the window open.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>

namespace velmora::prueba {

// The OK button of a message box, as the toolkit's Spanish texts call it.
inline const QString kBotonAceptar = QStringLiteral("Aceptar");

struct ModalVisto {
    bool abierto = false;  // a modal window was found
    QString clase;         // its class, e.g. "QMessageBox"
    QString nombre;        // objectName
    QString titulo;
    QString texto;              // message boxes: the text
    QStringList textosBotones;  // message boxes: the caption of each button
    QMessageBox::Icon icono = QMessageBox::NoIcon;
    bool iconoVisible = false;  // the box draws a picture beside the text
};

// Closes a modal window as the user would: a message box by its first
// button, any other window with its close command.
inline void Cerrar(QWidget* modal) {
    auto* caja = qobject_cast<QMessageBox*>(modal);
    if (caja && !caja->buttons().isEmpty()) {
        caja->buttons().first()->click();
    } else {
        modal->close();
    }
}

// Runs `accion`, which opens (or queues the opening of) one modal window,
// records it, calls `inspeccionar` on it and closes it: a message box by its
// first button, any other window with its close command. Gives up after
// `limiteMs`, closing whatever modal window is left.
// `alVerlo`: look at the window the moment it shows, not once it is active
// (a message box's text and buttons are there from the start).
inline ModalVisto CerrarModal(const std::function<void()>& accion,
                              const std::function<void(QWidget*)>& inspeccionar = {},
                              int limiteMs = 5000, bool alVerlo = false) {
    ModalVisto visto;
    QTimer sondeo;
    sondeo.setInterval(alVerlo ? 0 : 5);
    QElapsedTimer desdeQueSeVio;
    QObject::connect(&sondeo, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (visto.abierto || !modal || !modal->isVisible()) return;
        // Look once the window has been activated and has the focus, as the
        // user would meet it (or after a second, if it never is).
        if (!desdeQueSeVio.isValid()) desdeQueSeVio.start();
        if (!alVerlo && !modal->isActiveWindow() && desdeQueSeVio.elapsed() < 1000) return;
        visto.abierto = true;
        visto.clase = QString::fromLatin1(modal->metaObject()->className());
        visto.nombre = modal->objectName();
        visto.titulo = modal->windowTitle();
        if (auto* caja = qobject_cast<QMessageBox*>(modal)) {
            visto.texto = caja->text();
            visto.icono = caja->icon();
            visto.iconoVisible = !caja->iconPixmap().isNull();
            for (QAbstractButton* b : caja->buttons()) visto.textosBotones << b->text();
        }
        if (inspeccionar) inspeccionar(modal);
        Cerrar(modal);
    });
    // The watchdog: whatever is still modal after the limit (a second at
    // least, for a window that opens where none was awaited) is closed.
    QTimer perro;
    perro.setSingleShot(true);
    perro.setInterval(std::max(limiteMs, 1000));
    QObject::connect(&perro, &QTimer::timeout, [] {
        if (QApplication::activeModalWidget()) {
            QTest::qFail("a modal window was still open at the time limit", __FILE__, __LINE__);
        }
        while (QWidget* modal = QApplication::activeModalWidget()) {
            modal->close();
            if (QApplication::activeModalWidget() == modal) modal->hide();
        }
    });
    sondeo.start();
    perro.start();
    accion();
    // A handler queued from a menu entry opens its window only once the
    // event loop runs.
    QElapsedTimer reloj;
    reloj.start();
    while (!visto.abierto && reloj.elapsed() < limiteMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    QCoreApplication::processEvents();
    return visto;
}

// Runs `accion` and lets events run for `ms` milliseconds, closing any
// modal window that opens: for actions that must open none.
inline ModalVisto NingunModal(const std::function<void()>& accion, int ms = 200) {
    return CerrarModal(accion, {}, ms, true);
}

// Runs `accion` and whatever it queued, closing every modal window that
// opens the moment it is shown; gives the texts of the message boxes among
// them (an empty text for any other window), in order.
inline QStringList CerrarCadaModal(const std::function<void()>& accion) {
    QStringList vistos;
    QTimer sondeo;
    sondeo.setInterval(0);
    QObject::connect(&sondeo, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) return;
        auto* caja = qobject_cast<QMessageBox*>(modal);
        vistos << (caja ? caja->text() : QString());
        Cerrar(modal);
    });
    sondeo.start();
    accion();
    QCoreApplication::processEvents();  // a queued menu handler runs here
    return vistos;
}

}  // namespace velmora::prueba
