// The shell: the About message as the box shows it, and the end of the program.
#include <QAction>
#include <QLabel>
#include <QMessageBox>
#include <QtTest>

#include "Modales.h"
#include "VentanaDePrueba.h"
#include "ui/Textos.h"
#include "ui/qt/Aplicacion.h"
#include "ui/qt/VentanaVelmora.h"

using velmora::prueba::CerrarModal;
using velmora::prueba::VentanaDePrueba;

class AplicacionTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() { velmora::qt::PrepararAplicacion(); }

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
        QCOMPARE(visto.textosBotones, QStringList{velmora::prueba::kBotonAceptar});
        QCOMPARE(visto.icono, QMessageBox::NoIcon);
        QVERIFY(!mostrado.contains(QLatin1Char('\r')));
        QCOMPARE(mostrado.split(QLatin1Char('\n')).size(), 4);
        QCOMPARE(mostrado, QString::fromStdString(velmora::ui::TextoAcercaDe())
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
