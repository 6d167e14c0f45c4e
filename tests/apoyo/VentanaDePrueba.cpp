#include "VentanaDePrueba.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "ui/qt/VentanaVelmora.h"

namespace velmora::prueba {

VentanaDePrueba::VentanaDePrueba() : ventana_(std::make_unique<qt::VentanaVelmora>()) {
    ventana_->show();
    if (!QTest::qWaitForWindowExposed(ventana_.get())) qFatal("the main window was not exposed");
}

VentanaDePrueba::~VentanaDePrueba() = default;

QLineEdit* VentanaDePrueba::Campo(IdCampo id) const {
    return Hijo<QLineEdit>(ventana_.get(), DatosDe(id).nombre);
}

QLabel* VentanaDePrueba::Resultado() const {
    return Hijo<QLabel>(ventana_.get(), "lblResultado");
}

QPushButton* VentanaDePrueba::Boton() const {
    return Hijo<QPushButton>(ventana_.get(), "cmdCalcular");
}

QAction* VentanaDePrueba::Accion(std::string_view nombre) const {
    return Hijo<QAction>(ventana_.get(), nombre);
}

void VentanaDePrueba::Disparar(std::string_view nombre) const {
    Accion(nombre)->trigger();
}

void Teclear(QWidget* campo, const QString& texto) {
    for (QChar c : texto) {
        if (c == QLatin1Char('\t')) {
            QTest::keyClick(campo, Qt::Key_Tab);
        } else if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            QTest::keyClick(campo, Qt::Key_Return);
        } else {
            QKeyEvent pulsada(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QKeyEvent soltada(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(campo, &pulsada);
            QApplication::sendEvent(campo, &soltada);
        }
    }
}

void VentanaDePrueba::Escribir(IdCampo id, const QString& texto) const {
    QLineEdit* campo = Campo(id);
    campo->selectAll();
    QTest::keyClick(campo, Qt::Key_Delete);
    Teclear(campo, texto);
}

void VentanaDePrueba::Escribir(const FilaTextos& fila) const {
    for (const velmora::Campo& campo : kCampos) {
        const std::string_view texto = fila[static_cast<std::size_t>(campo.id)];
        Escribir(campo.id, QString::fromUtf8(texto.data(), qsizetype(texto.size())));
    }
}

void VentanaDePrueba::EjemploResuelto() const {
    const QLocale local = QLocale::system();
    Escribir(kEjemploResuelto);
    Escribir(IdCampo::txtPrecioCocheDiesel, local.toString(2600000));
    Escribir(IdCampo::txtPrecioCocheGasolina, local.toString(2300000));
}

QStringList VentanaDePrueba::TextosDeCampos() const {
    QStringList textos;
    for (const velmora::Campo& campo : kCampos) textos << Campo(campo.id)->text();
    return textos;
}

}  // namespace velmora::prueba
