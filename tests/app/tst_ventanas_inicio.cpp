#include "Controles.h"
#include "ScriptedDialogs.h"

#include "app/Configuracion.h"
#include "app/TfrmAcerca.h"
#include "app/TfrmEnlaceDatos.h"
#include "app/TfrmInicio.h"
#include "app/TfrmPrincipal.h"
#include "platform/ui/widgets/EnterAsTab.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QVBoxLayout>
#include <QtTest>

namespace {

using testsupport::control;

QStringList textos(const QWidget &ventana)
{
    QStringList lista;
    for (const QLabel *label : ventana.findChildren<QLabel *>())
        lista << label->text();
    return lista;
}

bool centradaEnPantalla(const QWidget &ventana)
{
    const QPoint diferencia =
        ventana.geometry().center() - QGuiApplication::primaryScreen()->availableGeometry().center();
    return diferencia.manhattanLength() <= 1;
}

// Shows a window and makes it the active one, so it takes the keyboard focus.
bool activar(QWidget &ventana)
{
    ventana.show();
    QApplication::setActiveWindow(&ventana);
    return QTest::qWaitForWindowActive(&ventana);
}

// The data-path dialog on a program folder of its own.
struct EnlaceDatos
{
    QTemporaryDir programa;
    Configuracion configuracion{programa.path() + u'/'};
    TfrmEnlaceDatos dialogo{configuracion};
    QLineEdit *txtEquipo = control<QLineEdit>(dialogo, "txtEquipo");
    QLineEdit *txtPath = control<QLineEdit>(dialogo, "txtPath");
    QPushButton *btnOk = control<QPushButton>(dialogo, "btnOk");

    QByteArray config() const
    {
        QFile file(configuracion.fichero());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

// One control of each kind, for the Enter key.
QWidget *nuevoControl(const QString &tipo)
{
    if (tipo == u"línea")
        return new QLineEdit;
    if (tipo == u"número")
        return new QSpinBox;
    if (tipo == u"fecha")
        return new QDateEdit;
    if (tipo == u"pestañas") {
        auto *tabs = new QTabBar;
        tabs->addTab(QStringLiteral("Uno"));
        tabs->addTab(QStringLiteral("Dos"));
        return tabs;
    }
    if (tipo == u"memo")
        return new QPlainTextEdit;
    if (tipo == u"botón")
        return new QPushButton(QStringLiteral("Botón"));
    auto *combo = new QComboBox;
    combo->setEditable(tipo == u"combo editable");
    combo->addItems({QStringLiteral("A"), QStringLiteral("B")});
    return combo;
}

} // namespace

class TstVentanasInicio : public QObject
{
    Q_OBJECT

private slots:
    void enlaceDatosControles();
    void enlaceDatosSinRuta_data();
    void enlaceDatosSinRuta();
    void enlaceDatosOk_data();
    void enlaceDatosOk();
    void enlaceDatosCerradoSinOk();
    void enlaceDatosEnterPasaAlCampoSiguiente();
    void enterSegunElControl_data();
    void enterSegunElControl();
    void enterNoSaleDeLaVentanaHija();

