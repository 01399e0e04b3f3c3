#include "Formularios.h"

#include "DBEdit.h"
#include "DBMemo.h"
#include "platform/ui/widgets/Colores.h"

#include <QAction>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace fw {

QHBoxLayout *enFila(std::initializer_list<QWidget *> controles)
{
    auto *fila = new QHBoxLayout;
    for (QWidget *control : controles)
        fila->addWidget(control);
    return fila;
}

DBEdit *crearCaja(ds::RecordSet &datos, const char *nombre, const QString &columna, QWidget *parent)
{
    auto *caja = new DBEdit(datos, columna, parent);
    caja->setObjectName(QLatin1String(nombre));
    return caja;
}

QToolButton *botonDeCodigo(const char *nombre, QWidget *parent, bool conFoco)
{
    auto *boton = new QToolButton(parent);
    boton->setObjectName(QLatin1String(nombre));
    if (!conFoco)
        boton->setFocusPolicy(Qt::NoFocus);
    return boton;
}

QFormLayout *agregarPestana(QTabWidget *paginas, const QString &titulo)
{
    auto *pagina = new QWidget;
    auto *formulario = new QFormLayout(pagina);
    paginas->addTab(pagina, titulo);
    return formulario;
}

DBMemo *agregarPestanaComentario(QTabWidget *paginas, ds::RecordSet &datos, const QString &columna)
{
    auto *pagina = new QWidget;
    auto *memo = new DBMemo(datos, columna, pagina);
    memo->setObjectName(QStringLiteral("mem") + columna.left(1) + columna.mid(1).toLower());
    auto *layout = new QVBoxLayout(pagina);
    layout->addWidget(memo);
    paginas->addTab(pagina, QStringLiteral("COMENTARIO"));
    return memo;
}

QPushButton *botonDialogo(const char *nombre, const QString &texto, QWidget *parent)
{
    auto *boton = new QPushButton(texto, parent);
    boton->setObjectName(QLatin1String(nombre));
    boton->setAutoDefault(false);
    return boton;
}

QAction *accionDeVentana(const char *nombre, const QString &texto, QWidget *ventana)
{
    auto *accion = new QAction(texto, ventana);
    accion->setObjectName(QLatin1String(nombre));
    ventana->addAction(accion);
    return accion;
}

QFrame *crearBandaAceptar(QWidget *ventana, QPushButton *&btnAceptar, QPushButton *&btnCancelar,
                          QAction *&accAceptar, QAction *&accCancelar)
{
    auto *banda = new QFrame(ventana);
    banda->setAutoFillBackground(true);
    QPalette azul = banda->palette();
    azul.setColor(QPalette::Window, ui::kColorPrograma);
    banda->setPalette(azul);
    btnAceptar = botonDialogo("btnAceptar", QStringLiteral("&Aceptar"), banda);
    btnCancelar = botonDialogo("btnCancelar", QStringLiteral("&Cancelar"), banda);
    auto *fila = new QHBoxLayout(banda);
    fila->addStretch();
    fila->addWidget(btnAceptar);
    fila->addWidget(btnCancelar);

    // The buttons carry the access keys; the commands are what they run.
    accAceptar = accionDeVentana("accAceptar", QStringLiteral("Aceptar"), ventana);
    accCancelar = accionDeVentana("accCancelar", QStringLiteral("Cancelar"), ventana);
    QObject::connect(btnAceptar, &QPushButton::clicked, accAceptar, &QAction::trigger);
    QObject::connect(btnCancelar, &QPushButton::clicked, accCancelar, &QAction::trigger);
    return banda;
}

} // namespace fw
