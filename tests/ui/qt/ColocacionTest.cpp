// Where the windows land on a desktop: started under a real window manager
// (openbox on Xvfb, see con-openbox.sh), every window is centred by the
// frame the window manager gives it, and a window larger than the screen at
// a large scale keeps its title bar and menu bar on screen.
//
// VELMORA_NO_CABE=1 says that the main window is expected not to fit (the
// test run at twice the scale on a 1366x768 screen), so that run cannot
// pass by centring.
#include <QAction>
#include <QMenuBar>
#include <QScreen>
#include <QtTest>

#include "ui/qt/Aplicacion.h"
#include "ui/qt/VentanaFija.h"
#include "ui/qt/VentanaVelmora.h"

namespace {

// Waits until `ventana` has its frame from the window manager and has
// stopped moving, and gives the frame.
QRect MarcoQuieto(QWidget* ventana) {
    QRect anterior;
    int quieto = 0;
    QElapsedTimer reloj;
    reloj.start();
    while (quieto < 5 && reloj.elapsed() < 5000) {
        QTest::qWait(20);
        const QRect marco = ventana->frameGeometry();
        const bool decorado = marco.height() > ventana->geometry().height();
        quieto = (decorado && marco == anterior) ? quieto + 1 : 0;
        anterior = marco;
    }
    return anterior;
}

// Why `marco` is not where it belongs in `libre`, or an empty text.
QString FueraDeSitio(const QRect& marco, const QRect& libre) {
    const auto eje = [](int inicio, int espacio, int tamano) {
        return tamano > espacio ? inicio : inicio + (espacio - tamano) / 2;
    };
    const QPoint esperado(eje(libre.x(), libre.width(), marco.width()),
                          eje(libre.y(), libre.height(), marco.height()));
    if ((marco.topLeft() - esperado).manhattanLength() <= 1) return {};
    return QStringLiteral("frame %1,%2 %3x%4, expected at %5,%6 in %7,%8 %9x%10")
        .arg(marco.x())
        .arg(marco.y())
        .arg(marco.width())
        .arg(marco.height())
        .arg(esperado.x())
        .arg(esperado.y())
        .arg(libre.x())
        .arg(libre.y())
        .arg(libre.width())
        .arg(libre.height());
}

}  // namespace

class ColocacionTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() {
        QVERIFY2(QGuiApplication::platformName() == QLatin1String("xcb"),
                 "needs an X display with a window manager (tests/ui/qt/con-openbox.sh)");
        velmora::qt::PrepararAplicacion();
    }

    void ventanaPrincipal() {
        velmora::qt::VentanaVelmora ventana;
        velmora::qt::ColocarEnPantalla(&ventana);
        ventana.show();
        QVERIFY(QTest::qWaitForWindowExposed(&ventana));
        const QRect marco = MarcoQuieto(&ventana);
        const QRect libre = ventana.screen()->availableGeometry();
        QVERIFY2(marco.height() > ventana.height(), "the window manager gave no title bar");
        const QString fallo = FueraDeSitio(marco, libre);
        QVERIFY2(fallo.isEmpty(), qPrintable(fallo));
        // The title bar and the menu bar are on the screen.
        QVERIFY(marco.top() >= libre.top() && marco.left() >= libre.left());
        QVERIFY(ventana.menuBar()->mapToGlobal(QPoint(0, 0)).y() < libre.bottom());
        if (qEnvironmentVariableIsSet("VELMORA_NO_CABE")) {
            QVERIFY2(marco.height() > libre.height(), "the window fits: nothing tested here");
            QCOMPARE(marco.top(), libre.top());
        }
    }

    void ventanasModales_data() {
        QTest::addColumn<QString>("accion");
        QTest::newRow("Ejemplos") << QStringLiteral("menuEjemplos");
        QTest::newRow("Formula") << QStringLiteral("menuFormula");
    }
    void ventanasModales() {
        QFETCH(QString, accion);
        velmora::qt::VentanaVelmora principal;
        principal.show();
        QVERIFY(QTest::qWaitForWindowExposed(&principal));
        // A polling timer watches the modal window from inside its own event
        // loop until its frame is in place and still, notes it and closes it.
        QRect marco, anterior, libre;
        int quieto = 0;
        QTimer sondeo;
        sondeo.setInterval(20);
        QObject::connect(&sondeo, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || !marco.isNull()) return;
            const QRect ahora = modal->frameGeometry();
            const bool decorado = ahora.height() > modal->geometry().height();
            quieto = (decorado && ahora == anterior) ? quieto + 1 : 0;
            anterior = ahora;
            if (quieto < 5) return;
            marco = ahora;
            libre = modal->screen()->availableGeometry();
            modal->close();
        });
        sondeo.start();
        principal.findChild<QAction*>(accion)->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!marco.isNull() && !QApplication::activeModalWidget(), 10000);
        const QString fallo = FueraDeSitio(marco, libre);
        QVERIFY2(fallo.isEmpty(), qPrintable(fallo));
    }
};

QTEST_MAIN(ColocacionTest)
#include "ColocacionTest.moc"