    void acerca();
    void inicio();
    void principalPreguntaAlCerrar_data();
    void principalPreguntaAlCerrar();
    void principalAbreAcerca();
};

void TstVentanasInicio::enlaceDatosControles()
{
    EnlaceDatos e;
    QCOMPARE(e.dialogo.objectName(), QStringLiteral("TfrmEnlaceDatos"));
    QCOMPARE(e.dialogo.windowTitle(), QStringLiteral("ENLACE DATOS"));
    QVERIFY(e.dialogo.isModal());
    QVERIFY(e.txtEquipo && e.txtPath && e.btnOk);
    QCOMPARE(e.btnOk->text(), QStringLiteral("OK"));
    QCOMPARE(textos(e.dialogo), (QStringList{QStringLiteral("NOMBRE EQUIPO SERVIDOR"),
                                             QStringLiteral("RUTA COMPLETA DE DATOS (GENERAL.GDB)")}));
}

void TstVentanasInicio::enlaceDatosSinRuta_data()
{
    QTest::addColumn<QString>("ruta");
    QTest::newRow("vacía") << QString();
    QTest::newRow("sólo blancos") << QStringLiteral("   ");
}

void TstVentanasInicio::enlaceDatosSinRuta()
{
    QFETCH(QString, ruta);
    testsupport::ScriptedDialogs dialogs;
    EnlaceDatos e;
    QVERIFY(activar(e.dialogo));
    e.txtEquipo->setText(QStringLiteral("SRV"));
    e.txtPath->setText(ruta);

    QTest::mouseClick(e.btnOk, Qt::LeftButton);

    QCOMPARE(dialogs.shown, QStringList{QStringLiteral("msg:Especifique la ruta a los daots")});
    QVERIFY(e.dialogo.isVisible());
    QVERIFY(!e.configuracion.existe());
}

void TstVentanasInicio::enlaceDatosOk_data()
{
    QTest::addColumn<QString>("equipo");
    QTest::addColumn<QString>("ruta");
    QTest::addColumn<QByteArray>("fichero");

    QTest::newRow("servidor") << "SRV" << "/datos" << QByteArray("[Ruta Datos]\nRuta Datos=SRV:/datos/\n");
    QTest::newRow("local") << "" << "D:/F" << QByteArray("[Ruta Datos]\nRuta Datos=D:/F/\n");
    QTest::newRow("ruta acabada en /") << "" << "/datos/" << QByteArray("[Ruta Datos]\nRuta Datos=/datos//\n");
}

void TstVentanasInicio::enlaceDatosOk()
{
    QFETCH(QString, equipo);
    QFETCH(QString, ruta);
    QFETCH(QByteArray, fichero);
    testsupport::ScriptedDialogs dialogs;
    EnlaceDatos e;
    QVERIFY(activar(e.dialogo));
    QTest::keyClicks(e.txtEquipo, equipo);
    QTest::keyClicks(e.txtPath, ruta);

    QTest::mouseClick(e.btnOk, Qt::LeftButton);

    QCOMPARE(e.config(), fichero);
    QVERIFY(!e.dialogo.isVisible());
    QCOMPARE(e.dialogo.result(), int(QDialog::Accepted));
    QCOMPARE(dialogs.shown, QStringList());
}

void TstVentanasInicio::enlaceDatosCerradoSinOk()
{
    testsupport::ScriptedDialogs dialogs;
    EnlaceDatos e;
    QVERIFY(activar(e.dialogo));
    e.txtEquipo->setText(QStringLiteral("SRV"));
    e.txtPath->setText(QStringLiteral("/datos"));

    QTest::keyClick(e.txtPath, Qt::Key_Escape);

    QVERIFY(!e.dialogo.isVisible());
    QVERIFY(!e.configuracion.existe());
    QCOMPARE(dialogs.shown, QStringList());
}

// Enter in a field moves on without pressing OK; on the button it presses it.
void TstVentanasInicio::enlaceDatosEnterPasaAlCampoSiguiente()
{
    testsupport::ScriptedDialogs dialogs;
    EnlaceDatos e;
    QVERIFY(activar(e.dialogo));
    e.txtEquipo->setFocus();

    QTest::keyClick(e.txtEquipo, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), e.txtPath);
    QTest::keyClick(e.txtPath, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(QApplication::focusWidget(), e.btnOk);
    QVERIFY(e.dialogo.isVisible());
    QCOMPARE(dialogs.shown, QStringList());

    QTest::keyClick(e.btnOk, Qt::Key_Return);
    QCOMPARE(dialogs.shown, QStringList{QStringLiteral("msg:Especifique la ruta a los daots")});
}

void TstVentanasInicio::enterSegunElControl_data()
{
    QTest::addColumn<QString>("tipo");
    QTest::addColumn<bool>("avanza");

    for (const char *tipo : {"línea", "número", "fecha", "pestañas"})
        QTest::newRow(tipo) << QString::fromUtf8(tipo) << true;
    for (const char *tipo : {"memo", "combo", "combo editable", "botón"})
        QTest::newRow(tipo) << QString::fromUtf8(tipo) << false;
}

void TstVentanasInicio::enterSegunElControl()
{
    QFETCH(QString, tipo);
    QFETCH(bool, avanza);
    QWidget ventana;
    auto *layout = new QVBoxLayout(&ventana);
    QWidget *control = nuevoControl(tipo);
    auto *siguiente = new QLineEdit;
    layout->addWidget(control);
    layout->addWidget(siguiente);
    ui::EnterAsTab::install(&ventana);
    QVERIFY(activar(ventana));
    control->setFocus();
    QWidget *enfocado = QApplication::focusWidget();
    QVERIFY(enfocado == control || control->isAncestorOf(enfocado));

    QTest::keyClick(enfocado, Qt::Key_Return);

    QCOMPARE(QApplication::focusWidget() == siguiente, avanza);
}

// After the last field of a child window Enter goes back to its first
// field, never into another child window.
void TstVentanasInicio::enterNoSaleDeLaVentanaHija()
{
    QMdiArea area;
    QList<QLineEdit *> campos;
    for (int i = 0; i < 2; ++i) {
        auto *hija = new QWidget;
        auto *layout = new QVBoxLayout(hija);
        for (int j = 0; j < 2; ++j) {
            campos << new QLineEdit;
            layout->addWidget(campos.back());
        }
        ui::EnterAsTab::install(hija);
        area.addSubWindow(hija);
    }
    QVERIFY(activar(area));
    campos[1]->setFocus();

    QTest::keyClick(campos[1], Qt::Key_Return);

    QCOMPARE(QApplication::focusWidget(), campos[0]);
}

void TstVentanasInicio::acerca()
{
    TfrmAcerca acerca;
    QCOMPARE(acerca.windowTitle(), QStringLiteral("Acerca de..."));
    QVERIFY(acerca.isModal());
    QVERIFY(textos(acerca).contains(QStringLiteral("VANTREL FACTURACION")));
    QVERIFY(textos(acerca).contains(QStringLiteral("Versión 1.0.1")));
    auto *btnOk = control<QPushButton>(acerca, "btnOk");
    QVERIFY(btnOk);
    QCOMPARE(btnOk->text(), QStringLiteral("&OK"));

    QVERIFY(activar(acerca));
    QVERIFY(centradaEnPantalla(acerca));
    QTest::mouseClick(btnOk, Qt::LeftButton);
    QVERIFY(!acerca.isVisible());
}

void TstVentanasInicio::inicio()
{
    TfrmInicio inicio;
    inicio.mostrar();

    QVERIFY(inicio.isVisible());
    QCOMPARE(inicio.size(), QSize(268, 257));
    QVERIFY(inicio.windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(centradaEnPantalla(inicio));
    int imagenes = 0;
    for (const QLabel *label : inicio.findChildren<QLabel *>())
        imagenes += label->pixmap().isNull() ? 0 : 1;
    QCOMPARE(imagenes, 2);
    // Between the frame and the pictures the panel shows its colour.
    QCOMPARE(inicio.grab().toImage().pixelColor(5, 5), QColor(10, 114, 169));
}

void TstVentanasInicio::principalPreguntaAlCerrar_data()
{
    QTest::addColumn<bool>("si");
    QTest::newRow("sí") << true;
    QTest::newRow("no") << false;
}

void TstVentanasInicio::principalPreguntaAlCerrar()
{
    QFETCH(bool, si);
    testsupport::ScriptedDialogs dialogs;
    dialogs.answer(si);
    TfrmPrincipal principal;
    QCOMPARE(principal.objectName(), QStringLiteral("TfrmPrincipal"));
    QCOMPARE(principal.windowTitle(), QStringLiteral("Vantrel Facturacion"));
    principal.show();

    QCOMPARE(principal.close(), si);

    QCOMPARE(principal.isVisible(), !si);
    QCOMPARE(dialogs.questions, QStringList{QStringLiteral("¿Desea salir de Vantrel Facturacion?")});
    QCOMPARE(dialogs.questionIcons, QList<ui::Dialogs::Icon>{ui::Dialogs::Icon::Question});
}

void TstVentanasInicio::principalAbreAcerca()
{
    TfrmPrincipal principal;
    auto *acerca = new TfrmAcerca(&principal);
    principal.setAcerca(acerca);
    auto *accion = principal.findChild<QAction *>(QStringLiteral("accAcercaAyuda"));
    QVERIFY(accion);
    QCOMPARE(accion->text(), QStringLiteral("&Acerca de..."));
    QWidget *modal = nullptr;
    QTimer::singleShot(0, [&modal] {
        modal = QApplication::activeModalWidget();
        if (modal)
            modal->close();
    });

    accion->trigger();

    QCOMPARE(modal, acerca);
}

QTEST_MAIN(TstVentanasInicio)
#include "tst_ventanas_inicio.moc"
