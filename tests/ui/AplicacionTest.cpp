// The shell: the About message and the program's message box.
#include <QAction>
#include <QLabel>
#include <QMessageBox>
#include <QtTest>

#include "Modales.h"
#include "VentanaDePrueba.h"
#include "ui/Aplicacion.h"
#include "ui/VentanaVelmora.h"

using velmora::prueba::CerrarModal;
using velmora::prueba::VentanaDePrueba;

class AplicacionTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() { velmora::ui::PrepararAplicacion(); }

    void textoAcercaDe() {
        const QString texto = velmora::ui::TextoAcercaDe();
        const QStringList lineas = texto.split(QStringLiteral("\r\n"));
        QCOMPARE(lineas.size(), 4);
        QCOMPARE(texto.count(QLatin1Char('\n')), 3);
        QCOMPARE(texto.count(QLatin1Char('\r')), 3);
        QCOMPARE(lineas[0], QStringLiteral("Calculo de amortizacion de un coche diesel."));
        QCOMPARE(lineas[1], QStringLiteral("Version: 1.0. Junio del 2000."));
        QVERIFY(lineas[2].startsWith(QStringLiteral("Autor: ")));
        QVERIFY(lineas[2].contains(QStringLiteral(" - ")));
        QVERIFY(lineas[3].startsWith(QString(38, QLatin1Char(' '))));
        QVERIFY(lineas[3].at(38) != QLatin1Char(' '));
    }

    void acercaDeDesdeElMenu() {
        const VentanaDePrueba principal;
        QString mostrado;
        const auto visto = CerrarModal([&] { principal.Disparar("menuAcercaDe"); },
                                       [&](QWidget* caja) {
                                           // The text the box draws: no carriage return left to
                                           // show as a stray glyph, four lines, the blanks kept.
                                           for (QLabel* l : caja->findChildren<QLabel*>()) {
                                               if (l->text().contains(QStringLiteral("Calculo")))
                                                   mostrado = l->text();
                                           }
                                       });
        QVERIFY(visto.abierto);
        QCOMPARE(visto.titulo, QStringLiteral("Velmora"));
        QCOMPARE(visto.textosBotones, QStringList{QStringLiteral("OK")});
        QCOMPARE(visto.icono, QMessageBox::NoIcon);
        QVERIFY(!mostrado.contains(QLatin1Char('\r')));
        QCOMPARE(mostrado.split(QLatin1Char('\n')).size(), 4);
        QCOMPARE(mostrado, QString(velmora::ui::TextoAcercaDe())
                               .replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        QVERIFY(principal.Ventana().isVisible());
    }

    void cerrarLaVentanaPrincipalTermina() {
        const VentanaDePrueba principal;
        // The application's own event loop ends when the window is closed.
        QTimer::singleShot(0, &principal.Ventana(), &QWidget::close);
        QTimer::singleShot(3000, [] { QCoreApplication::exit(99); });
        QCOMPARE(QApplication::exec(), 0);
    }
};

QTEST_MAIN(AplicacionTest)
#include "AplicacionTest.moc"
