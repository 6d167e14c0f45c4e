// What the builder makes of the window descriptions: controls placed by
// their twips in their containers, and every caption, field and list row
// fitting its box with the font in use, also a large one.
#include <QAction>
#include <QMainWindow>
#include <QtTest>
#include <cstring>

#include "Modales.h"
#include "VentanaDePrueba.h"
#include "ui/DisenoEjemplos.h"
#include "ui/DisenoFormula.h"
#include "ui/DisenoVelmora.h"
#include "ui/qt/Aplicacion.h"
#include "ui/qt/ConstructorVentana.h"
#include "ui/qt/VentanaVelmora.h"

using namespace velmora::ui;
using namespace velmora::qt;
using velmora::prueba::CerrarModal;
using velmora::prueba::Recortes;
using velmora::prueba::VentanaDePrueba;

namespace {

// Opens both modal windows from the menu of `principal` and collects the
// clipped controls of each.
QStringList RecortesDeLasVentanasFijas(const VentanaDePrueba& principal) {
    QStringList recortes;
    for (const char* accion : {"menuEjemplos", "menuFormula"}) {
        const auto visto = CerrarModal([&] { principal.Disparar(accion); },
                                       [&](QWidget* ventana) {
                                           ventana->layout();
                                           recortes << Recortes(ventana);
                                       });
        if (!visto.abierto) recortes << QLatin1String(accion) + QStringLiteral(" did not open");
    }
    return recortes;
}

}  // namespace

class ConstructorVentanaTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() { PrepararAplicacion(); }

    void ventanaPrincipalEnSuSitio() {
        const VentanaDePrueba principal;
        const VentanaVelmora& ventana = principal.Ventana();
        const double factor = ventana.centralWidget()->width() * 15.0 / kDisenoVelmora.anchoCliente;
        QVERIFY(factor >= 1.0);
        for (const Control& c : kDisenoVelmora.controles) {
            QWidget* w = ventana.findChild<QWidget*>(QLatin1String(c.nombre));
            QVERIFY2(w, c.nombre);
            QVERIFY2(std::abs(w->x() - c.izquierda * factor / 15) <= 1, c.nombre);
            QVERIFY2(std::abs(w->y() - c.arriba * factor / 15) <= 1, c.nombre);
            QVERIFY2(std::abs(w->width() - c.ancho * factor / 15) <= 1.5, c.nombre);
            QVERIFY2(std::abs(w->height() - c.alto * factor / 15) <= 1.5, c.nombre);
            const QString contenedor =
                c.contenedor ? QLatin1String(c.contenedor) : QStringLiteral("cliente");
            QCOMPARE(w->parentWidget()->objectName(), contenedor);
        }
    }

    void todoCabeConLaLetraEnUso() {
        const VentanaDePrueba principal;
        QCOMPARE(Recortes(&principal.Ventana()), QStringList());
        QCOMPARE(RecortesDeLasVentanasFijas(principal), QStringList());
    }

    void todoCabeConUnaLetraGrande() {
        const QFont antes = QApplication::font();
        QFont grande = antes;
        grande.setPointSizeF(antes.pointSizeF() * 1.8);
        QApplication::setFont(grande);
        {
            const VentanaDePrueba principal;
            QCOMPARE(Recortes(&principal.Ventana()), QStringList());
            QCOMPARE(RecortesDeLasVentanasFijas(principal), QStringList());
        }
        QApplication::setFont(antes);
    }
};

QTEST_MAIN(ConstructorVentanaTest)
#include "ConstructorVentanaTest.moc"
