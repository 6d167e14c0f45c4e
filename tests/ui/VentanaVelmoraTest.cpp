// The main window as a user meets it: typing into the fields, clicking the
// button, choosing menu entries, with real widgets on the offscreen
// platform. Runs under the regional settings of LANG (CTest runs it under
// the Spanish and the English convention).
#include <QAccessible>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "Modales.h"
#include "ui/Aplicacion.h"
#include "ui/VentanaVelmora.h"

using velmora::prueba::CerrarModal;
using velmora::prueba::NingunModal;
using velmora::ui::VentanaVelmora;

class VentanaVelmoraTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<VentanaVelmora> ventana;

    QLineEdit* Campo(const char* nombre) {
        auto* campo = ventana->findChild<QLineEdit*>(QLatin1String(nombre));
        if (!campo) qFatal("no field %s", nombre);
        return campo;
    }
    QLabel* Resultado() { return ventana->findChild<QLabel*>(QStringLiteral("lblResultado")); }
    QPushButton* Boton() { return ventana->findChild<QPushButton*>(QStringLiteral("cmdCalcular")); }
    QAction* Accion(const char* nombre) {
        auto* accion = ventana->findChild<QAction*>(QLatin1String(nombre));
        if (!accion) qFatal("no menu entry %s", nombre);
        return accion;
    }

    // Types a figure as the user would, the number written by the user's
    // own regional settings ("2.600.000" in Spanish, "2,600,000" in English).
    void Escribir(const char* campo, const QString& texto) {
        QLineEdit* c = Campo(campo);
        c->selectAll();
        QTest::keyClick(c, Qt::Key_Delete);
        QTest::keyClicks(c, texto);
    }
    void EjemploResuelto() {
        const QLocale local = QLocale::system();
        Escribir("txtPrecioCocheDiesel", local.toString(2600000));
        Escribir("txtConsumoMedioDiesel", QStringLiteral("6"));
        Escribir("txtPrecioLitroGasoil", QStringLiteral("115"));
        Escribir("txtPrecioCocheGasolina", local.toString(2300000));
        Escribir("txtConsumoMedioGasolina", QStringLiteral("8"));
        Escribir("txtPrecioLitroGasolina", QStringLiteral("145"));
    }
    QStringList TextosDeCampos() {
        QStringList textos;
        for (QLineEdit* c : ventana->findChildren<QLineEdit*>()) textos << c->text();
        return textos;
    }
    // Expects a click on "Calcular" to show exactly `mensaje` in the
    // program's message box and to leave the label and fields as they were.
    void EsperarMensaje(const QString& mensaje) {
        const QString antes = Resultado()->text();
        const QStringList campos = TextosDeCampos();
        const auto visto = CerrarModal([&] { QTest::mouseClick(Boton(), Qt::LeftButton); });
        QVERIFY(visto.abierto);
        QCOMPARE(visto.clase, QStringLiteral("QMessageBox"));
        QCOMPARE(visto.titulo, QStringLiteral("Velmora"));
        QCOMPARE(visto.texto, mensaje);
        QCOMPARE(visto.textosBotones, QStringList{QStringLiteral("OK")});
        QCOMPARE(visto.icono, QMessageBox::NoIcon);
        QVERIFY(!visto.iconoVisible);
        QCOMPARE(Resultado()->text(), antes);
        QCOMPARE(TextosDeCampos(), campos);
    }

  private Q_SLOTS:
    void initTestCase() { velmora::ui::PrepararAplicacion(); }

    void init() {
        ventana = std::make_unique<VentanaVelmora>();
        ventana->show();
        QVERIFY(QTest::qWaitForWindowExposed(ventana.get()));
    }
    void cleanup() { ventana.reset(); }

    void tituloYEstadoInicial() {
        QCOMPARE(ventana->windowTitle(), QStringLiteral("Amortización Diesel v1.0"));
        QCOMPARE(ventana->objectName(), QStringLiteral("Velmora"));
        QCOMPARE(QApplication::focusWidget(), Campo("txtPrecioCocheDiesel"));
        QVERIFY(Resultado()->text().isEmpty());
        for (QLineEdit* c : ventana->findChildren<QLineEdit*>()) QVERIFY(c->text().isEmpty());
        QCOMPARE(ventana->findChildren<QLineEdit*>().size(), 8);
        QVERIFY(!ventana->windowIcon().isNull());
    }

    void ventanaFijaSinMaximizar() {
        const Qt::WindowFlags banderas = ventana->windowFlags();
        QVERIFY(!(banderas & Qt::WindowMaximizeButtonHint));
        QVERIFY(banderas & Qt::WindowMinimizeButtonHint);
        QVERIFY(banderas & Qt::WindowCloseButtonHint);
        QCOMPARE(ventana->minimumSize(), ventana->maximumSize());
    }

    void controlesConSusNombresYTitulos() {
        const std::pair<const char*, const char*> titulos[] = {
            {"frmDiesel", "Diesel"},
            {"Frame1", "Gasolina"},
            {"frmInteres", "Aplicar interes acumulado"},
        };
        for (const auto& [nombre, titulo] : titulos) {
            auto* marco = ventana->findChild<QGroupBox*>(QLatin1String(nombre));
            QVERIFY2(marco, nombre);
            QCOMPARE(marco->title(), QString::fromUtf8(titulo));
        }
        const std::pair<const char*, const char*> etiquetas[] = {
            {"lblConsumoMedio", "Consumo medio"},
            {"lblConsumoGasolina", "Consumo medio"},
            {"lblKmAno", "Media de Km/año "},
            {"lblInteres", "Interes anual"},
            {"lblAmortizacion", "Coche amortizado a partir de"},
            {"lblKM", "Km"},
        };
        for (const auto& [nombre, titulo] : etiquetas) {
            auto* etiqueta = ventana->findChild<QLabel*>(QLatin1String(nombre));
            QVERIFY2(etiqueta, nombre);
            QCOMPARE(etiqueta->text(), QString::fromUtf8(titulo));
        }
        QCOMPARE(Campo("txtKmAno")->parentWidget()->objectName(), QStringLiteral("frmInteres"));
        QCOMPARE(Campo("txtPrecioLitroGasolina")->parentWidget()->objectName(),
                 QStringLiteral("Frame1"));
        QCOMPARE(Boton()->text(), QStringLiteral("Calcular"));
        QVERIFY(!Boton()->isDefault() && !Boton()->autoDefault());
        QCOMPARE(Resultado()->palette().color(Resultado()->backgroundRole()), QColor(Qt::white));
        QVERIFY(Resultado()->autoFillBackground());
    }

    void menus() {
        QMenuBar* barra = ventana->menuBar();
        QStringList menus;
        for (QAction* a : barra->actions()) menus << a->text();
        QCOMPARE(menus, (QStringList{QStringLiteral("&Amortizacion"), QStringLiteral("&Ayuda")}));

        auto entradas = [&](const char* menu) {
            QStringList lista;
            for (QAction* a : ventana->findChild<QMenu*>(QLatin1String(menu))->actions()) {
                lista << (a->isSeparator() ? QStringLiteral("-") + a->objectName()
                                           : a->objectName() + QLatin1Char(' ') + a->text());
                if (!a->shortcut().isEmpty()) lista << QStringLiteral("atajo!");
            }
            return lista;
        };
        QCOMPARE(
            entradas("menuAmortizacion"),
            (QStringList{QStringLiteral("menuCalcular &Calcular"),
                         QStringLiteral("-menuSeparador1"), QStringLiteral("menuSalir &Salir")}));
        QCOMPARE(entradas("menuAyuda"), (QStringList{QStringLiteral("menuEjemplos &Ejemplos"),
                                                     QStringLiteral("menuFormula &Formula"),
                                                     QStringLiteral("-menuSeparador2"),
                                                     QStringLiteral("menuAcercaDe &Acerca de")}));
    }

    void ordenDeTabulacion() {
        const char* orden[] = {"txtPrecioCocheDiesel",
                               "txtConsumoMedioDiesel",
                               "txtPrecioLitroGasoil",
                               "txtPrecioCocheGasolina",
                               "txtConsumoMedioGasolina",
                               "txtPrecioLitroGasolina",
                               "cmdCalcular",
                               "txtKmAno",
                               "txtInteres",
                               "txtPrecioCocheDiesel"};
        Campo("txtPrecioCocheDiesel")->setFocus();
        for (std::size_t i = 1; i < std::size(orden); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1String(orden[i]));
        }
    }

    void ejemploResueltoPorBotonYPorMenu() {
        EjemploResuelto();
        QTest::mouseClick(Boton(), Qt::LeftButton);
        QCOMPARE(Resultado()->text(), QStringLiteral("63829"));

        Escribir("txtKmAno", QLocale::system().toString(15000));
        Escribir("txtInteres", QStringLiteral("5"));
        Resultado()->clear();
        QVERIFY(NingunModal([&] { Accion("menuCalcular")->trigger(); }).abierto == false);
        QCOMPARE(Resultado()->text(), QStringLiteral("74694"));

        // The button from the keyboard: Space while it has the focus.
        Resultado()->clear();
        Boton()->setFocus();
        QTest::keyClick(Boton(), Qt::Key_Space);
        QCOMPARE(Resultado()->text(), QStringLiteral("74694"));
    }

    void introEnUnCampoNoCalcula() {
        EjemploResuelto();
        const auto visto = NingunModal([&] {
            QTest::keyClick(Campo("txtPrecioLitroGasolina"), Qt::Key_Return);
            QTest::keyClick(Campo("txtPrecioLitroGasolina"), Qt::Key_Enter);
        });
        QVERIFY(!visto.abierto);
        QVERIFY(Resultado()->text().isEmpty());
    }

    void mensajes() {
        EsperarMensaje(QStringLiteral("ERROR: faltan datos en la seccion diesel."));
        EjemploResuelto();
        QTest::mouseClick(Boton(), Qt::LeftButton);
        QCOMPARE(Resultado()->text(), QStringLiteral("63829"));

        Escribir("txtPrecioCocheGasolina", QString());
        EsperarMensaje(QStringLiteral("ERROR: faltan datos en la seccion gasolina."));
        Escribir("txtPrecioCocheGasolina", QStringLiteral("2300000 pts"));
        EsperarMensaje(
            QStringLiteral("ERROR: el dato Precio de la seccion gasolina no es un numero."));
        Escribir("txtPrecioCocheGasolina", QStringLiteral("1E400"));
        EsperarMensaje(
            QStringLiteral("ERROR: el dato Precio de la seccion gasolina es demasiado grande."));
        Escribir("txtPrecioCocheGasolina", QStringLiteral("2300000"));
        Escribir("txtConsumoMedioDiesel", QStringLiteral("8"));
        Escribir("txtPrecioLitroGasoil", QStringLiteral("150"));
        Escribir("txtPrecioLitroGasolina", QStringLiteral("150"));
        EsperarMensaje(
            QStringLiteral("ERROR: los dos coches cuestan lo mismo por kilometro; "
                           "no se puede calcular la amortizacion."));
        Escribir("txtConsumoMedioDiesel", QStringLiteral("10"));
        EsperarMensaje(QStringLiteral(
            "El coche diesel no se amortiza nunca: gasta mas por kilometro que el de gasolina."));
        Escribir("txtConsumoMedioDiesel", QStringLiteral("6"));
        Escribir("txtKmAno", QStringLiteral("0"));
        Escribir("txtInteres", QStringLiteral("5"));
        EsperarMensaje(QStringLiteral("ERROR: el dato Media de Km/año no puede ser 0."));

        // After all that the program still calculates.
        Escribir("txtKmAno", QString());
        QTest::mouseClick(Boton(), Qt::LeftButton);
        QCOMPARE(Resultado()->text(), QStringLiteral("100000"));  // 300000 / (12 - 9)
    }

    void mensajeDesdeElMenu() {
        const auto visto = CerrarModal([&] { Accion("menuCalcular")->trigger(); });
        QVERIFY(visto.abierto);
        QCOMPARE(visto.texto, QStringLiteral("ERROR: faltan datos en la seccion diesel."));
    }

    void resultadoExponencialCabe() {
        const QLocale local = QLocale::system();
        Escribir("txtPrecioCocheDiesel", QStringLiteral("12345679"));
        Escribir("txtConsumoMedioDiesel", QStringLiteral("0"));
        Escribir("txtPrecioLitroGasoil", QStringLiteral("0"));
        Escribir("txtPrecioCocheGasolina", QStringLiteral("0"));
        Escribir("txtConsumoMedioGasolina", QStringLiteral("100"));
        Escribir("txtPrecioLitroGasolina", QStringLiteral("1"));
        QTest::mouseClick(Boton(), Qt::LeftButton);
        QCOMPARE(Resultado()->text(),
                 QStringLiteral("1") + local.decimalPoint() + QStringLiteral("234568E+07"));
        QVERIFY2(Resultado()->sizeHint().width() <= Resultado()->width(), "result clipped");
    }

    void accesibilidad() {
        const std::pair<const char*, const char*> nombres[] = {
            {"txtPrecioCocheDiesel", "Precio coche diesel"},
            {"txtConsumoMedioDiesel", "Consumo medio diesel"},
            {"txtPrecioLitroGasoil", "Precio litro gasoil"},
            {"txtPrecioCocheGasolina", "Precio coche gasolina"},
            {"txtConsumoMedioGasolina", "Consumo medio gasolina"},
            {"txtPrecioLitroGasolina", "Precio litro gasolina"},
            {"txtKmAno", "Media de Km/año"},
            {"txtInteres", "Interes anual"},
        };
        for (const auto& [campo, nombre] : nombres) {
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(Campo(campo));
            QVERIFY(a);
            QCOMPARE(a->text(QAccessible::Name), QString::fromUtf8(nombre));
        }
        EjemploResuelto();
        QTest::mouseClick(Boton(), Qt::LeftButton);
        QAccessibleInterface* r = QAccessible::queryAccessibleInterface(Resultado());
        QCOMPARE(r->text(QAccessible::Name), QStringLiteral("Resultado"));
        QCOMPARE(r->text(QAccessible::Description), QStringLiteral("63829"));
    }

    void salirTerminaEnSeguida() {
        EjemploResuelto();
        QTest::mouseClick(Boton(), Qt::LeftButton);
        QEventLoop bucle;
        QTimer::singleShot(0, [&] { Accion("menuSalir")->trigger(); });
        QTimer::singleShot(3000, [&] { bucle.exit(99); });
        QCOMPARE(bucle.exec(), 0);
        QVERIFY(!ventana->isVisible());
    }
};

QTEST_MAIN(VentanaVelmoraTest)
#include "VentanaVelmoraTest.moc"
