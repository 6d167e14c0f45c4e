// Where the windows land on a desktop: started under a real window manager
// (openbox on Xvfb, see con-openbox.sh), every window is centred by the
// frame the window manager gives it and lies wholly inside the screen's free
// area with every caption whole, also at twice the scale on a small screen
// (1366x768), where the window's font shrinks so that it fits; the About box
// keeps its four lines; a modal window does not stay minimised; Alt+A
// reaches the first menu every time.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QtTest>

#include "Modales.h"
#include "VentanaDePrueba.h"
#include "ui/Colocacion.h"
#include "ui/qt/Aplicacion.h"
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

// "x,y wxh"
QString Caja(const QRect& r) {
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// Why `marco` is not where it belongs in `libre`, or an empty text.
QString FueraDeSitio(const QRect& marco, const QRect& libre) {
    if (!libre.contains(marco)) {
        return QStringLiteral("frame %1 beyond the free area %2").arg(Caja(marco), Caja(libre));
    }
    const velmora::ui::Posicion p = velmora::ui::PosicionDeVentana(
        marco.width(), marco.height(), {libre.x(), libre.y(), libre.width(), libre.height()});
    if ((marco.topLeft() - QPoint(p.x, p.y)).manhattanLength() <= 1) return {};
    return QStringLiteral("frame %1, expected at %2,%3 in %4")
        .arg(Caja(marco))
        .arg(p.x)
        .arg(p.y)
        .arg(Caja(libre));
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
        ventana.show();
        QVERIFY(QTest::qWaitForWindowExposed(&ventana));
        const QRect marco = MarcoQuieto(&ventana);
        const QRect libre = ventana.screen()->availableGeometry();
        QVERIFY2(marco.height() > ventana.height(), "the window manager gave no title bar");
        const QString fallo = FueraDeSitio(marco, libre);
        QVERIFY2(fallo.isEmpty(), qPrintable(fallo));
        QCOMPARE(velmora::prueba::Recortes(&ventana), QStringList());
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
        // loop until its frame is in place and still, notes it, asks the
        // window manager to minimise it (as a minimise button does), and a
        // second later notes whether it is back on screen and closes it.
        QRect marco, anterior, libre;
        QStringList recortes;
        bool devuelta = false;
        int quieto = 0, despues = -1;
        QTimer sondeo;
        sondeo.setInterval(20);
        QObject::connect(&sondeo, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal) return;
            if (marco.isNull()) {
                const QRect ahora = modal->frameGeometry();
                const bool decorado = ahora.height() > modal->geometry().height();
                quieto = (decorado && ahora == anterior) ? quieto + 1 : 0;
                anterior = ahora;
                if (quieto < 5) return;
                marco = ahora;
                libre = modal->screen()->availableGeometry();
                recortes = velmora::prueba::Recortes(modal);
                QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("windowminimize"),
                                                              QString::number(modal->winId())});
                despues = 0;
            } else if (++despues == 50) {
                devuelta = modal->isVisible() && !modal->isMinimized();
                modal->close();
                if (QApplication::activeModalWidget() == modal) modal->hide();
            }
        });
        // Whatever happens, no modal window outlives the test.
        QTimer::singleShot(9000, [] {
            while (QWidget* modal = QApplication::activeModalWidget()) modal->hide();
        });
        sondeo.start();
        principal.findChild<QAction*>(accion)->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(despues >= 50 && !QApplication::activeModalWidget(), 10000);
        QVERIFY2(devuelta, "the modal window stayed minimised");
        const QString fallo = FueraDeSitio(marco, libre);
        QVERIFY2(fallo.isEmpty(), qPrintable(fallo));
        QCOMPARE(recortes, QStringList());
    }

    // Each line of the About message is one line of its box.
    void acercaDeEnCuatroLineas() {
        const velmora::prueba::VentanaDePrueba principal;
        int lineas = 0;
        const auto visto = velmora::prueba::CerrarModal(
            [&] { principal.Disparar("menuAcercaDe"); },
            [&](QWidget* caja) {
                for (QLabel* l : caja->findChildren<QLabel*>()) {
                    if (!l->text().startsWith(QStringLiteral("Calculo"))) continue;
                    const QRect caben = l->fontMetrics().boundingRect(
                        l->contentsRect().adjusted(0, 0, 0, 10000), Qt::TextWordWrap, l->text());
                    lineas = caben.height() / l->fontMetrics().lineSpacing();
                }
            });
        QVERIFY(visto.abierto);
        QCOMPARE(lineas, 4);
    }

    // Both menus use the access key A; Alt+A opens "&Amortizacion" every
    // time, so Alt+A C calculates every time.
    void altAAbreSiempreAmortizacion() {
        const velmora::prueba::VentanaDePrueba principal;
        for (int vez = 0; vez < 3; ++vez) {
            // Access keys reach the active window.
            principal.Ventana().activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&principal.Ventana()));
            QMenu* abierto = nullptr;
            QTimer::singleShot(
                0, [&] { QTest::keyClick(&principal.Ventana(), Qt::Key_A, Qt::AltModifier); });
            QTRY_VERIFY((abierto = qobject_cast<QMenu*>(QApplication::activePopupWidget())));
            QCOMPARE(abierto->objectName(), QStringLiteral("menuAmortizacion"));
            // "C": the calculation of empty fields, whose message says so.
            const auto visto =
                velmora::prueba::CerrarModal([&] { QTest::keyClick(abierto, Qt::Key_C); });
            QCOMPARE(visto.texto, QStringLiteral("ERROR: faltan datos en la seccion diesel."));
        }
    }
};

QTEST_MAIN(ColocacionTest)
#include "ColocacionTest.moc"
