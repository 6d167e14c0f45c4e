// What the builder makes of the window descriptions: controls placed by
// their twips in their containers, and every caption, field and list row
// fitting its box with the font in use, also a large one.
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QStyleOptionGroupBox>
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
using velmora::prueba::VentanaDePrueba;

namespace {

// Every control of `ventana` whose content must fit its box, with the
// reason it does not, if it does not.
QStringList Recortes(QWidget* ventana) {
    QStringList recortes;
    auto informar = [&](QWidget* w, const QString& que) {
        recortes << w->objectName() + QStringLiteral(": ") + que;
    };
    for (QLabel* l : ventana->findChildren<QLabel*>()) {
        if (l->objectName().isEmpty()) continue;  // parts of other widgets
        const QSize texto = l->fontMetrics().size(0, l->text());
        if (texto.width() > l->width() || texto.height() > l->height()) {
            informar(l, QStringLiteral("text %1x%2 in %3x%4")
                            .arg(texto.width())
                            .arg(texto.height())
                            .arg(l->width())
                            .arg(l->height()));
        }
    }
    for (QLineEdit* e : ventana->findChildren<QLineEdit*>()) {
        if (e->minimumSizeHint().height() > e->height()) informar(e, QStringLiteral("too low"));
    }
    for (QAbstractButton* b : ventana->findChildren<QAbstractButton*>()) {
        if (b->fontMetrics().horizontalAdvance(b->text()) + 8 > b->width()) {
            informar(b, QStringLiteral("caption too wide"));
        }
    }
    for (QGroupBox* g : ventana->findChildren<QGroupBox*>()) {
        const int titulo = g->fontMetrics().horizontalAdvance(g->title());
        if (titulo + 8 > g->width()) informar(g, QStringLiteral("title too wide"));
        // The title band stays above every control in the frame.
        for (QWidget* hijo : g->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (hijo->geometry().top() < g->fontMetrics().height()) {
                informar(hijo, QStringLiteral("under the frame's title"));
            }
        }
    }
    for (QListWidget* lista : ventana->findChildren<QListWidget*>()) {
        for (int i = 0; i < lista->count(); ++i) {
            const QRect fila = lista->visualItemRect(lista->item(i));
            const int ancho = lista->fontMetrics().horizontalAdvance(lista->item(i)->text());
            if (!lista->viewport()->rect().contains(fila) || ancho > lista->viewport()->width()) {
                informar(lista, QStringLiteral("row %1 not fully shown").arg(i));
            }
        }
    }
    return recortes;
}

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
