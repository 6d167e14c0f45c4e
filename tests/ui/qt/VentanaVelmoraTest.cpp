// The main window as a user meets it: typing into the fields, clicking the
// button, choosing menu entries, with real widgets on the offscreen
// platform. Runs under the regional settings of LANG (CTest runs it under
// the Spanish and the English convention).
#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "Escenarios.h"
#include "Jugador.h"
#include "Modales.h"
#include "VentanaDePrueba.h"
#include "ui/DisenoVelmora.h"
#include "ui/qt/Aplicacion.h"
#include "ui/qt/VentanaVelmora.h"

using velmora::IdCampo;
using velmora::prueba::CerrarModal;
using velmora::prueba::FilaTextos;
using velmora::prueba::Hijo;
using velmora::prueba::NingunModal;
using velmora::prueba::VentanaDePrueba;

class VentanaVelmoraTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<VentanaDePrueba> v;

    QLabel* Resultado() { return v->Resultado(); }
    QPushButton* Boton() { return v->Boton(); }

  private Q_SLOTS:
    void initTestCase() { velmora::qt::PrepararAplicacion(); }

    void init() { v = std::make_unique<VentanaDePrueba>(); }
    void cleanup() { v.reset(); }

    void tituloYEstadoInicial() {
        QCOMPARE(v->Ventana().windowTitle(), QStringLiteral("Amortización Diesel v1.0"));
        QCOMPARE(v->Ventana().objectName(), QStringLiteral("Velmora"));
        QCOMPARE(QApplication::focusWidget(), v->Campo(IdCampo::txtPrecioCocheDiesel));
        QVERIFY(Resultado()->text().isEmpty());
        QCOMPARE(v->TextosDeCampos(), QStringList(qsizetype(velmora::kNumeroCampos), QString()));
        QCOMPARE(v->Ventana().findChildren<QLineEdit*>().size(), qsizetype(velmora::kNumeroCampos));
        QVERIFY(!v->Ventana().windowIcon().isNull());
    }

    void ventanaFijaSinMaximizar() {
        const Qt::WindowFlags banderas = v->Ventana().windowFlags();
        QVERIFY(!(banderas & Qt::WindowMaximizeButtonHint));
        QVERIFY(banderas & Qt::WindowMinimizeButtonHint);
        QVERIFY(banderas & Qt::WindowCloseButtonHint);
        QCOMPARE(v->Ventana().minimumSize(), v->Ventana().maximumSize());
    }

    // Every row of the table is a widget of its kind, named as the row, in
    // its container, showing the row's caption; the menu bar holds the
    // menus of its table, each its entries, none with a shortcut.
    void controlesYMenusDeSusTablas() {
        for (const velmora::ui::Control& c : velmora::ui::kDisenoVelmora.controles) {
            QWidget* w = Hijo<QWidget>(&v->Ventana(), c.nombre);
            const QString titulo = QString::fromUtf8(c.titulo);
            QString mostrado;
            if (auto* marco = qobject_cast<QGroupBox*>(w)) mostrado = marco->title();
            if (auto* etiqueta = qobject_cast<QLabel*>(w)) mostrado = etiqueta->text();
            if (auto* boton = qobject_cast<QPushButton*>(w)) mostrado = boton->text();
            if (c.tipo == velmora::ui::Tipo::Campo) QVERIFY(qobject_cast<QLineEdit*>(w));
            QVERIFY2(mostrado == (c.tipo == velmora::ui::Tipo::Campo ? QString() : titulo),
                     c.nombre);
            QCOMPARE(w->parentWidget()->objectName(),
                     c.contenedor ? QLatin1String(c.contenedor) : QLatin1String("cliente"));
            if (c.banderas & velmora::ui::FondoBlanco) {
                QVERIFY(w->autoFillBackground());
                QCOMPARE(w->palette().color(w->backgroundRole()), QColor(Qt::white));
            }
        }
        QVERIFY(!Boton()->isDefault() && !Boton()->autoDefault());

        QStringList menus, esperados;
        QMenu* menu = nullptr;
        int enMenu = 0;
        for (const velmora::ui::EntradaMenu& e : velmora::ui::kMenuVelmora) {
            if (e.tipo == velmora::ui::TipoEntrada::Menu) {
                menu = Hijo<QMenu>(&v->Ventana(), e.nombre);
                esperados << QString::fromUtf8(e.titulo);
                menus << menu->title();
                enMenu = 0;
                continue;
            }
            QAction* a = menu->actions().value(enMenu++);
            QVERIFY2(a && a->objectName() == QLatin1String(e.nombre), e.nombre);
            QCOMPARE(a->isSeparator(), e.tipo == velmora::ui::TipoEntrada::Separador);
            if (!a->isSeparator()) QCOMPARE(a->text(), QString::fromUtf8(e.titulo));
            QVERIFY(a->shortcut().isEmpty());
        }
        QCOMPARE(menus, esperados);
        QStringList enLaBarra;
        for (QAction* a : v->Ventana().menuBar()->actions()) enLaBarra << a->text();
        QCOMPARE(enLaBarra, esperados);
    }

    // Alt with a letter that no menu has types nothing, as on Windows; the
    // letter alone types.
    void altConUnaLetraSinMenu() {
        QLineEdit* campo = v->Campo(IdCampo::txtKmAno);
        campo->setFocus();
        QTest::keyClick(campo, Qt::Key_Y, Qt::AltModifier);
        QCOMPARE(campo->text(), QString());
        QTest::keyClick(campo, Qt::Key_Y);
        QCOMPARE(campo->text(), QStringLiteral("y"));
    }

    void ordenDeTabulacion() {
        v->Campo(IdCampo::txtPrecioCocheDiesel)->setFocus();
        for (const char* siguiente : velmora::prueba::kOrdenDeTabulacion) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1String(siguiente));
        }
    }

    void ejemploResueltoPorBotonYPorMenu() {
        v->EjemploResuelto();
        QTest::mouseClick(Boton(), Qt::LeftButton);
        QCOMPARE(Resultado()->text(), QStringLiteral("63829"));

        v->Escribir(IdCampo::txtKmAno, QLocale::system().toString(15000));
        v->Escribir(IdCampo::txtInteres, QStringLiteral("5"));
        Resultado()->clear();
        QVERIFY(!NingunModal([&] { v->Disparar("menuCalcular"); }).abierto);
        QCOMPARE(Resultado()->text(), QStringLiteral("74694"));

        // The button from the keyboard while it has the focus: Space,
        // Return and the keypad's Enter.
        Boton()->setFocus();
        for (const auto& [tecla, modificador] :
             {std::pair{Qt::Key_Space, Qt::NoModifier}, std::pair{Qt::Key_Return, Qt::NoModifier},
              std::pair{Qt::Key_Enter, Qt::KeypadModifier}}) {
            Resultado()->clear();
            QTest::keyClick(Boton(), tecla, modificador);
            QCOMPARE(Resultado()->text(), QStringLiteral("74694"));
        }
    }

    // Figures typed with the keys a user of the convention in use has: a
    // space where the settings group digits with a blank (French: U+202F),
    // an ASCII apostrophe where they group with U+2019 (Swiss German).
    void cifrasComoLasTecleaElUsuario() {
        const QLocale local = QLocale::system();
        QString separador = local.groupSeparator();
        if (separador == QStringLiteral("\u202f") || separador == QStringLiteral("\u00a0")) {
            separador = QStringLiteral(" ");
        } else if (separador == QStringLiteral("\u2019")) {
            separador = QStringLiteral("'");
        }
        const auto miles = [&](int millones, int miles, int unidades) {
            QString texto = millones ? QString::number(millones) + separador : QString();
            texto += QString::number(miles).rightJustified(millones ? 3 : 1, QLatin1Char('0'));
            return texto + separador +
                   QString::number(unidades).rightJustified(3, QLatin1Char('0'));
        };
        v->EjemploResuelto();
        v->Escribir(IdCampo::txtPrecioCocheDiesel, miles(2, 600, 0));
        v->Escribir(IdCampo::txtPrecioCocheGasolina, miles(2, 300, 0));
        QTest::mouseClick(Boton(), Qt::LeftButton);
        QCOMPARE(Resultado()->text(), QStringLiteral("63829"));
        v->Escribir(IdCampo::txtKmAno, miles(0, 15, 0));
        v->Escribir(IdCampo::txtInteres, QStringLiteral("5"));
        QTest::mouseClick(Boton(), Qt::LeftButton);
        QCOMPARE(Resultado()->text(), QStringLiteral("74694"));
    }

    void introEnUnCampoNoCalcula() {
        v->EjemploResuelto();
        QLineEdit* campo = v->Campo(IdCampo::txtPrecioLitroGasolina);
        const auto visto = NingunModal([&] {
            QTest::keyClick(campo, Qt::Key_Return);
            QTest::keyClick(campo, Qt::Key_Enter);
        });
        QVERIFY(!visto.abierto);
        QVERIFY(Resultado()->text().isEmpty());
    }

    // The shared scenarios, field entries and refusal (tests/apoyo/Jugador.h),
    // typed, pasted and dropped through the real widgets.
    void escenariosCompartidos() {
        velmora::prueba::ConductorQt conductor(*v);
        const auto fallos = velmora::prueba::Jugar(conductor);
        QVERIFY2(fallos.empty(),
                 qPrintable(QString::fromStdString(velmora::prueba::Lineas(fallos))));
    }

    // A text longer than a field takes is refused whole by the ways only
    // this toolkit has (a megabyte, the context menu's "Paste"), with one
    // message; the field keeps what it had and the result stays. Up to the
    // bound a paste is taken, and a key press more is refused.
    void textoDemasiadoLargo() {
        const QString mensaje = QStringLiteral(
            "ERROR: el texto es demasiado largo para el dato Precio de la seccion diesel: admite "
            "como mucho 50000 caracteres. El dato no ha cambiado.");
        const qsizetype maximo = qsizetype(velmora::kLargoMaximoCampo);
        QLineEdit* campo = v->Campo(IdCampo::txtPrecioCocheDiesel);
        v->EjemploResuelto();
        QTest::mouseClick(Boton(), Qt::LeftButton);
        const QString antes = campo->text();

        const auto negado = [&](const std::function<void()>& accion) {
            const auto visto = CerrarModal(accion);
            return visto.abierto && visto.titulo == QStringLiteral("Velmora") &&
                   visto.texto == mensaje && campo->text() == antes &&
                   Resultado()->text() == QStringLiteral("63829");
        };
        // Ctrl+V of a megabyte (the player pastes one character over the bound).
        QGuiApplication::clipboard()->setText(QString(qsizetype(1) << 20, QLatin1Char('7')));
        campo->setFocus();
        QVERIFY(negado([&] { QTest::keyClick(campo, Qt::Key_V, Qt::ControlModifier); }));
        // The context menu's "Paste".
        QVERIFY(negado([&] {
            QContextMenuEvent menu(QContextMenuEvent::Keyboard, QPoint(2, 2),
                                   campo->mapToGlobal(QPoint(2, 2)));
            QApplication::sendEvent(campo, &menu);
            auto* emergente = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(emergente);
            const QString pegar =
                QStringLiteral("\t") +
                QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
            for (QAction* a : emergente->actions()) {
                if (a->text().endsWith(pegar)) a->trigger();
            }
            emergente->close();
        }));
        // Up to the bound a paste is taken, and a key press more is refused.
        QGuiApplication::clipboard()->setText(QString(maximo, QLatin1Char('7')));
        campo->selectAll();
        QVERIFY(
            !NingunModal([&] { QTest::keyClick(campo, Qt::Key_V, Qt::ControlModifier); }).abierto);
        QCOMPARE(campo->text().size(), maximo);
        const QString lleno = campo->text();
        const auto visto = CerrarModal([&] { QTest::keyClick(campo, Qt::Key_1); });
        QCOMPARE(visto.texto, mensaje);
        QCOMPARE(campo->text(), lleno);
    }

    // Keys typed into a full field faster than a box opens: one message for
    // the burst, never a box inside a box (thousands of them end the
    // program), and the field keeps its text.
    void rafagaDeTeclasEnUnCampoLleno() {
        QLineEdit* campo = v->Campo(IdCampo::txtPrecioCocheDiesel);
        QGuiApplication::clipboard()->setText(
            QString(qsizetype(velmora::kLargoMaximoCampo), QLatin1Char('7')));
        QTest::keyClick(campo, Qt::Key_V, Qt::ControlModifier);
        const QString lleno = campo->text();
        QCOMPARE(lleno.size(), qsizetype(velmora::kLargoMaximoCampo));
        const QStringList vistos = velmora::prueba::CerrarCadaModal(
            [&] { velmora::prueba::Teclear(campo, QString(1000, QLatin1Char('8'))); });
        QCOMPARE(vistos.size(), 1);
        QCOMPARE(campo->text(), lleno);
    }

    // The toolkit's own texts are Spanish too, whatever the user's locale:
    // a field's context menu.
    void menuContextualEnEspanol() {
        QMenu* menu = v->Campo(IdCampo::txtPrecioCocheDiesel)->createStandardContextMenu();
        QStringList entradas;
        for (QAction* a : menu->actions()) {
            if (a->isSeparator()) continue;
            entradas << a->text().section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&'));
        }
        delete menu;
        QCOMPARE(entradas, (QStringList{QStringLiteral("Deshacer"), QStringLiteral("Rehacer"),
                                        QStringLiteral("Cortar"), QStringLiteral("Copiar"),
                                        QStringLiteral("Pegar"), QStringLiteral("Borrar"),
                                        QStringLiteral("Seleccionar todo")}));
    }

    void resultadoExponencialCabe() {
        v->Escribir({"12345679", "0", "0", "0", "100", "1", "", ""});
        QTest::mouseClick(Boton(), Qt::LeftButton);
        QCOMPARE(Resultado()->text(), QStringLiteral("1") + QLocale::system().decimalPoint() +
                                          QStringLiteral("234568E+07"));
        QVERIFY2(Resultado()->sizeHint().width() <= Resultado()->width(), "result clipped");
    }

    // A screen reader names each field as its row says (the caption beside
    // it alone would not tell one "Precio" from the other).
    void accesibilidad() {
        for (const velmora::ui::Control& c : velmora::ui::kControlesVelmora) {
            if (!c.campo) continue;
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(v->Campo(*c.campo));
            QVERIFY(a);
            QCOMPARE(a->text(QAccessible::Name),
                     QString::fromStdString(velmora::ui::NombreAccesible(c)));
        }
        v->EjemploResuelto();
        QTest::mouseClick(Boton(), Qt::LeftButton);
        QAccessibleInterface* r = QAccessible::queryAccessibleInterface(Resultado());
        QCOMPARE(r->text(QAccessible::Name), QStringLiteral("Resultado"));
        QCOMPARE(r->text(QAccessible::Description), QStringLiteral("63829"));
    }

    void salirTerminaEnSeguida() {
        v->EjemploResuelto();
        QTest::mouseClick(Boton(), Qt::LeftButton);
        QEventLoop bucle;
        QTimer::singleShot(0, [&] { v->Disparar("menuSalir"); });
        QTimer::singleShot(3000, [&] { bucle.exit(99); });
        QCOMPARE(bucle.exec(), 0);
        QVERIFY(!v->Ventana().isVisible());
    }
};

QTEST_MAIN(VentanaVelmoraTest)
#include "VentanaVelmoraTest.moc"
